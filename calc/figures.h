#pragma once

#include <locale>
#include <string>
#include <string_view>

namespace calc {

// The number a text begins with: leading blanks skipped, then an optional sign, digits with an
// optional "." fraction and an optional exponent; the rest is ignored. The decimal mark is "."
// whatever the locale, and a text that does not begin with a number reads as 0. A number beyond
// the range of a double throws std::overflow_error; one too small for it reads as 0 or a
// subnormal.
double FieldReading(std::string_view text);

// True when no digit follows the number the text begins with. "2,500" or "12 500" would read as
// 2 or 12 and undersize the motor a thousandfold, so such figures are refused, while a unit
// after the number ("150 FPM", "90%") is harmless. A digit is any Unicode decimal digit, so that
// a fullwidth "1２３" (UTF-8) is not taken for 1 either.
bool IsWholeFigure(std::string_view text);

// The global C++ locale; first made the user's, where UseUserLocale() has asked for that.
std::locale FormattingLocale();

// The value with exactly two decimals, its decimal mark and digit grouping taken from the
// locale's NumberMarksFacet or else its wide numpunct facet, as UTF-8 (the narrow facet cannot
// hold marks such as U+202F). A value below 1 shows its 0 unless the NumberMarksFacet says not.
std::string ResultFormat(double value, const std::locale& locale = FormattingLocale());

// On Windows, the number marks of the user's regional settings (WindowsUserLocale). Elsewhere,
// the locale the user's environment names, built one category at a time: a category whose locale
// is not installed stays classic without costing the others theirs, so a missing LC_TIME locale
// leaves the result's decimal mark and grouping to LC_NUMERIC (std::locale("") would throw).
std::locale UserLocale();

// Makes UserLocale() the global C++ locale, so that ResultFormat's default follows the user:
// when the first result is formatted, not now, since reading the locale's files is work that the
// program's start need not wait for.
void UseUserLocale();

} // namespace calc
