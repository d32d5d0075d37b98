// The window on a screen of higher density, and under other styles and faces. CTest runs this
// test at QT_SCALE_FACTOR 1 and 2: at each factor the window keeps its designed size in logical
// pixels and is drawn with that many device pixels to each, every caption and figure still fits
// its control in the face and sizes the factor gives, and the icon comes at the device size
// without blending colours. It runs again under each style and with DejaVu Sans alone, where the
// captions and figures must still fit.

#include "tests/window/support/icon_pixels.h"
#include "tests/window/support/shown_form_test.h"
#include "window/form/form_fonts.h"
#include "window/icons/program_icon.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

#include <cmath>

using namespace quorvel::testing;

namespace {

qreal ScaleFactor() {
    bool ok = false;
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

// Where text drawn in `font` at the origin leaves ink, in logical pixels, rendered at the scale
// factor as the screen renders it. Hinting and rounding differ between factors, so the ink is
// what has to fit.
QRectF Ink(const QFont& font, const QString& text, qreal factor) {
    const QFontMetricsF metrics(font);
    const QSizeF room(metrics.horizontalAdvance(text) + 4 * metrics.height(), 3 * metrics.height());
    QImage image((room * factor).toSize(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(factor);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(QPointF(0, 0), room), Qt::AlignLeft | Qt::AlignTop, text);
    }
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == qRgb(255, 255, 255))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return {left / factor, top / factor, (right + 1 - left) / factor, (bottom + 1 - top) / factor};
}

// The width a line edit gives its text: inside the frame, the text margins and the two pixels
// QLineEdit keeps clear on either side.
int TextRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    constexpr int LineEditHorizontalMargin = 2;
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * LineEditHorizontalMargin;
}

} // namespace

class HighDpi : public ShownFormTest {
    Q_OBJECT

private slots:
    // CTest runs this test under each style and with a single face as well; a run that got
    // another style or face than it names would prove nothing.
    void initTestCase() {
        const QString face = QFontInfo(quorvel::FormFonts().at(quorvel::FieldFontPixels)).family();
        qInfo("scale factor %g, style %s, face %s", ScaleFactor(),
              qPrintable(QApplication::style()->name()), qPrintable(face));
        const QString style = qEnvironmentVariable("QT_STYLE_OVERRIDE");
        if (!style.isEmpty())
            QCOMPARE(QApplication::style()->name(), style.toLower());
        const QString expectedFace = qEnvironmentVariable("QUORVEL_TEST_FACE");
        if (!expectedFace.isEmpty())
            QCOMPARE(face, expectedFace);
    }

    void windowDrawnAtTheScaleFactor() {
        const qreal factor = ScaleFactor();
        QCOMPARE(form().devicePixelRatio(), factor);
        QCOMPARE(c().client->size(), QSize(515, 452));
        const QImage image = form().grab().toImage();
        QCOMPARE(image.size(), form().size() * factor);
        // The result field's yellow fills its place at the device's density.
        const QImage field = c().txtHP->grab().toImage();
        QCOMPARE(field.size(), c().txtHP->size() * factor);
        QCOMPARE(field.pixel(field.rect().center()), qRgb(255, 255, 0));
    }

    void everyCaptionFitsItsLabel() {
        const qreal factor = ScaleFactor();
        qreal tightest = 1e9;
        QString tightestCaption;
        for (QLabel* label : c().client->findChildren<QLabel*>()) {
            const QRectF ink = Ink(label->font(), label->text(), factor);
            const QFontMetricsF metrics(label->font());
            const QString what = QStringLiteral("%1: ink %2 wide, %3 high in %4x%5")
                                     .arg(label->text())
                                     .arg(ink.right())
                                     .arg(ink.bottom())
                                     .arg(label->width())
                                     .arg(label->height());
            QVERIFY2(!ink.isEmpty(), qPrintable(what));
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(), qPrintable(what));
            QVERIFY2(ink.right() <= label->width(), qPrintable(what));
            QVERIFY2(ink.bottom() <= label->height(), qPrintable(what));
            if (label->width() - ink.right() < tightest) {
                tightest = label->width() - ink.right();
                tightestCaption = label->text();
            }
        }
        qInfo("tightest caption \"%s\": %g px to spare", qPrintable(tightestCaption), tightest);
    }

    void everyButtonCaptionFits() {
        const qreal factor = ScaleFactor();
        for (QPushButton* button : c().client->findChildren<QPushButton*>()) {
            const QString caption = button->text().remove(QLatin1Char('&'));
            const QRectF ink = Ink(button->font(), caption, factor);
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            QVERIFY2(ink.width() <= room.width(), qPrintable(caption));
            QVERIFY2(ink.height() <= room.height(), qPrintable(caption));
        }
    }

    // The longest figure each field is meant to show, whole, without scrolling.
    void figuresFitTheirFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("figure");
        for (const char* weight : {"txtCar", "txtPlunger", "txtRatedLoad"})
            RowFor(weight) << "88888888"; // the 8-character limit
        RowFor("cmbSpeed") << "125";
        RowFor("cmbForce") << "33000";
        RowFor("cmbEfficiency") << "100";
        RowFor("txtHP") << "1,234.57";
    }
    void figuresFitTheirFields() {
        QFETCH(QString, field);
        QFETCH(QString, figure);
        QWidget* widget = c().byName(field);
        auto* box = qobject_cast<QComboBox*>(widget);
        auto* edit = box ? box->lineEdit() : qobject_cast<QLineEdit*>(widget);
        QVERIFY(edit);
        edit->setText(figure); // in the font the field takes for it
        const QRectF ink = Ink(edit->font(), figure, ScaleFactor());
        QVERIFY2(std::ceil(ink.right()) <= TextRoom(edit),
                 qPrintable(QStringLiteral("%1 needs %2, has %3")
                                .arg(figure)
                                .arg(ink.right())
                                .arg(TextRoom(edit))));
    }

    // Each size the desktop asks for comes at the device's pixels, from a drawing or the 32x32
    // drawing doubled pixel for pixel: never blended, so only the drawing's own colours.
    void iconSharpAtTheDevicesSize_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
    }
    void iconSharpAtTheDevicesSize() {
        QFETCH(int, size);
        const qreal factor = ScaleFactor();
        const QIcon icon = form().windowIcon();
        QVERIFY(icon.availableSizes().contains(QSize(64, 64)));
        const QImage image =
            icon.pixmap(QSize(size, size), factor).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(size, size) * factor);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) != 0 && !Palette16.contains(pixel))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, a blend")
                                         .arg(x)
                                         .arg(y)
                                         .arg(pixel, 8, 16)));
            }
        }
    }

    void sixtyFourPixelsAreTheDrawingDoubled() {
        const QImage drawing =
            QImage(QStringLiteral(":/icons/quorvel-32.xpm")).convertToFormat(QImage::Format_ARGB32);
        const QImage large = quorvel::ProgramIcon()
                                 .pixmap(QSize(64, 64), 1.0)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(large.size(), QSize(64, 64));
        const QString difference = BlockDifference(large, drawing);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_MAIN(HighDpi)
#include "test_high_dpi.moc"
