// The connection check and the answer tests can force.
#include <gtest/gtest.h>

#include "platform/wininet.h"

TEST(ConnectionState, ForcedAnswersAndTheirFlags) {
    DWORD flags = 0;
    platform::SetConnectedStateOverride(0);
    EXPECT_FALSE(InternetGetConnectedState(&flags, 0));
    EXPECT_EQ(flags, DWORD(INTERNET_CONNECTION_OFFLINE));
    platform::SetConnectedStateOverride(1);
    EXPECT_TRUE(InternetGetConnectedState(&flags, 0));
    EXPECT_NE(flags & INTERNET_CONNECTION_LAN, 0u);
    EXPECT_TRUE(InternetGetConnectedState(nullptr, 0));
    platform::SetConnectedStateOverride(-1);
}

TEST(ConnectionState, MachineAnswerAgreesWithItsFlags) {
    DWORD flags = 0;
    BOOL connected = InternetGetConnectedState(&flags, 0);
    EXPECT_EQ(connected != FALSE, (flags & INTERNET_CONNECTION_LAN) != 0);
    EXPECT_EQ(connected == FALSE, (flags & INTERNET_CONNECTION_OFFLINE) != 0);
}
