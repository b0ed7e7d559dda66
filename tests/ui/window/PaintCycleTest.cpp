// Paint cycle: black without a root, "windowinit" once, back buffer life, partial layout,
// show-dirty outline and layered alpha.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/HostWindow.h"
#include "support/TreeFixture.h"
#include "ui/window/NotifyRecord.h"

using testsupport::CHostWindow;
using testsupport::RectText;

namespace {

constexpr uint32_t BLACK = 0xFF000000;
const char* const TWO_ROWS = R"(<Window><VerticalLayout name="root" bkcolor="#FF996633">
    <Control name="top" height="20"/><Control name="rest"/></VerticalLayout></Window>)";

// Records the notifications and the root's paints in one sequence.
class CEventLog : public Orvik::INotifyUI {
public:
    void HandleNotify(Orvik::NotifyRecord& msg) override { m_events.push_back(msg.type.GetData()); }
    static bool OnPaint(void* pLog, void*) {
        static_cast<CEventLog*>(pLog)->m_events.push_back("paint");
        return true;
    }
    std::vector<std::string> m_events;
};

SIZE BitmapSize(HBITMAP hbm) {
    BITMAP bm = {};
    GetObjectA(hbm, sizeof bm, &bm);
    return SIZE{bm.bmWidth, bm.bmHeight};
}

TEST(PaintCycleTest, NoRootPaintsBlack) {
    CHostWindow window(40, 30);
    window.Show();
    window.Pump();
    int cx = 0, cy = 0;
    std::vector<uint32_t> px = window.Pixels(cx, cy);
    ASSERT_EQ(px.size(), 40u * 30u);
    for (uint32_t p : px)
        ASSERT_EQ(p, BLACK);
}

TEST(PaintCycleTest, WindowInitOnceAfterLayoutBeforeThePaint) {
    CHostWindow window(100, 60);
    CEventLog log;
    window.Host().AddNotifier(&log);
    Orvik::CControlUI* pRoot = window.Load(TWO_ROWS);
    ASSERT_NE(pRoot, nullptr);
    pRoot->OnPaint.Add(Orvik::CDelegateStatic(&log, &CEventLog::OnPaint));
    window.Show();
    window.Pump();
    window.Host().Invalidate();
    window.Pump();
    EXPECT_EQ(log.m_events, (std::vector<std::string>{"windowinit", "paint", "paint"}));
    EXPECT_EQ(RectText(window.Host().FindControlByName("rest")->GetBounds()), "0,20,100,60");
    EXPECT_EQ(window.PixelAt(50, 30), 0xFF996633u);
    window.Host().RemoveNotifier(&log);
}

TEST(PaintCycleTest, ResizeRebuildsTheBackBufferAPartialPassKeepsIt) {
    CHostWindow window(100, 60);
    window.Load(R"(<Window><VerticalLayout name="root" bkcolor="#FF996633">
        <VerticalLayout name="mid"><Control name="top" height="20"/><Control name="rest"/>
        </VerticalLayout></VerticalLayout></Window>)");
    window.Show();
    window.Pump();
    HBITMAP hFirst = window.Host().GetBackBitmap();
    ASSERT_NE(hFirst, nullptr);
    // A full pass places the root; a partial one only the pending layout.
    int nRootPlaced = 0;
    window.Host().GetRoot()->OnSize.Add(Orvik::CDelegateStatic(&nRootPlaced, [](void* p, void*) {
        ++*static_cast<int*>(p);
        return true;
    }));

    window.Host().FindControlByName("top")->SetFixedHeight(30);
    window.Pump();
    EXPECT_EQ(nRootPlaced, 0);
    EXPECT_EQ(window.Host().GetBackBitmap(), hFirst);
    EXPECT_EQ(RectText(window.Host().FindControlByName("rest")->GetBounds()), "0,30,100,60");

    SetWindowPos(window.Hwnd(), nullptr, 0, 0, 160, 90, SWP_NOMOVE | SWP_NOZORDER);
    window.Pump();
    EXPECT_EQ(nRootPlaced, 1);
    SIZE sz = BitmapSize(window.Host().GetBackBitmap());
    EXPECT_EQ(sz.cx, 160);
    EXPECT_EQ(sz.cy, 90);
    EXPECT_EQ(RectText(window.Host().FindControlByName("rest")->GetBounds()), "0,30,160,90");
    EXPECT_EQ(window.PixelAt(150, 80), 0xFF996633u);
}

