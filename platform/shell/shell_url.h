// Which texts the shell agrees to open.
#pragma once

namespace platform::shell {

// True for "http://" or "https://" (scheme letters in any case) followed by
// at least one byte, with no control character anywhere.
bool IsOpenableUrl(const char* pstrUrl);

// True for a null verb and for "open".
bool IsOpenVerb(const char* pstrVerb);

// Traces "ShellExecuteA: <what> [<file>]".
void TraceShell(const char* pstrWhat, const char* pstrFile);

// True when the shell may open the file with the verb; a refusal is traced.
bool AdmitOpen(const char* pstrVerb, const char* pstrFile);

}  // namespace platform::shell
