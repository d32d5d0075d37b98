#include "window/icons/program_icon.h"

#include <QImage>
#include <QPixmap>

// The drawings are compiled in as the XPM arrays they are, and each is decoded once, straight
// from the array. Read as files, every use would open the file, ask the image-format plugins
// whether one of them claims it, and decode it anew, several times during each start.
#include "window/icons/quorvel-16.xpm"
#include "window/icons/quorvel-32.xpm"

namespace quorvel {

QIcon ProgramIcon() {
    const QImage drawing32(quorvel_32);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(drawing32));
    icon.addPixmap(QPixmap(quorvel_16));
    // A screen at twice the density asks for 64 pixels where 32 are drawn. Left to itself, QIcon
    // would smooth-scale the drawing into a blur; repeating each pixel keeps the flag as crisp as
    // it was drawn.
    icon.addPixmap(QPixmap::fromImage(
        drawing32.scaled(2 * drawing32.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    return icon;
}

} // namespace quorvel
