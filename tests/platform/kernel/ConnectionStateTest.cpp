// The connection check and the answer tests can force.
#include <gtest/gtest.h>
#include <net/if.h>
#include <sys/socket.h>

#include <vector>

#include "platform/kernel/connection.h"
#include "platform/testing/platform_seam.h"
#include "platform/wininet.h"

namespace {

struct Interface {
    unsigned flags;
    int family;  // AF_UNSPEC: no address at all
};

// Asks the rule about a made-up interface list, linked as getifaddrs links it.
bool Usable(const std::vector<Interface>& interfaces) {
    std::vector<sockaddr> addresses(interfaces.size());
    std::vector<ifaddrs> entries(interfaces.size());
    for (size_t i = 0; i < interfaces.size(); ++i) {
        addresses[i].sa_family = static_cast<sa_family_t>(interfaces[i].family);
        entries[i].ifa_flags = interfaces[i].flags;
        entries[i].ifa_addr = interfaces[i].family == AF_UNSPEC ? nullptr : &addresses[i];
        entries[i].ifa_next = i + 1 < entries.size() ? &entries[i + 1] : nullptr;
    }
    return platform::AnyUsableInterface(entries.empty() ? nullptr : entries.data());
}

}  // namespace

TEST(ConnectionState, OnlyAnUpNonLoopbackInterfaceWithAnIpAddressCounts) {
    const unsigned UP = IFF_UP, LOOP = IFF_UP | IFF_LOOPBACK;
    struct Case {
        const char* what;
        std::vector<Interface> list;
        bool usable;
    } cases[] = {
        {"no interfaces", {}, false},
        {"loopback only", {{LOOP, AF_INET}, {LOOP, AF_INET6}}, false},
        {"up with IPv4", {{LOOP, AF_INET}, {UP, AF_INET}}, true},
        {"up with IPv6 only", {{UP, AF_INET6}}, true},
        {"down with IPv4", {{0, AF_INET}}, false},
        {"up, link layer only", {{UP, AF_PACKET}}, false},
        {"up without an address", {{UP, AF_UNSPEC}}, false},
        {"the usable one last",
         {{LOOP, AF_INET}, {0, AF_INET}, {UP, AF_PACKET}, {UP, AF_INET}},
         true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Usable(c.list), c.usable) << c.what;
}

TEST(ConnectionState, ForcedAnswersAndTheirFlags) {
    DWORD flags = 0;
    platform::seam::SetConnectedState(false);
    EXPECT_FALSE(InternetGetConnectedState(&flags, 0));
    EXPECT_EQ(flags, DWORD(INTERNET_CONNECTION_OFFLINE));
    platform::seam::SetConnectedState(true);
    EXPECT_TRUE(InternetGetConnectedState(&flags, 0));
    EXPECT_NE(flags & INTERNET_CONNECTION_LAN, 0u);
    EXPECT_TRUE(InternetGetConnectedState(nullptr, 0));
    platform::seam::ResetConnectedState();
}

TEST(ConnectionState, MachineAnswerAgreesWithItsFlags) {
    DWORD flags = 0;
    BOOL connected = InternetGetConnectedState(&flags, 0);
    EXPECT_EQ(connected != FALSE, (flags & INTERNET_CONNECTION_LAN) != 0);
    EXPECT_EQ(connected == FALSE, (flags & INTERNET_CONNECTION_OFFLINE) != 0);
}
