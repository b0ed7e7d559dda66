// One speed-probe result, handed from a worker to the UI thread.
#pragma once

#include <string>

#include "net/HttpPhaseTimes.h"

struct PtLineTestResult {
    std::string url;          // the line host tested
    int status = -1;          // HTTP status or transfer error code; -1 before the request
    int costMs = -1;          // request time; -1 before the request
    bool ok = true;           // the answer was recognised as the probe's
    HttpPhaseTimes phases{};  // where costMs went: lookup, connect, TLS, first byte

    bool operator==(const PtLineTestResult&) const = default;
};
