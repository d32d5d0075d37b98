#pragma once

#include <optional>

namespace quorvel {

// Answers --version and --help, and refuses any argument that neither Quorvel nor Qt takes, all
// before a display is needed. Returns the exit status when the program is to end here, nothing
// when the window is to open; Qt's own options stay in argv for QApplication.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv);

} // namespace quorvel
