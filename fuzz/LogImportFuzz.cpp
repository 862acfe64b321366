// A CSV log of the host, imported with the standard column texts and the separator the first
// byte chooses, then recomputed.
#include "fuzz/DynalytFuzz.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzUnit fuzzUnit;
    dynalyt::MainUnit& unit = fuzzUnit.unit;
    FuzzInput input(data, size);
    unit.zsetzenClick();
    unit.fMain.z_trenner = input.Byte() % 4;
    unit.z_trennerChange();
    const std::string_view log = input.Rest();
    unit.ImportLog(fuzz::ScratchFile(QStringLiteral("log.csv"), reinterpret_cast<const uint8_t*>(log.data()),
                                     log.size()));
    fuzz::Recompute(unit);
    return 0;
}
