#include "oscivo/core/SettingsStream.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Skips white space and a sign; returns whether the number is negative.
bool SkipPrefix(std::string_view text, std::size_t& pos)
{
    while (pos < text.size() && IsSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    return negative;
}

} // namespace

std::optional<int> ScanDecimalInt(std::string_view text)
{
    std::size_t pos = 0;
    const bool negative = SkipPrefix(text, pos);
    if (pos >= text.size() || text[pos] < '0' || text[pos] > '9')
        return std::nullopt;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    std::int64_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = std::min(value * 10 + (text[pos] - '0'), kLimit);
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min<std::int64_t>(value, std::numeric_limits<int>::max()));
}

std::optional<int> ScanHexInt(std::string_view text)
{
    std::size_t pos = 0;
    const bool negative = SkipPrefix(text, pos);
    if (pos + 2 < text.size() && text[pos] == '0' && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
        HexDigit(text[pos + 2]) >= 0)
        pos += 2;
    if (pos >= text.size() || HexDigit(text[pos]) < 0)
        return std::nullopt;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (; pos < text.size() && HexDigit(text[pos]) >= 0; ++pos)
        value = std::min<std::uint64_t>(value * 16 + static_cast<unsigned>(HexDigit(text[pos])), kMax);
    auto bits = static_cast<std::uint32_t>(value);
    if (negative)
        bits = 0u - bits;
    return static_cast<int>(bits);
}

int SettingsStream::Next()
{
    while (m_pos < m_bytes.size()) {
        const auto c = static_cast<unsigned char>(m_bytes[m_pos++]);
        if (c == '\r' && m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
            continue;
        return c;
    }
    return -1;
}

bool SettingsStream::ReadToken(std::string& token)
{
    token.clear();
    for (int c = Next(); c != ','; c = Next()) {
        if (c < 0)
            return false;
        if (token.size() < kTokenSize)
            token.push_back(static_cast<char>(c));
    }
    return true;
}

std::optional<int> SettingsStream::ReadIntToken()
{
    std::string token;
    if (!ReadToken(token))
        return std::nullopt;
    return ScanDecimalInt(token).value_or(0);
}

std::optional<int> SettingsStream::ReadHexToken()
{
    std::string token;
    if (!ReadToken(token))
        return std::nullopt;
    return ScanHexInt(token).value_or(0);
}

std::optional<std::string> SettingsStream::ReadStringToken()
{
    std::string text;
    for (int c = Next(); c != ','; c = Next()) {
        if (c < 0)
            return std::nullopt;
        if (c != '\n' && text.size() < kTokenSize)
            text.push_back(static_cast<char>(c));
    }
    return text;
}
