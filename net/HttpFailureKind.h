// What kind of failure a request status stands for, so callers can say it in words.
#pragma once

enum class HttpFailureKind {
    None,        // HTTP status 200 to 299
    HttpStatus,  // an answer with another HTTP status
    TimedOut,
    Refused,
    NameLookup,
    Certificate,  // the TLS handshake failed
    Reset,        // the peer dropped the connection
    Other,        // any other transfer error
};

// status as HttpGet reports it: an HTTP code, or a libcurl error code below 100.
HttpFailureKind GetHttpFailureKind(int status);
