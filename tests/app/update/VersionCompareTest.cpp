// Version ordering: numeric components, missing parts, non-numeric fallback.
#include "app/update/VersionCompare.h"

#include <gtest/gtest.h>

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
    EXPECT_GT(CompareVersions("1.0.x", "1.0.9"), 0);  // "x" sorts after "9"
}
