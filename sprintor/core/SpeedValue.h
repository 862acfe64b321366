#pragma once
// Reading the vehicle speed out of one field of a host reply.

#include <string_view>

// The field's leading decimal number ([blanks][sign]digits[.digits]), 0 when the field does not
// start with one; a negative speed counts as 0, and a huge one stays within the float range.
float ReadSpeed(std::string_view field);
