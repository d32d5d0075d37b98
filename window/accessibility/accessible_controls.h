#pragma once

namespace quorvel {

// Has assistive tools see the program's line edits and shortcut menu entries through interfaces
// of its own, which say two things Qt's leave out: that a field's text is one run of a single
// format (screen readers read a text in its runs, and drop what no run covers), and a menu
// entry's shortcut key where screen readers look for it. Call before the first control exists;
// calls after the first do nothing.
void InstallAccessibleControls();

} // namespace quorvel
