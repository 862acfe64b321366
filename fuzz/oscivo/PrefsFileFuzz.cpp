// Prefs.cfg in either of its forms: the input is read as the file; the preferences it gives lie
// within what the program can use, and, written as the program writes them at its close, read
// back unchanged.

#include "fuzz/FuzzCheck.h"
#include "fuzz/oscivo/OscivoFuzz.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/PrefsFile.h"

#include <QDir>

#include <tuple>

namespace {

constexpr ScreenSize kScreen = {1600, 1200};

auto Preferences()
{
    return std::tuple(g_crBackColor, g_crGridColor, g_crLineColor, g_nThickness, g_bAutorun, g_bShowUnits,
                      g_bShowZeros, g_bSaveWindowSize, g_nPrefWidth, g_nPrefHeight, g_nMaxMileage,
                      g_nMaxConsumption, g_nFuelHistoryDepth);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString prefs = QDir(oscivofuzz::FreshStart()).filePath(QStringLiteral("Scaling/Prefs.cfg"));
    oscivofuzz::WriteFile(prefs, oscivofuzz::Bytes(data, size));
    LoadPrefs(kScreen);
    FUZZ_CHECK(g_nThickness >= 0 && g_nThickness <= 10);
    FUZZ_CHECK(g_nMaxMileage >= 1 && g_nMaxMileage <= 1000 && g_nMaxConsumption >= 1 &&
               g_nMaxConsumption <= 1000);
    FUZZ_CHECK(g_nFuelHistoryDepth >= 1 && g_nFuelHistoryDepth <= kFuelHistorySize);
    FUZZ_CHECK(g_nPrefWidth > 0 && g_nPrefWidth <= kScreen.width && g_nPrefHeight > 0 &&
               g_nPrefHeight <= kScreen.height);

    // The window keeps the size it was given, as when the user did not resize it.
    g_nCurWidth = g_nPrefWidth;
    g_nCurHeight = g_nPrefHeight;
    const auto read = Preferences();
    FUZZ_CHECK(WritePrefsFile() == 0);
    SetDefaultPrefs();
    for (int k = 0; k < kScopeSlots; ++k) // a line colour the file lacks would keep this
        g_crLineColor[k] = 0x01000000 + k;
    LoadPrefs(kScreen);
    FUZZ_CHECK(Preferences() == read);
    oscivofuzz::CheckFilesStayInFolders();
    return 0;
}
