#include "tests/support/custom_locale.h"

#include <utility>

namespace calc::testing {
namespace {

template <typename Char> class Numpunct : public std::numpunct<Char> {
public:
    Numpunct(Char decimalPoint, Char thousandsSep, std::string grouping)
        : decimalPoint_(decimalPoint)
        , thousandsSep_(thousandsSep)
        , grouping_(std::move(grouping)) {}

protected:
    Char do_decimal_point() const override { return decimalPoint_; }
    Char do_thousands_sep() const override { return thousandsSep_; }
    std::string do_grouping() const override { return grouping_; }

private:
    Char decimalPoint_;
    Char thousandsSep_;
    std::string grouping_;
};

} // namespace

std::locale PunctuationLocale(const Punctuation& punctuation) {
    const std::locale narrow(std::locale::classic(),
                             new Numpunct<char>(punctuation.decimalPoint, punctuation.thousandsSep,
                                                punctuation.grouping));
    return std::locale(narrow,
                       new Numpunct<wchar_t>(punctuation.wideDecimalPoint,
                                             punctuation.wideThousandsSep, punctuation.grouping));
}

Punctuation GermanPunctuation() {
    return {',', '.', L',', L'.', "\3"};
}
Punctuation FrenchPunctuation() {
    return {',', ' ', L',', L'\u202F', "\3"};
}
Punctuation IndianPunctuation() {
    return {'.', ',', L'.', L',', "\3\2"};
}
Punctuation UngroupedPunctuation() {
    return {'.', ',', L'.', L',', ""};
}

} // namespace calc::testing
