#pragma once

#include <locale>

namespace calc {

// The classic locale with the number marks of the Windows user's regional settings: decimal mark,
// digit grouping and leading zero, as the user set them in the control panel.
std::locale WindowsUserLocale();

} // namespace calc
