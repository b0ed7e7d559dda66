// Version ordering: numeric components, missing parts, non-numeric fallback.
#include "app/update/VersionCompare.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>

TEST(CompareVersions, NumericComponentsCompareAsNumbers) {
    EXPECT_GT(CompareVersions("1.0.7", "1.0.6"), 0);
    EXPECT_GT(CompareVersions("1.0.10", "1.0.9"), 0);
    EXPECT_LT(CompareVersions("1.0.9", "1.0.10"), 0);
    EXPECT_GT(CompareVersions("1.1", "1.0.6"), 0);
    EXPECT_GT(CompareVersions("2", "1.99.99"), 0);
    EXPECT_GT(CompareVersions("1.0.123456789012345678901", "1.0.99"), 0);  // no overflow
}

TEST(CompareVersions, EqualVersionsAndMissingComponents) {
    EXPECT_EQ(CompareVersions("1.0.6", "1.0.6"), 0);
    EXPECT_EQ(CompareVersions("1.0", "1.0.0"), 0);
    EXPECT_EQ(CompareVersions("1.0.06", "1.0.6"), 0);
    EXPECT_EQ(CompareVersions("", "0"), 0);
    EXPECT_LT(CompareVersions("1.0", "1.0.1"), 0);
}

TEST(CompareVersions, NonNumericComponentsFallBackToByteOrder) {
    EXPECT_GT(CompareVersions("1.0.b", "1.0.a"), 0);
    EXPECT_LT(CompareVersions("1.0.6-beta", "1.0.6-rc"), 0);
    EXPECT_GT(CompareVersions("1.0.x", "1.0.9"), 0);  // text sorts after every number
}

TEST(CompareVersions, NumbersSortBeforeText) {
    EXPECT_LT(CompareVersions("0.9", "0.10"), 0);
    EXPECT_LT(CompareVersions("0.10", "0.1a"), 0);
    EXPECT_LT(CompareVersions("0.9", "0.1a"), 0);  // was the end of a cycle
    EXPECT_LT(CompareVersions("1.99999999999999999999", "1.0a"), 0);
    EXPECT_GT(CompareVersions("1.a", "1"), 0);  // "a" against the missing 0
}

// Random triples of versions built from tricky components: the order must be
// antisymmetric and transitive, and equality an equivalence.
TEST(CompareVersions, IsATotalOrderOverRandomTriples) {
    const char* parts[] = {"",    "0",  "00", "1", "01", "9", "10",
                           "1a",  "0a", "a",  "A", "b",  "-", "99999999999999999999",
                           "\xB0"};
    std::mt19937 random(20261209);
    auto version = [&] {
        std::string text;
        int count = int(random() % 4) + 1;
        for (int i = 0; i < count; ++i) {
            if (i)
                text += '.';
            text += parts[random() % std::size(parts)];
        }
        return text;
    };
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (int n = 0; n < 20000; ++n) {
        std::string a = version(), b = version(), c = version();
        int ab = sign(CompareVersions(a, b)), bc = sign(CompareVersions(b, c));
        int ac = sign(CompareVersions(a, c));
        ASSERT_EQ(ab, -sign(CompareVersions(b, a))) << a << " " << b;
        // Sorted triples only: a <= b <= c must give a <= c, strictly when
        // either step is strict.
        if (ab > 0 || bc > 0)
            continue;
        int expected = ab < 0 || bc < 0 ? -1 : 0;
        ASSERT_EQ(ac, expected) << a << " " << b << " " << c;
    }
}
