#pragma once
// Splitting file contents into lines: CR LF, LF and a lone CR each end a line; a last line
// without a line end is a line too. Lines are returned without their ends.

#include <string_view>
#include <vector>

namespace dynalyt {

std::vector<std::string_view> SplitLines(std::string_view bytes);

} // namespace dynalyt
