// The paint part: the layered refresh tick, overlays of removed controls, a new root laid out
// afresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/HostWindow.h"
#include "ui/controls/ContainerUI.h"
#include "ui/window/NotifyRecord.h"

using testsupport::CHostWindow;

namespace {

const char* const TWO_ROWS = R"(<Window><VerticalLayout name="root" bkcolor="#FF996633">
    <Control name="top" height="20"/><Control name="rest"/></VerticalLayout></Window>)";

bool CountPaint(void* pCount, void*) {
    ++*static_cast<int*>(pCount);
    return true;
}

// The refresh tick paints a layered window only while part of it is dirty.
TEST(HostPaintTest, TheLayeredTickPaintsOnlyWhatIsDirty) {
    CHostWindow window(20, 20);
    Orvik::CControlUI* pRoot = window.Load(TWO_ROWS);
    window.Host().SetWindowAttribute("layeredimage", "color='80FFFFFF'");
    window.Show();
    // The first paint lays out and asks for one more to compose.
    window.Host().PaintWindow();
    window.Host().PaintWindow();
    int nPaints = 0;
    pRoot->OnPaint.Add(Orvik::CDelegateStatic(&nPaints, &CountPaint));
    struct Step {
        RECT rcDirty;  // empty: nothing invalidated before the tick
        int nPaintsAfter;
    };
    const Step steps[] = {
        {{0, 0, 0, 0}, 0}, {{0, 0, 5, 5}, 1}, {{0, 0, 0, 0}, 1}, {{-4, -4, 30, 30}, 2}};
    for (const Step& s : steps) {
        if (s.rcDirty.right > s.rcDirty.left)
            window.Host().Invalidate(s.rcDirty);
        SendMessageA(window.Hwnd(), WM_TIMER, Orvik::CWindowHostUI::LAYERED_TIMER_ID, 0);
        EXPECT_EQ(nPaints, s.nPaintsAfter) << s.rcDirty.right;
    }
}

// An overlay registration goes with its control, so no paint reaches it.
TEST(HostPaintTest, OverlaysRefuseDuplicatesAndGoWithTheirControl) {
    CHostWindow window(40, 40);
    auto* pRoot = static_cast<Orvik::CContainerUI*>(window.Load(TWO_ROWS));
    pRoot->SetDelayedDestroy(false);
    Orvik::CControlUI* pTop = window.Host().FindControlByName("top");
    Orvik::CControlUI* pRest = window.Host().FindControlByName("rest");
    EXPECT_FALSE(window.Host().AddOverlayPaint(nullptr));
    EXPECT_TRUE(window.Host().AddOverlayPaint(pTop));
    EXPECT_FALSE(window.Host().AddOverlayPaint(pTop));
    EXPECT_TRUE(window.Host().AddOverlayPaint(pRest));
    pRoot->Remove(pTop);
    window.Show();
    window.Pump();  // would paint the removed overlay
    EXPECT_FALSE(window.Host().RemoveOverlayPaint(pTop));
    EXPECT_TRUE(window.Host().RemoveOverlayPaint(pRest));
    EXPECT_FALSE(window.Host().RemoveOverlayPaint(pRest));
}

// Counts "windowinit" notifications.
class CInitCount : public Orvik::INotifyUI {
public:
    void HandleNotify(Orvik::NotifyRecord& msg) override {
        if (msg.type == "windowinit")
            ++m_nInits;
    }
    int m_nInits = 0;
};

// Each root gets its full layout and its "windowinit"; plain repaints do not.
TEST(HostPaintTest, ANewRootIsLaidOutAndInitialisedAgain) {
    CHostWindow window(40, 40);
    CInitCount inits;
    window.Host().AddNotifier(&inits);
    window.Load(TWO_ROWS);
    window.Show();
    window.Pump();
    window.Host().Invalidate();
    window.Pump();
    EXPECT_EQ(inits.m_nInits, 1);
    window.Load(TWO_ROWS);
    EXPECT_TRUE(window.Host().IsLayoutPassNeeded());
    window.Host().Invalidate();
    window.Pump();
    EXPECT_EQ(inits.m_nInits, 2);
    EXPECT_FALSE(window.Host().IsLayoutPassNeeded());
    window.Host().RemoveNotifier(&inits);
}

}  // namespace
