#include "platform/GdiFont.h"

#include "platform/SystemMetrics.h"

#include <QFontMetrics>

#include <map>
#include <utility>

namespace platform {
namespace {

int QtWeight(int weight)
{
    if (weight <= 0)
        return QFont::Normal;
    return weight > 1000 ? 1000 : weight;
}

QFont MakeFont(const LogFont& lf, int pixelSize)
{
    // Every face the programs ask for is a sans face; all resolve to the one fixed font.
    QFont f(QString::fromLatin1(kSansFace));
    f.setPixelSize(pixelSize < 1 ? 1 : pixelSize);
    f.setWeight(static_cast<QFont::Weight>(QtWeight(lf.lfWeight)));
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

ResolvedFont Resolve(const LogFont& lf)
{
    int height = lf.lfHeight == 0 ? DefaultGuiFont().lfHeight : lf.lfHeight;
    ResolvedFont r;
    if (height < 0) { // character height: the em size
        r.font = MakeFont(lf, -height);
        const QFontMetrics fm(r.font);
        r.ascent = fm.ascent();
        r.descent = fm.descent();
        return r;
    }
    // Cell height: the largest pixel size whose cell fits; what is left over is leading above.
    int size = height;
    r.font = MakeFont(lf, size);
    while (size > 1 && QFontMetrics(r.font).height() > height)
        r.font = MakeFont(lf, --size);
    const QFontMetrics fm(r.font);
    r.descent = fm.descent() < height ? fm.descent() : 0;
    r.ascent = height - r.descent;
    return r;
}

} // namespace

int ResolvedFont::Width(const QString& text) const
{
    // Texts that change with every value would pile up: the measures start anew now and then.
    constexpr qsizetype kKeptWidths = 1024;
    if (const auto it = m_widths.constFind(text); it != m_widths.cend())
        return *it;
    if (m_widths.size() >= kKeptWidths)
        m_widths.clear();
    const int width = QFontMetrics(font).horizontalAdvance(text);
    m_widths.insert(text, width);
    return width;
}

const ResolvedFont& ResolveFont(const LogFont& logFont)
{
    // The face and the escapement do not change the resolved font.
    using Key = std::pair<int, int>;
    static std::map<Key, ResolvedFont> cache;
    const Key key{logFont.lfHeight, logFont.lfWeight};
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, Resolve(logFont)).first;
    return it->second;
}

} // namespace platform
