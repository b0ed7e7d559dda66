// Keysyms and text through XLookupString; Latin-1 text turned into code page 936.
#include "platform/backends/x11/x11_keys.h"

#include "platform/gdi.h"
#include "platform/user.h"
#include "platform/user/backend.h"
#include "platform/user/native_event.h"

#include <X11/Xutil.h>

#include <cstring>
#include <string>

#include "platform/kernel.h"

namespace platform::x11 {

using namespace platform::user;

namespace {

constexpr char DELETE_CHAR = 0x7f;  // the Delete key types nothing

// XLookupString answers in Latin-1; the program's text is code page 936.
std::string ToAnsi(const char* latin1, int count) {
    std::string utf8;
    for (int i = 0; i < count; ++i) {
        auto c = static_cast<unsigned char>(latin1[i]);
        if (c < 0x80) {
            utf8 += char(c);
        } else {
            utf8 += char(0xc0 | (c >> 6));
            utf8 += char(0x80 | (c & 0x3f));
        }
    }
    return platform::Utf8ToAnsi(utf8.c_str());
}

}  // namespace

UINT NativeModifiers(unsigned state) {
    UINT bits = 0;
    bits |= (state & ShiftMask) != 0 ? UINT(NATIVE_SHIFT) : 0u;
    bits |= (state & ControlMask) != 0 ? UINT(NATIVE_CONTROL) : 0u;
    bits |= (state & Mod1Mask) != 0 ? UINT(NATIVE_ALT) : 0u;
    bits |= (state & Button1Mask) != 0 ? UINT(NATIVE_LEFT) : 0u;
    bits |= (state & Button3Mask) != 0 ? UINT(NATIVE_RIGHT) : 0u;
    bits |= (state & Button2Mask) != 0 ? UINT(NATIVE_MIDDLE) : 0u;
    return bits;
}

void FillKeyEvent(XKeyEvent& key, NativeEvent& out) {
    char buffer[16] = {};
    KeySym keysym = NoSymbol;
    int count = XLookupString(&key, buffer, sizeof buffer - 1, &keysym, nullptr);
    out.keysym = UINT(keysym);
    out.modifiers = NativeModifiers(key.state);
    if (count <= 0 || (count == 1 && buffer[0] == DELETE_CHAR))
        return;
    std::string text = ToAnsi(buffer, count);
    std::strncpy(out.text, text.c_str(), sizeof out.text - 1);
}

}  // namespace platform::x11
