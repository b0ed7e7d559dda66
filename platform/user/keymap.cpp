// Keysym numbers of the X keyboard model and the virtual keys they stand for.
#include "platform/user/keymap.h"

#include "platform/user.h"

namespace platform::user {

namespace {

struct KeyPair {
    UINT keysym;
    UINT vk;
};

// The keysym values are the X protocol's numbers; no X header is needed.
constexpr KeyPair SPECIAL_KEYS[] = {
    {0xff08, VK_BACK},    {0xff09, VK_TAB},    {0xfe20, VK_TAB},   {0xff0d, VK_RETURN},
    {0xff8d, VK_RETURN},  {0xff1b, VK_ESCAPE}, {0x0020, VK_SPACE}, {0xff55, VK_PRIOR},
    {0xff56, VK_NEXT},    {0xff57, VK_END},    {0xff50, VK_HOME},  {0xff51, VK_LEFT},
    {0xff52, VK_UP},      {0xff53, VK_RIGHT},  {0xff54, VK_DOWN},  {0xff63, VK_INSERT},
    {0xffff, VK_DELETE},  {0xffe1, VK_SHIFT},  {0xffe2, VK_SHIFT}, {0xffe3, VK_CONTROL},
    {0xffe4, VK_CONTROL}, {0xffe9, VK_MENU},   {0xffea, VK_MENU},  {0xffe7, VK_MENU},
    {0xffe5, VK_CAPITAL},
};

constexpr UINT KEYSYM_F1 = 0xffbe;

}  // namespace

UINT VirtualKeyFromKeysym(UINT keysym) {
    if (keysym >= 'a' && keysym <= 'z')
        return keysym - 'a' + 'A';
    if ((keysym >= 'A' && keysym <= 'Z') || (keysym >= '0' && keysym <= '9'))
        return keysym;
    if (keysym >= KEYSYM_F1 && keysym < KEYSYM_F1 + 12)
        return VK_F1 + (keysym - KEYSYM_F1);
    for (const KeyPair& pair : SPECIAL_KEYS) {
        if (pair.keysym == keysym)
            return pair.vk;
    }
    return 0;
}

UINT KeysymFromVirtualKey(UINT vk) {
    if (vk >= 'A' && vk <= 'Z')
        return vk - 'A' + 'a';
    if (vk >= '0' && vk <= '9')
        return vk;
    if (vk >= VK_F1 && vk <= VK_F12)
        return KEYSYM_F1 + (vk - VK_F1);
    for (const KeyPair& pair : SPECIAL_KEYS) {
        if (pair.vk == vk)
            return pair.keysym;
    }
    return 0;
}

}  // namespace platform::user
