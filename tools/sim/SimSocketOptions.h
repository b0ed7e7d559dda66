// Listening-socket options of the simulator's servers.
#pragma once

#include <sys/socket.h>

// Address reuse for quick restarts, but no port sharing (the server library's
// default), so a second simulator on a busy port fails instead of splitting
// the traffic.
inline void SimSocketOptions(int sock) {
    int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
}
