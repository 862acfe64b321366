#pragma once
// Fonts of the drawing context: a LogFont resolved to a Qt font of the platform's fixed faces,
// sized so that its cell height (ascent plus descent) is the height asked for.

#include "platform/GdiObjects.h"

#include <QFont>
#include <QHash>
#include <QString>

namespace platform {

struct ResolvedFont {
    QFont font;
    int ascent = 0;  // the cell above the baseline
    int descent = 0; // the cell below it
    int Height() const { return ascent + descent; }
    // The advance of a text, measured once for a text that is drawn again and again.
    int Width(const QString& text) const;

private:
    mutable QHash<QString, int> m_widths;
};

// Resolved once per distinct LogFont and kept; UI thread only.
const ResolvedFont& ResolveFont(const LogFont& logFont);

} // namespace platform
