// Reset, Exit and Help > Formula on the real window, and that closing the window in any way ends
// the program.

#include "tests/window/support/shown_form_test.h"

#include "calc/dialog_texts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace quorvel::testing;

namespace {

// Everything a user sees of the figures: texts, colours, the result and the focus.
struct Screen {
    QStringList texts;
    QList<QColor> colours;
    QString focus;
    friend bool operator==(const Screen&, const Screen&) = default;
};

Screen Look(const Controls& c) {
    Screen screen;
    for (QLineEdit* box : {c.txtCar, c.txtPlunger, c.txtRatedLoad, c.txtHP}) {
        screen.texts.append(box->text());
        screen.colours.append(Background(box));
    }
    for (QComboBox* box : {c.cmbSpeed, c.cmbForce, c.cmbEfficiency}) {
        screen.texts.append(box->currentText());
        screen.colours.append(Background(box));
    }
    screen.focus = FocusName();
    return screen;
}

} // namespace

class Commands : public ShownFormTest {
    Q_OBJECT

private:
    void expectStartValues() {
        for (QLineEdit* box : {c().txtCar, c().txtPlunger, c().txtRatedLoad})
            QCOMPARE(box->text(), QString());
        QCOMPARE(c().cmbSpeed->currentText(), QStringLiteral("125"));
        QCOMPARE(c().cmbForce->currentText(), QStringLiteral("33000"));
        QCOMPARE(c().cmbEfficiency->currentText(), QStringLiteral("90"));
        QCOMPARE(c().txtHP->text(), QString());
        for (const QString& field : InputFieldNames)
            QCOMPARE(Background(c().byName(field)), QColor(Qt::white));
        QCOMPARE(FocusName(), QStringLiteral("txtCar"));
    }

private slots:
    void resetAfterARejectedCarWeight() {
        {
            MessageBoxAnswerer answerer;
            TypeInto(c().txtCar, QStringLiteral("-5"));
            QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
            QCOMPARE(answerer.titles(), QStringList{"Car Weight"});
        }
        QCOMPARE(Background(c().txtCar), QColor(Qt::red));
        QTest::mouseClick(c().cmdReset, Qt::LeftButton);
        expectStartValues();
    }

    void resetAfterTheRuleSetFullEfficiency() {
        {
            MessageBoxAnswerer answerer;
            TypeFigures(c(), {"3000", "1000", "2500", "125", "29000", "90"});
            QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
            QCOMPARE(c().cmbEfficiency->currentText(), QStringLiteral("100"));
            QCOMPARE(c().txtHP->text(), QStringLiteral("28.02"));
        }
        QTest::mouseClick(c().cmdReset, Qt::LeftButton);
        expectStartValues();
    }

    void resetReplacesTypedFiguresAndKeepsTheLists() {
        const QStringList speeds = Items(c().cmbSpeed);
        TypeFigures(c(), {"1", "2", "3", "140", "1", "1"});
        QTest::mouseClick(c().cmdReset, Qt::LeftButton);
        expectStartValues();
        QCOMPARE(Items(c().cmbSpeed), speeds);
        QCOMPARE(c().cmbForce->count(), 7);
        QCOMPARE(c().cmbEfficiency->count(), 8);
    }

    // The watchdog fails the test should Reset show any box.
    void resetTwiceGivesTheSameWindowAndKeepsTheSink() {
        c().Text1->setFocus();
        QTest::keyClicks(c().Text1, QStringLiteral("xyz"));
        QTest::mouseClick(c().cmdReset, Qt::LeftButton);
        const Screen once = Look(c());
        expectStartValues();
        QTest::mouseClick(c().cmdReset, Qt::LeftButton);
        QVERIFY(Look(c()) == once);
        QCOMPARE(c().Text1->text(), QStringLiteral("xyz"));
    }

    void resetThenCalculateReportsTheCarWeight() {
        TypeFigures(c(), WorkedExample);
        QTest::mouseClick(c().cmdReset, Qt::LeftButton);
        MessageBoxAnswerer answerer;
        QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
        QCOMPARE(answerer.titles(), QStringList{"Car Weight"});
        QCOMPARE(Background(c().txtCar), QColor(Qt::red));
    }

