// Which texts the shell agrees to open.
#pragma once

namespace platform::shell {

// True for "http://" or "https://" (scheme letters in any case) followed by
// at least one byte, with no control character anywhere.
bool IsOpenableUrl(const char* pstrUrl);

// True for a null verb and for "open".
bool IsOpenVerb(const char* pstrVerb);

}  // namespace platform::shell
