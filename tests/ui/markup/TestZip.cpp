// Test helpers: ZIP archives written with minizip, and whole files.
#include "TestZip.h"

#include <stdlib.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace testzip {

bool WriteZip(const std::string& strPath, const Entries& entries, bool bDeflate) {
    zipFile hZip = zipOpen64(strPath.c_str(), APPEND_STATUS_CREATE);
    if (hZip == nullptr)
        return false;
    bool bOk = true;
    for (const auto& entry : entries) {
        zip_fileinfo info = {};
        bOk = bOk &&
              zipOpenNewFileInZip(hZip, entry.first.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                  bDeflate ? Z_DEFLATED : 0, Z_DEFAULT_COMPRESSION) == ZIP_OK &&
              zipWriteInFileInZip(hZip, entry.second.data(), unsigned(entry.second.size())) ==
                  ZIP_OK &&
              zipCloseFileInZip(hZip) == ZIP_OK;
    }
    return zipClose(hZip, nullptr) == ZIP_OK && bOk;
}

std::string BuildZip(const Entries& entries, bool bDeflate) {
    TempDir dir;
    std::string strPath = dir.Path() + "archive.zip";
    return WriteZip(strPath, entries, bDeflate) ? ReadFile(strPath) : std::string();
}

bool WriteFile(const std::string& strPath, const std::string& strBytes) {
    std::ofstream out(strPath, std::ios::binary);
    out.write(strBytes.data(), std::streamsize(strBytes.size()));
    return bool(out);
}

std::string ReadFile(const std::string& strPath) {
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TempDir::TempDir() {
    std::string strTemplate = (std::filesystem::temp_directory_path() / "lumora-XXXXXX").string();
    if (mkdtemp(strTemplate.data()) != nullptr)
        m_strPath = strTemplate + "/";
}

TempDir::~TempDir() {
    if (!m_strPath.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(m_strPath, ec);
    }
}

}  // namespace testzip
