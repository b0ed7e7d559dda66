// What the local platform simulator serves: hosts, ports, latencies, failure modes, version.
#pragma once

#include <string>
#include <vector>

// How a line host answers the speed probe.
enum class SimProbeBehaviour {
    Ok,         // status 200 with the "msg" and "ok" markers
    Status,     // the markers, but with SimHostConfig::status (404, 500, ...)
    NoMarkers,  // status 200 without the markers
    Hang,       // never answers (until the simulator stops)
    Reset,      // resets every connection; the host serves nothing at all
};

// How a line host answers the line query.
enum class SimQueryMode {
    Ok,          // code 1 and every line host, followed by a further member
    Status500,   // HTTP status 500
    CodeZero,    // code 0 with the line hosts
    EmptyArray,  // code 1 with an empty array
    Malformed,   // a cut-off JSON text
};

struct SimHostConfig {
    int port = 0;  // 0 binds an ephemeral port
    // The probe's first-byte delay: the answer's headers wait this long.
    int probeLatencyMs = 0;
    // HTTPS instead of HTTP, with the handshake held back by tlsDelayMs. A
    // connect delay cannot be made on loopback from user space: the kernel
    // completes the TCP handshake before the server sees the connection.
    bool tls = false;
    int tlsDelayMs = 0;
    SimProbeBehaviour behaviour = SimProbeBehaviour::Ok;
    int status = 200;  // used by SimProbeBehaviour::Status
    SimQueryMode query = SimQueryMode::Ok;
};

struct SimProfile {
    std::string bindAddress = "127.0.0.1";
    // The seed host: the launcher's first line host and the host of the QR
    // images and the installer named in the skin.
    SimHostConfig seed;
    // The line hosts the line query announces, in this order.
    std::vector<SimHostConfig> lines;
    int updatePort = 0;  // the HTTPS update server; 0 binds an ephemeral port
    std::string announcedVersion = "1.0.6";
    // Paths served by every line host (the launcher moves the skin's QR URLs
    // onto the fastest line host).
    std::string qrJpegPath = "/static/images/client/mobile_qr.jpg";
    std::string qrPngPath = "/static/images/client/mobile_gj_qr.png";
    // What the two QR codes say: the mobile clients' download addresses. The
    // path of each is also served, as a small page, by every line host.
    std::string mobileUrl = LUMORA_MOBILE_URL;
    std::string mobileGjUrl = LUMORA_MOBILE_GJ_URL;

    // The profile a freshly built launcher expects: seed 18400, update 18443,
    // line hosts 18401-18407 with distinct latencies and behaviours.
    static SimProfile Default();
    // The same hosts and behaviours on ephemeral ports, for tests.
    SimProfile WithEphemeralPorts() const;
};

const char* SimProbeBehaviourName(SimProbeBehaviour behaviour);
const char* SimQueryModeName(SimQueryMode mode);
bool ParseSimProbeBehaviour(const std::string& text, SimProbeBehaviour& out);
bool ParseSimQueryMode(const std::string& text, SimQueryMode& out);
