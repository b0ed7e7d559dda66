// Command line of lumora-sim: changes ports, latencies, failure modes and the announced version.
#pragma once

#include <string>
#include <vector>

#include "tools/sim/SimProfile.h"

enum class SimCommand { Run, Help, Error };

// Starts from SimProfile::Default(); error receives a message for Error.
SimCommand ParseSimOptions(const std::vector<std::string>& args, SimProfile& profile,
                           std::string& error);
// The text printed by --help.
std::string SimUsage();
// One line per host: role, URL, latency, behaviour, query mode.
std::string DescribeSimProfile(const SimProfile& profile);
