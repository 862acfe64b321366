#pragma once
// Windows-1252, the code page of every byte the programs put into files or onto the wire.

#include <QString>

#include <string>
#include <string_view>

namespace platform {

// Bytes to text. The five bytes the code page leaves undefined map to the C1 controls.
QString FromCp1252(std::string_view bytes);

// Text to bytes; a character the code page lacks becomes "?".
std::string ToCp1252(const QString& text);

} // namespace platform
