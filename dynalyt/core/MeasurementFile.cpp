// The measurement files: the own layout ".dym", written and read, and the foreign layout
// ".knt", read. Windows-1252 text with CR LF line ends.

#include "dynalyt/core/Fields.h"
#include "dynalyt/core/MainUnit.h"
#include "dynalyt/core/NumberFormat.h"
#include "dynalyt/core/TextLines.h"
#include "platform/Codec1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace dynalyt {
namespace {

constexpr const char* Eol = "\r\n";

// The edit that input line `index` of a layout fills; none for a line the layout skips.
std::optional<InputEdit> InputAt(int index, bool ownLayout)
{
    if (ownLayout)
        return index < InputEditCount ? std::optional(static_cast<InputEdit>(index)) : std::nullopt;
    // The foreign layout has one line of its own after the vehicle weight and no tyre ratio.
    if (index <= static_cast<int>(InputEdit::e_gew))
        return static_cast<InputEdit>(index);
    if (index == 6 || index > 13)
        return std::nullopt;
    return static_cast<InputEdit>(index - 1);
}

// Blanks and control characters off both ends, as a single-line edit's text is trimmed.
QString TrimControls(const QString& text)
{
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 0x20)
        ++b;
    while (e > b && text[e - 1].unicode() <= 0x20)
        --e;
    return text.mid(b, e - b);
}

// The lines of the input section as the program writes them: the header, an empty line, the
// fourteen inputs (an empty one as a blank), an empty line, then the acceleration header.
constexpr std::size_t FirstInputLine = 2;
constexpr std::size_t AccelHeaderLine = FirstInputLine + InputEditCount + 1;

bool LaidOutAsWritten(const std::vector<std::string_view>& lines)
{
    return lines.size() > AccelHeaderLine && lines[0] == "[eingaben]" && lines[1].empty() &&
           std::none_of(lines.begin() + FirstInputLine, lines.begin() + FirstInputLine + InputEditCount,
                        [](std::string_view line) { return line.empty(); }) &&
           lines[AccelHeaderLine - 1].empty() && lines[AccelHeaderLine] == "[beschleunigen]";
}

bool IsPartialWeight(InputEdit e)
{
    return e == InputEdit::e_leergew || e == InputEdit::e_insassengew || e == InputEdit::e_kraftstoffgew ||
           e == InputEdit::e_sonstgew;
}

} // namespace

QString MainUnit::FinalSaveName(const QString& chosen)
{
    // Always the own layout under its own extension, so that the file reloads as written.
    if (chosen.endsWith(QStringLiteral(".dym"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QStringLiteral(".dym");
}

bool MainUnit::SaveMeasurement(const QString& fileName)
{
    std::string out;
    out += "[eingaben]";
    out += Eol;
    out += Eol;
    for (QString text : fMain.edits) {
        // An empty input is written as one blank, so that its line is not empty; a line break
        // pasted into an edit becomes a blank, so that every input keeps its one line and the
        // inputs after it do not shift when the file is read back.
        text.replace(u'\r', u' ').replace(u'\n', u' ');
        out += text.isEmpty() ? std::string(" ") : platform::ToCp1252(text);
        out += Eol;
    }
    out += Eol;
    out += "[beschleunigen]";
    out += Eol;
    out += Eol;
    for (const AccelSample& s : AccelRun) {
        out += NumberFormat.FormatFloat(s.time, 2).toStdString() + '\t' +
               NumberFormat.FormatFloat(s.rpm, 1).toStdString() + '\t' +
               NumberFormat.FormatFloat(s.speed, 2).toStdString();
        out += Eol;
    }
    out += Eol;
    out += "[ausrollen]";
    out += Eol;
    out += Eol;
    // Every measured sample, without the extra point that closes a run of two or more.
    const std::size_t measured = CoastRun.size() >= 3 ? CoastRun.size() - 1 : CoastRun.size();
    for (std::size_t i = 0; i < measured; ++i) {
        out += NumberFormat.FormatFloat(CoastRun[i].time, 2).toStdString() + '\t' +
               NumberFormat.FormatFloat(CoastRun[i].speed, 2).toStdString();
        out += Eol;
    }

    // Written beside the target and renamed over it, so a failure leaves no truncated file.
    QSaveFile file(fileName);
    const bool saved =
        file.open(QIODevice::WriteOnly) &&
        file.write(out.data(), static_cast<qint64>(out.size())) == static_cast<qint64>(out.size()) &&
        file.commit();
    if (!saved)
        m_actions.ShowMessage(QString::fromUtf8(SaveFailedText));
    return saved;
}

bool MainUnit::LoadMeasurement(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        m_actions.ShowMessage(QString::fromUtf8(OpenFailedText));
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    fMain.m_beschl.Clear();
    fMain.m_ausr.Clear();
    const bool ownLayout = QFileInfo(fileName).suffix().toLower() == QStringLiteral("dym");

    const std::vector<std::string_view> lines =
        SplitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    // In a file laid out as the program writes it the fourteen input lines are inputs whatever
    // they hold, so that a vehicle named "Golf [ausrollen]" opens no section. Any other file (one
    // whose blank inputs an editor stripped, say) is read by its section headers alone, as on
    // Windows: counting fourteen input lines there would take headers and samples for inputs.
    const bool byPosition = ownLayout && LaidOutAsWritten(lines);
    enum class Section { None, Accel, Coast, Inputs };
    Section section = Section::None;
    int index = -1;
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const std::string_view line = lines[n];
        if (line.empty())
            continue;
        if (!(byPosition && n >= FirstInputLine && n < FirstInputLine + InputEditCount)) {
            if (line.find("[beschleunigen]") != std::string_view::npos)
                section = Section::Accel, index = -1;
            if (line.find("[ausrollen]") != std::string_view::npos)
                section = Section::Coast, index = -1;
            if (line.find("[eingaben]") != std::string_view::npos)
                section = Section::Inputs, index = -1;
        }
        if (index > -1) {
            switch (section) {
            case Section::Accel:
                for (int col = 0; col < 3; ++col)
                    fMain.m_beschl.SetCell(col, index, platform::FromCp1252(TabField(line, col + 1)));
                break;
            case Section::Coast:
                for (int col = 0; col < 2; ++col)
                    fMain.m_ausr.SetCell(col, index, platform::FromCp1252(TabField(line, col + 1)));
                break;
            case Section::Inputs:
                if (const auto edit = InputAt(index, ownLayout)) {
                    const QString text = TrimControls(platform::FromCp1252(line));
                    QString& target = fMain.Edit(*edit);
                    const bool changed = target != text;
                    target = text;
                    if (changed && IsPartialWeight(*edit))
                        e_leergewChange();
                }
                break;
            case Section::None: break;
            }
        }
        ++index;
    }
    return true;
}

} // namespace dynalyt
