#pragma once
// The host's CSV log files as Oscivo plays them back: the check that a chosen file is a host
// log, the header readers of its three forms, and the converter that turns each data line into
// a "DataReply" payload for the reply parser.
//
// A log, as the host writes it: line 1 holds the time of day after its fourth comma; field 0 of
// line 2 names the control module (its first 15 characters are read); the form follows from it:
//   OBD       field 0 holds "OBD"; line 3 the four parameter numbers, line 4 their units in
//             parentheses; data: marker, then time and value of each parameter;
//   advanced  the letters after field 0 hold "ADVMB"; line 3 the group and field of each of the
//             twelve slots ("G001,F0,"), line 7 their units; data: marker, time and value of each;
//   standard  otherwise; line 4 the group of each row ("'001"), a later line each row's time
//             column and units; data: marker, then per row its time and its values.
//
// Its files: LogHeader.cpp (the messages, the check of a chosen file, the time stamp and the
// header readers) and LogLine.cpp (the converter of data lines); LogStream.h reads the bytes.
//
// Playback, with the dialog's widgets around it:
//
//     if (const auto message = CheckChosenLog(path)) ... show it, give up
//     m_model.m_bObdMode = FALSE;
//     if (!m_log.Open(path)) ... kCannotOpenLog
//     if (m_log.ReadLogHeader(m_model) < 1) ... kHeaderMalformed, close the log
//     for (;;) {
//         const LogLine line = m_log.ConvertLogLine();
//         if (line.kind == LogLineKind::Skipped) continue;
//         if (line.kind != LogLineKind::Reply) ... close the log, kUnexpectedLogEnd when so, stop
//         PaceLine();                      // wait for the line's turn (g_dLogTime)
//         if (m_model.ParseReply() < 1) continue; // the parser rejects it: the next line
//         ... show it as a live reply
//     }

#include "oscivo/core/LogStream.h"
#include "oscivo/core/OscivoState.h"
#include "platform/WinTypes.h"

#include <QString>

#include <array>
#include <optional>
#include <string>

class OscivoModel;

// A message box of the playback: the string ids of its text and caption.
struct LogMessage {
    UINT text;
    UINT caption;
};
extern const LogMessage kCannotOpenLog;    // "Datei kann nicht geööfnet werden."
extern const LogMessage kNotAHostLog;      // "Das ist keine originale Diagnoma Lodatei!"
extern const LogMessage kHeaderMalformed;  // "Fehler beim Einlesen des Headers."
extern const LogMessage kUnexpectedLogEnd; // "Unerwartetes Dateiende. Ist das eine erweiterte Logdatei?"

// The checks after the user chose a file: nothing when it is a host log, else the message to show.
std::optional<LogMessage> CheckChosenLog(const QString& path);
// g_strLogPath and g_strLogFileName (the name shown in the title) for a chosen file.
void TakeChosenLog(const QString& path);

enum class LogForm { Standard, Obd, Advanced };

// What the header gave a slot; empty where the form gives nothing.
struct LogSlot {
    std::optional<int> group; // the row's group (standard), parameter number (OBD), slot's group
    std::optional<int> field; // advanced form only
    std::optional<std::string> unit;
};

enum class LogLineKind {
    Reply,         // a payload is in g_szReply, ready for the parser
    Skipped,       // the line gives no reply (why: text); the next line follows
    End,           // the log has ended; a line cut short by the end is not shown (why: text)
    UnexpectedEnd, // the line's entries do not count twelve: shown as kUnexpectedLogEnd, the log ends
};

struct LogLine {
    LogLineKind kind;
    std::string text; // the payload of a reply; else why, when there is a why
};

class LogReader {
public:
    bool Open(const QString& path) { return m_log.Open(path); }
    void OpenBytes(std::string_view bytes) { m_log.OpenBytes(bytes); }
    void Close() { m_log.Close(); }
    bool IsOpen() const { return m_log.IsOpen(); }

    // 1 when line 1 of the log just opened holds the time of day after its fourth comma.
    int CheckLogTimestamp();

    // Reads the header of the log just opened, fills g_szScalingName, g_nLogGroup,
    // g_nSlotField, g_nSlotGroup, g_strSlotUnit and, for the OBD form, the model's OBD layout
    // and its first four graph boxes, and stops at the first data line. 1 = done; below 1 = the
    // header does not have the form that line 2 announces (the advanced reader: -1 no "G", -2 no
    // comma after the group, -3 no "F", -4 no comma after the field; any reader: -1 the log ends).
    int ReadLogHeader(OscivoModel& model);
    LogForm Form() const { return m_form; }
    const std::array<LogSlot, kScopeSlots>& Slots() const { return m_slots; }

    // Converts the next data line and sets g_dLogTime; at the end of the log g_bEndOfLog is set.
    LogLine ConvertLogLine();

private:
    int ReadStandardLogHeader(bool line2Ended);
    int ReadObdLogHeader(OscivoModel& model, bool line2Ended);
    int ReadAdvancedLogHeader(bool line2Ended);
    void KeepSlots();

    LogStream m_log;
    LogForm m_form = LogForm::Standard;
    std::string m_identifier;                 // the module as the replies name it
    std::array<LogSlot, kScopeSlots> m_slots; // what the converter writes from
};
