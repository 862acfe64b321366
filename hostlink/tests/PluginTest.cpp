#include "hostlink/TelvoPlugin.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs a process that claims the plug-in's lock and waits; returns its id once it holds it.
pid_t StartHolder(const char* name)
{
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        CTelvoPlugin plugin(name);
        const char state = plugin.m_bAlreadyRunning ? 'r' : 'h';
        if (write(ready[1], &state, 1) != 1)
            _exit(1);
        pause();
        _exit(0);
    }
    close(ready[1]);
    char state = 0;
    const bool got = read(ready[0], &state, 1) == 1 && state == 'h';
    close(ready[0]);
    return got ? pid : -1;
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
