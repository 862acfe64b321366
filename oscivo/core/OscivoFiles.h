#pragma once
// Where Oscivo's files live and how they are read and written. The Windows program's folders
// ("\Scaling\", ".\labels\") are folders below the start-up directory, and, as there, folder
// and file names are found whatever the case of their letters. File names taken from replies
// and files are Windows-1252 bytes; they become the local file system's names through the codec.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Sets g_szBaseDir to the start-up directory and g_szScalingDir to its scaling folder.
void SetBaseDir(const QString& dir);

// The entry of dir named name, found whatever the case of its letters (the exact spelling
// first); dir/name when there is none, which is where a new file goes.
QString FindNoCase(const QString& dir, const QString& name);

// A name from a reply or a log made one entry of its folder: "/", "\" and every byte that decodes
// to a control character (below 0x20, 0x7F, and the five bytes the code page leaves undefined,
// which decode to C1 controls) become "_".
std::string SafeFileName(std::string name);

QString ScalingDirPath();
QString ScalingFilePath(std::string_view cp1252Name);
QString LabelFilePath(std::string_view cp1252Name);

// Creates the scaling folder; an existing one is no error.
bool MakeScalingDir();

// The whole of a regular file; empty when it cannot be read.
std::optional<std::string> ReadFileBytes(const QString& path);

// Writes to a temporary file beside path and renames it over path when complete, so that a
// failed write leaves the old file as it was and no half-written one.
bool WriteFileBytes(const QString& path, std::string_view bytes);
