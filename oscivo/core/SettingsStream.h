#pragma once
// The comma-terminated tokens through which Oscivo reads its scaling files, Defaults.cfg and the
// older form of Prefs.cfg: one stream over a file's bytes, read a character at a time, in which
// CR LF reads as LF. The end of the file is told apart from every value a token can hold, so that
// whatever the program writes reads back.

#include <optional>
#include <string>
#include <string_view>

class SettingsStream {
public:
    explicit SettingsStream(std::string_view bytes) : m_bytes(bytes) {}

    // The token up to its comma scanned as a decimal number ("%d": leading blanks and line ends
    // skipped, 0 when no number starts it, saturated at the ends of int); empty when the file
    // ends before the comma.
    std::optional<int> ReadIntToken();
    // The same scanned as a hexadecimal number ("%x"), its 32 bits as an int.
    std::optional<int> ReadHexToken();
    // The text up to the next comma, without its line feeds; empty when the file ends before the
    // comma.
    std::optional<std::string> ReadStringToken();

private:
    static constexpr std::size_t kTokenSize = 15; // characters kept of a token; the rest is passed over

    // The characters up to the next comma; false when the file ends first.
    bool ReadToken(std::string& token);
    // The next character, or -1 at the end of the file.
    int Next();

    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

// The leading number of a text as "%d" reads it: optional white space and sign, then digits;
// saturated at the ends of int instead of overflowing. Empty when no digit follows.
std::optional<int> ScanDecimalInt(std::string_view text);
// The same as "%x" reads it: optional white space, sign and "0x", then hexadecimal digits;
// the value's low 32 bits, as the C library keeps an unsigned that fits and saturated above.
std::optional<int> ScanHexInt(std::string_view text);
