#include "window/start/command_line.h"

#include "window/form/form_texts.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace quorvel {

namespace {

constexpr std::string_view Usage =
    "Usage: quorvel [--help | --version]\n"
    "Opens the window that computes the minimum motor horsepower of a hydraulic\n"
    "elevator; the figures are typed into the window, none can be given here.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n"
    "\n"
    "Qt's own options, such as -style NAME or -platform NAME, are passed on to Qt.\n"
#ifndef _WIN32
    // The manual page is installed on Linux only.
    "See quorvel(1) for the fields, their units and the keys.\n"
#endif
    ;

// A full disk or a closed pipe must not pass for an answer given.
int Print(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0)
        return 0;
    std::fprintf(stderr, "quorvel: cannot write the answer: %s\n", std::strerror(errno));
    return 1;
}

int Refuse(const char* what, const QString& argument) {
    std::fprintf(stderr, "quorvel: %s '%s'; try 'quorvel --help'\n", what,
                 argument.toLocal8Bit().constData());
    return 2;
}

} // namespace

std::optional<int> AnswerHelpOrVersion(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (argument == "--help" || argument == "-h")
            return Print(Usage);
        if (argument == "--version" || argument == "-v")
            return Print(std::string(texts::ProductName) + " " QUORVEL_PRODUCT_VERSION "\n");
    }
    return std::nullopt;
}

std::optional<int> RefuseLeftOver(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] != QLatin1String("--"))
            return Refuse(arguments[i].startsWith(QLatin1Char('-')) ? "unknown option"
                                                                    : "unexpected argument",
                          arguments[i]);
        if (i + 1 < arguments.size())
            return Refuse("unexpected argument", arguments[i + 1]);
    }
    return std::nullopt;
}

} // namespace quorvel
