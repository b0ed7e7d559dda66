// Process-wide state prepared by start-up and torn down at shutdown.
#pragma once

#include <string>

class CIdleThreadManager;

// Folder of the program file, ending in "/", computed before the entry point.
extern const std::string g_strExeDir;
// The single worker pool; null before start-up and after shutdown.
extern CIdleThreadManager* g_pIdleThreadManager;

// Creates the pool if there is none yet, then makes g_lstPtLine an exact copy
// of the seed list.
void InitWorkersAndLines();
// Destroys the pool, if any: transfers in flight are cancelled (and new ones
// refused until the pool is gone) so running jobs finish at once; queued ones
// are dropped.
void ShutdownWorkers();
// The skin folder beside the program.
std::string GetDefaultSkinFolder();
