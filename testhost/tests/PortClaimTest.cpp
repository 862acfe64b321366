// The tests' claim of a fixed port: taken in turn within a network namespace, never waited for
// across namespaces, and a test that waits in vain names the holder.

#include "testhost/testing/PortClaim.h"

#include "platform/testing/HoldInChild.h"
#include "testhost/testing/ClaimedHost.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/wait.h>

namespace {

using namespace testhost;

// Only lock files are involved; the numbers are never bound. Each test has its own, as CTest
// runs them side by side.
constexpr std::uint16_t kWaitedPort = 61998;
constexpr std::uint16_t kNamespacePort = 61999;

void EndChild(pid_t child)
{
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

TEST(PortClaim, ATestThatWaitsInVainNamesTheHolderAndFailsAfterItsTime)
{
    const pid_t holder = platform::HoldInChild([](const auto& ready) {
        PortClaim claim(kWaitedPort, 0);
        ready(claim.IsHeld());
    });
    ASSERT_GT(holder, 0);
    const auto start = std::chrono::steady_clock::now();
    {
        PortClaim waiting(kWaitedPort, 300);
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_FALSE(waiting.IsHeld());
        EXPECT_GE(waited, std::chrono::milliseconds(300));
        EXPECT_LT(waited, std::chrono::seconds(5));
        const std::string& failure = waiting.Failure();
        EXPECT_NE(failure.find("port 61998 is still claimed after 300 ms by pid " + std::to_string(holder) +
                               ", testhost_tests "
                               "PortClaim.ATestThatWaitsInVainNamesTheHolderAndFailsAfterItsTime"),
                  std::string::npos)
            << failure;
    }
    EndChild(holder);
    PortClaim after(kWaitedPort, 0);
    EXPECT_TRUE(after.IsHeld());
    EXPECT_EQ(after.Failure(), "");
}

TEST(PortClaim, AClaimInAnotherNetworkNamespaceIsNotWaitedFor)
{
    const pid_t elsewhere = platform::HoldInChild([](const auto& ready) {
        if (::unshare(CLONE_NEWNET) != 0)
            ready(false);
        PortClaim claim(kNamespacePort, 0);
        ready(claim.IsHeld());
    });
    if (elsewhere < 0)
        GTEST_SKIP() << "no network namespace of its own could be made here";
    PortClaim here(kNamespacePort, 0);
    EXPECT_TRUE(here.IsHeld()) << here.Failure();
    EndChild(elsewhere);
}

TEST(ClaimedHost, APortInUseOutsideTheClaimIsNamed)
{
    TestHost other;
    ASSERT_NE(other.Port(), 0);
    {
        ClaimedHost host(other.Port(), 0);
        EXPECT_FALSE(host.Listening());
        EXPECT_EQ(host.Failure(),
                  "cannot listen on port " + std::to_string(other.Port()) + ": Address already in use");
    }
    std::remove(PortClaim::LockPath(other.Port()).c_str()); // its number differs from run to run
}

} // namespace
