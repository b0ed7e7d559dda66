// Whether the machine has a usable network interface.
#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

#include <atomic>

#include "platform/kernel/connection.h"
#include "platform/testing/platform_seam.h"
#include "platform/wininet.h"

namespace {

// -1: ask the machine; else the answer a test set.
std::atomic<int> g_nOverride{-1};

bool HasNonLoopbackInterface() {
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0)
        return false;
    bool found = platform::AnyUsableInterface(list);
    freeifaddrs(list);
    return found;
}

}  // namespace

bool platform::AnyUsableInterface(const ifaddrs* list) {
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        bool up = (entry->ifa_flags & IFF_UP) != 0;
        bool loopback = (entry->ifa_flags & IFF_LOOPBACK) != 0;
        // Link-layer entries exist for interfaces without any IP address.
        bool hasIp = entry->ifa_addr != nullptr && (entry->ifa_addr->sa_family == AF_INET ||
                                                    entry->ifa_addr->sa_family == AF_INET6);
        if (up && !loopback && hasIp)
            return true;
    }
    return false;
}

void platform::seam::SetConnectedState(bool bConnected) {
    g_nOverride = bConnected ? 1 : 0;
}

void platform::seam::ResetConnectedState() {
    g_nOverride = -1;
}

BOOL InternetGetConnectedState(LPDWORD lpdwFlags, DWORD /*dwReserved*/) {
    int forced = g_nOverride;
    bool connected = forced >= 0 ? forced == 1 : HasNonLoopbackInterface();
    if (lpdwFlags != nullptr) {
        *lpdwFlags = connected ? INTERNET_CONNECTION_LAN | INTERNET_CONNECTION_CONFIGURED
                               : INTERNET_CONNECTION_OFFLINE;
    }
    return connected ? TRUE : FALSE;
}
