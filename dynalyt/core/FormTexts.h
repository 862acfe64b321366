#pragma once
// The texts of the main form that the computation, the files and the import read and write:
// the fourteen input edits, the two measured-value grids, the import settings, the result
// grid and the maximum labels. The form shows them and writes back what the user types.

#include "dynalyt/core/RunData.h"
#include "dynalyt/core/TextGrid.h"

#include <QString>

#include <array>

namespace dynalyt {

// The input edits of page "Eingaben", in the order of the measurement file's input section.
enum class InputEdit {
    e_datum,
    e_leergew,
    e_insassengew,
    e_kraftstoffgew,
    e_sonstgew,
    e_gew,
    e_luftdr,
    e_temp,
    e_fahrzeug,
    e_serienleistung,
    e_motorkenn,
    e_modelljahr,
    e_modif,
    e_abruv,
};
inline constexpr int InputEditCount = 14;

// The pages of the page control `Tabs`, by index.
enum class Page { ts1 = 0, ts2 = 1, ts3 = 2, ts4 = 3, ts5 = 4 };

inline constexpr int GridRows = 256;  // rows of each measured-value grid
inline constexpr int ResultCols = 12; // columns of the result grid (the last stays empty)

// Items of the separator combo `z_trenner`; NoSeparatorItem when none is chosen.
inline constexpr int NoSeparatorItem = -1;

struct FormTexts {
    QString& Edit(InputEdit e) { return edits[static_cast<int>(e)]; }
    const QString& Edit(InputEdit e) const { return edits[static_cast<int>(e)]; }

    std::array<QString, InputEditCount> edits;

    TextGrid m_beschl{3, GridRows}; // acceleration run: time, engine speed, road speed
    TextGrid m_ausr{2, GridRows};   // coast-down run: time, road speed

    // Page "Einstellungen": the import settings.
    int z_trenner = NoSeparatorItem; // 0 "Komma", 1 "Semikolon", 2 "Doppelpunkt", 3 "Tabulator"
    QString s_zeit;
    QString s_umin;
    QString s_kmh;

    // Page "Auswertung": the result grid, 12 columns x 48 rows, read-only for the user.
    TextGrid a{ResultCols, ResultRowCount};

    // The maximum labels below the chart (as designed until the first recomputation).
    QString maxps = QStringLiteral("kW: ... (...PS)");
    QString maxnm = QStringLiteral("Nm: ...");
    QString maxg = QStringLiteral("G: ...");
};

} // namespace dynalyt
