// Skinned documents in the window base on a real X server: pixels, keys, clicks, caption drags
// and the system buttons, all through the server's own input.
#include "X11Fixture.h"

#include <X11/extensions/XTest.h>
#include <X11/extensions/shape.h>
#include <X11/keysym.h>

#include <algorithm>
#include <sstream>

#include "platform/backends/headless/headless.h"
#include "ui/controls/ControlUI.h"
#include "ui/markup/SkinStore.h"
#include "ui/windowbase/WindowImplBase.h"

namespace x11test {

namespace {

// A caption with a title and the two system buttons, two buttons and a gradient below.
const char* const TEST_SKIN = R"(<Window size="360,220" caption="0,0,0,32" sizebox="4,4,4,4"
    roundcorner="6,6" mininfo="200,150" maxinfo="420,300">
  <Font id="0" name="Sans" size="12" default="true"/>
  <VerticalLayout bkcolor="#FF1D202A" inset="8,0,8,8">
    <HorizontalLayout height="32">
      <Label name="title" text="Skin on X11" textcolor="#FFFFFFFF"/>
      <HorizontalLayout width="64" inset="0,8,0,8">
        <Button name="minbtn" width="16" height="16" normalimage="btn_min_normal.png"
          hotimage="btn_min_hover.png"/>
        <Button name="maxbtn" width="16" height="16" padding="8,0,0,0" bkcolor="#FF808080"/>
        <Button name="restorebtn" width="16" height="16" padding="8,0,0,0" visible="false"
          bkcolor="#FFA0A0A0"/>
        <Button name="closebtn" width="16" height="16" padding="8,0,0,0"
          normalimage="btn_close_normal.png" hotimage="btn_close_hover.png"/>
      </HorizontalLayout>
    </HorizontalLayout>
    <Button name="first" text="First" height="36" textcolor="#FFFFFFFF"
      normalimage="file='button_normal.png' corner='4,4,4,4'"
      hotimage="file='button_hover.png' corner='4,4,4,4'"/>
    <Button name="second" text="Second" height="36" padding="0,8,0,0" textcolor="#FFFFFFFF"
      normalimage="file='button_normal.png' corner='4,4,4,4'"
      hotimage="file='button_hover.png' corner='4,4,4,4'"/>
    <Label text="gradient" padding="0,8,0,0" bkcolor="#FF306090" bkcolor2="#FF902040"/>
  </VerticalLayout>
</Window>)";

constexpr int FRAME_X = 100;
constexpr int FRAME_Y = 100;

// The window base over one document, noting what reaches its overridable parts.
class CSkinFrame : public Orvik::WindowImplBase {
public:
    explicit CSkinFrame(std::string document) : m_sDocument(std::move(document)) {}
    std::vector<std::string> m_clicks;
    std::vector<WPARAM> m_defaultKeys;
    bool m_bFinal = false;

    void OnClickNotify(Orvik::NotifyRecord& msg) override {
        m_clicks.push_back(msg.sender != nullptr ? msg.sender->GetName() : "");
        WindowImplBase::OnClickNotify(msg);
    }

protected:
    const char* WindowClassName() const override { return "LumoraSkinX11Test"; }
    Orvik::CUIString SkinFolder() override { return Orvik::CUIString(""); }
    Orvik::CUIString SkinFile() override { return Orvik::CUIString(m_sDocument.c_str()); }
    LRESULT OnDefaultKey(WPARAM wParam) override {
        m_defaultKeys.push_back(wParam);
        return WindowImplBase::OnDefaultKey(wParam);
    }
    void OnFinalMessage(HWND hWnd) override {
        WindowImplBase::OnFinalMessage(hWnd);
        m_bFinal = true;
    }

private:
    std::string m_sDocument;
};

// What a window shows: client pixels (0xAARRGGBB, cut to the bits compared) and whether each
// lies inside the window region.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    std::vector<bool> inside;
};

