#pragma once
// Taking a fuzzer's bytes apart: a few leading bytes choose how a reader is called, the rest is
// the text it reads.

#include <cstddef>
#include <cstdint>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    // The next byte, 0 once the input is used up.
    uint8_t Byte()
    {
        if (rest_.empty())
            return 0;
        const auto byte = static_cast<uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return byte;
    }

    // The next text up to a byte of value end (which is dropped), or all that is left.
    std::string_view Until(char end)
    {
        const std::size_t at = rest_.find(end);
        const std::string_view part = rest_.substr(0, at);
        rest_.remove_prefix(at == std::string_view::npos ? rest_.size() : at + 1);
        return part;
    }

    // All that is left.
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};
