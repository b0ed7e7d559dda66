// Reads the embedded skin archive through minizip over the resource's bytes.
#include "app/skin/SkinArchive.h"

#include <minizip/unzip.h>

#include <algorithm>
#include <cstring>

#include "platform/kernel.h"

namespace skintest {
namespace {

struct MemoryFile {
    std::string_view m_data;
    size_t m_nPos = 0;
};

voidpf OpenMem(voidpf opaque, const char*, int) {
    return opaque;
}

uLong ReadMem(voidpf, voidpf stream, void* buf, uLong size) {
    auto* f = static_cast<MemoryFile*>(stream);
    size_t n = std::min<size_t>(size, f->m_data.size() - f->m_nPos);
    std::memcpy(buf, f->m_data.data() + f->m_nPos, n);
    f->m_nPos += n;
    return uLong(n);
}

uLong WriteMem(voidpf, voidpf, const void*, uLong) {
    return 0;
}

long TellMem(voidpf, voidpf stream) {
    return long(static_cast<MemoryFile*>(stream)->m_nPos);
}

long SeekMem(voidpf, voidpf stream, uLong offset, int origin) {
    auto* f = static_cast<MemoryFile*>(stream);
    size_t base = origin == ZLIB_FILEFUNC_SEEK_CUR   ? f->m_nPos
                  : origin == ZLIB_FILEFUNC_SEEK_END ? f->m_data.size()
                                                     : 0;
    if (base + offset > f->m_data.size())
        return -1;
    f->m_nPos = base + offset;
    return 0;
}

int CloseMem(voidpf, voidpf) {
    return 0;
}
int ErrorMem(voidpf, voidpf) {
    return 0;
}

// An unzFile over the bytes; the MemoryFile must outlive it.
unzFile OpenZip(MemoryFile& file) {
    zlib_filefunc_def def{OpenMem, ReadMem, WriteMem, TellMem, SeekMem, CloseMem, ErrorMem, &file};
    return unzOpen2("membuffer", &def);
}

std::string CurrentName(unzFile zip) {
    unz_file_info info{};
    char name[512] = {};
    if (unzGetCurrentFileInfo(zip, &info, name, sizeof(name), nullptr, 0, nullptr, 0) != UNZ_OK)
        return {};
    return name;
}

}  // namespace

std::string_view ArchiveBytes() {
    HRSRC res = FindResourceA(nullptr, MAKEINTRESOURCEA(129), "ZIPRES");
    if (res == nullptr)
        return {};
    HGLOBAL data = LoadResource(nullptr, res);
    return {static_cast<const char*>(LockResource(data)), SizeofResource(nullptr, res)};
}

std::vector<std::string> ListEntries(std::string_view zip) {
    MemoryFile file{zip};
    std::vector<std::string> names;
    unzFile z = OpenZip(file);
    if (z == nullptr)
        return names;
    for (int rc = unzGoToFirstFile(z); rc == UNZ_OK; rc = unzGoToNextFile(z))
        names.push_back(CurrentName(z));
    unzClose(z);
    return names;
}

std::optional<std::string> ReadEntry(std::string_view zip, const std::string& name) {
    MemoryFile file{zip};
    unzFile z = OpenZip(file);
    if (z == nullptr)
        return std::nullopt;
    std::optional<std::string> out;
    unz_file_info info{};
    if (unzLocateFile(z, name.c_str(), 1) == UNZ_OK &&
        unzGetCurrentFileInfo(z, &info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK &&
        unzOpenCurrentFile(z) == UNZ_OK) {
        std::string bytes(info.uncompressed_size, '\0');
        int n = unzReadCurrentFile(z, bytes.data(), unsigned(bytes.size()));
        if (n == int(bytes.size()))
            out = std::move(bytes);
        unzCloseCurrentFile(z);
    }
    unzClose(z);
    return out;
}

}  // namespace skintest
