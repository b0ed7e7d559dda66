// Split, replace, trim, conversion, Base64 and XOR helpers.
#include "app/util/Utilities.h"

#include <gtest/gtest.h>

TEST(SplitString, Examples) {
    std::vector<std::string> out{"stale"};
    EXPECT_EQ(SplitString(out, "1.0.6.0", "."), 4);
    EXPECT_EQ(out, (std::vector<std::string>{"1", "0", "6", "0"}));
}
