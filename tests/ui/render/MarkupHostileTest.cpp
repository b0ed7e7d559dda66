// Markup text that is deep, long, dense, truncated or full of huge numbers: drawn and measured
// without crashing, hanging or overflowing.
#include <string>

#include "MarkupTextFixture.h"

using namespace rendertest;

namespace {

std::string Repeat(const std::string& piece, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += piece;
    return out;
}

std::string Numbered(const char* format, int n) {
    std::string out;
    char buffer[64];
    for (int i = 0; i < n; ++i) {
        snprintf(buffer, sizeof(buffer), format, i % 40 + 1);
        out += buffer;
    }
    return out;
}

std::vector<std::string> HostileTexts() {
    return {
        Repeat("{b}{i}{u}{c #FF0000}{v top}{p 1}{s}{a x}", 20000) + "deep",
        Repeat("{/b}{/i}{/u}{/c}{/v}{/p}{/s}{/a}{/r}", 20000) + "under",
        Repeat("abcdef ", 10000),
        Repeat("扫码后用浏览器打开。", 5000),
        Numbered("{f Sans %d}x", 1000) + Repeat("{/f}", 1000),
        Repeat("{a link}x{/a}", 1000) + Repeat("{i pic}", 1000) + Repeat("{z 1}", 1000),
        Repeat("{n}", 5000),
        "{x 999999999999}a{x 2147483647}b{x 99999}c",
        "{y 999999999999}a{n}b{n}c",
        Repeat("{y 32767}a{n}", 20000),
        "{p 999999999999}a{/p}{p 99999}b{/p}",
        "{f Sans 99999999999 bold}a{f 99999999999999}b",
        "{i pic 99999999999 9999999999}{i pic 0 0}{i pic 100}{i file='}{i res='",
        "{c #FFFFFFFFFFFFFFFFFFFFFF}a{c }b{c #}c",
        "abc<",
        "abc{",
        "abc<{",
        "abc{/",
        "abc{a",
        "abc{a http",
        "{i",
        "{i pic 3",
        "%{",
        "%{1",
        "{r}raw without end {b}",
        "{r",
        "</",
        "<{>",
        "{<}{",
        "\x81",
        "扫\xB5",
        "\xB5{b}",
        "{a " + std::string(5000, 'u') + "}long link{/a}",
        std::string(1, '\n') + Repeat("\n", 3000),
    };
}

class MarkupHostileTest : public MarkupTextTest, public ::testing::WithParamInterface<UINT> {
protected:
    void SetUp() override { m_res.AddImage("pic", 7, 5, {Argb(255, 9, 9, 9)}); }

    void Check(const std::string& text, const RECT& rc) {
        UINT style = GetParam();
        RECT measured = Measure(text.c_str(), rc, style);
        EXPECT_EQ(measured.left, rc.left);
        EXPECT_EQ(measured.top, rc.top);
        EXPECT_GE(measured.right, rc.left);
        EXPECT_LE(measured.right, rc.right);
        EXPECT_GE(measured.bottom, rc.top);
        EXPECT_LE(Draw(text.c_str(), rc, style), SLOTS);
    }
};

}  // namespace

TEST_P(MarkupHostileTest, NeitherCrashesNorHangs) {
    for (const std::string& text : HostileTexts()) {
        SCOPED_TRACE(text.substr(0, 60));
        Check(text, {0, 0, 300, 150});
        Check(text, {3, 3, 4, 40});  // one pixel wide
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, MarkupHostileTest,
                         ::testing::Values(0u, UINT(DT_SINGLELINE | DT_CENTER | DT_VCENTER),
                                           UINT(DT_WORDBREAK | DT_END_ELLIPSIS | DT_RIGHT),
                                           UINT(DT_END_ELLIPSIS | DT_BOTTOM)));
