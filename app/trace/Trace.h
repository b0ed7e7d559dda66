// The one-line diagnostic trace on the debug output channel.
#pragma once

#include <string>

// Writes "function(file[line]) - message\n"; the message is formatted from
// fmt and the arguments into a string of any length. Safe on any thread.
void TraceDebug(const char* function, const char* file, int line, const char* fmt, ...)
    __attribute__((format(printf, 4, 5)));

// "CMainFrame::GetPtLine" out of a compiler's pretty function name.
std::string QualifiedFunctionName(const char* prettyFunction);

#define TRACE_DEBUG(...) \
    TraceDebug(QualifiedFunctionName(__PRETTY_FUNCTION__).c_str(), __FILE__, __LINE__, __VA_ARGS__)
