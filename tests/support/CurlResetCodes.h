// The libcurl codes a request may end with when the peer resets the connection.
#pragma once

namespace testsupport {

// Which one depends on when the reset lands: connect failed (7), empty
// reply (52), send error (55) or receive error (56).
inline bool IsResetCode(int status) {
    return status == 7 || status == 52 || status == 55 || status == 56;
}

}  // namespace testsupport
