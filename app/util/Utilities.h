// Small stateless helpers the launcher reads its environment and network answers with.
#pragma once

#include <string>
#include <vector>

// Full path of the program file, in the active code page.
std::string GetExePath();
// Folder of the program file, ending in "/"; empty when the path has no "/".
std::string GetExeDir();
// The user's temporary folder, ending in "/"; empty when it has no "/".
std::string GetTempDir();
// "%d.%d.%d.%d" of the file's product version (the program's own when path
// is null), or empty when the file has no version resource.
std::string GetProductVersion(const char* path);

// Empties out, then cuts text at every occurrence of sep, left to right,
// keeping empty pieces; a trailing separator yields a last empty piece and an
// empty text yields none. Matches only at character boundaries. Returns the
// number of pieces.
int SplitString(std::vector<std::string>& out, const std::string& text, const std::string& sep);
// Replaces every occurrence of pattern, left to right, without overlap; the
// text ends at its first zero byte. An empty pattern leaves the text as it is.
std::string ReplaceAll(const std::string& text, const std::string& pattern,
                       const std::string& replacement);
// Removes space, tab, carriage return and line feed from both ends; null gives "".
std::string TrimString(const char* text);
// UTF-8 to the active code page; characters it lacks become "?". Null gives "".
std::string Utf8ToAnsi(const char* text);

// Decodes standard Base64, skipping every byte outside the alphabet. With a
// null output it only measures. *capacity receives the decoded length; the
// result is 1 when everything fitted and was written, else 0.
int Base64Decode(int length, const unsigned char* input, unsigned char* output, int* capacity);
// XOR with PTLINE_XOR_KEY, repeating; the result ends at its first zero byte.
// The same call scrambles and descrambles.
std::string XorDecode(const char* input);

extern const char PTLINE_XOR_KEY[];
