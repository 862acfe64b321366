// The program as a process: it has no instance lock, so a second start runs beside the first.
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString ProgramPath()
{
    return QStringLiteral(TOOLSET_PROGRAM_DYNALYT);
}

TEST(Program, StartedTwiceRunsTwice)
{
    QProcess first;
    QProcess second;
    for (QProcess* p : {&first, &second}) {
        p->setProgram(ProgramPath());
        p->start();
        ASSERT_TRUE(p->waitForStarted(10000));
    }
    // Wide margin: both must still be running well after their start-up.
    QThread::msleep(1500);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(second.state(), QProcess::Running);
    for (QProcess* p : {&first, &second}) {
        p->kill();
        p->waitForFinished(10000);
    }
}

} // namespace
