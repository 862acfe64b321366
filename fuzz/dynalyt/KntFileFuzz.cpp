// A measurement file in the foreign layout: read and recomputed.
#include "fuzz/dynalyt/DynalytFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzUnit fuzzUnit;
    dynalyt::MainUnit& unit = fuzzUnit.unit;
    FUZZ_CHECK(unit.LoadMeasurement(fuzz::ScratchFile(QStringLiteral("measurement.knt"), data, size)));
    fuzz::Recompute(unit);
    return 0;
}
