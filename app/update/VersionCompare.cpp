// Component-wise version comparison.
#include "app/update/VersionCompare.h"

#include <algorithm>
#include <vector>

#include "app/util/Utilities.h"

namespace {

bool IsNumber(const std::string& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Compares digit strings of any length without converting them.
int CompareNumbers(std::string left, std::string right) {
    left.erase(0, std::min(left.find_first_not_of('0'), left.size()));
    right.erase(0, std::min(right.find_first_not_of('0'), right.size()));
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    return left.compare(right);
}

// Numbers as numbers, any number before any other text, other texts by
// bytes: each class is ordered on its own and the classes never mix, so the
// whole is a total order (mixing them byte-wise made 0.9 < 0.10 < 0.1a < 0.9).
int CompareComponents(const std::string& left, const std::string& right) {
    bool bLeftNumber = IsNumber(left);
    bool bRightNumber = IsNumber(right);
    if (bLeftNumber != bRightNumber)
        return bLeftNumber ? -1 : 1;
    if (bLeftNumber)
        return CompareNumbers(left, right);
    int order = left.compare(right);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

}  // namespace

int CompareVersions(const std::string& left, const std::string& right) {
    std::vector<std::string> leftParts;
    std::vector<std::string> rightParts;
    SplitString(leftParts, left, ".");
    SplitString(rightParts, right, ".");
    size_t count = std::max(leftParts.size(), rightParts.size());
    for (size_t i = 0; i < count; ++i) {
        std::string a = i < leftParts.size() && !leftParts[i].empty() ? leftParts[i] : "0";
        std::string b = i < rightParts.size() && !rightParts[i].empty() ? rightParts[i] : "0";
        int order = CompareComponents(a, b);
        if (order != 0)
            return order < 0 ? -1 : 1;
    }
    return 0;
}
