// Test helpers: ZIP archives written with minizip, and whole files.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace testzip {

using Entries = std::vector<std::pair<std::string, std::string>>;

// Writes the entries, in order, to a ZIP file at path (deflated or stored).
// Returns false when the writer fails.
bool WriteZip(const std::string& strPath, const Entries& entries, bool bDeflate = true);
// The whole archive as bytes, built through a temporary file; "" on failure.
std::string BuildZip(const Entries& entries, bool bDeflate = true);

bool WriteFile(const std::string& strPath, const std::string& strBytes);
std::string ReadFile(const std::string& strPath);

// A fresh directory under the system's temporary folder, removed on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    // Ends with "/".
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

}  // namespace testzip
