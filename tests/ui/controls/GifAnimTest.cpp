// Animated GIF: decoding and delays, loading through the skin store, the frame timer and painting.
#include <gtest/gtest.h>

#include <string>

#include "ui/controls/ControlPaintFixture.h"
#include "ui/controls/GifAnimUI.h"
#include "ui/markup/TestZip.h"
#include "ui/render/RenderTestImages.h"
#include "ui/window/EventFixture.h"

using Orvik::CGifAnimUI;

namespace {

std::string Fixture(const char* pstrName) {
    return testzip::ReadFile(controltest::FixtureDir() + "/" + pstrName);
}

std::string OneGif(const std::string& attrs) {
    return "<Window><VerticalLayout><GifAnim name=\"g\" " + attrs + "/></VerticalLayout></Window>";
}

// A window whose skin folder holds the fixture GIFs.
class GifAnimTest : public ::testing::Test {
protected:
    GifAnimTest() {
        m_skin.Write("frames3.gif", Fixture("frames3.gif"));
        m_skin.Write("still32.gif", Fixture("still32.gif"));
    }
    CGifAnimUI* Gif(eventtest::CEventWindow& w) {
        return static_cast<CGifAnimUI*>(w.Host().FindControlByName("g"));
    }
    static void Tick(CGifAnimUI* p, WPARAM key = CGifAnimUI::FRAME_TIMER_KEY) {
        Orvik::ControlEvent event;
        event.kind = Orvik::UIEVENT_TIMER;
        event.wParam = key;
        p->ProcessEvent(event);
    }
    rendertest::CTempSkin m_skin;
};

}  // namespace

TEST_F(GifAnimTest, FramesShowForTheirDelays) {
    eventtest::CEventWindow w(OneGif(R"(bkimage="frames3.gif" width="8" height="8")"));
    CGifAnimUI* p = Gif(w);
    ASSERT_EQ(p->GetFrameCount(), 3u);
    EXPECT_TRUE(p->IsPlaying());
    EXPECT_EQ(p->GetFramePeriod(0), 100u);
    EXPECT_EQ(p->GetFramePeriod(1), 50u);
    EXPECT_EQ(p->GetFramePeriod(2), 200u);
    for (UINT expected : {1u, 2u, 0u, 1u}) {
        Tick(p);
        EXPECT_EQ(p->GetCurrentFrame(), expected);
    }
    Tick(p, 7);  // another key is not the frame timer
    EXPECT_EQ(p->GetCurrentFrame(), 1u);
}

TEST_F(GifAnimTest, HidingStopsAndRewinds) {
    eventtest::CEventWindow w(OneGif(R"(bkimage="frames3.gif")"));
    CGifAnimUI* p = Gif(w);
    Tick(p);
    p->SetVisible(false);
    EXPECT_FALSE(p->IsPlaying());
    EXPECT_EQ(p->GetCurrentFrame(), 0u);
    EXPECT_FALSE(w.Host().KillTimer(p, CGifAnimUI::FRAME_TIMER_KEY));
    p->SetVisible(true);
    EXPECT_TRUE(p->IsPlaying());
    EXPECT_EQ(p->GetCurrentFrame(), 0u);
}

TEST_F(GifAnimTest, SingleFrameKeepsTickingOnFrameZero) {
    eventtest::CEventWindow w(OneGif(R"(bkimage="still32.gif" autosize="true")"));
    CGifAnimUI* p = Gif(w);
    ASSERT_EQ(p->GetFrameCount(), 1u);
    EXPECT_EQ(p->GetFixedWidth(), 32);
    EXPECT_EQ(p->GetFixedHeight(), 32);
    Tick(p);
    EXPECT_EQ(p->GetCurrentFrame(), 0u);
    EXPECT_TRUE(w.Host().KillTimer(p, CGifAnimUI::FRAME_TIMER_KEY));  // restarted by the tick
}

TEST_F(GifAnimTest, MissingFileDrawsNothingAndIsTriedAgain) {
    controltest::CPaintedTree painted(OneGif(R"(bkimage="later.gif" bkcolor="#FF00FF00")"), 8, 8);
    painted.Paint();
    auto* p = painted.Find<CGifAnimUI>("g");
    EXPECT_EQ(p->GetFrameCount(), 0u);
    EXPECT_FALSE(p->IsPlaying());
    EXPECT_EQ(painted.Canvas().At(4, 4), controltest::WHITE);  // no back colour either
    m_skin.Write("later.gif", Fixture("frames3.gif"));
    painted.Paint();
    EXPECT_EQ(p->GetFrameCount(), 3u);
    EXPECT_EQ(painted.Canvas().At(4, 4), testsupport::Argb(255, 255, 0, 0));
}

TEST_F(GifAnimTest, TheNextPaintShowsTheFrameATickSelected) {
    controltest::CPaintedTree painted(OneGif(R"(bkimage="frames3.gif")"), 8, 8);
    auto* p = painted.Find<CGifAnimUI>("g");
    painted.Paint();
    EXPECT_EQ(painted.Canvas().At(4, 4), testsupport::Argb(255, 255, 0, 0));
    Tick(p);
    painted.Paint();  // the paint the tick asks for shows the new frame
    EXPECT_EQ(painted.Canvas().At(4, 4), testsupport::Argb(255, 0, 255, 0));
    Tick(p);
    painted.Paint();
    EXPECT_EQ(painted.Canvas().At(4, 4), testsupport::Argb(255, 0, 0, 255));
}

TEST_F(GifAnimTest, LoadsFromTheSkinArchive) {
    testzip::TempDir dir;
    ASSERT_TRUE(
        testzip::WriteZip(dir.Path() + "/skin.zip", {{"anim/x.gif", Fixture("frames3.gif")}}));
    Orvik::CSkinStore::SetSkinPath((dir.Path() + "/").c_str());
    Orvik::CSkinStore::OpenArchiveFile("skin.zip", true);
    testsupport::CTreeFixture tree(OneGif(R"(bkimage="anim/x.gif")"));
    static_cast<CGifAnimUI*>(tree.Find("g"))->LoadFrames();
    EXPECT_EQ(static_cast<CGifAnimUI*>(tree.Find("g"))->GetFrameCount(), 3u);
    Orvik::CSkinStore::OpenArchiveFile("", true);
}

TEST_F(GifAnimTest, MouseEventsStopAtTheControl) {
    eventtest::CEventWindow w(
        "<Window><VerticalLayout name=\"v\"><GifAnim name=\"g\" bkimage=\"frames3.gif\" "
        "width=\"20\" height=\"20\"/></VerticalLayout></Window>");
    eventtest::Log().clear();
    w.Down(5, 5);
    w.Up(5, 5);
    EXPECT_TRUE(eventtest::CEventWindow::Only("notify click").empty());
}
