// A button draws its text as a label of the same attributes does, in every state's colour.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/controls/InputWindowFixture.h"
#include "ui/controls/ButtonUI.h"
#include "ui/controls/LabelUI.h"

namespace {

using controltest::CInputWindow;

constexpr int kWidth = 160;
constexpr int kHeight = 40;

struct Case {
    const char* name;
    const char* shared;      // on both controls
    const char* buttonTag;   // "Button", "Option" or "CheckBox"
    const char* buttonOnly;  // state colours, selection
    const char* labelOnly;   // the colour the state should come out in
    bool hover;
};

// The label on top, the button below it, both kWidth x kHeight on white.
std::string Document(const Case& c) {
    return std::string(
               "<Window size=\"160,80\"><Font id=\"1\" name=\"微软雅黑\" size=\"18\""
               " bold=\"true\"/><VerticalLayout bkcolor=\"#FFFFFFFF\">"
               "<Label name=\"l\" width=\"160\" height=\"40\" ") +
           c.shared + " " + c.labelOnly + "/><" + c.buttonTag +
           " name=\"b\" width=\"160\" height=\"40\" " + c.shared + " " + c.buttonOnly +
           "/></VerticalLayout></Window>";
}

// Pixels where the two halves differ, and pixels of ink in the top half.
void CompareHalves(const testsupport::CTestCanvas& canvas, int& nDiffer, int& nInk) {
    nDiffer = nInk = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            uint32_t top = canvas.At(x, y);
            nDiffer += top != canvas.At(x, y + kHeight);
            nInk += top != canvas.At(0, 0);
        }
}

const Case kCases[] = {
    {"left with padding", R"(text="Go now" align="left" textpadding="12,4,0,0")", "Button", "", "",
     false},
    {"right bottom", R"(text="Go now" align="right" valign="bottom" textcolor="#FF2060C0")",
     "Button", "", "", false},
    {"centred font", R"(text="很好 OK" font="1" align="center")", "Button", "", "", false},
    {"markup", R"(text="{b}Go{/b} now" showhtml="true" align="center")", "Button", "", "", false},
    {"end ellipsis", R"(text="a rather long caption that will not fit" endellipsis="true")",
     "Button", "align=\"left\"", "", false},
    {"multi-line", R"(text="two words and more words" multiline="true" width="80")", "Button",
     "align=\"left\"", "", false},
    {"outline effect",
     R"(text="Glow" align="center" enabledeffect="true" enabledstroke="true" strokecolor="#FFFF0000")",
     "Button", "", "", false},
    {"disabled, colour 1", R"(text="Off" align="center" enabled="false" disabledtextcolor="1")",
     "Button", "", "", false},
    {"hot text colour, markup",
     R"(text="{b}Hot{/b}" showhtml="true" align="center" textcolor="#FFA7A4AB")", "Button",
     R"(hottextcolor="#FF20A020")", R"(textcolor="#FF20A020")", true},
    {"selected option colour", R"(text="Page" align="center" textpadding="0,0,20,0")", "Option",
     R"(selected="true" selectedtextcolor="#FFC02020" hottextcolor="#FF00FF00")",
     R"(textcolor="#FFC02020")", true},
    {"check box", R"(text="Remember" align="left" textpadding="24,0,0,0")", "CheckBox", "", "",
     false},
};

TEST(ButtonTextTest, DrawsTheTextAsALabelOfTheSameAttributes) {
    for (const Case& c : kCases) {
        CInputWindow w(Document(c), kWidth, 2 * kHeight);
        ASSERT_NE(w.Find("b"), nullptr) << c.name;
        if (c.hover)
            w.Move(kWidth / 2, kHeight + kHeight / 2);
        testsupport::CTestCanvas canvas(kWidth, 2 * kHeight);
        w.PaintInto(canvas);
        int nDiffer = 0;
        int nInk = 0;
        CompareHalves(canvas, nDiffer, nInk);
        EXPECT_GT(nInk, 20) << c.name;
        EXPECT_EQ(nDiffer, 0) << c.name;
    }
}

// The button keeps its own height rule: text padding does not add to it, and
// the text width is never measured.
TEST(ButtonTextTest, MeasuresFontHeightPlusEightWhateverThePadding) {
    CInputWindow w(R"(<Window><VerticalLayout>
        <Button name="b" text="A long caption" textpadding="10,6,10,6" showhtml="true"/>
        <Label name="l" text="A long caption" textpadding="10,6,10,6" showhtml="true"/>
        </VerticalLayout></Window>)");
    int nFont = w.Host().GetFontInfo(-1)->tm.tmHeight;
    SIZE szButton = w.Find("b")->MeasureSize(SIZE{300, 200});
    SIZE szLabel = w.Find("l")->MeasureSize(SIZE{300, 200});
    EXPECT_EQ(szButton.cx, 0);
    EXPECT_EQ(szButton.cy, nFont + 8);
    EXPECT_GT(szLabel.cx, 20);
    EXPECT_EQ(szLabel.cy, nFont + 8 + 12);
}

}  // namespace
