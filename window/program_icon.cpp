#include "window/program_icon.h"

#include <QImage>
#include <QPixmap>
#include <QString>

namespace quorvel {

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/quorvel-32.xpm"));
    icon.addFile(QStringLiteral(":/icons/quorvel-16.xpm"));
    // A screen at twice the density asks for 64 pixels where 32 are drawn. Left to itself, QIcon
    // would smooth-scale the drawing into a blur; repeating each pixel keeps the flag as crisp as
    // it was drawn.
    const QImage drawing(QStringLiteral(":/icons/quorvel-32.xpm"));
    icon.addPixmap(QPixmap::fromImage(
        drawing.scaled(2 * drawing.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    return icon;
}

} // namespace quorvel
