#include "icon_pixels.h"

#include <QImage>

namespace quorvel::testing {

const QSet<QRgb> Palette16{0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                           0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                           0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

QString BlockDifference(const QImage& enlarged, const QImage& drawing) {
    for (int y = 0; y < enlarged.height(); ++y) {
        for (int x = 0; x < enlarged.width(); ++x) {
            const QRgb expected = drawing.pixel(x * drawing.width() / enlarged.width(),
                                                y * drawing.height() / enlarged.height());
            if (enlarged.pixel(x, y) != expected)
                return QStringLiteral("pixel %1,%2 differs").arg(x).arg(y);
        }
    }
    return {};
}

} // namespace quorvel::testing
