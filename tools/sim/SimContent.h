// What every simulated host serves besides its own behaviour, shared read-only while running.
#pragma once

#include <string>
#include <vector>

#include "tools/sim/SimAssets.h"
#include "tools/sim/StopSignal.h"

struct SimContent {
    SimAssets assets;
    std::string qrJpegPath;
    std::string qrPngPath;
    std::string mobilePath;  // the paths of the two download addresses
    std::string mobileGjPath;
    std::string announcedVersion;
    // The line hosts the line query announces, with their bound ports.
    std::vector<std::string> lineUrls;
    // Wakes handlers that delay or hang when the simulator stops.
    mutable CStopSignal stop;
};
