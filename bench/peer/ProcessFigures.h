// What /proc tells about a measured process: resident and proportional memory, CPU time.
#pragma once

#include <sys/types.h>

namespace peer {

long ResidentKb(pid_t pid);      // VmRSS
long ProportionalKb(pid_t pid);  // Pss of smaps_rollup
double CpuSeconds(pid_t pid);    // user plus system

}  // namespace peer
