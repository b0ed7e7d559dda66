// Box layouts along both axes: each case is written once along a main and a cross axis and run
// as a horizontal and as a vertical layout by transposing the document and the expectations.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "support/TreeFixture.h"
#include "ui/controls/ScrollBarUI.h"

using testsupport::CTreeFixture;
using testsupport::RectText;

namespace {

// An action before the checks; points and positions are (main, cross). A drag
// presses at a, moves to b and releases there; HOLD stops before the release,
// FINISH moves to a and releases. The scrolling calls go forward (right, down)
// or back, along the main axis or across it.
struct Step {
    enum Kind {
        DRAG,
        HOLD,
        FINISH,
        SCROLL,
        LINE_ON,
        LINE_BACK,
        PAGE_ON,
        PAGE_BACK,
        TO_END,
        TO_START
    } kind;
    const char* control;
    POINT a = {};  // drag: where the button goes down; scroll: the position
    POINT b = {};  // drag: where the pointer moves and the button goes up
    bool bAcross = false;
};

using ScrollFn = void (Orvik::CContainerUI::*)();

// The container's horizontal and vertical call for a scrolling step.
std::pair<ScrollFn, ScrollFn> ScrollCalls(Step::Kind kind) {
    using C = Orvik::CContainerUI;
    switch (kind) {
        case Step::LINE_ON:
            return {&C::ScrollLineRight, &C::ScrollLineDown};
        case Step::LINE_BACK:
            return {&C::ScrollLineLeft, &C::ScrollLineUp};
        case Step::PAGE_ON:
            return {&C::ScrollPageRight, &C::ScrollPageDown};
        case Step::PAGE_BACK:
            return {&C::ScrollPageLeft, &C::ScrollPageUp};
        case Step::TO_END:
            return {&C::ScrollToRight, &C::ScrollToBottom};
        default:
            return {&C::ScrollToLeft, &C::ScrollToTop};
    }
}

// What is checked after the steps. "name" -> "ms,cs,me,ce" (main start, cross start, main
// end, cross end); "client:name" -> the container's client bounds, same order;
// "fixed:name" -> the fixed main extent; "range:name" / "pos:name" -> "main,cross".
using Expectation = std::pair<const char*, const char*>;

// The document uses <Box>, main=/cross= sizes, minmain= and the like, sep=, mainbar=,
// crossbar=, crossalign="center|end", and pad=/inset=/pos=/float= rectangles in the
// ms,cs,me,ce order.
struct AxisCase {
    const char* name;
    const char* document;
    SIZE size;  // main, cross
    std::vector<Step> steps;
    std::vector<Expectation> expected;
};

struct Orientation {
    bool bVertical;
    AxisCase c;
};

void PrintTo(const Orientation& o, std::ostream* os) {
    *os << o.c.name << (o.bVertical ? " as vertical" : " as horizontal");
}

bool IsWordChar(char ch) {
    return std::isalnum(static_cast<unsigned char>(ch)) != 0;
}

// Replaces every `from` that does not continue a word.
std::string ReplaceWord(std::string s, const std::string& from, const std::string& to) {
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at)) {
        if (at > 0 && IsWordChar(s[at - 1])) {
            at += from.size();
            continue;
        }
        s.replace(at, from.size(), to);
        at += to.size();
    }
    return s;
}

std::vector<std::string> Split(const std::string& s) {
    std::vector<std::string> parts(1);
    for (char ch : s) {
        if (ch == ',')
            parts.emplace_back();
        else
            parts.back() += ch;
    }
    return parts;
}

// "a,b,c,d" -> "b,a,d,c" and "a,b" -> "b,a" when vertical.
std::string TransposeValue(const std::string& v, bool bVertical) {
    std::vector<std::string> p = Split(v);
    if (!bVertical || (p.size() != 2 && p.size() != 4))
        return v;
    if (p.size() == 2)
        return p[1] + "," + p[0];
    return p[1] + "," + p[0] + "," + p[3] + "," + p[2];
}

// Rewrites the rectangles of one attribute (ms,cs,me,ce) into l,t,r,b.
std::string TransposeRects(std::string doc, const std::string& name, const std::string& to,
                           bool bVertical) {
    std::string from = name + "=\"";
    for (size_t at = doc.find(from); at != std::string::npos; at = doc.find(from, at)) {
        size_t end = doc.find('"', at + from.size());
        if ((at > 0 && IsWordChar(doc[at - 1])) || end == std::string::npos) {
            at += from.size();
            continue;
        }
        std::string value = doc.substr(at + from.size(), end - at - from.size());
        std::string rewritten = to + "=\"" + TransposeValue(value, bVertical) + "\"";
        doc.replace(at, end + 1 - at, rewritten);
        at += rewritten.size();
    }
    return doc;
}

