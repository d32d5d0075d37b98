#pragma once

#include <QFont>

namespace quorvel {

inline constexpr int FieldFontPixels = 18; // 13.5 points at 96 dots per inch
inline constexpr int TitleFontPixels = 24; // 18 points

// The window's bold face at the given size. The form was drawn for a small bitmap sans-serif;
// the list asks for it first, then for faces of the same widths, so that the captions still fit
// their labels where it is missing. One family alone would fall back to whatever the system
// prefers, which on Linux is often too wide.
QFont FormFont(int pixelSize);

} // namespace quorvel
