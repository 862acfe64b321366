// The field routines of the import and the measurement reader over any line and column.
#include "dynalyt/core/Fields.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const int column = input.SignedByte();
    const char separator = static_cast<char>(input.Byte());
    const std::string_view line = input.Rest();

    const std::string csv = dynalyt::CsvField(line, column, separator);
    FUZZ_CHECK(csv.size() <= line.size());
    FUZZ_CHECK(csv.find(separator) == std::string::npos || separator == ',');
    FUZZ_CHECK(csv.find('.') == std::string::npos);
    const std::string tab = dynalyt::TabField(line, column);
    FUZZ_CHECK(tab.size() <= line.size());
    FUZZ_CHECK(tab.find('\t') == std::string::npos && tab.find('.') == std::string::npos);
    return 0;
}
