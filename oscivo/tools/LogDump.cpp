// oscivo-logdump LOGFILE: reads a host log as Oscivo's playback does, without a window or
// pacing, and prints the form, the scaling name and slot tables the header gave, then what each
// data line became: the reply handed to the reply parser, or why the line was skipped.

#include "oscivo/core/LogReader.h"
#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoModel.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/OscivoStrings.h"
#include "platform/Numbers.h"
#include "platform/StringTable.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kHelp =
    "usage: oscivo-logdump LOGFILE\n"
    "\n"
    "Reads a host log file with Oscivo's header reader and line converter, as playback does,\n"
    "and prints (texts from the log as their Windows-1252 bytes):\n"
    "  form standard | form obd | form advanced\n"
    "  scaling NAME                      the scaling name the header gave\n"
    "  slot K group G field F unit U     K = 0..11: the tables the header reader filled,\n"
    "                                    -1 where the form sets none\n"
    "then one line per data line:\n"
    "  reply PAYLOAD                     the payload exactly as it is handed to the parser\n"
    "  skipped WHY                       a line that gives no reply or that the parser rejects\n"
    "\n"
    "Exit status: 0 when the log was read to its end; 1 when the file cannot be opened, is not\n"
    "a host log or its header is malformed (the message on standard error); 2 for a wrong\n"
    "command line.\n";

void Print(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

int Fail(const LogMessage& message, const std::string& detail = {})
{
    std::fprintf(stderr, "%s%s\n", ResStr(message.text).toUtf8().constData(), detail.c_str());
    return 1;
}

const char* FormName(LogForm form)
{
    switch (form) {
    case LogForm::Standard: return "standard";
    case LogForm::Obd: return "obd";
    case LogForm::Advanced: return "advanced";
    }
    return "";
}

std::string Number(const std::optional<int>& value)
{
    return std::to_string(value.value_or(-1));
}

void PrintHeader(const LogReader& reader)
{
    Print(std::string("form ") + FormName(reader.Form()));
    Print("scaling " + g_szScalingName);
    for (int slot = 0; slot < kScopeSlots; ++slot) {
        const LogSlot& kept = reader.Slots()[slot];
        Print("slot " + std::to_string(slot) + " group " + Number(kept.group) + " field " +
              Number(kept.field) + " unit " + kept.unit.value_or("-1"));
    }
}

// The data lines as playback takes them; 0 at the end of the log.
int PrintLines(LogReader& reader, OscivoModel& model)
{
    for (;;) {
        const LogLine line = reader.ConvertLogLine();
        switch (line.kind) {
        case LogLineKind::Reply:
            if (model.ParseReply() < 1) {
                Print("skipped the parser rejects its reply " + line.text);
                break;
            }
            g_szLoadedScaling = g_szScalingName; // the module is identified once, as in playback
            Print("reply " + line.text);
            break;
        case LogLineKind::Skipped: Print("skipped " + line.text); break;
        case LogLineKind::End:
            if (!line.text.empty())
                Print("skipped " + line.text);
            return 0;
        case LogLineKind::UnexpectedEnd:
            Print("skipped " + line.text + ": " + ResStrBytes(kUnexpectedLogEnd.text));
            return 0;
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    platform::ResetNumericLocale();
    InstallOscivoStrings();
    LoadStartupTexts();
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::fputs("usage: oscivo-logdump LOGFILE (--help says more)\n", stderr);
        return 2;
    }

    const QString path = QFile::decodeName(argv[1]);
    if (const auto message = CheckChosenLog(path))
        return Fail(*message);
    TakeChosenLog(path);
    SetBaseDir(QDir::currentPath()); // label files are looked up where the program would

    OscivoModel model;
    LogReader reader;
    if (!reader.Open(path))
        return Fail(kCannotOpenLog);
    if (const int result = reader.ReadLogHeader(model); result < 1)
        return Fail(kHeaderMalformed,
                    std::string(" (") + FormName(reader.Form()) + " form, " + std::to_string(result) + ")");
    PrintHeader(reader);

    g_bRunning = TRUE;
    g_szLoadedScaling = "Bogus"; // the first line identifies the module
    return PrintLines(reader, model);
}
