// The image descriptor grammar.
#include <gtest/gtest.h>

#include <cstdint>

#include "ui/render/ImageDescriptor.h"

using Orvik::CUIRect;
using Orvik::ImageLoadRequest;
using Orvik::ImagePaintState;
using Orvik::ParseImageDescriptor;

namespace {

struct Parsed {
    ImagePaintState state;
    ImageLoadRequest request;
};

Parsed Parse(const char* pstrDescriptor) {
    Parsed p;
    p.state.strDescriptor = pstrDescriptor;
    ParseImageDescriptor(p.state, p.request);
    return p;
}

bool RectIs(const RECT& rc, LONG l, LONG t, LONG r, LONG b) {
    return rc.left == l && rc.top == t && rc.right == r && rc.bottom == b;
}

}  // namespace

TEST(ImageDescriptor, BareNameAndFileKeyNameTheSameImage) {
    Parsed bare = Parse("btn_min_normal.png");
    Parsed keyed = Parse("file='btn_min_normal.png'");
    EXPECT_STREQ(bare.state.strImageName, "btn_min_normal.png");
    EXPECT_STREQ(keyed.state.strImageName, "btn_min_normal.png");
    EXPECT_EQ(bare.request.GetType(), nullptr);
    EXPECT_EQ(keyed.request.GetType(), nullptr);
}

TEST(ImageDescriptor, ReadsEveryKey) {
    Parsed p = Parse(
        "file='opt_nav_hot.png' corner='1,2,3,4' dest='4,30,68,32' source='0,0,10,20' "
        "mask='#FFFF00FF' fade='200' hole='true' xtiled='true' ytiled='true'");
    EXPECT_STREQ(p.state.strImageName, "opt_nav_hot.png");
    EXPECT_TRUE(RectIs(p.state.rcCorner, 1, 2, 3, 4));
    EXPECT_TRUE(RectIs(p.state.rcDest, 4, 30, 68, 32));
    EXPECT_TRUE(RectIs(p.state.rcSource, 0, 0, 10, 20));
    EXPECT_EQ(p.request.dwMask, 0xFFFF00FFu);
    EXPECT_EQ(p.state.uFade, 200);
    EXPECT_TRUE(p.state.bHole);
    EXPECT_TRUE(p.state.bTiledX);
    EXPECT_TRUE(p.state.bTiledY);
    EXPECT_TRUE(RectIs(Parse("scale9='5,6,7,8'").state.rcCorner, 5, 6, 7, 8));
}

TEST(ImageDescriptor, AnItemDirectlyAfterAQuoteIsIgnored) {
    Parsed p = Parse("file='a.png'corner='12,12,12,12'");
    EXPECT_STREQ(p.state.strImageName, "a.png");
    EXPECT_TRUE(p.state.rcCorner.IsNull());
    // A trailing space ends the parse as well, without harm.
    EXPECT_STREQ(Parse("file='b.png' ").state.strImageName, "b.png");
}

TEST(ImageDescriptor, ParsingStopsAtTheFirstDeviationKeepingWhatWasRead) {
    Parsed p = Parse("file='a.png' corner=12,12,12,12' fade='9'");
    EXPECT_STREQ(p.state.strImageName, "a.png");
    EXPECT_TRUE(p.state.rcCorner.IsNull());
    EXPECT_EQ(p.state.uFade, 255);
    // An unterminated value ends the parse without reading beyond the text.
    EXPECT_STREQ(Parse("file='a.png' dest='1,2").state.strImageName, "a.png");
}

TEST(ImageDescriptor, KeysAreCaseSensitiveAndUnknownOrEmptyItemsIgnored) {
    Parsed upper = Parse("FILE='a.png'");
    EXPECT_STREQ(upper.state.strImageName, "FILE='a.png'");  // the whole text stays the name
    Parsed p = Parse("file='a.png' file='' unknown='x' hole='True'");
    EXPECT_STREQ(p.state.strImageName, "a.png");
    EXPECT_FALSE(p.state.bHole);
}

