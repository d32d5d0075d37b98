#include "calc/figures.h"
#include "tests/support/custom_locale.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <locale>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace calc {
namespace {

using testing::Punctuation;
using testing::PunctuationLocale;

struct Formatting {
    double value;
    std::string expected;
};

void PrintTo(const Formatting& formatting, std::ostream* out) {
    *out << formatting.expected << " from " << formatting.value;
}

class ClassicFormat : public ::testing::TestWithParam<Formatting> {};

TEST_P(ClassicFormat, TwoDecimals) {
    EXPECT_EQ(ResultFormat(GetParam().value, std::locale::classic()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ClassicFormat,
    ::testing::Values(Formatting{27.356902356902356, "27.36"}, Formatting{30, "30.00"},
                      Formatting{28.017241379310345, "28.02"}, Formatting{0.5, "0.50"},
                      Formatting{0, "0.00"}, Formatting{4e-320, "0.00"},
                      Formatting{1234.567, "1234.57"}, Formatting{1e15, "1000000000000000.00"},
                      Formatting{123456789012.3125, "123456789012.31"}));

// The doubles nearest to 2.675 and 0.015 lie below them, those nearest to 0.005 and 99.995
// above: rounding follows the exact binary value, never the decimal that was typed.
INSTANTIATE_TEST_SUITE_P(Rounding, ClassicFormat,
                         ::testing::Values(Formatting{2.675, "2.67"}, Formatting{1.005, "1.00"},
                                           Formatting{0.005, "0.01"}, Formatting{0.004, "0.00"},
                                           Formatting{0.015, "0.01"}, Formatting{99.995, "100.00"},
                                           Formatting{9.999, "10.00"}));

// A value that rounds to zero shows no minus sign.
INSTANTIATE_TEST_SUITE_P(Negatives, ClassicFormat,
                         ::testing::Values(Formatting{-27.356, "-27.36"}, Formatting{-0.5, "-0.50"},
                                           Formatting{-1234.567, "-1234.57"},
                                           Formatting{-0.0, "0.00"}, Formatting{-0.004, "0.00"},
                                           Formatting{-0.005, "-0.01"}));

INSTANTIATE_TEST_SUITE_P(
    Largest, ClassicFormat,
    ::testing::Values(Formatting{
        DBL_MAX,
        "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589"
        "558632766878171540458953514382464234321326889464182768467546703537516986049910576551282"
        "076245490090389328944075868508455133942304583236903222948165808559332123348274797826204"
        "144723168738177180919299881250404026184124858368.00"}));

// printf in the C locale rounds the exact binary value too, and serves as an independent check.
TEST(ClassicFormat, AgreesWithPrintfAcrossMagnitudes) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-4, 20);
    for (int i = 0; i < 20'000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.2f", value);
        ASSERT_EQ(ResultFormat(value, std::locale::classic()), expected) << value;
    }
}

struct LocaleFormatting {
    std::string convention;
    Punctuation punctuation;
    double value;
    std::string expected;
};

void PrintTo(const LocaleFormatting& formatting, std::ostream* out) {
    *out << formatting.convention << ' ' << formatting.value;
}

class LocaleFormat : public ::testing::TestWithParam<LocaleFormatting> {};

// The rows of one convention.
std::vector<LocaleFormatting> Rows(const std::string& convention, const Punctuation& punctuation,
                                   std::initializer_list<Formatting> formattings) {
    std::vector<LocaleFormatting> rows;
    for (const Formatting& formatting : formattings)
        rows.push_back({convention, punctuation, formatting.value, formatting.expected});
    return rows;
}

TEST_P(LocaleFormat, MarksAndGroupsFromTheWideFacet) {
    const LocaleFormatting& formatting = GetParam();
    EXPECT_EQ(ResultFormat(formatting.value, PunctuationLocale(formatting.punctuation)),
              formatting.expected);
}

const Punctuation German = testing::GermanPunctuation();
const Punctuation French = testing::FrenchPunctuation();
const Punctuation Indian = testing::IndianPunctuation();
const Punctuation Ungrouped = testing::UngroupedPunctuation();
// One group of three, then the rest of the digits unbroken.
const Punctuation OneGroup{'.', ',', L'.', L',', std::string{3, CHAR_MAX}};
// Two-byte UTF-8 marks: U+066B ARABIC DECIMAL SEPARATOR, U+066C ARABIC THOUSANDS SEPARATOR.
const Punctuation Arabic{'.', ',', L'\u066B', L'\u066C', "\3"};

INSTANTIATE_TEST_SUITE_P(
    German, LocaleFormat,
    ::testing::ValuesIn(
        Rows("German", German,
             {Formatting{1234.567, "1.234,57"}, Formatting{1234567.891, "1.234.567,89"},
              Formatting{27.356902356902356, "27,36"}, Formatting{123.4, "123,40"},
              Formatting{1000, "1.000,00"}, Formatting{0.5, "0,50"},
              Formatting{-1234.5, "-1.234,50"}, Formatting{999999.999, "1.000.000,00"}})));

// U+202F NARROW NO-BREAK SPACE is E2 80 AF in UTF-8; the narrow facet would give a plain space.
INSTANTIATE_TEST_SUITE_P(French, LocaleFormat,
                         ::testing::ValuesIn(Rows("French", French,
                                                  {Formatting{1234.567, "1\xE2\x80\xAF"
                                                                        "234,57"},
                                                   Formatting{12345678.9, "12\xE2\x80\xAF"
                                                                          "345\xE2\x80\xAF"
                                                                          "678,90"},
                                                   Formatting{999.5, "999,50"}})));

INSTANTIATE_TEST_SUITE_P(
    OtherGroupings, LocaleFormat,
    ::testing::Values(LocaleFormatting{"Indian", Indian, 12345678.9, "1,23,45,678.90"},
                      LocaleFormatting{"Indian", Indian, 123456, "1,23,456.00"},
                      LocaleFormatting{"Indian", Indian, 1234.5, "1,234.50"},
                      LocaleFormatting{"Indian", Indian, 123, "123.00"},
                      LocaleFormatting{"Ungrouped", Ungrouped, 1234567.25, "1234567.25"},
                      LocaleFormatting{"OneGroup", OneGroup, 1234567, "1234,567.00"},
                      LocaleFormatting{"Arabic", Arabic, 1234.5,
                                       "1\xD9\xAC"
                                       "234\xD9\xAB"
                                       "50"}));

// CHAR_MAX ends the grouping: past the first group, even 200 digits stay unbroken.
TEST(ResultFormat, UnlimitedLastGroup) {
    std::string expected = ResultFormat(1e200, std::locale::classic());
    ASSERT_GT(expected.size(), 200U);
    expected.insert(expected.size() - 6, ",");
    EXPECT_EQ(ResultFormat(1e200, PunctuationLocale(OneGroup)), expected);
}

TEST(ResultFormat, DefaultsToTheGlobalLocale) {
    const testing::GlobalLocale german(PunctuationLocale(German));
    EXPECT_EQ(ResultFormat(1234.567), "1.234,57");
}

#ifndef _WIN32
// Elsewhere than on Windows, the program sets the global locale from LC_ALL and friends; each
// test starts with none of the variables it may change set, and gets back what was there.
class UserEnvironment : public ::testing::Test {
protected:
    void SetUp() override {
        for (std::size_t i = 0; i < std::size(Variables); ++i) {
            if (const char* value = std::getenv(Variables[i]))
                previous_[i] = value;
            unsetenv(Variables[i]);
        }
    }
    void TearDown() override {
        for (std::size_t i = 0; i < std::size(Variables); ++i) {
            if (previous_[i])
                setenv(Variables[i], previous_[i]->c_str(), 1);
            else
                unsetenv(Variables[i]);
        }
    }

