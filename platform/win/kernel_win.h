// Kernel services on Windows: the real API, with the program's code page 936
// converted where text reaches the system, and the project's own extras.
#pragma once

#include <io.h>

#include <string>

#include "platform/win/windows_api.h"

// The system reads narrow text in its own code page; these take and give
// code page 936 whatever that is.
#define CharNextA LumoraCharNextA
#define IsDBCSLeadByte LumoraIsDBCSLeadByte
#define GetModuleFileNameA LumoraGetModuleFileNameA
#define GetTempPathA LumoraGetTempPathA
#define OutputDebugStringA LumoraOutputDebugStringA
#define _access LumoraAccess
#define GetFileVersionInfoSizeA LumoraGetFileVersionInfoSizeA
#define GetFileVersionInfoA LumoraGetFileVersionInfoA

LPSTR LumoraCharNextA(LPCSTR lpsz);
BOOL LumoraIsDBCSLeadByte(BYTE TestChar);
// As GetModuleFileNameA, the path in code page 936.
DWORD LumoraGetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
// As GetTempPathA, the path in code page 936, ending in a backslash.
DWORD LumoraGetTempPathA(DWORD nBufferLength, LPSTR lpBuffer);
// To the debugger and, in UTF-8 and in one write, to standard error.
void LumoraOutputDebugStringA(LPCSTR lpOutputString);
int LumoraAccess(const char* pstrPath, int nMode);
DWORD LumoraGetFileVersionInfoSizeA(LPCSTR lptstrFilename, LPDWORD lpdwHandle);
BOOL LumoraGetFileVersionInfoA(LPCSTR lptstrFilename, DWORD dwHandle, DWORD dwLen, LPVOID lpData);

namespace platform {

// Converts between code page 936 and UTF-8 at the platform's edges.
std::string AnsiToUtf8(const char* text);
std::string Utf8ToAnsi(const char* text);
// Code page 936 (or UTF-8) to UTF-16 for the system's wide functions.
std::wstring AnsiToWide(const char* text, int nLength = -1);
std::wstring Utf8ToWide(const char* text);
std::string WideToAnsi(const wchar_t* text, int nLength = -1);
// The length of text's longest start of at most nMax bytes that ends on a
// character boundary of code page 936.
size_t CharBoundaryPrefix(const std::string& text, size_t nMax);

}  // namespace platform

// Defined by the program; the C runtime's entry calls it.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd);
