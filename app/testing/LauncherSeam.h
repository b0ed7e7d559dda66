// Test seams of the launcher: its clock, its seed line host and the update gate's actions.
#pragma once

#include <string>

#include "platform/win32_types.h"

namespace seam {

// The millisecond clock the client page spaces QR requests with; by default,
// and when null, GetTickCount.
void SetClock(DWORD (*pfnTicks)());
void ResetClock();

// Start-up seeds the line list with this one host instead of the built-in
// seed; an empty URL keeps the built-in seed.
void SetSeedHost(const std::string& strUrl);
void ResetSeedHost();

// What the update gate does besides checking: the OK-only prompt (1 when OK
// was pressed), opening the download address and ending the process; and the
// manifest it asks (the built-in update server). Each setter replaces one (a
// null action or an empty URL is the built-in one); ResetUpdateGate restores all four.
void SetUpdatePrompt(int (*pfnPrompt)(const std::string& strText, const std::string& strTitle));
void SetUpdateOpener(void (*pfnOpenUrl)(const std::string& strUrl));
void SetUpdateExit(void (*pfnExit)(int nCode));
void SetUpdateManifestUrl(const std::string& strUrl);
void ResetUpdateGate();

}  // namespace seam
