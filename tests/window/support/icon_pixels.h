#pragma once

#include <QColor>
#include <QSet>
#include <QString>

class QImage;

namespace quorvel::testing {

// The standard 16-colour palette of Windows, in which the icon is drawn.
extern const QSet<QRgb> Palette16;

// Where `enlarged` fails to show each pixel of `drawing` as a block of its own colour, as an
// enlargement without blending does: "" when it nowhere does, otherwise the first pixel that
// differs.
QString BlockDifference(const QImage& enlarged, const QImage& drawing);

} // namespace quorvel::testing
