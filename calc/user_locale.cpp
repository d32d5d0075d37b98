#include "calc/figures.h"

#include "calc/windows_locale.h"

#include <cstdlib>
#include <stdexcept>

namespace calc {

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
