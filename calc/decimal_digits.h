#pragma once

namespace calc {

// The core's own: whether the character is a Unicode decimal digit (general category Nd), in any
// script.
bool IsDecimalDigit(char32_t code);

} // namespace calc
