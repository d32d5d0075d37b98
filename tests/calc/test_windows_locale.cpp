#include "calc/figures.h"
#include "tests/support/custom_locale.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace calc {
namespace {

// Each test changes the user's regional settings the way the control panel does, and puts back
// what was there.
class RegionalSettings : public ::testing::Test {
protected:
    void Set(LCTYPE type, const wchar_t* value) {
        wchar_t previous[LOCALE_NAME_MAX_LENGTH] = {};
        ASSERT_GT(GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, previous, LOCALE_NAME_MAX_LENGTH),
                  0);
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, type, value));
        previous_.emplace_back(type, previous);
    }
    void TearDown() override {
        for (auto setting = previous_.rbegin(); setting != previous_.rend(); ++setting)
            SetLocaleInfoW(LOCALE_USER_DEFAULT, setting->first, setting->second.c_str());
    }

private:
    std::vector<std::pair<LCTYPE, std::wstring>> previous_;
};

struct Settings {
    const wchar_t* decimalMark;
    const wchar_t* groupSeparator;
    const wchar_t* grouping;
    const wchar_t* leadingZero;
    double value;
    std::string expected;
};

void PrintTo(const Settings& settings, std::ostream* out) {
    *out << settings.expected;
}

class UserSettingsFormat : public RegionalSettings,
                           public ::testing::WithParamInterface<Settings> {};

TEST_P(UserSettingsFormat, MarksGroupsAndLeadingZero) {
    const Settings& settings = GetParam();
    Set(LOCALE_SDECIMAL, settings.decimalMark);
    Set(LOCALE_STHOUSAND, settings.groupSeparator);
    Set(LOCALE_SGROUPING, settings.grouping);
    Set(LOCALE_ILZERO, settings.leadingZero);
    EXPECT_EQ(ResultFormat(settings.value, UserLocale()), settings.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, UserSettingsFormat,
    ::testing::Values(Settings{L",", L".", L"3;0", L"1", 1234567.891, "1.234.567,89"},
                      Settings{L",", L".", L"3;0", L"1", 0.5, "0,50"},
                      Settings{L",", L".", L"3;0", L"0", 0.5, ",50"},
                      Settings{L".", L",", L"3;0", L"0", 27.356, "27.36"},
                      Settings{L".", L",", L"3;0", L"0", -0.25, "-.25"},
                      // No decimal mark set: "2736" would read a hundred times too large.
                      Settings{L"", L",", L"3;0", L"1", 27.356, "27.36"},
                      Settings{L",", L"\u00A0", L"3;0", L"1", 1234.5,
                               "1\xC2\xA0"
                               "234,50"},
                      Settings{L".", L",", L"3;2;0", L"1", 12345678.9, "1,23,45,678.90"},
                      Settings{L".", L",", L"3", L"1", 1234567, "1234,567.00"},
                      Settings{L".", L",", L"0", L"1", 1234567.25, "1234567.25"},
                      Settings{L"||", L"' ", L"3;0", L"1", 1234.5, "1' 234||50"}));

// Under whichever user locale the tests run, the result looks as Windows itself formats a number
// with the user's settings. Wine's formatting puts no separator past the first group, so the
// values stay below a million.
TEST_F(RegionalSettings, AgreesWithWindowsNumberFormat) {
    Set(LOCALE_IDIGITS, L"2");
    const testing::GlobalLocale restore(std::locale::classic());
    UseUserLocale();
    for (const auto& [value, digits] :
         {std::pair{1234.567, L"1234.57"}, std::pair{27.356902356902356, L"27.36"},
          std::pair{0.5, L"0.50"}, std::pair{1000.0, L"1000.00"}}) {
        wchar_t formatted[64] = {};
        ASSERT_GT(GetNumberFormatEx(LOCALE_NAME_USER_DEFAULT, 0, digits, nullptr, formatted, 64),
                  0);
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, formatted, -1, nullptr, 0, nullptr, nullptr);
        std::string expected(static_cast<std::size_t>(size), '\0');
        WideCharToMultiByte(CP_UTF8, 0, formatted, -1, expected.data(), size, nullptr, nullptr);
        expected.pop_back();
        EXPECT_EQ(ResultFormat(value), expected) << value;
    }
}

} // namespace
} // namespace calc
