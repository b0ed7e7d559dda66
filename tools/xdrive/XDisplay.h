// A connection to an X display that finds, watches, photographs and drives other programs' windows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct _XDisplay;  // Xlib's Display, kept out of this header so its users need no X headers

namespace xdrive {

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom

    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

struct FoundWindow {
    unsigned long xid = 0;
    ScreenRect rect;  // root coordinates
};

// Polls check every few milliseconds until it holds or timeoutMs passes.
bool WaitFor(const std::function<bool()>& check, int timeoutMs);

class CXDisplay {
public:
    CXDisplay() = default;
    ~CXDisplay();
    CXDisplay(const CXDisplay&) = delete;
    CXDisplay& operator=(const CXDisplay&) = delete;

    // A null name opens $DISPLAY.
    bool Open(const char* pstrDisplay, std::string& strError);
    // Ends the connection; a server that is about to go must see it closed first.
    void Close();
    ScreenRect Screen() const;

    // The first viewable window whose WM_CLASS names strClass, among the root's children and,
    // under a reparenting manager, their children.
    bool FindWindow(const std::string& strClass, FoundWindow& found) const;
    bool WaitWindow(const std::string& strClass, int nTimeoutMs, FoundWindow& found) const;
    bool WaitGone(const std::string& strClass, int nTimeoutMs) const;
    bool HasWindowManager() const;
    bool HasCompositor() const;

    // What the screen shows inside rect (clipped to the screen), compositor output included.
    bool Capture(const ScreenRect& rect, ScreenImage& image) const;
    // Captures until two pictures in a row agree, so a repaint in progress is not caught.
    bool CaptureSettled(const ScreenRect& rect, int nTimeoutMs, ScreenImage& image) const;
    // One pixel of a window's own contents (0x00RRGGBB), or -1 when it cannot be read.
    long WindowPixel(unsigned long xid, int x, int y) const;

    // Input through XTest, as a user's would arrive.
    void MovePointer(int x, int y) const;
    void Click(int x, int y) const;
    // Presses keys named by their keysyms, joined by '+' ("Escape", "alt+F4"),
    // in order, and lets go in reverse; false for a name the keyboard lacks.
    bool PressKeys(const std::string& strKeys) const;
    // The window manager's close: WM_PROTOCOLS / WM_DELETE_WINDOW.
    bool RequestClose(unsigned long xid) const;

private:
    _XDisplay* m_pDisplay = nullptr;
};

}  // namespace xdrive
