// Starting a program that outlives nothing of ours: detached, reaped, no shell.
#pragma once

namespace platform::shell {

// Runs pstrProgram (looked up on PATH when it has no slash) with pstrArg as
// its one argument, in its own session, as a grandchild that init adopts; the
// intermediate child is reaped before returning, so no zombie stays behind.
// The program gets standard output and error but no other descriptor of ours.
// Returns 0 once the program runs, or the errno of what failed (fork, exec).
int SpawnDetached(const char* pstrProgram, const char* pstrArg);

}  // namespace platform::shell
