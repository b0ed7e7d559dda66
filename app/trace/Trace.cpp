// Formats trace lines and hands each to OutputDebugStringA in one call.
#include "app/trace/Trace.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/kernel.h"

namespace {

std::string FormatV(const char* fmt, va_list args) {
    va_list measure;
    va_copy(measure, args);
    int n = std::vsnprintf(nullptr, 0, fmt, measure);
    va_end(measure);
    if (n <= 0)
        return std::string();
    std::string text(size_t(n) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), fmt, args);
    text.resize(size_t(n));
    return text;
}

std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string text = FormatV(fmt, args);
    va_end(args);
    return text;
}

}  // namespace

void TraceDebug(const char* function, const char* file, int line, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    std::string message = FormatV(fmt, args);
    va_end(args);
    std::string traceLine = Format("%s(%s[%d]) - %s\n", function, file, line, message.c_str());
    OutputDebugStringA(traceLine.c_str());
}

std::string QualifiedFunctionName(const char* prettyFunction) {
    std::string name(prettyFunction);
    size_t paren = name.find('(');
    if (paren != std::string::npos)
        name.resize(paren);
    size_t space = name.rfind(' ');
    if (space != std::string::npos)
        name.erase(0, space + 1);
    while (!name.empty() && (name[0] == '*' || name[0] == '&'))
        name.erase(0, 1);
    return name;
}
