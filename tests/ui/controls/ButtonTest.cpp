// Buttons driven by injected input: click only on a release inside, keys, disabling, fading, looks.
#include <gtest/gtest.h>

#include "tests/ui/controls/InputWindowFixture.h"
#include "ui/controls/ButtonUI.h"

namespace {

using controltest::CInputWindow;
using Orvik::CButtonUI;
using Strings = std::vector<std::string>;

// A 100 x 40 button at (20, 20) inside a plain layout.
const char* const kOneButton = R"(<Window size="300,200"><VerticalLayout inset="20,20,20,20">
    <Button name="ok" text="OK" width="100" height="40" fadedelta="51"
        normalimage="btn_login_normal.png" hotimage="btn_login_hover.png"/>
    <Button name="off" text="Off" width="100" height="40" enabled="false"/>
    <Control/></VerticalLayout></Window>)";

TEST(ButtonTest, ClickOnlyWhenReleasedInside) {
    struct Case {
        const char* name;
        POINT down;
        POINT up;
        Strings expected;
    } cases[] = {
        {"inside", {50, 40}, {60, 45}, {"click ok 0 0"}},
        {"pressed inside, released outside", {50, 40}, {250, 150}, {}},
        {"pressed outside, released inside", {250, 150}, {50, 40}, {}},
        {"disabled button", {50, 80}, {50, 80}, {}},
    };
    for (const Case& c : cases) {
        CInputWindow w(kOneButton);
        w.Move(c.down.x, c.down.y);
        w.Press();
        w.Move(c.up.x, c.up.y);
        w.Release();
        EXPECT_EQ(w.TakeNotes(), c.expected) << c.name;
        EXPECT_EQ(
            w.Find<CButtonUI>("ok")->GetState() & (Orvik::UISTATE_PUSHED | Orvik::UISTATE_CAPTURED),
            0u)
            << c.name;
    }
}

TEST(ButtonTest, DraggedOutAndBackShowsPushedAgainAndClicks) {
    CInputWindow w(kOneButton);
    CButtonUI* ok = w.Find<CButtonUI>("ok");
    w.Move(50, 40);
    w.Press();
    EXPECT_NE(ok->GetState() & Orvik::UISTATE_PUSHED, 0u);
    w.Move(250, 40);
    EXPECT_EQ(ok->GetState() & Orvik::UISTATE_PUSHED, 0u);
    EXPECT_NE(ok->GetState() & Orvik::UISTATE_CAPTURED, 0u);
    w.Move(60, 40);
    EXPECT_NE(ok->GetState() & Orvik::UISTATE_PUSHED, 0u);
    w.Release();
    EXPECT_EQ(w.TakeNotes(), Strings{"click ok 0 0"});
}

TEST(ButtonTest, SpaceAndEnterClickAFocusedEnabledButton) {
    CInputWindow w(kOneButton);
    w.Host().SetFocus(w.Find("ok"));
    w.Key(VK_SPACE);
    w.Key(VK_RETURN);
    w.Key('A');
    EXPECT_EQ(w.TakeNotes(), (Strings{"click ok 0 0", "click ok 0 0"}));
    w.Find("ok")->SetEnabled(false);
    w.Key(VK_SPACE);
    EXPECT_TRUE(w.TakeNotes().empty());
}

TEST(ButtonTest, ShortcutActivatesOnlyWhileEnabled) {
    CInputWindow w(R"(<Window><VerticalLayout><Button name="go" shortcut="G" height="30"/>
        </VerticalLayout></Window>)");
    w.Host().SetFocus(nullptr);
    platform::headless::PressKey(VK_MENU);
    platform::headless::PressKey('G', "g");
    platform::headless::ReleaseKey('G');
    platform::headless::ReleaseKey(VK_MENU);
    w.Pump();
    EXPECT_EQ(w.TakeNotes(), Strings{"click go 0 0"});
    w.Find("go")->SetEnabled(false);
    EXPECT_FALSE(w.Find("go")->Activate());
    EXPECT_TRUE(w.TakeNotes().empty());
}

