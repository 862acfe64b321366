// A host log played back: the input is the whole log file, checked as a chosen file, its
// header read, and every data line converted, parsed and shown as playback does. The module's
// name never leaves its folder, every read ends, a reply fits the reply buffer and is what the
// parser gets, its entries keep their four fields, shown values are finite, and an ended log
// stays ended.

#include "fuzz/FuzzCheck.h"
#include "fuzz/oscivo/OscivoFuzz.h"
#include "oscivo/core/LogReader.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/ReplyParser.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace {

// The identifier, then entries of four comma-terminated fields each, whatever the log's units hold.
bool EntriesInStep(std::string_view reply)
{
    const std::vector<std::string_view> fields = oscivofuzz::Split(reply, ",");
    if (fields.size() < 2 || !fields.back().empty() || (fields.size() - 2) % 4 != 0)
        return false;
    for (std::size_t entry = 1; entry + 1 < fields.size(); entry += 4)
        if (fields[entry].empty() || fields[entry][0] != 'G')
            return false;
    return true;
}

void PlayLines(LogReader& reader, OscivoModel& model, std::size_t size)
{
    // Every line but the last takes at least its marker's comma.
    for (std::size_t lines = 0;; ++lines) {
        FUZZ_CHECK(lines <= size);
        const LogLine line = reader.ConvertLogLine();
        FUZZ_CHECK(
            std::all_of(g_dLogTime.begin(), g_dLogTime.end(), [](double t) { return std::isfinite(t); }));
        if (line.kind == LogLineKind::Skipped)
            continue;
        if (line.kind != LogLineKind::Reply) {
            FUZZ_CHECK(g_bEndOfLog);
            if (line.kind == LogLineKind::End)
                FUZZ_CHECK(reader.ConvertLogLine().kind == LogLineKind::End);
            return;
        }
        FUZZ_CHECK(line.text.size() < kReplySize && ReplyText() == line.text);
        FUZZ_CHECK(EntriesInStep(line.text));
        if (model.ParseReply() < 1)
            continue;
        oscivofuzz::CheckParsed();
        oscivofuzz::CheckShown(model, model.ShowParsedReply());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = QDir(oscivofuzz::FreshStart()).filePath(QStringLiteral("log.csv"));
    oscivofuzz::WriteFile(path, oscivofuzz::Bytes(data, size));
    if (CheckChosenLog(path))
        return 0;
    TakeChosenLog(path);

    OscivoModel model;
    LogReader reader;
    FUZZ_CHECK(reader.Open(path));
    const int header = reader.ReadLogHeader(model);
    FUZZ_CHECK(header <= 1);
    FUZZ_CHECK(g_szScalingName.size() <= 15 && oscivofuzz::HoldsNoSeparator(g_szScalingName));
    if (header == 1) {
        g_bRunning = TRUE;
        g_szLoadedScaling = "Bogus"; // the first line identifies the module
        PlayLines(reader, model, size);
    }
    oscivofuzz::CheckFilesStayInFolders({path});
    return 0;
}
