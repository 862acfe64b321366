// Whatever the user types into the form (UTF-8 text): recomputed, saved and read back. The
// fourteen inputs come first, each ended by a byte 0x1F; then the grid cells, a line per row with
// ";" between the cells, the acceleration run up to a line "-", the coast-down run after it.
#include "fuzz/dynalyt/DynalytFuzz.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzUnit fuzzUnit;
    dynalyt::MainUnit& unit = fuzzUnit.unit;
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList parts = typed.split(u'\x1f');
    for (int i = 0; i < dynalyt::InputEditCount && i < parts.size(); ++i)
        unit.fMain.edits[i] = parts[i];
    if (parts.size() > dynalyt::InputEditCount) {
        dynalyt::TextGrid* grid = &unit.fMain.m_beschl;
        int row = 0;
        for (const QString& line : parts[dynalyt::InputEditCount].split(u'\n')) {
            if (line == QStringLiteral("-") && grid == &unit.fMain.m_beschl) {
                grid = &unit.fMain.m_ausr;
                row = 0;
                continue;
            }
            const QStringList cells = line.split(u';');
            for (int col = 0; col < cells.size(); ++col)
                grid->SetCell(col, row, cells[col]);
            ++row;
        }
    }
    fuzz::Recompute(unit);
    fuzz::CheckSaveReadsBack(unit);
    return 0;
}
