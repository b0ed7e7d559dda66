// CClipScope: rectangle and rounded clips, suspend and resume, restoring the clip.
#include <gtest/gtest.h>

#include <string>

#include "support/TestCanvas.h"
#include "ui/render/ClipScope.h"
#include "ui/render/DrawEngine.h"

using Orvik::CClipScope;
using Orvik::CDrawEngine;
using testsupport::Argb;
using testsupport::CTestCanvas;

namespace {

constexpr uint32_t WHITE = Argb(255, 255, 255, 255);
constexpr uint32_t RED = Argb(255, 255, 0, 0);

RECT ClipBox(HDC hDC) {
    RECT rc = {};
    GetClipBox(hDC, &rc);
    return rc;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void FillAll(const CTestCanvas& c) {
    CDrawEngine::FillColor(c.Dc(), {0, 0, c.Width(), c.Height()}, 0xFFFF0000);
}

}  // namespace

// Tolerance 0: clipping is exact.
TEST(ClipScope, RectangleClipIsRestoredAtTheEndOfTheScope) {
    CTestCanvas c(40, 40, WHITE);
    IntersectClipRect(c.Dc(), 0, 0, 30, 30);
    {
        CClipScope scope;
        scope.ClipToRect(c.Dc(), {10, 10, 50, 20});
        EXPECT_TRUE(SameRect(ClipBox(c.Dc()), {10, 10, 30, 20}));
        FillAll(c);
        RECT ink = c.InkBounds(WHITE);
        EXPECT_TRUE(SameRect(ink, {10, 10, 30, 20}));

        scope.SuspendClip();
        EXPECT_TRUE(SameRect(ClipBox(c.Dc()), {0, 0, 30, 30}));
        scope.ResumeClip();
        EXPECT_TRUE(SameRect(ClipBox(c.Dc()), {10, 10, 30, 20}));
    }
    EXPECT_TRUE(SameRect(ClipBox(c.Dc()), {0, 0, 30, 30}));
}

// Tolerance 0: the corner pixels stay, the right and bottom edges are inside.
TEST(ClipScope, RoundedClipCutsTheCornersOnly) {
    CTestCanvas c(40, 30, WHITE);
    {
        CClipScope scope;
        scope.ClipToRoundedRect(c.Dc(), {0, 0, 40, 30}, {5, 5, 35, 25}, 10, 10);
        FillAll(c);
    }
    EXPECT_EQ(c.At(5, 5), WHITE);
    EXPECT_EQ(c.At(34, 24), WHITE);
    EXPECT_EQ(c.At(20, 5), RED);
    // The rounded region stops one pixel short, so item.right + 1 makes it
    // cover exactly the item's last column and row.
    EXPECT_EQ(c.At(34, 15), RED);
    EXPECT_EQ(c.At(20, 24), RED);
    EXPECT_EQ(c.At(35, 15), WHITE);
    EXPECT_EQ(c.At(20, 25), WHITE);
    EXPECT_EQ(c.At(4, 15), WHITE);
    EXPECT_TRUE(
        testsupport::MatchesGolden(c, std::string(LUMORA_SOURCE_DIR) + "/tests/ui/render/golden",
                                   "render_output", "rounded_clip", 0));
}

// Tolerance 0. The scope remembers only the clip box: a rounded clip from
// before the scope comes back as its bounding rectangle.
TEST(ClipScope, NonRectangularClipComesBackAsItsBoundingBox) {
    CTestCanvas c(40, 40, WHITE);
    HRGN hRound = CreateRoundRectRgn(0, 0, 31, 31, 16, 16);
    SelectClipRgn(c.Dc(), hRound);
    DeleteObject(hRound);
    {
        CClipScope scope;
        scope.ClipToRect(c.Dc(), {5, 5, 25, 25});
    }
    EXPECT_TRUE(SameRect(ClipBox(c.Dc()), {0, 0, 30, 30}));
    FillAll(c);
    EXPECT_EQ(c.At(0, 0), RED);  // the rounded corner is gone
    EXPECT_EQ(c.At(30, 30), WHITE);
}

// A scope inside a scope narrows the clip and gives back the outer one.
TEST(ClipScope, NestedScopesRestoreInOrder) {
    CTestCanvas c(40, 40, WHITE);
    CClipScope outer;
    outer.ClipToRect(c.Dc(), {0, 0, 20, 20});
    {
        CClipScope inner;
        inner.ClipToRect(c.Dc(), {10, 10, 40, 40});
        EXPECT_TRUE(SameRect(ClipBox(c.Dc()), {10, 10, 20, 20}));
    }
    EXPECT_TRUE(SameRect(ClipBox(c.Dc()), {0, 0, 20, 20}));
}
