#include "oscivo/core/LabelFile.h"

#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoState.h"

#include <QFile>

#include <chrono>
#include <cstdint>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr std::size_t kPartNumberSize = 11; // "123 456 789"
constexpr std::size_t kSuffixFirst = 12;    // characters 13 to 15
constexpr std::size_t kSuffixEnd = 15;
constexpr std::size_t kRedirectTargetSize = 20; // a target must be shorter
constexpr std::size_t kRedirectItemSize = 4;
constexpr std::size_t kNameSize = 127;
constexpr std::size_t kTextSize = 31;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAlnum(char c)
{
    return IsDigit(c) || IsLetter(c);
}

char Upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The scaling name without its extension; positions past its end do not exist.
std::string_view BaseName()
{
    std::string_view name = g_szScalingName;
    if (name.size() >= 4 && name.substr(name.size() - 4) == ".SCL")
        name.remove_suffix(4);
    return name;
}

// The characters from pos up to the first of the stop characters or the end.
std::string_view TakeUntil(std::string_view line, std::size_t& pos, std::string_view stops)
{
    const std::size_t start = pos;
    while (pos < line.size() && stops.find(line[pos]) == std::string_view::npos)
        ++pos;
    return line.substr(start, pos - start);
}

} // namespace

std::string MakeLabelFileName(bool withSuffix)
{
    const std::string_view base = BaseName();
    if (base.size() < kPartNumberSize)
        return std::string(base) + ".LBL";
    std::string name = std::string(base.substr(0, 3)) + "-" + std::string(base.substr(4, 3)) + "-" +
                       std::string(base.substr(8, 3));
    if (withSuffix)
        for (std::size_t i = kSuffixFirst; i < kSuffixEnd && i < base.size(); ++i)
            if (IsAlnum(base[i])) {
                if (i == kSuffixFirst)
                    name += '-';
                name += base[i];
            }
    return name + ".LBL";
}

std::string ModuleSuffix()
{
    const std::string_view base = BaseName();
    std::string suffix;
    for (std::size_t i = kSuffixFirst; i < kSuffixEnd && i < base.size() && IsAlnum(base[i]); ++i)
        suffix += Upper(base[i]);
    return suffix;
}

bool MatchRedirectLine(std::string_view line)
{
    const std::string suffix = ModuleSuffix();
    if (line.empty() || line[0] == ';')
        return false;
    std::size_t pos = 0;
    std::string keyword;
    while (pos < line.size() && keyword.size() < 8 && IsLetter(line[pos]))
        keyword += Upper(line[pos++]);
    if (keyword != "REDIRECT" || pos >= line.size() || line[pos] != ',')
        return false;
    ++pos;
    const std::size_t targetStart = pos;
    while (pos < line.size() && (IsAlnum(line[pos]) || line[pos] == '-' || line[pos] == '.'))
        ++pos;
    if (pos - targetStart >= kRedirectTargetSize || pos >= line.size() || line[pos] != ',')
        return false;
    g_szRedirectPath = std::string(line.substr(targetStart, pos - targetStart));
    ++pos;
    for (;;) {
        std::string item;
        while (pos < line.size() && item.size() < kRedirectItemSize && IsAlnum(line[pos]))
            item += Upper(line[pos++]);
        if (item == suffix)
            return true;
        if (pos >= line.size() || line[pos] != ',')
            return false;
        ++pos;
    }
}

void ParseLabelLine(std::string_view line)
{
    if (line.empty() || line[0] == ';')
        return;
    std::size_t pos = 0;
    int group = 0;
    while (pos < line.size() && pos < 3 && IsDigit(line[pos]))
        group = group * 10 + (line[pos++] - '0');
    if (pos == 0 || pos + 2 >= line.size() || line[pos] != ',' || !IsDigit(line[pos + 1]) ||
        line[pos + 2] != ',')
        return;
    const int field = line[pos + 1] - '0';
    pos += 3;
    const std::string_view name = TakeUntil(line, pos, ",;");
    std::string_view text;
    if (pos < line.size() && line[pos] == ',') {
        ++pos;
        text = TakeUntil(line, pos, ",;");
    }
    if (group < 1 || group >= kGroups)
        return;
    GroupLabels& labels = g_labels[group];
    if (field == 0) {
        labels.title = name.substr(0, kNameSize);
    } else if (field <= kFields) {
        labels.name[field - 1] = name.substr(0, kNameSize);
        labels.text[field - 1] = text.substr(0, kTextSize);
    }
}

