#include "hostlink/TelvoPlugin.h"
#include "platform/testing/HoldInChild.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

// Runs a process that claims the plug-in's lock and waits; returns its id once it holds it.
pid_t StartHolder(const char* name)
{
    return platform::HoldInChild([name](const auto& ready) {
        CTelvoPlugin plugin(name);
        ready(!plugin.m_bAlreadyRunning);
    });
}

class PluginLock : public ::testing::TestWithParam<int> {};

TEST_P(PluginLock, ASecondInstanceSeesTheFirstUntilItEnds)
{
    const pid_t first = StartHolder("Sprintor");
    ASSERT_GT(first, 0);
    {
        CTelvoPlugin second("Sprintor");
        EXPECT_EQ(second.m_bAlreadyRunning, TRUE);
        CTelvoPlugin other("Verbrix");
        EXPECT_EQ(other.m_bAlreadyRunning, FALSE);
    }
    kill(first, GetParam());
    waitpid(first, nullptr, 0);
    CTelvoPlugin next("Sprintor");
    EXPECT_EQ(next.m_bAlreadyRunning, FALSE);
    EXPECT_NE(next.m_hMutex, nullptr);
}

INSTANTIATE_TEST_SUITE_P(EndedOrKilled, PluginLock, ::testing::Values(SIGTERM, SIGKILL));

TEST(PluginLock, ReleasedWhenTheApplicationObjectGoes)
{
    {
        CTelvoPlugin first("Oscivo");
        EXPECT_EQ(first.m_bAlreadyRunning, FALSE);
        CTelvoPlugin second("Oscivo");
        EXPECT_EQ(second.m_bAlreadyRunning, TRUE);
    }
    CTelvoPlugin again("Oscivo");
    EXPECT_EQ(again.m_bAlreadyRunning, FALSE);
}

} // namespace
