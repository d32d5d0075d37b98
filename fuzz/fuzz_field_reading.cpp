// Arbitrary bytes as a field's text. FieldReading must give a finite value or throw
// std::overflow_error, give the same answer every time, and agree with the C library's
// correctly rounded conversion of the number the text begins with; IsWholeFigure must say
// whether any digit, of any script, follows that number. Both run under a locale whose decimal mark
// is ",", because neither may depend on the locale.

#include "calc/calculator.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <locale>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace {

// A broken promise stops the run, so that libFuzzer keeps the input that broke it.
void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

// The value read, or nothing where the number is too large for a double. Any other exception
// escapes and ends the run as a crash.
using Reading = std::optional<double>;

Reading Read(std::string_view text) {
    try {
        const double value = calc::FieldReading(text);
        Require(std::isfinite(value));
        return value;
    } catch (const std::overflow_error&) {
        return std::nullopt;
    }
}

bool Identical(Reading a, Reading b) {
    if (!a || !b)
        return !a && !b;
    return std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

std::size_t SkipSign(std::string_view text, std::size_t at) {
    return at < text.size() && (text[at] == '+' || text[at] == '-') ? at + 1 : at;
}

// Where the number a text begins with lies, by the grammar the program reads: blanks, then
// [sign] (digits [. digits] | . digits) [(e|E) [sign] digits]; nothing when it has no digit.
struct Span {
    std::size_t begin;
    std::size_t end;
};

std::optional<Span> LeadingNumber(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return std::nullopt;
    const std::size_t integer = SkipSign(text, begin);
    std::size_t end = SkipDigits(text, integer);
    bool hasDigits = end > integer;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fraction = end + 1;
        end = SkipDigits(text, fraction);
        hasDigits = hasDigits || end > fraction;
    }
    if (!hasDigits)
        return std::nullopt;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        const std::size_t exponent = SkipSign(text, end + 1);
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return Span{begin, end};
}

// strtod is correctly rounded in glibc; under the "C" locale it reads "." as the decimal mark,
// and it sees only the number itself, so none of its own extensions (hex, "inf") come into play.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

void CheckReading(std::string_view text, const std::optional<Span>& number, Reading reading) {
    if (!number) {
        Require(Identical(reading, 0.0));
        return;
    }
    const std::string digits(text.substr(number->begin, number->end - number->begin));
    const double expected = strtod_l(digits.c_str(), nullptr, CLocale());
    if (std::isinf(expected)) {
        Require(!reading);
        return;
    }
    Require(reading.has_value());
    // Below the normal range the program may round to zero where strtod keeps a subnormal.
    if (std::fabs(expected) < DBL_MIN && *reading == 0.0) {
        Require(std::signbit(*reading) == std::signbit(expected));
        return;
    }
    Require(Identical(reading, expected));
}

// An ASCII digit after the number makes it unwhole; beyond ASCII, other scripts' digits do too,
// so a rest of plain ASCII without a digit is the only sure sign of a whole figure.
void CheckWholeFigure(std::string_view text, const std::optional<Span>& number, bool whole) {
    bool digitAfter = false;
    bool plainAscii = true;
    if (number) {
        for (const char c : text.substr(number->end)) {
            digitAfter = digitAfter || IsDigit(c);
            plainAscii = plainAscii && static_cast<unsigned char>(c) < 0x80;
        }
    }
    if (digitAfter)
        Require(!whole);
    if (plainAscii)
        Require(whole == !digitAfter);
}

// A character that cannot continue any number ends the reading where the text ended; a digit
// after it makes the figure "2,500"-like, never whole.
void CheckAppended(const std::string& text, const std::optional<Span>& number, Reading reading,
                   bool whole) {
    for (const char stop : {',', 'x', ' '}) {
        // Blanks before a number are skipped, so a blank ends only a number already begun.
        if (stop == ' ' && !number)
            continue;
        const std::string longer = text + stop;
        Require(Identical(Read(longer), reading));
        Require(calc::IsWholeFigure(longer) == whole);
        for (const std::string digit : {"5", "\uFF15"}) { // and a fullwidth five
            const std::string grouped = longer + digit;
            Require(Identical(Read(grouped), reading));
            Require(calc::IsWholeFigure(grouped) == !number);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // German conventions write 1,5 for 1.5; where the locale is not installed the classic one
    // stays, and the run still checks everything else.
    try {
        std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error&) {
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Reading reading = Read(text);
    const bool whole = calc::IsWholeFigure(text);
    Require(Identical(Read(text), reading));
    Require(calc::IsWholeFigure(text) == whole);

    const std::optional<Span> number = LeadingNumber(text);
    CheckReading(text, number, reading);
    CheckWholeFigure(text, number, whole);
    CheckAppended(text, number, reading, whole);
    return 0;
}
