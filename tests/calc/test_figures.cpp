#include "calc/figures.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale>
#include <random>
#include <stdexcept>
#include <string>

namespace calc {
namespace {

struct Reading {
    std::string text;
    double expected;
};

void PrintTo(const Reading& reading, std::ostream* out) {
    *out << '"' << reading.text << '"';
}

class FieldReadingValue : public ::testing::TestWithParam<Reading> {};

TEST_P(FieldReadingValue, ReadsTheLeadingNumber) {
    const Reading& reading = GetParam();
    const double value = FieldReading(reading.text);
    EXPECT_EQ(value, reading.expected);
    EXPECT_EQ(std::signbit(value), std::signbit(reading.expected));
}

INSTANTIATE_TEST_SUITE_P(PlainFigures, FieldReadingValue,
                         ::testing::Values(Reading{"3000", 3000}, Reading{"-5", -5},
                                           Reading{" 125", 125}, Reading{" \t 125", 125},
                                           Reading{"+7", 7}, Reading{"0.0000001", 1e-7},
                                           Reading{"0.000001", 0.000001},
                                           Reading{"33000.5", 33000.5}, Reading{".5", 0.5},
                                           Reading{"5.", 5}, Reading{"-.25", -0.25},
                                           Reading{"007", 7}, Reading{"-0", -0.0}));

INSTANTIATE_TEST_SUITE_P(NoNumber, FieldReadingValue,
                         ::testing::Values(Reading{"", 0}, Reading{"abc", 0}, Reading{" ", 0},
                                           Reading{".", 0}, Reading{"-", 0}, Reading{"- 5", 0},
                                           Reading{"+-5", 0}, Reading{"e5", 0}, Reading{"inf", 0},
                                           Reading{"-inf", 0}, Reading{"infinity", 0},
                                           Reading{"INFINITY", 0}, Reading{"nan", 0},
                                           Reading{"NaN", 0}, Reading{"$5", 0}));

// Reading stops at the first character that cannot continue the number.
INSTANTIATE_TEST_SUITE_P(TextAfterTheNumber, FieldReadingValue,
                         ::testing::Values(Reading{"2,500", 2}, Reading{"33,000", 33},
                                           Reading{"150 FPM", 150}, Reading{"1.5.2", 1.5},
                                           Reading{"90%", 90}, Reading{"12 500", 12},
                                           Reading{"0x10", 0}, Reading{"0X1F", 0},
                                           Reading{"1e5.5", 1e5}, Reading{"3000lb", 3000},
                                           Reading{"1,5", 1}));

INSTANTIATE_TEST_SUITE_P(Exponents, FieldReadingValue,
                         ::testing::Values(Reading{"1e5", 1e5}, Reading{"1E5", 1e5},
                                           Reading{"1e+5", 1e5}, Reading{"2E-3", 2e-3},
                                           Reading{"1.5e2", 150}, Reading{"1e", 1},
                                           Reading{"1e+", 1}, Reading{"1e-", 1}, Reading{"1ex", 1},
                                           Reading{"1000e305", 1e308}, Reading{"0e99999", 0},
                                           Reading{"1.7976931348623157e308", DBL_MAX},
                                           Reading{"0.001e-320", 1e-323}));

// Too small for a double is no failure: the reading is the nearest subnormal, or zero.
INSTANTIATE_TEST_SUITE_P(Underflow, FieldReadingValue,
                         ::testing::Values(Reading{"1e-400", 0}, Reading{"-1e-400", -0.0},
                                           Reading{"2e-324", 0}, Reading{"4e-320", 4e-320},
                                           Reading{"5e-324", 5e-324},
                                           Reading{"1e-99999999999999999999999", 0},
                                           Reading{"0." + std::string(400, '0') + "1", 0},
                                           Reading{"1000e-330", 0}));

TEST(FieldReading, SubnormalReadingsAreSubnormal) {
    EXPECT_EQ(std::fpclassify(FieldReading("4e-320")), FP_SUBNORMAL);
    EXPECT_EQ(FieldReading("5e-324"), std::numeric_limits<double>::denorm_min());
}

TEST(FieldReading, ManyDigitsRoundToTheNearestDouble) {
    EXPECT_EQ(FieldReading("1." + std::string(10'000, '3')), 1.3333333333333333);
    EXPECT_EQ(FieldReading("0." + std::string(9'998, '0') + "1"), 0);
    EXPECT_EQ(FieldReading("2" + std::string(300, '0')), 2e300);
}

class FieldReadingOverflow : public ::testing::TestWithParam<std::string> {};

TEST_P(FieldReadingOverflow, Throws) {
    EXPECT_THROW(FieldReading(GetParam()), std::overflow_error);
}

INSTANTIATE_TEST_SUITE_P(BeyondTheDoubleRange, FieldReadingOverflow,
                         ::testing::Values("1e309", "1e999", "-1e309", " 1e309 FPM",
                                           "1.7976931348623159e308", "0.001e312",
                                           "1e99999999999999999999999", "1" + std::string(400, '0'),
                                           std::string(310, '9'), "1" + std::string(9'999, '0')));

TEST(FieldReading, LongTextsReadWithoutFailing) {
    EXPECT_EQ(FieldReading(std::string(10'000, 'x')), 0);
    EXPECT_EQ(FieldReading(std::string(9'999, ' ') + "5"), 5);
    EXPECT_EQ(FieldReading("42" + std::string(9'998, ',')), 42);
    EXPECT_EQ(FieldReading("7e" + std::string(9'998, '-')), 7);
}

// In the C locale strtod reads the same grammar, apart from words and hexadecimal, which the
// alphabet below cannot form; its infinity marks an overflow. Where it finds no number, C
// libraries differ on the sign of the 0 they give ("-"), so there the core's promise of 0 holds.
TEST(FieldReading, AgreesWithStrtodInTheClassicLocale) {
    constexpr std::string_view alphabet = " 0123456789.eE+-,";
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> length(0, 14);
    std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> exponent(-350, 350);
    for (int i = 0; i < 50'000; ++i) {
        std::string text;
        for (std::size_t n = length(random); n > 0; --n)
            text += alphabet[letter(random)];
        if (i % 4 == 0)
            text += "e" + std::to_string(exponent(random));
        char* end = nullptr;
        double expected = std::strtod(text.c_str(), &end);
        if (end == text.c_str())
            expected = 0.0;
        if (std::isinf(expected)) {
            EXPECT_THROW(FieldReading(text), std::overflow_error) << '"' << text << '"';
            continue;
        }
        double value = 0;
        ASSERT_NO_THROW(value = FieldReading(text)) << '"' << text << '"';
        ASSERT_EQ(value, expected) << '"' << text << '"';
        ASSERT_EQ(std::signbit(value), std::signbit(expected)) << '"' << text << '"';
    }
}

// The window's toolkit sets the C locale from the environment at start; a German one makes
// strtod and printf use "," as the decimal mark. Windows' C library names its locales its own way
// and has all of them; mingw's C++ library has no named locale at all.
#ifdef _WIN32
constexpr const char* GermanLocale = "German_Germany.1252";
#else
constexpr const char* GermanLocale = "de_DE.UTF-8";
#endif

class GermanEnvironment : public ::testing::Test {
protected:
    void SetUp() override {
        previousC_ = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, GermanLocale) == nullptr)
            GTEST_SKIP() << "the " << GermanLocale
                         << " locale is not installed (scripts/setup.sh test makes it)";
#ifndef _WIN32
        previousCpp_ = std::locale::global(std::locale(GermanLocale));
#endif
    }
    void TearDown() override {
        std::setlocale(LC_ALL, previousC_.c_str());
        std::locale::global(previousCpp_);
    }

private:
    std::string previousC_;
    std::locale previousCpp_;
};

TEST_F(GermanEnvironment, DecimalMarkIsAlwaysAFullStop) {
    ASSERT_EQ(std::strtod("1,5", nullptr), 1.5) << "the German locale did not take effect";
    EXPECT_EQ(FieldReading("1.5"), 1.5);
    EXPECT_EQ(FieldReading("1,5"), 1);
    EXPECT_EQ(FieldReading("2.5e3"), 2500);
    EXPECT_FALSE(IsWholeFigure("1,5"));
}

struct Wholeness {
    std::string text;
    bool whole;
};

void PrintTo(const Wholeness& wholeness, std::ostream* out) {
    *out << '"' << wholeness.text << '"';
}

class WholeFigure : public ::testing::TestWithParam<Wholeness> {};

TEST_P(WholeFigure, NoDigitFollowsTheNumber) {
    EXPECT_EQ(IsWholeFigure(GetParam().text), GetParam().whole);
}

INSTANTIATE_TEST_SUITE_P(
    DigitsAfterTheNumber, WholeFigure,
    ::testing::Values(Wholeness{"2,500", false}, Wholeness{"33,000", false},
                      Wholeness{"1.5.2", false}, Wholeness{"12 500", false},
                      Wholeness{"1,234.5", false}, Wholeness{"3000 lb 2", false},
                      Wholeness{"0x10", false}, Wholeness{"1e5.5", false},
                      Wholeness{"1e+x5", false}, Wholeness{"-5 5", false},
                      // fullwidth, Arabic-Indic, Devanagari, bold maths
                      Wholeness{"1\uFF12\uFF13", false}, Wholeness{"3\u0660\u0660\u0660", false},
                      Wholeness{"15\uFF10", false}, Wholeness{"2,\u096B00", false},
                      Wholeness{"9 \U0001D7D7", false}));

INSTANTIATE_TEST_SUITE_P(NothingOrAUnitAfterTheNumber, WholeFigure,
                         ::testing::Values(Wholeness{"3000", true}, Wholeness{"150 FPM", true},
                                           Wholeness{"90%", true}, Wholeness{"3000 lb", true},
                                           Wholeness{"1e5", true}, Wholeness{"2E-3", true},
                                           Wholeness{"1e", true}, Wholeness{"1e+", true},
                                           Wholeness{" 125 ", true}, Wholeness{"5.", true},
                                           // superscript two is no decimal digit; a stray byte
                                           Wholeness{"3000 ft\u00B2", true},
                                           Wholeness{"3000 \xEF\xBC", true}));

} // namespace
} // namespace calc
