#pragma once
// An array of N copies of one value: the start value of a table that is not all zeros, usable
// where a braced list of N values would not fit, as in a list of globals and their start values.

#include <array>
#include <cstddef>

template <std::size_t N, typename T> constexpr std::array<T, N> FilledArray(const T& value)
{
    std::array<T, N> filled{};
    filled.fill(value);
    return filled;
}