TEST(ButtonTest, HoverFadesToTheHotImageInFiveTicksThenStops) {
    CInputWindow w(kOneButton);
    CButtonUI* ok = w.Find<CButtonUI>("ok");
    w.Move(50, 40);
    EXPECT_NE(ok->GetState() & Orvik::UISTATE_HOT, 0u);
    std::vector<int> seen;
    for (int i = 0; i < 6; ++i) {
        w.Tick(CButtonUI::FADE_INTERVAL_MS);
        seen.push_back(ok->GetFadeValue());
    }
    EXPECT_EQ(seen, (std::vector<int>{204, 153, 102, 51, 0, 0}));
    EXPECT_FALSE(w.Host().KillTimer(ok, Orvik::TIMER_KEY_BUTTON_FADE));  // already stopped
    w.Move(250, 150);
    EXPECT_EQ(ok->GetState() & Orvik::UISTATE_HOT, 0u);
    w.Tick(CButtonUI::FADE_INTERVAL_MS, 6);
    EXPECT_EQ(ok->GetFadeValue(), 255);
}

TEST(ButtonTest, TheHandCursorShowsOverAnEnabledButtonOnly) {
    CInputWindow w(kOneButton);
    HCURSOR hHand = LoadCursorA(nullptr, IDC_HAND);
    // Putting the arrow back is the window's business; a button only sets the hand.
    HCURSOR hArrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(hArrow);
    w.Move(50, 40);
    EXPECT_EQ(GetCursor(), hHand);
    SetCursor(hArrow);
    w.Move(50, 80);  // the disabled one
    EXPECT_EQ(GetCursor(), hArrow);
}

TEST(ButtonTest, DisablingClearsTheStateAndTheInputFlags) {
    CInputWindow w(kOneButton);
    CButtonUI* ok = w.Find<CButtonUI>("ok");
    EXPECT_EQ(ok->GetInputFlags(), 3u);
    w.Move(50, 40);
    w.Press();
    ok->SetEnabled(false);
    EXPECT_EQ(ok->GetState(), 0u);
    EXPECT_EQ(ok->GetInputFlags(), 0u);
    w.Release();
    EXPECT_TRUE(w.TakeNotes().empty());
}

TEST(ButtonTest, MeasuresFontHeightPlusEightWithoutAFixedHeight) {
    CInputWindow w(R"(<Window><VerticalLayout><Button name="b"/><Button name="h" height="22"
        width="50"/></VerticalLayout></Window>)");
    int cyFont = w.Host().GetFontInfo(-1)->tm.tmHeight;
    SIZE sz = w.Find("b")->MeasureSize(SIZE{300, 200});
    EXPECT_EQ(sz.cx, 0);
    EXPECT_EQ(sz.cy, cyFont + 8);
    sz = w.Find("h")->MeasureSize(SIZE{300, 200});
    EXPECT_EQ(sz.cx, 50);
    EXPECT_EQ(sz.cy, 22);
}

TEST(ButtonTest, FiveStatusImageSplitsTheImageIntoFifths) {
    // btn_login_normal.png is one image; its fifths become the five states.
    CInputWindow w(R"(<Window><VerticalLayout><Button name="f" float="true"
        fivestatusimage="btn_login_normal.png"/></VerticalLayout></Window>)");
    CButtonUI* f = w.Find<CButtonUI>("f");
    EXPECT_GT(f->GetFixedWidth(), 0);
    EXPECT_GT(f->GetFixedHeight(), 0);
}

// The button in its four states on the launcher's login images, tolerance 2
// per channel for the blend rounding of the 9-grid copies.
TEST(ButtonTest, FourStatesMatchTheirGoldenImages) {
    const char* const xml = R"(<Window size="96,34"><VerticalLayout bkcolor="#FF1D202A"
        inset="10,6,10,6"><Button name="b" width="76" height="22"
        normalimage="btn_login_normal.png" hotimage="btn_login_hover.png"
        pushedimage="btn_login_click.png" disabledimage="btn_login_disable.png"/>
        </VerticalLayout></Window>)";
    struct Case {
        const char* golden;
        bool hot, pushed, disabled;
    } cases[] = {
        {"button_normal", false, false, false},
        {"button_hot", true, false, false},
        {"button_pushed", true, true, false},
        {"button_disabled", false, false, true},
    };
    for (const Case& c : cases) {
        CInputWindow w(xml, 96, 34);
        if (c.hot)
            w.Move(40, 15);
        if (c.pushed)
            w.Press();
        if (c.disabled)
            w.Find("b")->SetEnabled(false);
        testsupport::CTestCanvas canvas(96, 34);
        w.PaintInto(canvas);
        EXPECT_TRUE(testsupport::MatchesGolden(canvas, controltest::GoldenDir(),
                                               controltest::GoldenOutDir(), c.golden, 2))
            << c.golden;
        if (c.pushed)
            w.Release();
    }
}

}  // namespace
