// The simulator's default profile and the names of its behaviours.
#include "tools/sim/SimProfile.h"

namespace {

struct BehaviourName {
    SimProbeBehaviour behaviour;
    const char* name;
};
const BehaviourName BEHAVIOUR_NAMES[] = {
    {SimProbeBehaviour::Ok, "ok"},
    {SimProbeBehaviour::Status, "status"},
    {SimProbeBehaviour::NoMarkers, "nomarkers"},
    {SimProbeBehaviour::Hang, "hang"},
    {SimProbeBehaviour::Reset, "reset"},
};

struct QueryName {
    SimQueryMode mode;
    const char* name;
};
const QueryName QUERY_NAMES[] = {
    {SimQueryMode::Ok, "ok"},
    {SimQueryMode::Status500, "status500"},
    {SimQueryMode::CodeZero, "code0"},
    {SimQueryMode::EmptyArray, "empty"},
    {SimQueryMode::Malformed, "malformed"},
};

SimHostConfig Host(int port, int latencyMs, SimProbeBehaviour behaviour, int status = 200) {
    SimHostConfig host;
    host.port = port;
    host.probeLatencyMs = latencyMs;
    host.behaviour = behaviour;
    host.status = status;
    return host;
}

}  // namespace

SimProfile SimProfile::Default() {
    SimProfile profile;
    // The seed answers slowly, so the speed test moves it behind the lines.
    profile.seed = Host(18400, 1900, SimProbeBehaviour::Ok);
    profile.lines = {
        Host(18401, 80, SimProbeBehaviour::Ok),            // fast: green bar
        Host(18402, 950, SimProbeBehaviour::Ok),           // yellow bar
        Host(18403, 1600, SimProbeBehaviour::Ok),          // red bar
        Host(18404, 150, SimProbeBehaviour::Status, 500),  // usable, but not status 200
        Host(18405, 50, SimProbeBehaviour::NoMarkers),     // answers, but not the probe
        Host(18406, 0, SimProbeBehaviour::Hang),           // runs into the probe's limit
        Host(18407, 0, SimProbeBehaviour::Reset),          // resets the connection
    };
    profile.updatePort = 18443;
    return profile;
}

SimProfile SimProfile::WithEphemeralPorts() const {
    SimProfile profile = *this;
    profile.seed.port = 0;
    for (SimHostConfig& line : profile.lines)
        line.port = 0;
    profile.updatePort = 0;
    return profile;
}

const char* SimProbeBehaviourName(SimProbeBehaviour behaviour) {
    for (const BehaviourName& entry : BEHAVIOUR_NAMES)
        if (entry.behaviour == behaviour)
            return entry.name;
    return "?";
}

const char* SimQueryModeName(SimQueryMode mode) {
    for (const QueryName& entry : QUERY_NAMES)
        if (entry.mode == mode)
            return entry.name;
    return "?";
}

bool ParseSimProbeBehaviour(const std::string& text, SimProbeBehaviour& out) {
    for (const BehaviourName& entry : BEHAVIOUR_NAMES)
        if (text == entry.name) {
            out = entry.behaviour;
            return true;
        }
    return false;
}

bool ParseSimQueryMode(const std::string& text, SimQueryMode& out) {
    for (const QueryName& entry : QUERY_NAMES)
        if (text == entry.name) {
            out = entry.mode;
            return true;
        }
    return false;
}
