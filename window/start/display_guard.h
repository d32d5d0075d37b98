#pragma once

#include <QtGlobal>

namespace quorvel {

// Held while the application object is created. Where no display is named, or the one named
// cannot be reached, the toolkit aborts with a hint to reinstall the program; instead, the guard
// ends its messages with one line that names the display that was tried, and ends the program
// with status 1. Every other message goes on as the toolkit gives it.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    void release();

private:
    bool released_ = false;
};

} // namespace quorvel
