#include "calc/figures.h"

#include "calc/number_marks.h"
#include "calc/windows_locale.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>
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

namespace {

// The digit zero of every run of decimal digits in Unicode 15.0 (general category Nd), in order;
// each run holds the digits zero to nine one after another.
constexpr std::array<char32_t, 68> DecimalDigitZeros{
    0x0030,  0x0660,  0x06F0,  0x07C0,  0x0966,  0x09E6,  0x0A66,  0x0AE6,  0x0B66,  0x0BE6,
    0x0C66,  0x0CE6,  0x0D66,  0x0DE6,  0x0E50,  0x0ED0,  0x0F20,  0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x11F50, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8,
    0x1D7E2, 0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E4F0, 0x1E950, 0x1FBF0};

bool IsDecimalDigit(char32_t code) {
    const auto after = std::upper_bound(DecimalDigitZeros.begin(), DecimalDigitZeros.end(), code);
    return after != DecimalDigitZeros.begin() && code - *std::prev(after) <= 9;
}

// The UTF-8 character that starts at text[i], moving i past it. A malformed byte stands for
// itself alone and reads as U+FFFD.
char32_t NextCharacter(std::string_view text, std::size_t& i) {
    constexpr char32_t Replacement = 0xFFFD;
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    if (lead < 0xC0 || lead >= 0xF8)
        return Replacement;
    int following = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t code = lead & (0x3F >> following);
    for (; following > 0; --following) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return Replacement;
        code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return code;
}

} // namespace

bool IsWholeFigure(std::string_view text) {
    const NumberSpan span = ScanNumber(text);
    const std::string_view rest = span.hasDigits ? text.substr(span.end) : std::string_view{};
    for (std::size_t i = 0; i < rest.size();) {
        if (IsDecimalDigit(NextCharacter(rest, i)))
            return false;
    }
    return true;
}

namespace {

void AppendUtf8(std::string& out, wchar_t wide) {
    auto code = static_cast<std::uint32_t>(wide);
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The integer digits with the locale's group separator inserted. Each character of grouping
// is the size of one group counted from the right, the last one repeating; a size of zero or
// less, or CHAR_MAX, leaves the remaining digits ungrouped.
std::string GroupDigits(std::string_view digits, const std::string& grouping,
                        const std::string& separator) {
    const std::string reversedSeparator(separator.rbegin(), separator.rend());
    std::string reversed;
    std::size_t group = 0;
    int inGroup = 0;
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        const int size = grouping.empty() ? 0 : static_cast<int>(grouping[group]);
        if (size > 0 && size != CHAR_MAX && inGroup == size) {
            reversed += reversedSeparator;
            group = std::min(group + 1, grouping.size() - 1);
            inGroup = 0;
        }
        reversed += *digit;
        ++inGroup;
    }
    return {reversed.rbegin(), reversed.rend()};
}

// The marks the locale carries whole, or else those of its wide numpunct facet, which always
// shows a leading zero.
NumberMarks LocaleMarks(const std::locale& locale) {
    if (std::has_facet<NumberMarksFacet>(locale))
        return std::use_facet<NumberMarksFacet>(locale).marks();
    const auto& punct = std::use_facet<std::numpunct<wchar_t>>(locale);
    NumberMarks marks;
    AppendUtf8(marks.decimalMark, punct.decimal_point());
    AppendUtf8(marks.groupSeparator, punct.thousands_sep());
    marks.grouping = punct.grouping();
    return marks;
}

} // namespace

std::string ResultFormat(double value, const std::locale& locale) {
    // The largest double has 309 integer digits; to_chars rounds the exact binary value.
    std::array<char, 512> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, 2);
    if (error != std::errc())
        return {};
    std::string_view plain(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    if (plain == "inf" || plain == "-inf" || plain == "nan" || plain == "-nan")
        return std::string(plain);

    bool negative = false;
    if (plain.front() == '-') {
        negative = true;
        plain.remove_prefix(1);
    }
    const std::size_t point = plain.find('.');
    const std::string_view integer = plain.substr(0, point);
    const std::string_view fraction = plain.substr(point + 1);
    // A value that rounds to zero shows no sign.
    if (integer.find_first_not_of('0') == std::string_view::npos &&
        fraction.find_first_not_of('0') == std::string_view::npos)
        negative = false;

    const NumberMarks marks = LocaleMarks(locale);
    std::string out = negative ? "-" : "";
    if (integer != "0" || marks.leadingZero)
        out += GroupDigits(integer, marks.grouping, marks.groupSeparator);
    out += marks.decimalMark;
    out += fraction;
    return out;
}

#ifdef _WIN32

// Windows keeps the user's number conventions in the regional settings, not the environment.
std::locale UserLocale() {
    return WindowsUserLocale();
}

#else

namespace {

// The locale the environment names for one category, as the C library picks it: LC_ALL, then the
// category's own variable (if any), then LANG; an empty variable counts as unset.
const char* EnvironmentLocale(const char* categoryVariable) {
    for (const char* variable : {"LC_ALL", categoryVariable, "LANG"}) {
        if (variable == nullptr)
            continue;
        const char* name = std::getenv(variable);
        if (name != nullptr && *name != '\0')
            return name;
    }
    return "C";
}

// The named locale, or the classic one where it is not installed.
std::locale InstalledLocale(const char* name) {
    try {
        return std::locale(name);
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

} // namespace

std::locale UserLocale() {
    struct Category {
        std::locale::category category;
        const char* variable;
    };
    constexpr Category categories[] = {
        {std::locale::ctype, "LC_CTYPE"},       {std::locale::numeric, "LC_NUMERIC"},
        {std::locale::collate, "LC_COLLATE"},   {std::locale::time, "LC_TIME"},
        {std::locale::monetary, "LC_MONETARY"}, {std::locale::messages, "LC_MESSAGES"},
    };
    // Every category as LC_ALL or LANG names it, then each as its own variable names it.
    std::locale user = InstalledLocale(EnvironmentLocale(nullptr));
    for (const auto& [category, variable] : categories)
        user = std::locale(user, InstalledLocale(EnvironmentLocale(variable)), category);
    return user;
}

#endif

namespace {

bool userLocaleAsked = false;

} // namespace

std::locale FormattingLocale() {
    if (userLocaleAsked) {
        userLocaleAsked = false;
        std::locale::global(UserLocale());
    }
    return std::locale();
}

void UseUserLocale() {
    userLocaleAsked = true;
}

} // namespace calc
