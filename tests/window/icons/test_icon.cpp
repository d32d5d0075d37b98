// The icon: two hand-drawn images in the 16-colour palette with transparency, the desktop files
// made from them at build time, which must show exactly the same pixels, and the larger ones
// rendered from the scalable drawing of the same flag.

#include "tests/window/support/icon_pixels.h"
#include "window/icons/program_icon.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

#include <algorithm>

namespace {

const QString Drawing16 = QStringLiteral(":/icons/quorvel-16.xpm");
const QString Drawing32 = QStringLiteral(":/icons/quorvel-32.xpm");
const QString Built = QStringLiteral(QUORVEL_ICON_DIR);

QImage Argb(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

bool Opaque(QRgb pixel) {
    return qAlpha(pixel) >= 128;
}

// Red, blue or colourless (white, greys, black), whatever the shade.
char Hue(QRgb pixel) {
    const int red = qRed(pixel), blue = qBlue(pixel), green = qGreen(pixel);
    if (red > 2 * std::max(green, blue))
        return 'r';
    if (blue > 2 * std::max(red, green))
        return 'b';
    return 'n';
}

} // namespace

using namespace quorvel::testing;

class Icon : public QObject {
    Q_OBJECT

private slots:
    void drawingsInTheSixteenColourPaletteWithTransparency_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("size");
        QTest::newRow("16") << Drawing16 << 16;
        QTest::newRow("32") << Drawing32 << 32;
    }
    void drawingsInTheSixteenColourPaletteWithTransparency() {
        QFETCH(QString, path);
        QFETCH(int, size);
        const QImage image = Argb(path);
        QCOMPARE(image.size(), QSize(size, size));
        int transparent = 0;
        QSet<QRgb> used;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0) {
                    ++transparent;
                    continue;
                }
                QCOMPARE(qAlpha(pixel), 255);
                QVERIFY2(Palette16.contains(pixel), qPrintable(QString::number(pixel, 16)));
                used.insert(pixel);
            }
        }
        QVERIFY(transparent > size); // the flag waves in front of nothing
        // Blue canton, red and white stripes, grey pole.
        for (QRgb colour : {0xff0000ffu, 0xffff0000u, 0xffffffffu, 0xff808080u})
            QVERIFY2(used.contains(colour), qPrintable(QString::number(colour, 16)));
    }

    void programIconOffersBothDrawings() {
        const QIcon icon = quorvel::ProgramIcon();
        QCOMPARE(icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32),
                 Argb(Drawing16));
        QCOMPARE(icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
                 Argb(Drawing32));
    }

    void pngsAreExactCopies_data() {
        QTest::addColumn<QString>("drawing");
        QTest::addColumn<QString>("png");
        QTest::newRow("16") << Drawing16 << Built + "/quorvel-16.png";
        QTest::newRow("32") << Drawing32 << Built + "/quorvel-32.png";
    }
    void pngsAreExactCopies() {
        QFETCH(QString, drawing);
        QFETCH(QString, png);
        QVERIFY2(QFile::exists(png), qPrintable(png));
        QCOMPARE(Argb(png), Argb(drawing));
    }

    // The larger PNGs are the scalable drawing rendered at their size: not the 32x32 drawing's
    // pixels enlarged into blocks, and yet the same flag, shown where the drawing shows it.
    void largerPngsAreTheFlagDrawnAtTheirSize_data() {
        QTest::addColumn<int>("size");
        for (int size : {48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }
    void largerPngsAreTheFlagDrawnAtTheirSize() {
        QFETCH(int, size);
        const QImage drawing = Argb(Drawing32);
        const QImage png = Argb(Built + QStringLiteral("/quorvel-%1.png").arg(size));
        QCOMPARE(png.size(), QSize(size, size));
        QVERIFY(!BlockDifference(png, drawing).isEmpty());
        // Reduced to 32x32, it covers nearly the drawing's pixels, and most of those that both
        // cover have the drawing's hue; the stripes need not lie on the same pixel rows. (The
        // flag mirrored agrees on two thirds of the cover and a third of the hues.)
        const QImage reduced =
            png.scaled(drawing.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int sameCover = 0;
        int bothOpaque = 0;
        int sameColour = 0;
        for (int y = 0; y < drawing.height(); ++y) {
            for (int x = 0; x < drawing.width(); ++x) {
                const QRgb drawn = drawing.pixel(x, y);
                const QRgb rendered = reduced.pixel(x, y);
                sameCover += Opaque(drawn) == Opaque(rendered);
                if (Opaque(drawn) && Opaque(rendered)) {
                    ++bothOpaque;
                    sameColour += Hue(drawn) == Hue(rendered);
                }
            }
        }
        const QString counts = QStringLiteral("%1 of %2 pixels alike in cover, %3 of %4 in hue")
                                   .arg(sameCover)
                                   .arg(drawing.width() * drawing.height())
                                   .arg(sameColour)
                                   .arg(bothOpaque);
        QVERIFY2(sameCover >= drawing.width() * drawing.height() * 9 / 10, qPrintable(counts));
        QVERIFY2(sameColour >= bothOpaque * 6 / 10, qPrintable(counts));
    }

    // Windows picks the image nearest the size it shows: the two drawings, and the flag drawn at
    // 48 and 256 pixels for screens of high density and large icon views.
    void icoHoldsBothDrawingsAndTheLargerSizes() {
        QImageReader reader(Built + "/quorvel.ico");
        QCOMPARE(reader.imageCount(), 4);
        QList<QImage> images;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            images.append(reader.read().convertToFormat(QImage::Format_ARGB32));
        }
        std::sort(images.begin(), images.end(),
                  [](const QImage& a, const QImage& b) { return a.width() < b.width(); });
        QCOMPARE(images[0], Argb(Drawing16));
        QCOMPARE(images[1], Argb(Drawing32));
        QCOMPARE(images[2], Argb(Built + "/quorvel-48.png"));
        QCOMPARE(images[3], Argb(Built + "/quorvel-256.png"));
    }
};

QTEST_MAIN(Icon)
#include "test_icon.moc"