    void formulaShowsItsTextAndChangesNothing_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("byShortcut");
        for (bool byShortcut : {false, true}) {
            const char* how = byShortcut ? "Ctrl+F" : "menu";
            QTest::addRow("red field, %s", how) << "red field" << byShortcut;
            QTest::addRow("result shown, %s", how) << "result shown" << byShortcut;
        }
    }
    void formulaShowsItsTextAndChangesNothing() {
        QFETCH(QString, before);
        QFETCH(bool, byShortcut);
        {
            MessageBoxAnswerer answerer;
            TypeFigures(c(), WorkedExample);
            if (before == "red field")
                TypeInto(c().cmbEfficiency, QStringLiteral("150"));
            QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
        }
        const Screen was = Look(c());
        MessageBoxAnswerer answerer;
        if (byShortcut)
            PressKey(Qt::Key_F, Qt::ControlModifier);
        else
            c().mnuFormula->trigger();
        QCOMPARE(answerer.boxes().size(), 1);
        const ShownBox& box = answerer.boxes().first();
        QCOMPARE(box.title, QStringLiteral("Formula"));
        QCOMPARE(box.text, Q(calc::msgFormula.prompt));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttonCount, 1);
        QVERIFY(box.okIsDefault);
        QCOMPARE(box.textFormat, Qt::PlainText);
        QCOMPARE(box.modality, Qt::ApplicationModal);
        QVERIFY(box.linesUnbroken);
        QTRY_VERIFY(Look(c()) == was);
    }

    // Qt's own message box breaks the formula's lines, as wide as they are, at half the screen;
    // the program's box mends that. When a Qt version no longer does it, this fails.
    void qtsOwnBoxBreaksTheFormulasLines() {
        QMessageBox box(QMessageBox::NoIcon, Q(calc::msgFormula.title), Q(calc::msgFormula.prompt),
                        QMessageBox::Ok, &form());
        box.setTextFormat(Qt::PlainText);
        MessageBoxAnswerer answerer;
        box.exec();
        QCOMPARE(answerer.boxes().size(), 1);
        QVERIFY(!answerer.boxes().first().linesUnbroken);
    }

    // In a 12-point font, as desktops often give, the formula box lies within the screen's free
    // area with its text whole: its lines unbroken where the screen has room for them, else the
    // box as wide as the room. CTest runs this once more on a 640x480 screen.
    void formulaBoxFitsTheScreen() {
        const QFont standard = QApplication::font();
        QFont larger = standard;
        larger.setPointSize(12);
        QApplication::setFont(larger);
        MessageBoxAnswerer answerer;
        PressKey(Qt::Key_F, Qt::ControlModifier);
        QApplication::setFont(standard);
        QCOMPARE(answerer.boxes().size(), 1);
        const ShownBox& box = answerer.boxes().first();
        QVERIFY(box.whole);
        QVERIFY(box.room.contains(box.frame));
        QVERIFY(box.linesUnbroken || box.frame.width() == box.room.width());
    }

    // Every way of closing the window runs Exit once and ends the event loop with status 0,
    // without asking anything, whatever the window shows.
    void closingEndsTheProgram_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("withResult");
        for (const char* way : {"Exit clicked", "Esc", "Alt+X", "title bar", "quit"}) {
            QTest::addRow("%s, red field", way) << way << false;
            QTest::addRow("%s, result shown", way) << way << true;
        }
    }
    void closingEndsTheProgram() {
        QFETCH(QString, way);
        QFETCH(bool, withResult);
        {
            MessageBoxAnswerer answerer;
            TypeFigures(c(), WorkedExample);
            if (!withResult)
                TypeInto(c().txtRatedLoad, QStringLiteral("0"));
            QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
        }
        QSignalSpy exit(c().cmdExit, &QPushButton::clicked);
        QTimer::singleShot(0, this, [this, way] {
            if (way == "Exit clicked")
                QTest::mouseClick(c().cmdExit, Qt::LeftButton);
            else if (way == "Esc")
                PressKey(Qt::Key_Escape);
            else if (way == "Alt+X")
                PressKey(Qt::Key_X, Qt::AltModifier);
            else if (way == "title bar")
                form().close();
            else
                QCoreApplication::quit();
        });
        QTimer fallback; // ends a loop that would otherwise never end
        fallback.setSingleShot(true);
        connect(&fallback, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        fallback.start(10'000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(exit.size(), 1);
        QVERIFY(!form().isVisible());
    }
};

QTEST_MAIN(Commands)
#include "test_commands.moc"
