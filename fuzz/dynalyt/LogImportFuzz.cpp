// A CSV log of the host, imported with the standard column texts and the separator the first
// byte chooses over runs typed before, then recomputed. A log that gives nothing to import
// leaves the typed runs as they were.
#include "fuzz/FuzzInput.h"
#include "fuzz/dynalyt/DynalytFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzUnit fuzzUnit;
    dynalyt::MainUnit& unit = fuzzUnit.unit;
    FuzzInput input(data, size);
    unit.zsetzenClick();
    unit.fMain.z_trenner = input.Byte() % 4;
    unit.z_trennerChange();
    unit.fMain.m_beschl.SetCell(0, 0, QStringLiteral("0"));
    unit.fMain.m_beschl.SetCell(1, 0, QStringLiteral("2000"));
    unit.fMain.m_ausr.SetCell(1, 0, QStringLiteral("typed"));
    const dynalyt::FormTexts typed = unit.fMain;
    const std::string_view log = input.Rest();
    const bool imported = unit.ImportLog(fuzz::ScratchFile(
        QStringLiteral("log.csv"), reinterpret_cast<const uint8_t*>(log.data()), log.size()));
    if (!imported)
        FUZZ_CHECK(unit.fMain.m_beschl == typed.m_beschl && unit.fMain.m_ausr == typed.m_ausr);
    fuzz::Recompute(unit);
    return 0;
}
