// The escaped-field splitter over any text, field index, separator and escape.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "hostlink/ExtractField.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const int index = input.SignedByte();
    const char sep = static_cast<char>(input.Byte());
    const char esc = static_cast<char>(input.Byte());
    const std::string_view text = input.Rest();

    std::string out = "untouched";
    const BOOL found = ExtractField(out, text, index, sep, esc);
    if (text.empty()) {
        FUZZ_CHECK(!found && out == "untouched");
        return 0;
    }
    FUZZ_CHECK(out.size() <= text.size());
    if (!found)
        FUZZ_CHECK(out.empty());
    FUZZ_CHECK(std::find(out.begin(), out.end(), esc) == out.end());
    // Field 0 of a text without separators is the text less its escapes.
    if (index <= 0 && text.find(sep) == std::string_view::npos) {
        std::string expected(text);
        expected.erase(std::remove(expected.begin(), expected.end(), esc), expected.end());
        FUZZ_CHECK(found && out == expected);
    }
    return 0;
}
