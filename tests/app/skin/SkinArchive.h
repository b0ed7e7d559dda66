// Test access to the embedded skin archive: its bytes, entry names and entries.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skintest {

// The bytes of resource "ZIPRES" 129, or an empty view when it is missing.
std::string_view ArchiveBytes();

// Entry names in directory order; empty when the bytes are not a ZIP.
std::vector<std::string> ListEntries(std::string_view zip);

// The whole uncompressed content of one entry (exact name), or nothing.
std::optional<std::string> ReadEntry(std::string_view zip, const std::string& name);

}  // namespace skintest
