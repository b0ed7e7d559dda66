// The host's tooltip popup: made on the first hover with a text, hidden when the hover moves on.
#include <gtest/gtest.h>

#include "platform/backends/headless/headless.h"
#include "ui/controls/InputWindowFixture.h"

namespace {

const char* const kThreeButtons = R"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200">
  <HorizontalLayout>
    <Button name="a" width="100" tooltip="first" />
    <Button name="b" width="100" tooltip="second" />
    <Button name="c" width="100" />
  </HorizontalLayout>
</Window>)";

// The pointer is moved by injected input; the rest report comes as the
// platform words it, at the pointer's client position.
void RestAt(controltest::CInputWindow& w, int x, int y) {
    w.Move(x, y);
    SendMessageA(w.Hwnd(), WM_MOUSEHOVER, 0, MAKELPARAM(x, y));
    w.Pump();
}

TEST(HostToolTip, RestingShowsTheTextMovingOnHidesItClosingDestroysIt) {
    controltest::CInputWindow w(kThreeButtons);
    w.Move(50, 50);
    EXPECT_EQ(w.Host().GetToolTipWindow(), nullptr);
    RestAt(w, 50, 50);
    HWND hTip = w.Host().GetToolTipWindow();
    ASSERT_NE(hTip, nullptr);
    EXPECT_TRUE(IsWindowVisible(hTip));
    EXPECT_TRUE(platform::headless::IsShownOnScreen(hTip));
    EXPECT_STREQ(w.Host().GetToolTipText().GetData(), "first");

    w.Move(150, 60);  // onto "b": the old tip goes at once
    EXPECT_FALSE(IsWindowVisible(hTip));
    RestAt(w, 150, 60);
    EXPECT_TRUE(IsWindowVisible(hTip));
    EXPECT_EQ(w.Host().GetToolTipWindow(), hTip);  // one popup per window
    EXPECT_STREQ(w.Host().GetToolTipText().GetData(), "second");

    RestAt(w, 250, 70);  // "c" has no tip
    EXPECT_FALSE(IsWindowVisible(hTip));

    SendMessageA(w.Hwnd(), WM_CLOSE, 0, 0);
    w.Pump();
    EXPECT_FALSE(IsWindow(hTip));
}

}  // namespace
