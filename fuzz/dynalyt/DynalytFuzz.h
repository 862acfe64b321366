#pragma once
// What the power program's fuzz targets share: a unit whose form ignores its messages, scratch
// files for the readers that take a file name, and the invariants of what the program shows and
// saves.

#include "dynalyt/core/MainUnit.h"
#include "dynalyt/core/NumberFormat.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/ScratchDir.h"
#include "platform/Codec1252.h"

#include <QFile>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace fuzz {

class QuietActions : public dynalyt::IFormActions {
public:
    void ShowMessage(const QString&) override {}
    void ShowError(const QString&) override {}
    void ShowPage(dynalyt::Page) override {}
    void FocusEdit(dynalyt::InputEdit) override {}
};

struct FuzzUnit {
    QuietActions actions;
    dynalyt::MainUnit unit{actions};
};

// A file of that name in the process's scratch folder, holding the bytes.
inline QString ScratchFile(const QString& name, const uint8_t* data, std::size_t size)
{
    QString path = ScratchDir().filePath(name);
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
               static_cast<qint64>(size));
    return path;
}

inline bool ShowsNoNumber(const QString& text)
{
    return !text.contains(QStringLiteral("inf"), Qt::CaseInsensitive) &&
           !text.contains(QStringLiteral("nan"), Qt::CaseInsensitive);
}

// Recomputes as the form does: a filled result table holds finite values only, whatever the
// chain did the diagram holds finite values only, and no shown text reads "inf" or "nan".
inline void Recompute(dynalyt::MainUnit& unit)
{
    if (unit.TabsChange() == dynalyt::ChainResult::Filled) {
        for (const dynalyt::ResultRow& r : unit.ResultRows) {
            for (double value : {r.kmh, r.tAcc, r.tCoast, r.rpm, r.v, r.E, r.pAcc, r.pDrag, r.pSum, r.pSmooth,
                                 r.pCorr, r.torque, r.g})
                FUZZ_CHECK(std::isfinite(value));
        }
    }
    const dynalyt::ChartModel& chart = unit.Chart1;
    for (const dynalyt::ChartSeries* series : {&chart.Series1, &chart.Series2, &chart.Series3}) {
        for (const dynalyt::ChartPoint& point : series->Points())
            FUZZ_CHECK(std::isfinite(point.x) && std::isfinite(point.y));
    }
    for (const dynalyt::ChartAxis* axis : {&chart.LeftAxis, &chart.RightAxis, &chart.BottomAxis})
        FUZZ_CHECK(std::isfinite(axis->Minimum()) && std::isfinite(axis->Maximum()) &&
                   std::isfinite(axis->Increment()));
    const dynalyt::TextGrid& table = unit.fMain.a;
    for (int row = 0; row < table.RowCount(); ++row) {
        for (int col = 0; col < table.ColCount(); ++col)
            FUZZ_CHECK(ShowsNoNumber(table.Cell(col, row)));
    }
    FUZZ_CHECK(ShowsNoNumber(unit.fMain.maxps) && ShowsNoNumber(unit.fMain.maxnm) &&
               ShowsNoNumber(unit.fMain.maxg));
}

// An input as a saved measurement gives it back: line breaks as blanks, through the code page,
// blanks and control characters off both ends.
inline QString InputAsSaved(QString text)
{
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    text = platform::FromCp1252(platform::ToCp1252(text));
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 0x20)
        ++b;
    while (e > b && text[e - 1].unicode() <= 0x20)
        --e;
    return text.mid(b, e - b);
}

// Saves the unit's measurement (its last recomputation) and reads it into a new unit: the inputs
// come back as saved, the runs as the save formats them, and the recomputation of what was read
// shows finite values. The caller has recomputed the unit, as the form does before a save.
inline void CheckSaveReadsBack(dynalyt::MainUnit& unit)
{
    using dynalyt::NumberFormat;
    const QString path = ScratchFile(QStringLiteral("saved.dym"), nullptr, 0);
    FUZZ_CHECK(unit.SaveMeasurement(path));
    FuzzUnit other;
    FUZZ_CHECK(other.unit.LoadMeasurement(path));
    for (int i = 0; i < dynalyt::InputEditCount; ++i)
        FUZZ_CHECK(other.unit.fMain.edits[i] == InputAsSaved(unit.fMain.edits[i]));

    const dynalyt::TextGrid& accel = other.unit.fMain.m_beschl;
    for (std::size_t row = 0; row < unit.AccelRun.size(); ++row) {
        const dynalyt::AccelSample& s = unit.AccelRun[row];
        const int r = static_cast<int>(row);
        FUZZ_CHECK(accel.Cell(0, r) == NumberFormat.FormatFloat(s.time, 2));
        FUZZ_CHECK(accel.Cell(1, r) == NumberFormat.FormatFloat(s.rpm, 1));
        FUZZ_CHECK(accel.Cell(2, r) == NumberFormat.FormatFloat(s.speed, 2));
    }
    FUZZ_CHECK(accel.Cell(0, static_cast<int>(unit.AccelRun.size())).isEmpty());
    const std::size_t measured = unit.CoastRun.size() >= 3 ? unit.CoastRun.size() - 1 : unit.CoastRun.size();
    const dynalyt::TextGrid& coast = other.unit.fMain.m_ausr;
    for (std::size_t row = 0; row < measured; ++row) {
        const int r = static_cast<int>(row);
        FUZZ_CHECK(coast.Cell(0, r) == NumberFormat.FormatFloat(unit.CoastRun[row].time, 2));
        FUZZ_CHECK(coast.Cell(1, r) == NumberFormat.FormatFloat(unit.CoastRun[row].speed, 2));
    }
    FUZZ_CHECK(coast.Cell(0, static_cast<int>(measured)).isEmpty());
    Recompute(other.unit);
}

} // namespace fuzz
