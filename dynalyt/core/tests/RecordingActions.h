#pragma once
// The form's side of the unit for tests: records every message, error, page switch and focus
// change in the order they were asked for.

#include "dynalyt/core/DynalytError.h"
#include "dynalyt/core/MainUnit.h"

#include <QString>
#include <QStringList>

#include <ostream>

// Readable texts in the test output.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace dynalyt::testing {

class RecordingActions : public IFormActions {
public:
    void ShowMessage(const QString& text) override
    {
        messages.append(text);
        calls.append(QStringLiteral("message:") + text);
    }
    // Errors are messages too, with the error sign.
    void ShowError(const QString& text) override
    {
        messages.append(text);
        calls.append(QStringLiteral("error:") + text);
    }
    void ShowPage(Page page) override { calls.append(QStringLiteral("page:%1").arg(static_cast<int>(page))); }
    void FocusEdit(InputEdit edit) override
    {
        calls.append(QStringLiteral("focus:%1").arg(static_cast<int>(edit)));
    }

    void Clear()
    {
        messages.clear();
        calls.clear();
    }

    QStringList messages;
    QStringList calls;
};

// A unit with its recorder.
struct UnitFixture {
    RecordingActions actions;
    MainUnit unit{actions};

    QString& Edit(InputEdit e) { return unit.fMain.Edit(e); }

    // Rows of a grid from "t;n;v" texts, from row 0 on.
    static void FillGrid(TextGrid& grid, const QStringList& rows)
    {
        for (int row = 0; row < rows.size(); ++row) {
            const QStringList cells = rows[row].split(u';');
            for (int col = 0; col < cells.size(); ++col)
                grid.SetCell(col, row, cells[col]);
        }
    }
};

} // namespace dynalyt::testing
