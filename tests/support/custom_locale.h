#pragma once

#include <locale>
#include <string>

namespace calc::testing {

// The marks of one numeric convention, in both character widths: the narrow facet cannot hold
// a mark beyond ASCII, so a locale built from it falls back to the nearest ASCII character.
struct Punctuation {
    char decimalPoint;
    char thousandsSep;
    wchar_t wideDecimalPoint;
    wchar_t wideThousandsSep;
    std::string grouping; // sizes of the digit groups, rightmost first, as numpunct gives them
};

// The classic locale with custom numpunct<char> and numpunct<wchar_t> facets, so that tests do
// not depend on which locales the machine has installed.
std::locale PunctuationLocale(const Punctuation& punctuation);

// Common conventions: 1.234.567,89 / 1 234 567,89 with U+202F / 12,34,567.89 / 1234567.89.
Punctuation GermanPunctuation();
Punctuation FrenchPunctuation();
Punctuation IndianPunctuation();
Punctuation UngroupedPunctuation();

// Sets the global C++ locale for the lifetime of the object and restores the previous one.
class GlobalLocale {
public:
    explicit GlobalLocale(const std::locale& locale)
        : previous_(std::locale::global(locale)) {}
    ~GlobalLocale() { std::locale::global(previous_); }
    GlobalLocale(const GlobalLocale&) = delete;
    GlobalLocale& operator=(const GlobalLocale&) = delete;

private:
    std::locale previous_;
};

} // namespace calc::testing
