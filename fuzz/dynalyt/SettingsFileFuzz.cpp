// The settings file beside the program: read, recomputed with the inputs it sets, and a small log
// imported with its import settings.
#include "fuzz/dynalyt/DynalytFuzz.h"

namespace {

// A log as the host writes it, with the standard column texts: a run up and a coast-down.
constexpr char kLog[] = "Dienstag,10,Dezember,2026,19:21:33:0100\r\n,,Group A:,'005\r\n"
                        "MARKE,STAMP, /min, km/h,STAMP,\r\n"
                        ",1.0,2000,40,0.1\r\n,1.5,2500,45,0.1\r\n,2.0,3000,50,0.1\r\n"
                        ",2.5,3500,55,0.1\r\n,3.0,3900,59,0.1\r\n,3.5,3800,57,0.1\r\n"
                        ",4.0,3700,54,0.1\r\n,4.5,3600,47,0.1\r\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzUnit fuzzUnit;
    dynalyt::MainUnit& unit = fuzzUnit.unit;
    unit.ReadSettingsFile(fuzz::ScratchFile(QStringLiteral("dynalyt.ini"), data, size));
    unit.z_trennerChange();
    fuzz::Recompute(unit);
    if (unit.ImportSettingsComplete()) {
        unit.ImportLog(fuzz::ScratchFile(QStringLiteral("log.csv"), reinterpret_cast<const uint8_t*>(kLog),
                                         sizeof kLog - 1));
        fuzz::Recompute(unit);
    }
    return 0;
}
