#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8, in which the core reads the fields' texts and writes the result. The core's own.
namespace calc {

// The UTF-8 character that starts at text[i], moving i past it. A malformed byte stands for
// itself alone and reads as U+FFFD.
char32_t NextCharacter(std::string_view text, std::size_t& i);

// Appends a wide character as UTF-8; one that is no Unicode character appends U+FFFD.
void AppendUtf8(std::string& out, wchar_t wide);

} // namespace calc
