// The process-wide source of skin documents and images.
#pragma once

#include "platform/win32_types.h"
#include "ui/core/UIResName.h"
#include "ui/core/UIString.h"
#include "ui/markup/SkinBuffer.h"

namespace Orvik {

class CZipArchive;

// Serves documents and images by name from the skin folder, or from one ZIP
// archive that takes the folder's place: a file inside the skin folder
// (archive name = its file name) or bytes in memory (archive name
// "membuffer"). Set up on the UI thread before any window is built.
class CSkinStore {
public:
    // Documents larger than this are refused.
    static constexpr DWORD MAX_DOCUMENT_SIZE = 4194304;
    // The archive name of the in-memory archive.
    static constexpr const char* MEMORY_ARCHIVE = "membuffer";

    // The module whose embedded resources are read.
    static void SetProgramModule(HINSTANCE hInstance);
    static HINSTANCE GetProgramModule();
    // The program file's folder with its trailing separator; "" without a module.
    static CUIString GetProgramFolder();
    // A non-empty path not ending in "/" or "\" gets "/" appended.
    static void SetSkinPath(const char* pstrPath);
    static const CUIString& GetSkinPath();

    // Switches to the archive file skin path + name ("" = folder mode). With
    // bCache the archive is opened now and stays open; without, every read
    // opens it anew. Nothing happens when name and flag are unchanged.
    static void OpenArchiveFile(const char* pstrName, bool bCache = true);
    // Switches to an archive over the caller's bytes, which must outlive it.
    // Nothing happens while the store already reads from memory.
    static void OpenArchiveMemory(const BYTE* pData, DWORD dwSize);
    static const CUIString& GetArchiveName();
    static bool IsArchiveCached();
    // The open archive, or null.
    static CZipArchive* GetArchive();

    // The bytes of one skin document. On failure pstrError is one of "Error
    // opening file", "File is empty", "File too large", "Could not read
    // file", "Error opening zip file", "Could not find ziped file", "Could
    // not unzip file".
    static bool ReadDocument(const char* pstrName, CSkinBuffer& data, const char*& pstrError);
    // The bytes of one image: an embedded resource when a type is given,
    // otherwise the skin folder or archive; then the name as a plain path.
    static bool ReadImageData(CUIResName name, const char* pstrType, CSkinBuffer& data);
    // The program's embedded resource, without a copy; false when it is
    // missing or empty.
    static bool FindResourceData(CUIResName name, const char* pstrType, const BYTE*& pData,
                                 DWORD& dwSize);
};

}  // namespace Orvik
