// Clipboard text (UTF-8) pasted into a measured-value grid at any cell, then recomputed. The
// first byte chooses the grid and the column, the next two the row (also outside the grid).
#include "fuzz/FuzzInput.h"
#include "fuzz/dynalyt/DynalytFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::FuzzUnit fuzzUnit;
    dynalyt::MainUnit& unit = fuzzUnit.unit;
    FuzzInput input(data, size);
    const uint8_t where = input.Byte();
    dynalyt::TextGrid& grid = (where & 0x80) ? unit.fMain.m_ausr : unit.fMain.m_beschl;
    const int leftCol = static_cast<int8_t>(where << 1) / 2;
    const int topRow = static_cast<int16_t>(input.Byte() << 8 | input.Byte());
    const std::string_view text = input.Rest();
    const QString clipboard = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    dynalyt::MainUnit::PasteIntoGrid(grid, leftCol, topRow, clipboard);

    // A pasted cell holds a piece of the clipboard text, untrimmed and unconverted.
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int col = 0; col < grid.ColCount(); ++col)
            FUZZ_CHECK(clipboard.contains(grid.Cell(col, row)));
    }
    fuzz::Recompute(unit);
    return 0;
}
