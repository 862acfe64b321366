// The Windows-1252 codec: every byte maps to one character and back, and any text becomes bytes
// that read back to what they encode.
#include "fuzz/FuzzCheck.h"
#include "platform/Codec1252.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const QString text = platform::FromCp1252(bytes);
    FUZZ_CHECK(static_cast<std::size_t>(text.size()) == bytes.size());
    FUZZ_CHECK(platform::ToCp1252(text) == bytes);

    // The same bytes as UTF-16 text: at most one byte per character, and encoding what was
    // decoded changes nothing.
    const QString utf16(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
    const std::string encoded = platform::ToCp1252(utf16);
    FUZZ_CHECK(encoded.size() <= static_cast<std::size_t>(utf16.size()));
    FUZZ_CHECK(platform::ToCp1252(platform::FromCp1252(encoded)) == encoded);
    return 0;
}
