#pragma once
// What Oscivo's fuzz targets share: a start-up directory of the process's own, Oscivo's state
// as a start finds it, and the checks on what every reader must keep, whatever the input.

#include "oscivo/core/OscivoModel.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace oscivofuzz {

// The input as the bytes a reader takes.
inline std::string_view Bytes(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The parts of an input between separators; one part when there is none.
std::vector<std::string_view> Split(std::string_view input, std::string_view separator);

// Oscivo's state as at the start of a live session, in the process's start-up directory, whose
// folders are emptied first so that no input sees the files of the one before. Returns that
// directory.
QString FreshStart();

// Writes a file below the start-up directory (its folder must exist).
void WriteFile(const QString& path, std::string_view bytes);

// A name that names an entry of its folder and nothing further: no separator, no control character.
bool HoldsNoSeparator(std::string_view name);

// After a reply was put into the buffer and parsed, taken or not: the parser stayed within the
// payload, the slots within the tables, the values finite, the scaling name one file.
void CheckParsed();

// After a parsed reply was shown: what goes to the scope and the meters is finite.
void CheckShown(const OscivoModel& model, const ReplyEffects& effects);

// The start-up directory holds only the folders Oscivo makes and what the target wrote there.
void CheckFilesStayInFolders(const std::vector<QString>& written = {});

} // namespace oscivofuzz