TEST(PaintCycleTest, ShowDirtyOutlinesTheRepaintedArea) {
    CHostWindow window(60, 60);
    window.Load(TWO_ROWS);
    window.Host().SetWindowAttribute("showdirty", "true");
    window.Show();
    window.Pump();
    window.Host().Invalidate(RECT{10, 10, 30, 30});
    window.Pump();
    constexpr uint32_t RED = 0xFFDC0000;
    EXPECT_EQ(window.PixelAt(10, 10), RED);
    EXPECT_EQ(window.PixelAt(29, 20), RED);
    EXPECT_EQ(window.PixelAt(20, 29), RED);
    EXPECT_EQ(window.PixelAt(20, 20), 0xFF996633u);
}

TEST(PaintCycleTest, LayeredMaskOfAlpha128ScalesTheBackPixels) {
    CHostWindow window(20, 20);
    window.Load(TWO_ROWS);
    window.Host().SetWindowAttribute("layeredimage", "color='80FFFFFF'");
    ASSERT_TRUE(window.Host().IsLayered());
    window.Show();
    window.Host().PaintWindow();  // what the 10 ms refresh timer runs
    uint32_t expected = (128u << 24) | ((0x99u * 128 / 255) << 16) | ((0x66u * 128 / 255) << 8) |
                        (0x33u * 128 / 255);
    // The composed back buffer is what UpdateLayeredWindow presents.
    EXPECT_EQ(window.BackPixelAt(5, 5), expected);
    EXPECT_EQ(window.BackPixelAt(15, 15), expected);
}

TEST(PaintCycleTest, LayeredWithNothingDirtyOnlyAcknowledges) {
    CHostWindow window(20, 20);
    window.Load(TWO_ROWS);
    window.Host().SetWindowAttribute("layeredimage", "color='80FFFFFF'");
    window.Show();
    window.Host().PaintWindow();
    HBITMAP hBack = window.Host().GetBackBitmap();
    window.Host().PaintWindow();  // dirty rectangle now empty
    EXPECT_EQ(window.Host().GetBackBitmap(), hBack);
    RECT rc;
    EXPECT_FALSE(GetUpdateRect(window.Hwnd(), &rc, FALSE));
}

TEST(PaintCycleTest, InvalidateClampsNegativeRectangles) {
    CHostWindow window(20, 20);
    window.Load(TWO_ROWS);
    window.Show();
    window.Pump();
    window.Host().Invalidate(RECT{-5, -5, -10, -10});
    RECT rc;
    EXPECT_FALSE(GetUpdateRect(window.Hwnd(), &rc, FALSE));
}

TEST(PaintCycleTest, SizeBeforeTheRootResizesTheWindowAfterItOnlyStores) {
    CHostWindow window(20, 20);
    window.Host().SetWindowAttribute("size", "70,50");
    RECT rc;
    GetClientRect(window.Hwnd(), &rc);
    EXPECT_EQ(RectText(rc), "0,0,70,50");
    window.Load(TWO_ROWS);
    window.Host().SetWindowAttribute("size", "90,90");
    GetClientRect(window.Hwnd(), &rc);
    EXPECT_EQ(RectText(rc), "0,0,70,50");
    EXPECT_EQ(window.Host().GetInitSize().cx, 90);
}

TEST(PaintCycleTest, ImplausibleSizesAreStoredButNeverApplied) {
    CHostWindow window(20, 20);
    window.Host().SetWindowAttribute("size", "2000000000,2000000000");
    window.Host().SetWindowAttribute("size", "-5,-7");
    RECT rc;
    GetClientRect(window.Hwnd(), &rc);
    EXPECT_EQ(RectText(rc), "0,0,20,20");
    EXPECT_EQ(window.Host().GetInitSize().cy, -7);
}

}  // namespace
