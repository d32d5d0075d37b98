// The test-support helpers themselves: the answerer records and answers boxes, the watchdog ends
// a box nobody expected instead of letting the test hang on it, and the icon comparison finds a
// pixel that an enlargement blended.

#include "tests/window/support/icon_pixels.h"
#include "tests/window/support/message_boxes.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace quorvel::testing;

namespace {

int ShowBox(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

} // namespace

class Support : public QObject {
    Q_OBJECT

private slots:
    void answererRecordsAndPressesTheDefaultButton() {
        MessageBoxAnswerer answerer;
        QString seenWhileOpen;
        answerer.whileOpen = [&](const ShownBox&) {
            seenWhileOpen = QApplication::activeModalWidget()->windowTitle();
        };
        QCOMPARE(ShowBox("First", "one\r\ntwo"), int(QMessageBox::Ok));
        QCOMPARE(ShowBox("Second", "three"), int(QMessageBox::Ok));
        QCOMPARE(answerer.titles(), (QStringList{"First", "Second"}));
        QCOMPARE(answerer.boxes().first().text, QStringLiteral("one\r\ntwo"));
        QCOMPARE(answerer.boxes().first().buttonCount, 2);
        QVERIFY(answerer.boxes().first().okIsDefault);
        QCOMPARE(answerer.boxes().first().textFormat, Qt::PlainText);
        QCOMPARE(seenWhileOpen, QStringLiteral("Second"));
    }

    void watchdogClosesAnUnexpectedBox() {
        ModalWatchdog watchdog(ModalWatchdog::OnUnexpected::RecordOnly);
        QTimer fallback; // should the watchdog fail, the box still closes and the test fails
        fallback.setSingleShot(true);
        connect(&fallback, &QTimer::timeout, this, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        fallback.start(10'000);
        ShowBox("Surprise", "nobody answers this");
        QVERIFY(fallback.isActive());
        QCOMPARE(watchdog.unexpected(), QStringList{"Surprise: nobody answers this"});
    }

    void watchdogStandsAsideForAnAnswerer() {
        ModalWatchdog watchdog(ModalWatchdog::OnUnexpected::RecordOnly);
        MessageBoxAnswerer answerer;
        QCOMPARE(ShowBox("Expected", "answered"), int(QMessageBox::Ok));
        QCOMPARE(answerer.titles(), QStringList{"Expected"});
        QCOMPARE(watchdog.unexpected(), QStringList{});
    }

    void blockDifferenceNamesTheFirstPixelOutOfItsBlock() {
        QImage drawing(2, 2, QImage::Format_ARGB32);
        drawing.fill(Qt::red);
        drawing.setPixel(1, 0, qRgb(0, 0, 255));
        QImage doubled = drawing.scaled(4, 4); // nearest pixel, no blending
        QCOMPARE(BlockDifference(doubled, drawing), QString());
        doubled.setPixel(2, 1, qRgb(128, 0, 128));
        QCOMPARE(BlockDifference(doubled, drawing), QStringLiteral("pixel 2,1 differs"));
    }
};

QTEST_MAIN(Support)
#include "test_support.moc"
