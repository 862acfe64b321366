#include "platform/Codec1252.h"

#include <array>

namespace platform {
namespace {

// 0x80..0x9F; 0 marks a byte that the code page leaves undefined.
constexpr std::array<char16_t, 32> kHigh = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Decode(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0)
        return kHigh[b - 0x80];
    return b;
}

char Encode(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c || (kHigh[i] == 0 && c == 0x80 + i))
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString FromCp1252(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char b : bytes)
        text.append(QChar(Decode(static_cast<unsigned char>(b))));
    return text;
}

std::string ToCp1252(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i; // one character beyond the BMP, one "?"
            bytes.push_back('?');
            continue;
        }
        bytes.push_back(Encode(ch.unicode()));
    }
    return bytes;
}

} // namespace platform
