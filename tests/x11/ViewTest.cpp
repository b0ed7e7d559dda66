// orvik-view --x11 on a private display: a real window that ends the program when it is closed.
#include "X11Fixture.h"

#include <X11/extensions/XTest.h>

#include <array>
#include <cstdio>

namespace x11test {

namespace {

constexpr char VIEW_CLASS[] = "OrvikViewFrame";

bool HasViewClass(Display* dpy, Window w) {
    XClassHint hint{};
    if (XGetClassHint(dpy, w, &hint) == 0)
        return false;
    bool match = (hint.res_class != nullptr && std::string(hint.res_class) == VIEW_CLASS) ||
                 (hint.res_name != nullptr && std::string(hint.res_name) == VIEW_CLASS);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return match;
}

// The viewer's window among the root's children or, under a manager, their children.
Window FindViewWindow(Display* dpy, Window parent, int depth) {
    Window root = None, up = None, found = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(dpy, parent, &root, &up, &children, &count) == 0)
        return None;
    for (unsigned i = 0; i < count && found == None; ++i) {
        if (HasViewClass(dpy, children[i]))
            found = children[i];
        else if (depth > 0)
            found = FindViewWindow(dpy, children[i], depth - 1);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

// Where the headless viewer lays out a control of the main window, in client pixels.
RECT HeadlessBounds(const char* name) {
    std::string command = std::string("env -u DISPLAY '") + ORVIK_VIEW_PATH + "' '" +
                          LUMORA_SKIN_DIR + "' MainFrame.xml --tree";
    FILE* pipe = popen(command.c_str(), "r");
    std::string tree;
    std::array<char, 512> line{};
    while (pipe != nullptr && fgets(line.data(), int(line.size()), pipe) != nullptr)
        tree += line.data();
    if (pipe != nullptr)
        pclose(pipe);
    // std::regex trips GCC's uninitialised-use warning in the sanitizer build.
    size_t at = tree.find(std::string("name=\"") + name + "\" pos=");
    RECT rc{0, 0, 0, 0};
    if (at != std::string::npos)
        std::sscanf(tree.c_str() + tree.find("pos=", at), "pos=%d,%d,%d,%d", &rc.left, &rc.top,
                    &rc.right, &rc.bottom);
    return rc;
}

}  // namespace

class ViewX11Test : public X11Test {
protected:
    // Starts the viewer on the main window and waits until it is on screen.
    void OpenView() {
        m_view = std::make_unique<ChildProcess>(
            std::vector<std::string>{ORVIK_VIEW_PATH, LUMORA_SKIN_DIR, "MainFrame.xml", "--x11"},
            m_server->Display());
        ASSERT_TRUE(m_view->Started());
        bool shown = WaitFor(
            [&] {
                m_xid = FindViewWindow(m_observer, DefaultRootWindow(m_observer), 1);
                XWindowAttributes a{};
                return m_xid != None && XGetWindowAttributes(m_observer, m_xid, &a) != 0 &&
                       a.map_state == IsViewable;
            },
            WAIT_MS * 2);
        ASSERT_TRUE(shown) << "orvik-view --x11 showed no window";
    }

    POINT ScreenOrigin() const {
        int x = 0, y = 0;
        Window child = None;
        XTranslateCoordinates(m_observer, m_xid, DefaultRootWindow(m_observer), 0, 0, &x, &y,
                              &child);
        return POINT{x, y};
    }

    std::unique_ptr<ChildProcess> m_view;
    Window m_xid = None;
};

TEST_F(ViewX11Test, WindowManagersCloseEndsTheViewerWithZero) {
    StartWindowManager();
    OpenView();
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = m_xid;
    e.xclient.message_type = XInternAtom(m_observer, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(XInternAtom(m_observer, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_observer, m_xid, False, NoEventMask, &e);
    XSync(m_observer, False);
    EXPECT_EQ(m_view->WaitExit(WAIT_MS), 0);
}

TEST_F(ViewX11Test, ClickOnCloseButtonEndsTheViewerWithZero) {
    RECT button = HeadlessBounds("closebtn");
    ASSERT_GT(button.right, button.left) << "no closebtn in the headless tree";
    OpenView();
    POINT origin = ScreenOrigin();
    int x = origin.x + (button.left + button.right) / 2;
    int y = origin.y + (button.top + button.bottom) / 2;
    MovePointer(x, y);
    XSync(m_observer, False);
    PumpFor(100);
    Button(1, true);
    Button(1, false);
    EXPECT_EQ(m_view->WaitExit(WAIT_MS), 0);
}

}  // namespace x11test