TEST(ImageDescriptor, NumbersMissingOrOutOfRange) {
    EXPECT_TRUE(RectIs(Parse("corner='3,4'").state.rcCorner, 3, 4, 0, 0));
    EXPECT_TRUE(RectIs(Parse("dest='7'").state.rcDest, 7, 0, 0, 0));
    EXPECT_EQ(Parse("fade='300'").state.uFade, 300 % 256);
}

TEST(ImageDescriptor, HugeNumbersAreClampedWhenParsed) {
    const LONG L = Orvik::DESCRIPTOR_NUMBER_LIMIT;
    struct Case {
        const char* descriptor;
        LONG l, t, r, b;
    } cases[] = {
        {"corner='2147483647,0,0,0'", L, 0, 0, 0},
        {"corner='0,0,-2147482967,0'", 0, 0, -L, 0},
        {"corner='99999999999999999999999,-99999999999999999999999,5,1048577'", L, -L, 5, L},
        {"corner='1048576,-1048576,1048575,0'", L, -L, L - 1, 0},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(RectIs(Parse(c.descriptor).state.rcCorner, c.l, c.t, c.r, c.b)) << c.descriptor;
    EXPECT_TRUE(RectIs(Parse("source='1073741144,0,1,1'").state.rcSource, L, 0, 1, 1));
    EXPECT_TRUE(RectIs(Parse("dest='-4294967296,2147483648,1,1'").state.rcDest, -L, L, 1, 1));
}

TEST(ImageDescriptor, DestinationPlacementCannotOverflow) {
    RECT item = {2147483000, -2147483000, 2147483600, -2147482000};
    RECT rc = Orvik::PlaceImageDestination(item, CUIRect(1048576, -1048576, 1048576, 1048576));
    EXPECT_TRUE(RectIs(rc, INT32_MAX, INT32_MIN, 2147483600, -2147482000));
    RECT plain = Orvik::PlaceImageDestination({10, 5, 82, 37}, CUIRect(4, 30, 68, 32));
    EXPECT_TRUE(RectIs(plain, 14, 35, 78, 37));
}

TEST(ImageDescriptor, TypeIsUsedOnlyWithResOrColor) {
    Parsed file = Parse("file='7' restype='PNG'");
    EXPECT_EQ(file.request.GetType(), nullptr);
    Parsed res = Parse("res='7' restype='PNG'");
    EXPECT_STREQ(res.state.strImageName, "7");
    EXPECT_STREQ(res.request.GetType(), "PNG");
    Parsed color = Parse("color='80FF0000'");
    EXPECT_STREQ(color.state.strImageName, "80FF0000");
    EXPECT_STREQ(color.request.GetType(), "*COLOR*");
}

TEST(ImageDescriptor, ChineseFileNamesSurviveWhole) {
    // "背景.png" in code page 936 followed by another item.
    Parsed p = Parse("file='\xB1\xB3\xBE\xB0.png' fade='10'");
    EXPECT_STREQ(p.state.strImageName, "\xB1\xB3\xBE\xB0.png");
    EXPECT_EQ(p.state.uFade, 10);
}

TEST(ImagePaintState, ResetRestoresTheDefaults) {
    Parsed p = Parse("file='a.png' corner='1,1,1,1' fade='3' hole='true' xtiled='true'");
    p.state.bAttempted = true;
    p.state.Reset();
    EXPECT_TRUE(p.state.strDescriptor.IsEmpty());
    EXPECT_TRUE(p.state.strImageName.IsEmpty());
    EXPECT_FALSE(p.state.bAttempted);
    EXPECT_TRUE(p.state.rcCorner.IsNull());
    EXPECT_EQ(p.state.uFade, 255);
    EXPECT_FALSE(p.state.bHole || p.state.bTiledX || p.state.bTiledY);
}
