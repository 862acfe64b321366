#include "oscivo/core/OscivoFiles.h"

#include "oscivo/core/OscivoState.h"
#include "platform/Codec1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <unordered_map>
#include <vector>

namespace {

QString BaseDir()
{
    return QFile::decodeName(QByteArray::fromStdString(g_szBaseDir));
}

QString Join(const QString& dir, const QString& name)
{
    return dir.endsWith(QLatin1Char('/')) ? dir + name : dir + QLatin1Char('/') + name;
}

bool IsAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether two file names are the same but for the case of their letters; plain ASCII names,
// the usual ones, without decoding them.
bool SameNameNoCase(std::string_view a, std::string_view b)
{
    if (IsAscii(a) && IsAscii(b))
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return LowerAscii(x) == LowerAscii(y);
               });
    return QFile::decodeName(QByteArray(a.data(), static_cast<qsizetype>(a.size())))
               .compare(QFile::decodeName(QByteArray(b.data(), static_cast<qsizetype>(b.size()))),
                        Qt::CaseInsensitive) == 0;
}

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return LowerAscii(c); });
    return lower;
}

// The names in a folder, in the order the folder gives them, with the plain ASCII ones also by
// their small letters, so that a name is found without comparing it with each entry.
struct Listing {
    std::filesystem::file_time_type modified;
    bool settled = false;
    std::vector<std::string> names;
    std::unordered_map<std::string, std::size_t> firstAscii; // the first of each name in small letters
    std::vector<std::size_t> others;                         // the names that are not plain ASCII

    void Add(std::string name)
    {
        if (IsAscii(name))
            firstAscii.try_emplace(LowerAscii(name), names.size());
        else
            others.push_back(names.size());
        names.push_back(std::move(name));
    }

    // The first name that is wanted but for the case of its letters.
    const std::string* FindNoCase(std::string_view wanted) const
    {
        if (!IsAscii(wanted)) {
            const auto it = std::find_if(names.begin(), names.end(), [&](const std::string& name) {
                return SameNameNoCase(name, wanted);
            });
            return it == names.end() ? nullptr : &*it;
        }
        const auto ascii = firstAscii.find(LowerAscii(wanted));
        const std::size_t first = ascii == firstAscii.end() ? names.size() : ascii->second;
        for (const std::size_t i : others)
            if (i < first && SameNameNoCase(names[i], wanted))
                return &names[i];
        return first < names.size() ? &names[first] : nullptr;
    }
};

// The listing of a folder. A labels folder holds hundreds of files and is searched at every
// live reply, so its listing is kept while its modification time stays. A listing taken soon
// after that time is not kept: the file system's clock is coarse, and a change in the same tick
// would not show.
const Listing& FolderListing(const std::string& dir)
{
    using Clock = std::filesystem::file_time_type::clock;
    static std::map<std::string, Listing> listings;
    static const Listing none;

    std::error_code error;
    const auto modified = std::filesystem::last_write_time(dir, error);
    if (error)
        return none;
    Listing& listing = listings[dir];
    if (listing.settled && listing.modified == modified)
        return listing;
    listing = Listing{};
    listing.modified = modified;
    listing.settled = Clock::now() - modified > std::chrono::milliseconds(100);
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end; it.increment(error))
        listing.Add(it->path().filename().native());
    return listing;
}

} // namespace

void SetBaseDir(const QString& dir)
{
    g_szBaseDir = QFile::encodeName(dir).toStdString();
    g_szScalingDir = g_szBaseDir + "/Scaling/";
}

QString FindNoCase(const QString& dir, const QString& name)
{
    QString exact = Join(dir, name);
    if (QFileInfo::exists(exact))
        return exact;
    const QByteArray wanted = QFile::encodeName(name);
    const std::string* entry =
        FolderListing(QFile::encodeName(dir).toStdString())
            .FindNoCase(std::string_view(wanted.constData(), static_cast<std::size_t>(wanted.size())));
    return entry ? Join(dir, QFile::decodeName(QByteArray::fromStdString(*entry))) : exact;
}

std::string SafeFileName(std::string name)
{
    const QString decoded = platform::FromCp1252(name); // one character for each byte
    for (std::size_t i = 0; i < name.size(); ++i)
        if (name[i] == '/' || name[i] == '\\' ||
            decoded[static_cast<qsizetype>(i)].category() == QChar::Other_Control)
            name[i] = '_';
    return name;
}

QString ScalingDirPath()
{
    return FindNoCase(BaseDir(), QStringLiteral("Scaling"));
}

QString ScalingFilePath(std::string_view cp1252Name)
{
    return FindNoCase(ScalingDirPath(), platform::FromCp1252(cp1252Name));
}

QString LabelFilePath(std::string_view cp1252Name)
{
    return FindNoCase(FindNoCase(BaseDir(), QStringLiteral("labels")), platform::FromCp1252(cp1252Name));
}

bool MakeScalingDir()
{
    const QString dir = ScalingDirPath();
    return QFileInfo(dir).isDir() || QDir().mkdir(dir);
}

std::optional<std::string> ReadFileBytes(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.toStdString();
}

bool WriteFileBytes(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size && file.commit();
}
