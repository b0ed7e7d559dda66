// Test seams of the Linux platform: where URLs are opened and whether the machine is online.
#pragma once

// The Windows build asks the system itself; it has no seams here.
#ifndef _WIN32

namespace platform::seam {

// ShellExecuteA hands URLs to this program instead of "xdg-open"; null is the
// same as ResetShellOpenProgram.
void SetShellOpenProgram(const char* pstrPath);
void ResetShellOpenProgram();

// InternetGetConnectedState answers this instead of asking the machine.
void SetConnectedState(bool bConnected);
void ResetConnectedState();

}  // namespace platform::seam

#endif  // _WIN32
