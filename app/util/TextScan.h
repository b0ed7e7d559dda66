// Searching a narrow text that steps over whole double-byte characters.
#pragma once

#include <string>

// Position of the first occurrence of pattern at or after from that starts on
// a character boundary (from must be one), or npos.
size_t FindOnBoundary(const std::string& text, const std::string& pattern, size_t from);
