#include "oscivo/core/PrefsFile.h"

#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/SettingsStream.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace {

constexpr const char* kEol = "\r\n";
constexpr std::size_t kValueDigits = 11; // of a value's run, the digits that are read

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string LineColorKey(int k)
{
    return platform::FormatC("Line%dColor", k);
}

// Stores a found value, or the default when the key is missing; tells whether it was found.
bool Take(std::string_view key, BOOL decimal, int missing, int& target)
{
    const int value = FindPrefsValue(key, decimal);
    target = value == -1 ? missing : value;
    return value != -1;
}

bool TakeColour(std::string_view key, COLORREF missing, COLORREF& target)
{
    int value = 0;
    const bool found = Take(key, FALSE, static_cast<int>(missing), value);
    target = static_cast<COLORREF>(value);
    return found;
}

void ParsePrefs(std::string_view bytes, ScreenSize screen)
{
    bool modern = false; // a key that only the key=value form has was found
    modern |= TakeColour("BackColor", 0, g_crBackColor);
    modern |= TakeColour("GridColor", kDefaultGridColor, g_crGridColor);
    for (int k = 0; k < kScopeSlots; ++k)
        modern |= TakeColour(LineColorKey(k), g_crLineColor[k], g_crLineColor[k]);
    modern |= Take("Thickness", FALSE, 0, g_nThickness);
    // A pen of thousands of pixels would stall every repaint; the dialog allows 0..10.
    g_nThickness = std::clamp(g_nThickness, 0, 10);
    int value = 0;
    Take("Autorun", FALSE, 1, value);
    g_bAutorun = value != 0;
    Take("ShowUnits", FALSE, 1, value);
    g_bShowUnits = value != 0;
    Take("ShowZeros", FALSE, 0, value);
    g_bShowZeros = value == 1;
    Take("SaveWindowSize", FALSE, 1, value);
    g_bSaveWindowSize = value != 0;
    int width = 0;
    int height = 0;
    modern |= Take("Width", FALSE, kDefaultWidth, width);
    modern |= Take("Height", FALSE, kDefaultHeight, height);
    const bool fits = width > 0 && height > 0 && width <= screen.width && height <= screen.height;
    g_nPrefWidth = fits ? width : kDefaultWidth;
    g_nPrefHeight = fits ? height : kDefaultHeight;
    modern |= Take("MaxMileage", TRUE, kDefaultMaxMileage, g_nMaxMileage);
    modern |= Take("MaxConsumption", TRUE, kDefaultMaxConsumption, g_nMaxConsumption);
    g_nMaxMileage = std::clamp(g_nMaxMileage, 1, 1000);
    g_nMaxConsumption = std::clamp(g_nMaxConsumption, 1, 1000);
    modern |= Take("FuelHistoryDepth", TRUE, kDefaultFuelHistoryDepth, g_nFuelHistoryDepth);
    g_nFuelHistoryDepth = std::clamp(g_nFuelHistoryDepth, 1, kFuelHistorySize);
    if (!modern)
        ReadLegacyPrefs(bytes);
}

} // namespace

int FindPrefsValue(std::string_view key, BOOL decimal)
{
    const std::string_view text(g_szPrefsText.data(), static_cast<std::size_t>(g_nPrefsTextLen));
    if (text.size() <= key.size())
        return -1;
    const std::size_t place = text.find(key);
    if (place == std::string_view::npos || place >= text.size() - key.size() ||
        text[place + key.size()] != '=')
        return -1;
    const std::size_t start = place + key.size() + 1;
    std::size_t end = start;
    while (end < text.size() && IsHexDigit(text[end]))
        ++end;
    const char* first = text.data() + start;
    const char* last = first + std::min(end - start, kValueDigits);
    // A value too large for 32 bits is missing, and so is a decimal one that starts with a letter.
    if (decimal) {
        int value = 0;
        return std::from_chars(first, last, value).ec == std::errc() ? value : -1;
    }
    std::uint32_t value = 0;
    return std::from_chars(first, last, value, 16).ec == std::errc() ? static_cast<int>(value) : -1;
}

int ReadLegacyPrefs(std::string_view bytes)
{
    SettingsStream stream(bytes);
    auto flag = [&](BOOL& target) {
        const auto value = stream.ReadIntToken();
        if (value)
            target = *value != 0;
        return value.has_value();
    };
    auto colour = [&](COLORREF& target) {
        const auto value = stream.ReadHexToken();
        // A colour is 0x00BBGGRR. Its top byte is kept out, so that -1, which the key=value form
        // reads as a missing key, is never written.
        if (value)
            target = static_cast<COLORREF>(*value) & 0xFFFFFF;
        return value.has_value();
    };
    if (!flag(g_bAutorun) || !colour(g_crBackColor) || !colour(g_crGridColor))
        return 0;
    for (COLORREF& line : g_crLineColor)
        if (!colour(line))
            return 0;
    return flag(g_bShowUnits) && flag(g_bShowZeros) ? 1 : 0;
}

void LoadPrefsFrom(std::optional<std::string_view> bytes, ScreenSize screen)
{
    g_szPrefsText.clear();
    if (bytes) {
        // As the file reads in text mode: CR LF as LF, a byte 0xFF as the end.
        for (std::size_t i = 0; i < bytes->size() && g_szPrefsText.size() < kPrefsTextSize; ++i) {
            const char c = (*bytes)[i];
            if (static_cast<unsigned char>(c) == 0xFF)
                break;
            if (c == '\r' && i + 1 < bytes->size() && (*bytes)[i + 1] == '\n')
                continue;
            g_szPrefsText.push_back(c);
        }
    }
    g_nPrefsTextLen = static_cast<int>(g_szPrefsText.size());
    if (g_nPrefsTextLen > 0)
        ParsePrefs(*bytes, screen);
    else
        SetDefaultPrefs();
}

void LoadPrefs(ScreenSize screen)
{
    const auto bytes = ReadFileBytes(ScalingFilePath("Prefs.cfg"));
    if (bytes)
        LoadPrefsFrom(std::string_view(*bytes), screen);
    else
        LoadPrefsFrom(std::nullopt, screen);
}

std::string FormatPrefsFile()
{
    auto hex = [](const char* key, long long value) {
        return std::string(key) + platform::FormatC("=%x", static_cast<unsigned>(value)) + kEol;
    };
    std::string out = hex("BackColor", g_crBackColor) + hex("GridColor", g_crGridColor);
    for (int k = 0; k < kScopeSlots; ++k)
        out += hex(LineColorKey(k).c_str(), g_crLineColor[k]);
    out += hex("Thickness", g_nThickness) + hex("Autorun", g_bAutorun) + hex("ShowUnits", g_bShowUnits) +
           hex("ShowZeros", g_bShowZeros) + hex("SaveWindowSize", g_bSaveWindowSize) +
           hex("Width", g_nCurWidth) + hex("Height", g_nCurHeight);
    out += platform::FormatC("MaxMileage=%d", g_nMaxMileage) + kEol;
    out += platform::FormatC("MaxConsumption=%d", g_nMaxConsumption) + kEol;
    out += platform::FormatC("FuelHistoryDepth=%d", g_nFuelHistoryDepth) + kEol;
    return out;
}

int WritePrefsFile()
{
    return WriteFileBytes(ScalingFilePath("Prefs.cfg"), FormatPrefsFile()) ? 0 : -1;
}
