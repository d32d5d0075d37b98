#include "window/command_line.h"

#include "window/form_texts.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace quorvel {

namespace {

// The options that QApplication and its X11 platform take out of argv themselves. Qt reads each
// with one dash or two; a value follows as the next argument, or after "=" for some of them.
constexpr std::array<std::string_view, 18> QtOptionsWithValue{
    "style",         "stylesheet",   "platform",      "platformpluginpath",
    "platformtheme", "plugin",       "session",       "qwindowgeometry",
    "qwindowicon",   "qwindowtitle", "qmljsdebugger", "display",
    "geometry",      "title",        "icon",          "name",
    "dialogs",       "fontengine"};
constexpr std::array<std::string_view, 6> QtFlags{"reverse", "widgetcount", "nograb",
                                                  "dograb",  "sync",        "testability"};

constexpr std::string_view Usage =
    "Usage: quorvel [--help | --version]\n"
    "Opens the window that computes the minimum motor horsepower of a hydraulic\n"
    "elevator; the figures are typed into the window, none can be given here.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n"
    "\n"
    "Qt's own options, such as -style NAME or -platform NAME, are passed on to Qt.\n"
    "See quorvel(1) for the fields, their units and the keys.\n";

bool Contains(const auto& names, std::string_view name) {
    return std::ranges::find(names, name) != names.end();
}

int Print(std::FILE* stream, const std::string& text, int status) {
    std::fputs(text.c_str(), stream);
    return status;
}

int Refuse(std::string_view what, std::string_view argument) {
    return Print(stderr,
                 "quorvel: " + std::string(what) + " '" + std::string(argument) +
                     "'; try 'quorvel --help'\n",
                 2);
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version" || argument == "-v")
            return Print(stdout, std::string(texts::ProductName) + " " QUORVEL_PRODUCT_VERSION "\n",
                         0);
        if (argument == "--help" || argument == "-h")
            return Print(stdout, std::string(Usage), 0);
        if (!argument.starts_with('-'))
            return Refuse("unexpected argument", argument);
        std::string_view name = argument.substr(argument.starts_with("--") ? 2 : 1);
        const std::size_t equals = name.find('=');
        name = name.substr(0, equals);
        if (Contains(QtOptionsWithValue, name)) {
            if (equals == std::string_view::npos)
                ++i; // the value, whatever it looks like, is Qt's
        } else if (!Contains(QtFlags, name) || equals != std::string_view::npos) {
            return Refuse("unknown option", argument);
        }
    }
    return std::nullopt;
}

} // namespace quorvel
