#include "calc/figures.h"

#include "calc/decimal_digits.h"
#include "calc/utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>
#include <system_error>

namespace calc {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Far beyond any double, and small enough that adding a text's digit count cannot overflow.
constexpr long long MaxExponent = 1'000'000'000'000'000;

// Where the number a text begins with lies, and enough about it to tell an overflow from an
// underflow without converting it.
struct NumberSpan {
    std::size_t begin = 0; // first character of the number, after the blanks
    std::size_t end = 0;   // one past its last character
    bool hasDigits = false;
    bool negative = false;
    long long magnitude = 0; // decimal exponent of the first significant digit
    bool zero = true;        // every digit is 0
};

NumberSpan ScanNumber(std::string_view text) {
    NumberSpan span;
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    span.begin = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        span.negative = text[i] == '-';
        ++i;
    }
    long long position = 0; // digits before the point, less leading zeros
    bool seenSignificant = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        span.hasDigits = true;
        if (text[i] != '0' && !seenSignificant) {
            seenSignificant = true;
            span.zero = false;
        }
        if (seenSignificant)
            ++position;
    }
    long long fractionZeros = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            span.hasDigits = true;
            if (!seenSignificant) {
                if (text[i] == '0') {
                    ++fractionZeros;
                } else {
                    seenSignificant = true;
                    span.zero = false;
                }
            }
        }
    }
    if (!span.hasDigits)
        return span;
    span.magnitude = seenSignificant && position == 0 ? -fractionZeros : position;
    span.end = i;
    // An exponent counts only when at least one digit follows its letter and sign.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            long long exponent = 0;
            for (; j < text.size() && IsDigit(text[j]); ++j)
                exponent = std::min(exponent * 10 + (text[j] - '0'), MaxExponent);
            span.magnitude += negativeExponent ? -exponent : exponent;
            span.end = j;
        }
    }
    return span;
}

} // namespace

double FieldReading(std::string_view text) {
    const NumberSpan span = ScanNumber(text);
    if (!span.hasDigits)
        return 0.0;
    if (span.zero)
        return span.negative ? -0.0 : 0.0;
    // from_chars takes no "+", and is independent of every locale setting.
    std::size_t first = span.begin;
    if (text[first] == '+')
        ++first;
    double value = 0.0;
    const char* begin = text.data() + first;
    const char* end = text.data() + span.end;
    const auto [ptr, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        // The first significant digit tells the two ends of the range apart: an overflow starts
        // hundreds of places before the point, an underflow hundreds after it.
        if (span.magnitude > 0)
            throw std::overflow_error("number too large for a double");
        return span.negative ? -0.0 : 0.0;
    }
    if (error != std::errc() || ptr != end || std::isinf(value))
        throw std::overflow_error("number too large for a double");
    return value;
}

bool IsWholeFigure(std::string_view text) {
    const NumberSpan span = ScanNumber(text);
    const std::string_view rest = span.hasDigits ? text.substr(span.end) : std::string_view{};
    for (std::size_t i = 0; i < rest.size();) {
        if (IsDecimalDigit(NextCharacter(rest, i)))
            return false;
    }
    return true;
}

} // namespace calc
