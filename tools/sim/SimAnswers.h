// The bodies the simulated platform answers with: line query, speed probe, manifest.
#pragma once

#include <string>
#include <vector>

#include "tools/sim/SimProfile.h"

// One line host as the line query carries it: XOR-scrambled with the
// launcher's key, then Base64. Empty when the scrambled host would hold a
// zero byte (a character equal to the key's at its position), which the
// launcher's decoder could not bring back.
std::string EncodeLineHost(const std::string& url);

// HTTP status and body of the line query for the given mode and hosts.
struct SimAnswer {
    int status = 200;
    std::string body;
};
SimAnswer BuildLineQueryAnswer(SimQueryMode mode, const std::vector<std::string>& urls);

// JSONP answer of the speed probe: the callback name, then the object.
std::string BuildProbeAnswer(const std::string& callback, bool withMarkers);

// The update manifest announcing version.
std::string BuildManifest(const std::string& version);