std::vector<bool> RegionMask(HWND hwnd, int width, int height) {
    std::vector<bool> inside(size_t(width) * height, true);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(hwnd, region) != ERROR) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                inside[size_t(y) * width + x] = PtInRegion(region, x, y) != FALSE;
    }
    DeleteObject(region);
    return inside;
}

// Serves the queue the way the window base's loop does, so hosts see keys before dispatch.
void ServeQueue() {
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (Orvik::CWindowHostUI::PreTranslateMessage(&msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

HWND OpenFrame(CSkinFrame& frame) {
    HWND hwnd = frame.Create(nullptr, "skin test", WS_POPUP, 0, FRAME_X, FRAME_Y, 640, 480);
    EXPECT_NE(hwnd, nullptr);
    if (hwnd != nullptr)
        frame.Show(true, true);
    return hwnd;
}

// Where the pointer rests while a picture is taken, in client coordinates; none: outside.
constexpr POINT NO_HOVER{-1, -1};

// The same document in a window of the headless backend, painted and read back. The manual clock
// runs the layered refresh timer without waiting for it.
Picture HeadlessPicture(const std::string& document, POINT hover, uint32_t bits) {
    platform::user::Backend* x11 = &platform::user::ActiveBackend();
    platform::user::InstallBackend(nullptr);
    platform::headless::UseManualClock(true);
    platform::headless::MovePointer(0, 0);
    Picture picture;
    {
        CSkinFrame frame(document);
        HWND hwnd = OpenFrame(frame);
        for (int i = 0; hwnd != nullptr && i < 10; ++i) {
            if (i == 1 && hover.x >= 0)
                platform::headless::MovePointer(FRAME_X + hover.x, FRAME_Y + hover.y);
            platform::headless::AdvanceClock(20);
            ServeQueue();
        }
        if (hwnd != nullptr) {
            picture.pixels = platform::headless::WindowPixels(hwnd, picture.width, picture.height);
            for (uint32_t& p : picture.pixels)
                p &= bits;
            picture.inside = RegionMask(hwnd, picture.width, picture.height);
            DestroyWindow(hwnd);
            ServeQueue();
        }
    }
    platform::headless::MovePointer(0, 0);
    platform::headless::UseManualClock(false);
    platform::user::InstallBackend(x11);
    return picture;
}

LONG Width(const RECT& r) {
    return r.right - r.left;
}

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

class SkinWindowTest : public X11Test {
protected:
    void SetUp() override {
        X11Test::SetUp();
        m_sSkinPath = Orvik::CSkinStore::GetSkinPath().GetData();
        Orvik::CSkinStore::SetSkinPath(LUMORA_SKIN_DIR);
    }
    void TearDown() override {
        if (m_frame != nullptr && m_hWnd != nullptr && IsWindow(m_hWnd))
            DestroyWindow(m_hWnd);
        ServeQueue();
        m_frame.reset();
        Orvik::CSkinStore::SetSkinPath(m_sSkinPath.c_str());  // the store is the process's
        X11Test::TearDown();
    }

    // Opens the document at (FRAME_X, FRAME_Y) and waits until it is on the server, with the
    // pointer parked outside it.
    void Open(const std::string& document = TEST_SKIN, POINT pointer = POINT{0, 0}) {
        MovePointer(pointer.x, pointer.y);
        m_frame = std::make_unique<CSkinFrame>(document);
        m_hWnd = OpenFrame(*m_frame);
        ASSERT_NE(m_hWnd, nullptr);
        ASSERT_TRUE(Serve([&] { return Attributes(m_hWnd).map_state == IsViewable; }));
        Serve([] { return false; }, 200);  // a manager may still be placing it
    }
    bool Serve(const std::function<bool()>& check, int timeoutMs = WAIT_MS) {
        return WaitFor(
            [&] {
                ServeQueue();
                XSync(m_observer, False);
                return check();
            },
            timeoutMs);
    }
    // The centre of a control in screen coordinates, as the server places the window.
    POINT Centre(const char* name) {
        Orvik::CControlUI* control = m_frame->Host().FindControlByName(name);
        EXPECT_NE(control, nullptr) << name;
        if (control == nullptr)
            return POINT{0, 0};
        const RECT& rc = control->GetBounds();
        RECT server = ServerRect(m_hWnd);
        return POINT{server.left + (rc.left + rc.right) / 2, server.top + (rc.top + rc.bottom) / 2};
    }
    void Click(POINT at) {
        MovePointer(at.x, at.y);
        Serve([] { return false; }, 50);
        Button(1, true);
        Serve([] { return false; }, 50);
        Button(1, false);
    }
    // Held until the core has handled it, so each step of the walk starts from a known state.
    void HoldShift(bool down) {
        XTestFakeKeyEvent(m_observer, XKeysymToKeycode(m_observer, XK_Shift_L), down ? True : False,
                          CurrentTime);
        XSync(m_observer, False);
        EXPECT_TRUE(Serve([&] { return (GetKeyState(VK_SHIFT) < 0) == down; }));
    }
    std::string FocusName() const {
        Orvik::CControlUI* focus = m_frame->Host().GetFocus();
        return focus != nullptr ? focus->GetName() : "";
    }
    Picture ServerPicture(uint32_t bits = 0xffffffu) const;
    Picture ExpectServerEqualsHeadless(const std::string& document, POINT hover, uint32_t bits,
                                       int index);
    // As a pager or taskbar asks it (source indication 2).
    void SendActivateRequest() {
        XEvent e{};
        e.xclient.type = ClientMessage;
        e.xclient.window = Xid(m_hWnd);
        e.xclient.message_type = XInternAtom(m_observer, "_NET_ACTIVE_WINDOW", False);
        e.xclient.format = 32;
        e.xclient.data.l[0] = 2;
        e.xclient.data.l[1] = CurrentTime;
        XSendEvent(m_observer, DefaultRootWindow(m_observer), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &e);
    }

    std::unique_ptr<CSkinFrame> m_frame;
    HWND m_hWnd = nullptr;
    std::string m_sSkinPath;
};

Picture SkinWindowTest::ServerPicture(uint32_t bits) const {
    Picture picture;
    XWindowAttributes attrs = Attributes(m_hWnd);
    XImage* image = XGetImage(m_observer, Xid(m_hWnd), 0, 0, unsigned(attrs.width),
                              unsigned(attrs.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return picture;
    picture.width = attrs.width;
    picture.height = attrs.height;
    for (int y = 0; y < attrs.height; ++y)
        for (int x = 0; x < attrs.width; ++x)
            picture.pixels.push_back(uint32_t(XGetPixel(image, x, y)) & bits);
    XDestroyImage(image);
    picture.inside = RegionMask(m_hWnd, picture.width, picture.height);
    return picture;
}

// Pixels inside the region that differ, and the first few of them.
int CountDifferences(const Picture& expected, const Picture& actual, std::string& first) {
    int count = 0;
    std::ostringstream out;
    for (size_t i = 0; i < expected.pixels.size(); ++i) {
        if (!expected.inside[i] || expected.pixels[i] == actual.pixels[i])
            continue;
        if (++count <= 5)
            out << " (" << i % expected.width << "," << i / expected.width << ") " << std::hex
                << expected.pixels[i] << " != " << actual.pixels[i] << std::dec;
    }
    first = out.str();
    return count;
}

// Pixels where the server's bounding shape and the window region disagree.
int ShapeDifferences(Display* dpy, Window w, const Picture& picture) {
    std::vector<bool> shaped(picture.inside.size(), false);
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(dpy, w, ShapeBounding, &count, &ordering);
    for (int i = 0; i < count; ++i) {
        for (int y = std::max(0, int(rects[i].y));
             y < std::min(picture.height, rects[i].y + rects[i].height); ++y)
            for (int x = std::max(0, int(rects[i].x));
                 x < std::min(picture.width, rects[i].x + rects[i].width); ++x)
                shaped[size_t(y) * picture.width + x] = true;
    }
    if (rects != nullptr)
        XFree(rects);
    int differences = 0;
    for (size_t i = 0; i < shaped.size(); ++i)
        differences += shaped[i] != picture.inside[i] ? 1 : 0;
    return differences;
}

// Writes a picture as PNG for a person to look at when the pixels differ.
void SavePicture(const Picture& picture, const std::string& path) {
    std::vector<uint32_t> opaque(picture.pixels);
    for (uint32_t& p : opaque)
        p |= 0xff000000u;
    HDC dc =
        platform::CreateSurfaceDC(opaque.data(), picture.width, picture.height, picture.width * 4);
    platform::SaveDCPng(dc, path.c_str());
    DeleteDC(dc);
}

// Both sides and, in red, where they differ; returns the folder's prefix.
std::string SaveComparison(const Picture& expected, const Picture& actual, int index) {
    std::string prefix = ::testing::TempDir() + "skin_x11_" + std::to_string(index);
    SavePicture(expected, prefix + "_headless.png");
    if (actual.pixels.size() != expected.pixels.size())
        return prefix;
    SavePicture(actual, prefix + "_server.png");
    Picture diff = actual;
    for (size_t i = 0; i < diff.pixels.size(); ++i)
        diff.pixels[i] =
            expected.pixels[i] == actual.pixels[i] ? (diff.pixels[i] >> 2) & 0x3f3f3f : 0xff0000u;
    SavePicture(diff, prefix + "_diff.png");
    return prefix;
}

// Opens the document on the server, with the pointer resting at hover, and compares it with the
// headless rendering of the same document in the given pixel bits.
Picture SkinWindowTest::ExpectServerEqualsHeadless(const std::string& document, POINT hover,
                                                   uint32_t bits, int index) {
    Picture expected = HeadlessPicture(document, hover, bits);
    EXPECT_GT(expected.width, 0);
    Open(document);
    if (expected.width == 0 || HasFatalFailure())
        return expected;
    if (hover.x >= 0)
        MovePointer(FRAME_X + hover.x, FRAME_Y + hover.y);
    Picture actual;
    std::string first;
    int differences = -1;
    Serve([&] {
        actual = ServerPicture(bits);
        if (actual.width != expected.width || actual.height != expected.height)
            return false;
        differences = CountDifferences(expected, actual, first);
        return differences == 0;
    });
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
    EXPECT_EQ(differences, 0) << first;
    if (differences != 0)
        ADD_FAILURE() << "pictures in " << SaveComparison(expected, actual, index);
    EXPECT_FALSE(expected.inside[0]);  // the rounded corner is cut off
    if (!m_frame->Host().IsLayered()) {
        EXPECT_EQ(ShapeDifferences(m_observer, Xid(m_hWnd), expected), 0);
    }
    DestroyWindow(m_hWnd);
    ServeQueue();
    return expected;
}

int CountChanged(const Picture& a, const Picture& b) {
    int count = 0;
    for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i)
        count += a.pixels[i] != b.pixels[i] ? 1 : 0;
    return count;
}

struct PixelCase {
    std::string document;
    POINT hover;
};

// Depth 24 keeps every colour bit, and both sides paint with the same engine: tolerance 0.
// Pixels outside the window region are not the window's, so only those inside are compared; the
// server's bounding shape must be that region. A resting pointer repaints one control, which
// reaches the server as a partial present.
TEST_F(SkinWindowTest, ServerPixelsEqualTheHeadlessRendering) {
    const PixelCase cases[] = {{TEST_SKIN, NO_HOVER},
                               {TEST_SKIN, POINT{180, 50}},  // over "first"
                               {"MainFrame.xml", NO_HOVER},
                               {"MainFrame.xml", POINT{120, 20}}};  // over "opt_page2"
    int index = 0;
    Picture resting;
    for (const PixelCase& c : cases) {
        SCOPED_TRACE(c.document.substr(0, 40) + " hover " + std::to_string(c.hover.x));
        Picture shown = ExpectServerEqualsHeadless(c.document, c.hover, 0xffffffu, index++);
        ASSERT_FALSE(HasFatalFailure());
        if (c.hover.x >= 0) {
            EXPECT_GT(CountChanged(resting, shown), 0) << "the hover changed nothing";
        }
        resting = shown;
    }
}

// Under a compositor a layered window keeps its premultiplied pixels, alpha included: tolerance
// 0 on all 32 bits. Without one the backend shows it opaque and shaped by alpha, on purpose.
TEST_F(SkinWindowTest, LayeredServerPixelsEqualTheHeadlessRenderingUnderACompositor) {
    StartCompositor();
    std::string layered = TEST_SKIN;
    layered.insert(layered.find(' '),
                   " layeredimage=\"file='button_normal.png' corner='6,6,6,6'\"");
    Picture resting = ExpectServerEqualsHeadless(layered, NO_HOVER, 0xffffffffu, 10);
    ASSERT_FALSE(HasFatalFailure());
    // The mask's soft edge leaves pixels that are neither opaque nor transparent.
    EXPECT_GT(std::count_if(resting.pixels.begin(), resting.pixels.end(),
                            [](uint32_t p) { return (p >> 24) != 0 && (p >> 24) != 255; }),
              0);
    Picture hovered = ExpectServerEqualsHeadless(layered, POINT{180, 50}, 0xffffffffu, 11);
    EXPECT_GT(CountChanged(resting, hovered), 0) << "the hover changed nothing";
}

// A window that appears under a resting pointer (shown again, uncovered by a closing box) knows
// the pointer is over it, as one the pointer moved into does: the button there turns hot, and
// cools when the pointer leaves straight out of the window.
TEST_F(SkinWindowTest, WindowShownUnderARestingPointerFollowsItsHover) {
    const POINT over{180, 50};  // "first"
    Picture resting = HeadlessPicture(TEST_SKIN, NO_HOVER, 0xffffffu);
    Picture hovered = HeadlessPicture(TEST_SKIN, over, 0xffffffu);
    ASSERT_GT(CountChanged(resting, hovered), 0);
    ASSERT_NO_FATAL_FAILURE(Open());
    ShowWindow(m_hWnd, SW_HIDE);
    ASSERT_TRUE(Serve([&] { return Attributes(m_hWnd).map_state == IsUnmapped; }));
    MovePointer(FRAME_X + over.x, FRAME_Y + over.y);
    ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    std::string first;
    EXPECT_TRUE(Serve([&] { return CountDifferences(hovered, ServerPicture(), first) == 0; }))
        << "not hot:" << first;
    MovePointer(0, 0);
    EXPECT_TRUE(Serve([&] { return CountDifferences(resting, ServerPicture(), first) == 0; }))
        << "still hot:" << first;
}

// What a taskbar does to bring a window back: map it, or ask the manager to activate it.
enum class Restore { Map, ActivateRequest };

// Each case runs on a bare server and under openbox.
class SkinWindowManagerTest : public SkinWindowTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        SkinWindowTest::SetUp();
        if (!HasFatalFailure() && GetParam())
            StartWindowManager();
    }
};

TEST_P(SkinWindowManagerTest, TabWalksTheTabStopsAndEscapeClosesThroughTheDefaultKey) {
    ASSERT_NO_FATAL_FAILURE(Open());
    SetForegroundWindow(m_hWnd);
    ASSERT_TRUE(Serve([&] {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(m_observer, &focus, &revert);
        return focus == Xid(m_hWnd);
    }));
    EXPECT_EQ(FocusName(), "minbtn");  // the first layout focuses the first tab stop
    for (const char* next : {"maxbtn", "closebtn", "first", "second", "minbtn"}) {
        TapKey(XK_Tab);
        EXPECT_TRUE(Serve([&] { return FocusName() == next; })) << "at " << FocusName();
    }
    // Shift-Tab walks back and wraps to the last tab stop.
    HoldShift(true);
    for (const char* previous : {"second", "first"}) {
        TapKey(XK_Tab);
        EXPECT_TRUE(Serve([&] { return FocusName() == previous; })) << "at " << FocusName();
    }
    HoldShift(false);
    // Enter reaches the default key too, and leaves the window open.
    TapKey(XK_Return);
    EXPECT_TRUE(Serve([&] { return !m_frame->m_defaultKeys.empty(); }));
    TapKey(XK_Escape);
    ASSERT_TRUE(Serve([&] { return m_frame->m_bFinal; }));
    EXPECT_EQ(m_frame->m_defaultKeys, (std::vector<WPARAM>{VK_RETURN, VK_ESCAPE}));
    EXPECT_FALSE(IsWindow(m_hWnd));
}

TEST_P(SkinWindowManagerTest, ClickOnAButtonDeliversClick) {
    ASSERT_NO_FATAL_FAILURE(Open());
    RECT before = ServerRect(m_hWnd);
    Click(Centre("first"));
    EXPECT_TRUE(Serve([&] { return !m_frame->m_clicks.empty(); }));
    EXPECT_EQ(m_frame->m_clicks, std::vector<std::string>{"first"});
    EXPECT_EQ(ServerRect(m_hWnd).left, before.left);
    // The close button in the caption is a button too: it closes instead of dragging.
    Click(Centre("closebtn"));
    EXPECT_TRUE(Serve([&] { return m_frame->m_bFinal; }));
    EXPECT_EQ(m_frame->m_clicks.back(), "closebtn");
}

TEST_P(SkinWindowManagerTest, PressOnACaptionButtonDoesNotDrag) {
    ASSERT_NO_FATAL_FAILURE(Open());
    RECT before = ServerRect(m_hWnd);
    POINT from = Centre("closebtn");
    Drag(from, POINT{from.x + 60, from.y + 40});
    Serve([] { return false; }, 200);
    EXPECT_EQ(ServerRect(m_hWnd).left, before.left);
    EXPECT_EQ(ServerRect(m_hWnd).top, before.top);
    EXPECT_TRUE(m_frame->m_clicks.empty());  // released outside the button: no click
    EXPECT_TRUE(IsWindow(m_hWnd));
}

TEST_P(SkinWindowManagerTest, CaptionDragMovesTheWindowByThePointersDelta) {
    ASSERT_NO_FATAL_FAILURE(Open());
    RECT before = ServerRect(m_hWnd);
    POINT from = Centre("title");
    Drag(from, POINT{from.x + 60, from.y + 40});
    ASSERT_TRUE(Serve([&] { return ServerRect(m_hWnd).left == before.left + 60; }))
        << "at " << ServerRect(m_hWnd).left << " from " << before.left;
    RECT after = ServerRect(m_hWnd);
    EXPECT_EQ(after.top, before.top + 40);
    EXPECT_EQ(Width(after), Width(before));
    EXPECT_TRUE(Serve([&] {
        RECT core{};
        GetWindowRect(m_hWnd, &core);
        return core.left == after.left && core.top == after.top;
    }));
    EXPECT_TRUE(m_frame->m_clicks.empty());
    // The drag let the pointer go: the next click reaches a button.
    Click(Centre("first"));
    EXPECT_TRUE(Serve([&] { return !m_frame->m_clicks.empty(); }));
    EXPECT_EQ(m_frame->m_clicks, std::vector<std::string>{"first"});
}

// The size box resizes within maxinfo and mininfo, and the skin follows the new width.
TEST_P(SkinWindowManagerTest, RightBorderDragResizesWithinTheSkinsLimits) {
    ASSERT_NO_FATAL_FAILURE(Open());
    RECT before = ServerRect(m_hWnd);
    const struct {
        int dx;
        LONG width;
    } cases[] = {{40, 400}, {100, 420}, {-300, 200}};
    for (const auto& c : cases) {
        RECT now = ServerRect(m_hWnd);
        POINT from{now.right - 2, now.top + 120};
        Drag(from, POINT{from.x + c.dx, from.y});
        EXPECT_TRUE(Serve([&] { return Width(ServerRect(m_hWnd)) == c.width; }))
            << c.dx << ": width " << Width(ServerRect(m_hWnd));
        EXPECT_EQ(ServerRect(m_hWnd).left, before.left) << c.dx;
        EXPECT_TRUE(Serve([&] { return Centre("closebtn").x > ServerRect(m_hWnd).right - 30; }))
            << c.dx;
    }
    EXPECT_TRUE(m_frame->m_clicks.empty());
}

TEST_P(SkinWindowManagerTest, MinButtonMinimisesAndATaskbarRestores) {
    ASSERT_NO_FATAL_FAILURE(Open());
    Picture shown = ServerPicture();
    std::vector<Restore> means = {Restore::Map};
    if (GetParam())
        means.push_back(Restore::ActivateRequest);  // only a manager answers it
    for (Restore mean : means) {
        SCOPED_TRACE(mean == Restore::Map ? "XMapWindow" : "_NET_ACTIVE_WINDOW");
        Click(Centre("minbtn"));
        ASSERT_TRUE(Serve([&] { return IsIconic(m_hWnd) != FALSE; }));
        EXPECT_TRUE(Serve([&] { return Attributes(m_hWnd).map_state != IsViewable; }));
        EXPECT_EQ(m_frame->m_clicks.back(), "minbtn");
        if (mean == Restore::Map)
            XMapWindow(m_observer, Xid(m_hWnd));
        else
            SendActivateRequest();
        XFlush(m_observer);
        EXPECT_TRUE(Serve([&] { return IsIconic(m_hWnd) == FALSE; }));
        EXPECT_TRUE(Serve([&] { return Attributes(m_hWnd).map_state == IsViewable; }));
        // Back with its content, the hover of the minimise button gone with the pointer.
        MovePointer(0, 0);
        std::string first;
        EXPECT_TRUE(Serve([&] {
            Picture now = ServerPicture();
            return now.pixels.size() == shown.pixels.size() &&
                   CountDifferences(shown, now, first) == 0;
        })) << first;
    }
}

TEST_P(SkinWindowManagerTest, MaxButtonFillsTheWorkAreaAndRestoreButtonBringsItBack) {
    ASSERT_NO_FATAL_FAILURE(Open());
    RECT before = ServerRect(m_hWnd);
    Orvik::CControlUI* maxbtn = m_frame->Host().FindControlByName("maxbtn");
    Orvik::CControlUI* restorebtn = m_frame->Host().FindControlByName("restorebtn");
    ASSERT_TRUE(maxbtn != nullptr && restorebtn != nullptr);
    Click(Centre("maxbtn"));
    ASSERT_TRUE(Serve([&] { return IsZoomed(m_hWnd) != FALSE; }));
    EXPECT_TRUE(Serve([&] {
        return Same(ServerRect(m_hWnd), RECT{0, 0, 1280, 800});
    })) << "at "
        << ServerRect(m_hWnd).left << "," << ServerRect(m_hWnd).top << " width "
        << Width(ServerRect(m_hWnd));
    EXPECT_FALSE(maxbtn->IsVisible());
    EXPECT_TRUE(restorebtn->IsVisible());
    // The skin follows the new size: the close button sits at the right edge.
    EXPECT_TRUE(Serve([&] { return Centre("closebtn").x > 1200; }));
    Click(Centre("restorebtn"));
    ASSERT_TRUE(Serve([&] { return IsZoomed(m_hWnd) == FALSE; }));
    EXPECT_TRUE(Serve([&] { return Same(ServerRect(m_hWnd), before); }))
        << "at " << ServerRect(m_hWnd).left << "," << ServerRect(m_hWnd).top << " width "
        << Width(ServerRect(m_hWnd));
    EXPECT_TRUE(maxbtn->IsVisible());
    EXPECT_FALSE(restorebtn->IsVisible());
    EXPECT_EQ(m_frame->m_clicks, (std::vector<std::string>{"maxbtn", "restorebtn"}));
}

INSTANTIATE_TEST_SUITE_P(X11, SkinWindowManagerTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Openbox" : "NoManager"; });

}  // namespace x11test