// Rewrites an axis-neutral document as the markup of one orientation.
std::string Transpose(std::string doc, bool bVertical) {
    const std::string main = bVertical ? "height" : "width";
    const std::string cross = bVertical ? "width" : "height";
    const std::string box = bVertical ? "VerticalLayout" : "HorizontalLayout";
    doc = ReplaceWord(ReplaceWord(doc, "<Box", "<" + box), "</Box>", "</" + box + ">");
    for (const char* limit : {"min", "max"}) {
        doc = ReplaceWord(doc, std::string(limit) + "main=", limit + main + "=");
        doc = ReplaceWord(doc, std::string(limit) + "cross=", limit + cross + "=");
    }
    doc = ReplaceWord(doc, "main=", main + "=");
    doc = ReplaceWord(doc, "cross=", cross + "=");
    doc = ReplaceWord(doc, "sep=", "sep" + main + "=");
    doc = ReplaceWord(doc, "mainbar=", bVertical ? "vscrollbar=" : "hscrollbar=");
    doc = ReplaceWord(doc, "mainbarstyle=", bVertical ? "vscrollbarstyle=" : "hscrollbarstyle=");
    doc = ReplaceWord(doc, "crossbar=", bVertical ? "hscrollbar=" : "vscrollbar=");
    doc = ReplaceWord(doc, R"(crossalign="center")",
                      bVertical ? R"(childalign="center")" : R"(childvalign="vcenter")");
    doc = ReplaceWord(doc, R"(crossalign="end")",
                      bVertical ? R"(childalign="right")" : R"(childvalign="bottom")");
    doc = TransposeRects(doc, "pad", "padding", bVertical);
    for (const char* name : {"inset", "pos", "float"})
        doc = TransposeRects(doc, name, name, bVertical);
    return doc;
}

POINT TransposePoint(POINT pt, bool bVertical) {
    return bVertical ? POINT{pt.y, pt.x} : pt;
}

std::string SizeText(SIZE sz) {
    return std::to_string(sz.cx) + "," + std::to_string(sz.cy);
}

void Send(Orvik::CControlUI* p, int kind, POINT pt) {
    Orvik::ControlEvent event;
    event.kind = kind;
    event.mousePoint = pt;
    p->HandleEvent(event);
}

class BoxLayoutAxesTest : public ::testing::TestWithParam<Orientation> {
protected:
    void SetUp() override {
        const Orientation& o = GetParam();
        m_pTree = std::make_unique<CTreeFixture>("<Window>" + Transpose(o.c.document, o.bVertical) +
                                                 "</Window>");
        ASSERT_NE(m_pTree->Root(), nullptr);
        SIZE sz = o.c.size;
        m_pTree->Layout(o.bVertical ? sz.cy : sz.cx, o.bVertical ? sz.cx : sz.cy);
    }

    Orvik::CControlUI* Need(const std::string& name) {
        Orvik::CControlUI* p = m_pTree->Find(name.c_str());
        EXPECT_NE(p, nullptr) << name;
        return p;
    }

    Orvik::CContainerUI* NeedContainer(const std::string& name) {
        Orvik::CControlUI* p = Need(name);
        return p != nullptr ? static_cast<Orvik::CContainerUI*>(p->AsType("Container")) : nullptr;
    }

    void Run(const Step& s, bool bVertical) {
        POINT a = TransposePoint(s.a, bVertical);
        if (s.kind == Step::SCROLL) {
            if (Orvik::CContainerUI* p = NeedContainer(s.control))
                p->SetScrollPos(SIZE{a.x, a.y});
            return;
        }
        if (s.kind != Step::DRAG && s.kind != Step::HOLD && s.kind != Step::FINISH) {
            auto [horizontal, vertical] = ScrollCalls(s.kind);
            if (Orvik::CContainerUI* p = NeedContainer(s.control))
                (p->*(bVertical != s.bAcross ? vertical : horizontal))();
            return;
        }
        Orvik::CControlUI* p = Need(s.control);
        if (p == nullptr)
            return;
        EXPECT_EQ(p->GetInputFlags(), 2u);
        if (s.kind != Step::FINISH)
            Send(p, Orvik::UIEVENT_BUTTONDOWN, a);
        POINT b = s.kind == Step::FINISH ? a : TransposePoint(s.b, bVertical);
        Send(p, Orvik::UIEVENT_MOUSEMOVE, b);
        if (s.kind == Step::HOLD)
            return;
        Send(p, Orvik::UIEVENT_BUTTONUP, b);
        m_pTree->Layout(m_pTree->Root()->GetBounds().right, m_pTree->Root()->GetBounds().bottom);
    }

