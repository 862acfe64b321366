// A measurement file in the program's own layout: read, recomputed, saved and read back.
#include "fuzz/dynalyt/DynalytFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzUnit fuzzUnit;
    dynalyt::MainUnit& unit = fuzzUnit.unit;
    FUZZ_CHECK(unit.LoadMeasurement(fuzz::ScratchFile(QStringLiteral("measurement.dym"), data, size)));
    fuzz::Recompute(unit);
    fuzz::CheckSaveReadsBack(unit);
    return 0;
}