    static bool GermanInstalled() {
        try {
            std::locale("de_DE.UTF-8");
            return true;
        } catch (const std::runtime_error&) {
            return false;
        }
    }

private:
    static constexpr const char* Variables[] = {"LC_ALL", "LC_NUMERIC", "LC_TIME", "LANG"};
    std::optional<std::string> previous_[std::size(Variables)];
};

TEST_F(UserEnvironment, LocaleThatIsNotInstalledFallsBackToClassic) {
    setenv("LC_ALL", "xx_QQ.UTF-8", 1);
    ASSERT_THROW(std::locale(""), std::runtime_error);
    std::locale user;
    ASSERT_NO_THROW(user = UserLocale());
    EXPECT_EQ(user.name(), "C");
    EXPECT_EQ(ResultFormat(1234.567, user), "1234.57");
}

TEST_F(UserEnvironment, InstalledLocaleIsTaken) {
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    if (!GermanInstalled())
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/setup.sh test makes it)";
    EXPECT_EQ(UserLocale().name(), "de_DE.UTF-8");
    const testing::GlobalLocale restore(std::locale::classic());
    UseUserLocale();
    EXPECT_EQ(std::locale().name(), "C") << "built before the first result needs it";
    EXPECT_EQ(ResultFormat(1234.567), "1.234,57");
    EXPECT_EQ(std::locale().name(), "de_DE.UTF-8");
}

// Only the numeric category's locale shapes the result: LC_ALL, then LC_NUMERIC, then LANG.
TEST_F(UserEnvironment, EachCategoryFallsBackOnItsOwn) {
    if (!GermanInstalled())
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed (scripts/setup.sh test makes it)";
    setenv("LANG", "de_DE.UTF-8", 1);
    setenv("LC_TIME", "xx_QQ.UTF-8", 1);
    EXPECT_EQ(ResultFormat(1234567.89, UserLocale()), "1.234.567,89");
    setenv("LC_NUMERIC", "xx_QQ.UTF-8", 1);
    EXPECT_EQ(ResultFormat(1234567.89, UserLocale()), "1234567.89");
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    EXPECT_EQ(ResultFormat(1234567.89, UserLocale()), "1.234.567,89");
}
#endif

} // namespace
} // namespace calc