    // The observed value of one expectation, in the layout's own x,y terms.
    std::string Observe(const std::string& what, bool bVertical) {
        size_t colon = what.find(':');
        if (colon == std::string::npos)
            return m_pTree->RectOf(what.c_str());
        std::string kind = what.substr(0, colon);
        std::string name = what.substr(colon + 1);
        if (kind == "fixed") {
            Orvik::CControlUI* p = Need(name);
            return p == nullptr
                       ? "missing"
                       : std::to_string(bVertical ? p->GetFixedHeight() : p->GetFixedWidth());
        }
        Orvik::CContainerUI* p = NeedContainer(name);
        if (p == nullptr)
            return "missing";
        if (kind == "client")
            return RectText(p->GetClientBounds());
        return SizeText(kind == "range" ? p->GetScrollRange() : p->GetScrollPos());
    }

    std::unique_ptr<CTreeFixture> m_pTree;
};

TEST_P(BoxLayoutAxesTest, PlacesAlongTheAxis) {
    const Orientation& o = GetParam();
    for (const Step& s : o.c.steps)
        Run(s, o.bVertical);
    for (const auto& [what, value] : o.c.expected)
        EXPECT_EQ(Observe(what, o.bVertical), TransposeValue(value, o.bVertical)) << what;
}

const AxisCase CASES[] = {
    // --- fixed, auto, min and max sizes ---
    {"FixedKeepTheirsAutoShareTheRest",
     R"(<Box childpadding="5"><Control name="a" main="30"/><Control name="b"/>
        <Control name="c" main="50"/></Box>)",
     {200, 100},
     {},
     {{"a", "0,0,30,100"}, {"b", "35,0,145,100"}, {"c", "150,0,200,100"}}},
    {"LastAutoAbsorbsTheRounding",
     R"(<Box><Control name="a"/><Control name="b"/></Box>)",
     {101, 10},
     {},
     {{"a", "0,0,50,10"}, {"b", "50,0,101,10"}}},
    {"OverfullAutoGetsNothing",
     R"(<Box><Control name="a" main="80"/><Control name="b"/><Control name="c" main="80"/></Box>)",
     {100, 50},
     {},
     {{"a", "0,0,80,50"}, {"b", "80,0,80,50"}, {"c", "80,0,160,50"}}},
    {"MinAndMaxClampTheShares",
     R"(<Box><Control name="a" maxmain="10"/><Control name="b" minmain="70"/></Box>)",
     {100, 10},
     {},
     {{"a", "0,0,10,10"}, {"b", "10,0,100,10"}}},
    {"MinAndMaxClampAFixedSize",
     R"(<Box><Control name="a" main="90" maxmain="40"/><Control name="b" main="5" minmain="20"/>
        <Control name="c"/></Box>)",
     {100, 10},
     {},
     {{"a", "0,0,40,10"}, {"b", "40,0,60,10"}, {"c", "60,0,100,10"}}},
    {"CrossMaxCapsAndCrossMinExtends",
     R"(<Box><Control name="a" main="5" maxcross="30"/><Control name="b" main="5"
        mincross="500"/></Box>)",
     {100, 100},
     {},
     {{"a", "0,0,5,30"}, {"b", "5,0,10,500"}}},
    {"InvisibleChildrenTakeNoSpace",
     R"(<Box childpadding="5"><Control name="a" main="20"/>
        <Control name="h" main="30" visible="false"/><Control name="b"/></Box>)",
     {100, 10},
     {},
     {{"a", "0,0,20,10"}, {"b", "25,0,100,10"}}},
    // --- padding and alignment across the axis ---
    {"InsetAndMainPaddingShrinkTheRest",
     R"(<Box name="box" inset="8,8,8,8"><Control name="a" main="20" pad="4,0,6,0"/><Control name="b"/>
        </Box>)",
     {100, 100},
     {},
     {{"a", "12,8,32,92"}, {"b", "38,8,92,92"}, {"client:box", "8,8,92,92"}}},
    {"CrossStartKeepsStartPadding",
     R"(<Box><Control name="a" cross="205" main="10" pad="0,7,0,3"/></Box>)",
     {100, 400},
     {},
     {{"a", "0,7,10,212"}}},
    {"CrossCentreIgnoresPadding",
     R"(<Box crossalign="center"><Control name="a" cross="205" main="10" pad="0,7,0,3"/></Box>)",
     {100, 400},
     {},
     {{"a", "0,98,10,303"}}},
    {"CrossEndKeepsEndPadding",
     R"(<Box crossalign="end"><Control name="a" cross="50" main="10" pad="0,0,0,4"/></Box>)",
     {100, 100},
     {},
     {{"a", "0,46,10,96"}}},
    {"ChildPaddingSitsBetweenPaddedChildren",
     R"(<Box childpadding="4"><Control name="a" main="16"/><Control name="b"/>
        <Control name="c" main="40" pad="8,0,0,0"/></Box>)",
     {200, 32},
     {},
     {{"a", "0,0,16,32"}, {"b", "20,0,148,32"}, {"c", "160,0,200,32"}}},
    // --- float children ---
    {"FloatTakesNoSpace",
     R"(<Box><Control name="f" float="true" pos="1,2,11,12"/><Control name="a"/></Box>)",
     {50, 50},
     {},
     {{"f", "1,2,11,12"}, {"a", "0,0,50,50"}}},
    {"FloatAnchorsHoldTheCentreOffset",
     R"(<Box><Control name="f" float="0.5,0,0.5,0" pos="-20,10,20,30"/><Control name="a"
        main="30"/></Box>)",
     {200, 100},
     {},
     {{"f", "80,10,120,30"}, {"a", "0,0,30,100"}}},
    // --- the resize band at the main end (positive sep) or start (negative sep) ---
    {"BandGrows",
     R"(<Box><Box name="b" main="50" sep="4"/><Control/></Box>)",
     {200, 200},
     {{Step::DRAG, "b", {48, 10}, {60, 10}}},
     {{"fixed:b", "62"}, {"b", "0,0,62,200"}}},
    {"BandStopsAtTheMinimum",
     R"(<Box><Box name="b" main="50" minmain="40" sep="4"/><Control/></Box>)",
     {200, 200},
     {{Step::DRAG, "b", {48, 10}, {20, 10}}},
     {{"fixed:b", "40"}}},
    {"BandStopsAtTheMaximum",
     R"(<Box><Box name="b" main="50" maxmain="55" sep="4"/><Control/></Box>)",
     {200, 200},
     {{Step::DRAG, "b", {48, 10}, {90, 10}}},
     {{"fixed:b", "55"}}},
    {"PressOutsideTheBandDoesNothing",
     R"(<Box><Box name="b" main="50" sep="4"/><Control/></Box>)",
     {200, 200},
     {{Step::DRAG, "b", {20, 10}, {40, 10}}},
     {{"fixed:b", "50"}}},
    {"ImmediateBandResizesLive",
     R"(<Box><Box name="b" main="50" sep="4" sepimm="true"/><Control/></Box>)",
     {200, 200},
     {{Step::DRAG, "b", {49, 10}, {70, 10}}},
     {{"fixed:b", "71"}}},
    {"StartBandGrowsBackwards",
     R"(<Box><Control main="60"/><Box name="b" main="50" sep="-4"/><Control/></Box>)",
     {200, 200},
     {{Step::DRAG, "b", {61, 10}, {40, 10}}},
     {{"fixed:b", "71"}, {"b", "60,0,131,200"}}},
    {"StartBandFollowsThePointerBackFromTheMinimum",
     R"(<Box><Control main="60"/><Box name="b" main="50" minmain="40" sep="-4"/><Control/></Box>)",
     {200, 200},
     {{Step::HOLD, "b", {61, 10}, {90, 10}}, {Step::FINISH, "b", {73, 10}}},
     {{"fixed:b", "57"}, {"b", "60,0,117,200"}}},
    {"EndBandIgnoresAPointerShortOfIt",
     R"(<Box><Box name="b" main="50" minmain="40" sep="4"/><Control/></Box>)",
     {200, 200},
     {{Step::HOLD, "b", {48, 10}, {30, 10}}, {Step::FINISH, "b", {33, 10}}},
     {{"fixed:b", "40"}}},
    // --- scroll bars: range and position on both axes ---
    {"MainOverflowShowsTheMainBar",
     R"(<Box name="list" mainbar="true"><Control name="a" main="80"/><Control name="b"/>
        <Control name="c" main="80"/></Box>)",
     {100, 100},
     {},
     {{"range:list", "60,0"}, {"a", "0,0,80,84"}, {"b", "80,0,80,84"}, {"pos:list", "0,0"}}},
    {"MainScrollMovesTheChildrenButNotFloats",
     R"(<Box name="list" mainbar="true"><Control name="a" main="80"/><Control name="b" main="80"/>
        <Control name="f" float="true" pos="0,0,10,10"/></Box>)",
     {100, 100},
     {{Step::SCROLL, "list", {30, 0}, {}}},
     {{"pos:list", "30,0"}, {"a", "-30,0,50,84"}, {"b", "50,0,130,84"}, {"f", "0,0,10,10"}}},
    {"MainScrollStopsAtTheRange",
     R"(<Box name="list" mainbar="true"><Control name="a" main="150"/></Box>)",
     {100, 100},
     {{Step::SCROLL, "list", {500, 0}, {}}},
     {{"range:list", "50,0"}, {"pos:list", "50,0"}, {"a", "-50,0,100,84"}}},
    {"ContentThatFitsHidesTheBar",
     R"(<Box name="list" mainbar="true"><Control name="a" main="30"/></Box>)",
     {100, 100},
     {},
     {{"range:list", "0,0"}, {"a", "0,0,30,100"}, {"client:list", "0,0,100,100"}}},
    {"CrossOverflowShowsTheCrossBar",
     R"(<Box name="list" crossbar="true"><Control name="a" main="30" mincross="250"/></Box>)",
     {100, 100},
     {{Step::SCROLL, "list", {0, 40}, {}}},
     {{"range:list", "0,150"}, {"pos:list", "0,40"}, {"a", "0,-40,30,210"}}},
    {"BothBarsShareTheCorner",
     R"(<Box name="list" mainbar="true" crossbar="true"><Control name="a" main="300"
        mincross="250"/></Box>)",
     {100, 100},
     {{Step::SCROLL, "list", {16, 20}, {}}},
     {{"client:list", "0,0,84,84"},
      {"range:list", "216,166"},
      {"pos:list", "16,20"},
      {"a", "-16,-20,284,230"}}},
    {"PageStepIsTheClientLessTheInset",
     R"(<Box name="list" mainbar="true" inset="5,0,5,0"><Control main="300"/></Box>)",
     {100, 100},
     {{Step::PAGE_ON, "list"}, {Step::PAGE_ON, "list"}, {Step::PAGE_BACK, "list"}},
     {{"range:list", "210,0"}, {"pos:list", "90,0"}}},
    {"PageStepLeavesOutTheOtherBar",
     R"(<Box name="list" mainbar="true" crossbar="true"><Control main="300" mincross="250"/>
        </Box>)",
     {100, 100},
     {{Step::PAGE_ON, "list"}, {Step::PAGE_ON, "list", {}, {}, true}},
     {{"pos:list", "84,84"}}},
    {"EndAndStartJumpOnOneAxis",
     R"(<Box name="list" mainbar="true" crossbar="true"><Control main="300" mincross="250"/>
        </Box>)",
     {100, 100},
     {{Step::TO_END, "list"}, {Step::TO_END, "list", {}, {}, true}, {Step::TO_START, "list"}},
     {{"pos:list", "0,166"}}},
    {"LineStepIsTheBarsUnit",
     R"(<Box name="list" mainbar="true" mainbarstyle="scrollunit=&quot;7&quot;">
        <Control main="300"/></Box>)",
     {100, 100},
     {{Step::LINE_ON, "list"}, {Step::LINE_ON, "list"}, {Step::LINE_BACK, "list"}},
     {{"pos:list", "7,0"}}},
};

std::vector<Orientation> BothOrientations() {
    std::vector<Orientation> v;
    for (const AxisCase& c : CASES) {
        v.push_back({false, c});
        v.push_back({true, c});
    }
    return v;
}

INSTANTIATE_TEST_SUITE_P(Cases, BoxLayoutAxesTest, ::testing::ValuesIn(BothOrientations()),
                         [](const auto& info) {
                             return std::string(info.param.c.name) +
                                    (info.param.bVertical ? "_Vertical" : "_Horizontal");
                         });

}  // namespace
