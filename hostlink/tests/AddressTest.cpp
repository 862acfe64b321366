#include "hostlink/TelvoSocket.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

TEST(Address, PortsAreDecimalTruncatedTo16BitsOrServiceNames)
{
    EXPECT_EQ(CTelvoSocket::ParsePort("2000"), 2000);
    EXPECT_EQ(CTelvoSocket::ParsePort("70000"), 70000 & 0xFFFF);
    EXPECT_EQ(CTelvoSocket::ParsePort("80x"), 80);
    EXPECT_EQ(CTelvoSocket::ParsePort("no-such-service"), 0);
}

TEST(Address, HostsAreDottedOrLookedUp)
{
    EXPECT_EQ(CTelvoSocket::ResolveAddress("127.0.0.1"), 0x7F000001u);
    EXPECT_EQ(CTelvoSocket::ResolveAddress("localhost"), 0x7F000001u);
    EXPECT_EQ(CTelvoSocket::ResolveAddress("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(CTelvoSocket::ResolveAddress(""), 0xFFFFFFFFu);
}

TEST(Address, TheLocalHostNameMustFitWithItsTerminator)
{
    char name[260];
    errno = 0;
    EXPECT_EQ(CTelvoSocket::GetLocalHostName(nullptr, 10), FALSE);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(CTelvoSocket::GetLocalHostName(name, 0), FALSE);
    EXPECT_EQ(errno, EINVAL);
    ASSERT_EQ(CTelvoSocket::GetLocalHostName(name, sizeof name), TRUE);
    const std::size_t length = std::strlen(name);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(CTelvoSocket::GetLocalHostName(name, length), FALSE);
    EXPECT_EQ(errno, ENOBUFS);
    EXPECT_EQ(CTelvoSocket::GetLocalHostName(name, length + 1), TRUE);
}

} // namespace
