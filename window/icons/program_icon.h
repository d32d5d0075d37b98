#pragma once

#include <QIcon>

namespace quorvel {

// The waving flag, drawn at 32x32 and 16x16 in the 16-colour palette, with the 32x32 drawing
// doubled to 64x64 pixel for pixel for screens of twice the density; the window's icon and the
// program's.
QIcon ProgramIcon();

} // namespace quorvel
