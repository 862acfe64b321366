// The main of every test program: a runtime directory of the process's own, a Qt application
// object (offscreen unless the caller chose a platform), then the numeric locale reset as the
// programs do it. Tests of widgets get a QApplication, all others a QCoreApplication
// (TOOLSET_TEST_WIDGETS, set by the build).
#include "platform/Numbers.h"

#if TOOLSET_TEST_WIDGETS
#include <QApplication>
#else
#include <QCoreApplication>
#endif

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <system_error>

namespace {

// CTest runs every case of a program at once, each in a process of its own, and a case may start
// programs that must see the single-instance locks it holds. So each process makes a directory of
// its own under the runtime directory it was given (else under the temporary directory) and
// passes it on to the programs it starts.
std::filesystem::path MakeOwnRuntimeDir()
{
    const char* given = std::getenv("XDG_RUNTIME_DIR");
    const std::filesystem::path base = given && *given ? given : std::filesystem::temp_directory_path();
    std::string pattern = (base / "test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return {};
    ::setenv("XDG_RUNTIME_DIR", pattern.c_str(), 1);
    return pattern;
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the cases (as CTest does before running them) needs neither.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();

    const std::filesystem::path runtime = MakeOwnRuntimeDir();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int result = 0;
    {
#if TOOLSET_TEST_WIDGETS
        QApplication app(argc, argv);
#else
        QCoreApplication app(argc, argv);
#endif
        platform::ResetNumericLocale();
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    if (!runtime.empty())
        std::filesystem::remove_all(runtime, ignored);
    return result;
}
