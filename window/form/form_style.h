#pragma once

namespace quorvel {

// Puts a proxy over the application's style that gives the menu bar's extension button no icon.
// That button shows only when the menu bar is too narrow for its menus, which with one menu never
// happens; yet the menu bar fetches its icon when it is built, and reading that PNG without a
// format named loads every image-format plugin and the SVG library to find the format. Everything
// else is the style's own.
void UseFormStyle();

} // namespace quorvel
