#pragma once

#include <QStringList>

#include <optional>

namespace quorvel {

// Answers --help and --version, wherever they stand before a "--", before any display is
// needed; an answer that cannot be written ends with status 1. Returns the exit status when the
// program is to end here.
std::optional<int> AnswerHelpOrVersion(int argc, const char* const* argv);

// Refuses, with status 2, whatever Qt has left of the command line once it has taken its own
// options: the window takes none. Returns the exit status when the program is to end here.
std::optional<int> RefuseLeftOver(const QStringList& arguments);

} // namespace quorvel
