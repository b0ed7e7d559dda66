// The window host seen through the draw engine's resource interface.
#include <gtest/gtest.h>

#include "EventFixture.h"
#include "support/TestCanvas.h"
#include "ui/render/DrawEngine.h"
#include "ui/window/WindowHostUI.h"

using Orvik::CWindowHostUI;
using Orvik::FontInfo;
using Orvik::IRenderResources;

TEST(WindowHostRender, FontsThroughTheInterfaceAreTheHostsRecordsMeasured) {
    CWindowHostUI host;
    IRenderResources& res = host;
    EXPECT_EQ(res.LookupFont(7), host.GetDefaultFontInfo());
    EXPECT_EQ(res.LookupDefaultFont(), host.GetDefaultFontInfo());
    EXPECT_EQ(res.LookupFontByStyle("Sans", 13, true, false, false), nullptr);

    FontInfo* pMade = res.CreateWindowFont(30001, "Sans", 13, true, false, false);
    ASSERT_NE(pMade, nullptr);
    EXPECT_GT(pMade->tm.tmHeight, 0);
    EXPECT_TRUE(pMade->bBold);
    EXPECT_EQ(res.LookupFontByStyle("Sans", 13, true, false, false), pMade);
    EXPECT_EQ(res.LookupFont(30001), pMade);
    EXPECT_EQ(host.GetFont(30001), pMade->hFont);
}

TEST(WindowHostRender, ImagesAndColoursThroughTheInterface) {
    CWindowHostUI host;
    IRenderResources& res = host;
    EXPECT_EQ(res.LookupImage("FF00FF00"), nullptr);
    auto* pImage = res.LookupOrLoadImage("FF00FF00", "*COLOR*", 0);
    ASSERT_NE(pImage, nullptr);
    EXPECT_EQ(res.LookupImage("FF00FF00"), pImage);
    EXPECT_EQ(host.GetImage("FF00FF00"), pImage);
    EXPECT_EQ(res.LinkTextColor(), host.GetDefaultLinkFontColor());
    EXPECT_EQ(res.LinkHoverTextColor(), host.GetDefaultLinkHoverFontColor());
    EXPECT_EQ(res.SelectedTextBkColor(), host.GetDefaultSelectedBkColor());
}

namespace {

using testsupport::Argb;

// Pixels within a small distance of a colour (text edges are blended).
int CountNear(const testsupport::CTestCanvas& canvas, uint32_t px) {
    int n = 0;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            n += testsupport::MaxChannelDiff(canvas.At(x, y), px) <= 60 ? 1 : 0;
    return n;
}

}  // namespace

// Any caller drawing markup with the host's resources gets the hover colour
// for the link under the host's last pointer position.
TEST(WindowHostRender, MarkupLinkUnderTheHostsPointerTakesTheHoverColour) {
    eventtest::CEventWindow w(R"(<Window linkfontcolor="#FF0000FF" linkhoverfontcolor="#FF00C000">
        <Control/></Window>)");
    const uint32_t BLUE = Argb(255, 0, 0, 255);
    const uint32_t GREEN = Argb(255, 0, 0xC0, 0);
    testsupport::CTestCanvas canvas(200, 40);
    RECT rcLinks[2] = {};
    Orvik::CUIString strLinks[2];
    auto draw = [&] {
        canvas.Fill(Argb(255, 255, 255, 255));
        RECT rc = {0, 0, 200, 40};
        int nLinks = 2;
        Orvik::CDrawEngine::DrawMarkupText(canvas.Dc(), &w.Host(), rc, "{a h}MMMM{/a}", 0xFF000000,
                                           rcLinks, strLinks, nLinks, -1, 0);
        return nLinks;
    };
    ASSERT_EQ(draw(), 1);
    EXPECT_GT(CountNear(canvas, BLUE), 10);
    EXPECT_EQ(CountNear(canvas, GREEN), 0);

    w.Move(rcLinks[0].left + 2, rcLinks[0].top + 2);
    ASSERT_EQ(draw(), 1);
    EXPECT_GT(CountNear(canvas, GREEN), 10);
    EXPECT_EQ(CountNear(canvas, BLUE), 0);

    w.Move(150, 35);  // off the link again
    draw();
    EXPECT_EQ(CountNear(canvas, GREEN), 0);
}
