// Ordering of dotted version texts such as "1.0.10".
#pragma once

#include <string>

// Negative, zero or positive as left is older than, equal to or newer than
// right. Dot-separated components compare left to right: digits-only ones as
// numbers, and before any other component; the others byte by byte. A
// missing or empty component counts as 0.
int CompareVersions(const std::string& left, const std::string& right);
