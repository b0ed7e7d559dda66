// Kernel services: module, paths, time, code pages, debug output, version info, resources.
#pragma once

#ifdef _WIN32
// The real API, with the project's own extras.
#include "platform/win/kernel_win.h"
#else

#include <string>

#include "platform/win32_types.h"

// --- errors ---------------------------------------------------------------
DWORD GetLastError();
void SetLastError(DWORD dwErrCode);

// --- module and paths -------------------------------------------------------
// The program itself is the only module; its handle is stable for the process.
HMODULE GetModuleHandleA(LPCSTR lpModuleName);
// The program file's path in the active code page. Truncates like the original:
// copies nSize - 1 characters, terminates, returns nSize and sets
// ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
// TMPDIR, else "/tmp/", always ending in "/". Returns the length without the
// terminator, or the size needed (with terminator) when the buffer is too small.
DWORD GetTempPathA(DWORD nBufferLength, LPSTR lpBuffer);

// --- time -------------------------------------------------------------------
// Milliseconds on a monotonic clock; wraps like a 32-bit counter.
DWORD GetTickCount();
void Sleep(DWORD dwMilliseconds);

// --- threads ----------------------------------------------------------------
// The calling thread's id as the kernel numbers threads; message queues and
// windows belong to a thread by this id.
DWORD GetCurrentThreadId();

// --- code pages -------------------------------------------------------------
#define CP_ACP 0
#define CP_UTF8 65001
#define CP_GBK 936
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_NO_BEST_FIT_CHARS 0x00000400

UINT GetACP();
BOOL IsDBCSLeadByte(BYTE TestChar);
LPSTR CharNextA(LPCSTR lpsz);
// cbMultiByte == -1 converts up to and including the terminator. cchWideChar ==
// 0 only measures. Returns the number of UTF-16 units written (or needed), 0 on
// failure.
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar);
// Characters code page 936 lacks become the default character ("?" unless one
// is given); *lpUsedDefaultChar reports whether that happened.
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        LPBOOL lpUsedDefaultChar);

// --- files ------------------------------------------------------------------
// As the C runtime's: mode 0 asks whether the path exists, 2 whether it can be
// written, 4 read, 6 both. 0 when it holds, else -1 with errno set (EINVAL
// for a null path or another mode). The path is in the active code page.
int _access(const char* pstrPath, int nMode);

// --- debug output -----------------------------------------------------------
// One write to standard error per call, converted to UTF-8, so lines written
// by concurrent threads never mix.
void OutputDebugStringA(LPCSTR lpOutputString);

// --- version info -----------------------------------------------------------
#define VS_FFI_SIGNATURE 0xFEEF04BDu
struct VS_FIXEDFILEINFO {
    DWORD dwSignature;
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};

// Only the program file carries a version resource (its product version is a
// build setting); any other file has none and these return 0 / FALSE.
DWORD GetFileVersionInfoSizeA(LPCSTR lptstrFilename, LPDWORD lpdwHandle);
BOOL GetFileVersionInfoA(LPCSTR lptstrFilename, DWORD dwHandle, DWORD dwLen, LPVOID lpData);
BOOL VerQueryValueA(LPCVOID pBlock, LPCSTR lpSubBlock, LPVOID* lplpBuffer, UINT* puLen);

// --- embedded resources -----------------------------------------------------
// Blobs linked into the program register themselves at static initialisation
// (see LUMORA_EMBED_RESOURCE below); FindResourceA looks them up by type and id.
HRSRC FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);
LPVOID LockResource(HGLOBAL hResData);

namespace platform {

// Registers a blob as resource (type, id) of the program. Returns true so it
// can initialise a static. A later registration of the same pair wins.
bool RegisterEmbeddedResource(const char* type, WORD id, const void* data, size_t size);

// Converts between the active code page and UTF-8 at the platform's edges
// (paths, standard error, fonts, window titles).
std::string AnsiToUtf8(const char* text);
std::string Utf8ToAnsi(const char* text);

}  // namespace platform

// --- entry ------------------------------------------------------------------
// Defined by the program; the platform's main() calls it with the module handle.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);

#endif  // _WIN32
