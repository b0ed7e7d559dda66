// Process-wide state prepared by start-up, the start-up body, and the teardown.
#pragma once

#include <functional>
#include <string>

#include "platform/win32_types.h"

class CMainFrame;

// Folder of the program file, ending in "/", computed before the entry point.
extern const std::string g_strExeDir;

// Creates the pool if there is none yet, then makes g_lstPtLine an exact copy
// of the seed list.
void InitWorkersAndLines();
// Destroys the pool, if any: transfers in flight are cancelled (and new ones
// refused until the pool is gone) so running jobs finish at once; queued ones
// are dropped.
void ShutdownWorkers();
// The skin folder beside the program.
std::string GetDefaultSkinFolder();

// On the user-interface thread while the update check is in flight: resolves and opens the
// skin's fonts, which shows nothing and touches no window.
void WarmUpWhileWaiting();
// The update gate with the network wait overlapped: the check runs on a thread of its own
// (here when no thread can be had) while WarmUpWhileWaiting runs; the answer is acted on
// here, so no window exists before it and a newer version still shows only the prompt.
void PassUpdateGate();

// Creates the main window, centred; its creation builds the skin and queues
// the line and QR work. Null when the object or its native window cannot be
// made (nothing is left behind then).
CMainFrame* OpenMainWindow();

// Called once the main window is open, before the message loop; tests drive
// the launcher from here.
typedef std::function<void(HWND hMainWnd)> WindowOpenHook;

// Everything the entry point does after choosing the display: the store, the
// pool and the lines, the update gate, the main window, the message loop
// until the window is gone, the teardown of the pool. Returns 0 in every case.
int RunLauncher(HINSTANCE hInstance, const WindowOpenHook& onWindowOpen = WindowOpenHook());
