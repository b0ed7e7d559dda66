// Where the time of one transfer went: name lookup, connect, TLS handshake, wait for the first
// byte.
#pragma once

// Each value is the length of its own phase in milliseconds, not libcurl's
// running total from the start; -1 when the transfer never reached the phase.
// tlsMs is -1 for a plain HTTP transfer.
struct HttpPhaseTimes {
    int lookupMs = -1;
    int connectMs = -1;
    int tlsMs = -1;
    int firstByteMs = -1;  // from the end of the set-up to the first byte of the answer
    int totalMs = -1;

    bool operator==(const HttpPhaseTimes&) const = default;
};
