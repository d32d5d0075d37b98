#include "calc/figures.h"

#include "calc/number_marks.h"
#include "calc/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <system_error>

namespace calc {
namespace {

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

} // namespace calc
