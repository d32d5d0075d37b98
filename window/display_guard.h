#pragma once

#include <QtGlobal>

namespace quorvel {

// Held while the application object is created. Where no display is named, or the one named
// cannot be reached, the toolkit aborts with a hint to reinstall the program; instead, the guard
// says so on one line, naming the display, and ends the program with status 1. The
// toolkit's other messages of that time are held back and passed on when the guard is released.
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
