// The file operations a download needs, on UTF-8 paths, on Linux and on Windows.
#pragma once

#include <string>

// Creates and opens a new file for writing (read-write for the owner,
// readable by others) whose path is strPath with its trailing "XXXXXX"
// replaced; returns the descriptor, or -1.
int LocalFileCreateTemp(std::string& strPath);

// Moves from over to, replacing a file already there, in one step.
bool LocalFileReplace(const std::string& from, const std::string& to);

bool LocalFileRemove(const std::string& path);

bool LocalFileIsDirectory(const std::string& path);