void ClearLabels()
{
    for (GroupLabels& labels : g_labels) {
        labels.title.clear();
        for (int f = 0; f < kFields; ++f) {
            labels.name[f].clear();
            labels.text[f].clear();
        }
    }
}

int LabelLineReader::ReadTextLine(std::string& line)
{
    line.clear();
    if (m_pos >= m_bytes.size())
        return -1;
    const std::size_t lineFeed = m_bytes.find('\n', m_pos);
    std::string_view text =
        m_bytes.substr(m_pos, lineFeed == std::string_view::npos ? std::string_view::npos : lineFeed - m_pos);
    m_pos = lineFeed == std::string_view::npos ? m_bytes.size() : lineFeed + 1;
    if (lineFeed != std::string_view::npos && !text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    line.assign(text.substr(0, kLineSize));
    return lineFeed == std::string_view::npos ? -1 : 0;
}

void ReadLabelFile(std::string_view bytes)
{
    LabelLineReader reader(bytes);
    std::string line;
    while (reader.ReadTextLine(line) == 0)
        ParseLabelLine(line);
}

namespace {

std::int64_t Nanoseconds(const timespec& time)
{
    return std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec;
}

// A file as a load found it: its identity, size, and the times of its last write and of its
// last change of any kind (a write, its permissions, a rename); all empty when it is missing.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {status.st_dev, status.st_ino, status.st_size, Nanoseconds(status.st_mtim),
            Nanoseconds(status.st_ctim)};
}

// Whether a later change of the file would show in its stamp: the file system's clock is
// coarse, so a file changed in the last moments could change again within the same tick.
bool Settled(const FileStamp& stamp)
{
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    return stamp.size < 0 || now.count() - stamp.changedNs > 100'000'000;
}

// Live mode loads the labels at every reply from files that rarely change. A load is kept
// with the files it read, named as it named them, and given again while each name still
// finds the same file unchanged; a change of folder, file or module loads anew.
struct LabelLoad {
    struct Source {
        std::string name; // as given to LabelFilePath
        QString path;
        FileStamp stamp;
    };
    std::string scalingName;
    std::vector<Source> sources;
    bool reusable = false; // every source had settled
    std::array<GroupLabels, kGroups> labels;
    std::optional<std::string> redirectPath; // when the load scanned REDIRECT lines
};

LabelLoad& LastLoad()
{
    static LabelLoad last;
    return last;
}

bool LastLoadHolds()
{
    const LabelLoad& last = LastLoad();
    if (!last.reusable || last.scalingName != g_szScalingName)
        return false;
    for (const LabelLoad::Source& source : last.sources) {
        const QString path = LabelFilePath(source.name);
        if (path != source.path || StampOf(path) != source.stamp)
            return false;
    }
    return true;
}

// The bytes of a label file, noted as a source of the load.
std::optional<std::string> ReadSource(LabelLoad& load, std::string name)
{
    QString path = LabelFilePath(name);
    FileStamp stamp = StampOf(path); // before the read: a change during it shows next time
    load.reusable = load.reusable && Settled(stamp);
    load.sources.push_back({std::move(name), path, stamp});
    return ReadFileBytes(path);
}

void ReadLabels(LabelLoad& load)
{
    ClearLabels();
    if (const auto own = ReadSource(load, MakeLabelFileName(true))) {
        ReadLabelFile(*own);
        return;
    }
    const auto shared = ReadSource(load, MakeLabelFileName(false));
    if (!shared)
        return;
    bool redirected = false;
    std::optional<std::string> target;
    LabelLineReader reader(*shared);
    std::string line;
    while (!redirected && reader.ReadTextLine(line) == 0)
        if (MatchRedirectLine(line)) {
            redirected = true;
            target = ReadSource(load, g_szRedirectPath);
        }
    load.redirectPath = g_szRedirectPath;
    if (redirected && !target)
        return; // a redirection to a file that cannot be read leaves the table empty
    ClearLabels();
    ReadLabelFile(target ? *target : *shared);
}

} // namespace

void LoadLabels()
{
    LabelLoad& last = LastLoad();
    if (LastLoadHolds()) {
        g_labels = last.labels;
        if (last.redirectPath)
            g_szRedirectPath = *last.redirectPath;
        return;
    }
    LabelLoad load;
    load.scalingName = g_szScalingName;
    load.reusable = true;
    ReadLabels(load);
    load.labels = g_labels;
    last = std::move(load);
}
