#include "calc/windows_locale.h"

#include "calc/number_marks.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <string>

namespace calc {
namespace {

// One of the user's regional settings; empty where Windows has none.
std::wstring UserSetting(LCTYPE type) {
    const int size = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, nullptr, 0);
    if (size <= 0)
        return {};
    std::wstring value(static_cast<std::size_t>(size), L'\0');
    const int written = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, value.data(), size);
    value.resize(written > 0 ? static_cast<std::size_t>(written - 1) : 0);
    return value;
}

std::string Utf8(const std::wstring& text) {
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// Windows lists the group sizes rightmost first, separated by ";": a final 0 repeats the size
// before it ("3;0" groups every three digits), while without one the digits beyond the listed
// groups stay together ("3" groups only the last three). numpunct repeats its last size unless
// CHAR_MAX ends the grouping.
std::string Grouping(const std::wstring& setting) {
    std::string grouping;
    int size = 0;
    for (std::size_t i = 0; i <= setting.size(); ++i) {
        const wchar_t c = i < setting.size() ? setting[i] : L';';
        if (c >= L'0' && c <= L'9') {
            size = std::min(size * 10 + (c - L'0'), CHAR_MAX - 1);
        } else if (c == L';') {
            if (size == 0)
                return grouping;
            grouping += static_cast<char>(size);
            size = 0;
        }
    }
    if (!grouping.empty())
        grouping += static_cast<char>(CHAR_MAX);
    return grouping;
}

} // namespace

std::locale WindowsUserLocale() {
    std::wstring decimalMark = UserSetting(LOCALE_SDECIMAL);
    // A result without its decimal mark would read a hundred times too large.
    if (decimalMark.empty())
        decimalMark = L".";
    NumberMarks marks{Utf8(decimalMark), Utf8(UserSetting(LOCALE_STHOUSAND)),
                      Grouping(UserSetting(LOCALE_SGROUPING)), UserSetting(LOCALE_ILZERO) != L"0"};
    return {std::locale::classic(), new NumberMarksFacet(std::move(marks))};
}

} // namespace calc
