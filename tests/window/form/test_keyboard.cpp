// The keyboard: tab cycle, Enter and Esc, access keys, the menu shortcut and the weight fields'
// eight-character limit, all with real key events on the window.

#include "tests/window/support/shown_form_test.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace quorvel::testing;

class Keyboard : public ShownFormTest {
    Q_OBJECT

private slots:
    void tabVisitsTheNineStopsInOrder() {
        const QStringList order{"txtPlunger", "txtRatedLoad",  "cmbSpeed",
                                "cmbForce",   "cmbEfficiency", "cmdCalculate",
                                "cmdReset",   "cmdExit",       "txtCar"};
        QCOMPARE(FocusName(), QStringLiteral("txtCar"));
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            PressKey(Qt::Key_Tab);
            visited.append(FocusName());
        }
        QCOMPARE(visited, order);
    }

    void shiftTabGoesTheOtherWay() {
        const QStringList order{"cmdExit",       "cmdReset",   "cmdCalculate",
                                "cmbEfficiency", "cmbForce",   "cmbSpeed",
                                "txtRatedLoad",  "txtPlunger", "txtCar"};
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
            visited.append(FocusName());
        }
        QCOMPARE(visited, order);
    }

    // The result field and the focus sink are no tab stops, but Tab and Shift+Tab from them
    // follow their places in the tab order.
    void tabFromFieldsOffTheTabStops_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("Tab from the sink") << "Text1" << int(Qt::Key_Tab) << "txtCar";
        QTest::newRow("Tab from the result") << "txtHP" << int(Qt::Key_Tab) << "cmdCalculate";
        QTest::newRow("Shift+Tab from the result")
            << "txtHP" << int(Qt::Key_Backtab) << "cmbEfficiency";
    }
    void tabFromFieldsOffTheTabStops() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        QTest::mouseClick(c().byName(from), Qt::LeftButton);
        if (from == "Text1") // covered by Exit: only the program puts the focus there
            c().Text1->setFocus();
        QCOMPARE(FocusName(), from);
        PressKey(key, key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(FocusName(), to);
    }

    void enterInAnyFieldCalculates_data() {
        FieldRows({"txtCar", "txtPlunger", "txtRatedLoad", "cmbSpeed", "cmbForce", "cmbEfficiency",
                   "txtHP", "Text1"});
    }
    void enterInAnyFieldCalculates() {
        QFETCH(QString, field);
        TypeFigures(c(), WorkedExample);
        c().byName(field)->setFocus();
        QSignalSpy pressed(c().cmdCalculate, &QPushButton::clicked);
        PressKey(Qt::Key_Return);
        QCOMPARE(pressed.size(), 1);
        QCOMPARE(c().txtHP->text(), QStringLiteral("27.36"));
        QCOMPARE(FocusName(), QStringLiteral("cmdCalculate"));
    }

    // Enter on the empty window brings the car notice, OK closes it, again and again. A window
    // manager can report to a box, once shown, the size it was created at (100x30, seen under
    // openbox on a busy machine); each notice must come back whole, and the window take keys.
    void fastEnterPressesShowEveryNotice() {
        MessageBoxAnswerer answerer;
        int whole = 0;
        answerer.whileOpen = [&whole](const ShownBox&) {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            box->windowHandle()->resize(100, 30);
            QCoreApplication::processEvents();
            QCoreApplication::postEvent(box, new QEvent(QEvent::LayoutRequest));
            whole += QTest::qWaitFor([box] { return Describe(*box).whole; }, 1000);
        };
        for (int press = 0; press < 20; ++press)
            PressKey(Qt::Key_Return);
        QCOMPARE(answerer.titles(), QStringList(20, QStringLiteral("Car Weight")));
        QCOMPARE(whole, 20);
        PressKey(Qt::Key_5);
        QCOMPARE(c().txtCar->text(), QStringLiteral("5"));
    }

    void enterOnAButtonPressesThatButton() {
        TypeFigures(c(), WorkedExample);
        c().cmdReset->setFocus();
        QSignalSpy calculate(c().cmdCalculate, &QPushButton::clicked);
        QSignalSpy reset(c().cmdReset, &QPushButton::clicked);
        PressKey(Qt::Key_Return);
        QCOMPARE(reset.size(), 1);
        QCOMPARE(calculate.size(), 0);
        QCOMPARE(c().txtCar->text(), QString());
    }

    void escPressesExitAndClosesTheWindow_data() {
        FieldRows({"txtCar", "cmbForce", "txtHP", "cmdCalculate", "Text1"});
    }
    void escPressesExitAndClosesTheWindow() {
        QFETCH(QString, field);
        c().byName(field)->setFocus();
        QSignalSpy exit(c().cmdExit, &QPushButton::clicked);
        PressKey(Qt::Key_Escape);
        QCOMPARE(exit.size(), 1);
        QVERIFY(!form().isVisible());
    }

    void ctrlFShowsTheFormula() {
        MessageBoxAnswerer answerer;
        PressKey(Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(answerer.titles(), QStringList{"Formula"});
        QVERIFY(answerer.boxes().first().text.startsWith("The basic formula is:"));
    }

    void altHThenFChoosesFormula() {
        MessageBoxAnswerer answerer;
        PressKey(Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(c().mnuHelp->isVisible());
        QTest::keyClick(c().mnuHelp, Qt::Key_F);
        QTRY_COMPARE(answerer.titles(), QStringList{"Formula"});
    }

    void altCCalculates() {
        TypeFigures(c(), WorkedExample);
        PressKey(Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(c().txtHP->text(), QStringLiteral("27.36"));
    }

    void altRResets() {
        TypeFigures(c(), WorkedExample);
        PressKey(Qt::Key_R, Qt::AltModifier);
        QTRY_COMPARE(c().txtCar->text(), QString());
        QCOMPARE(c().cmbSpeed->currentText(), QStringLiteral("125"));
        QCOMPARE(FocusName(), QStringLiteral("txtCar"));
    }

    void altXExits() {
        QSignalSpy exit(c().cmdExit, &QPushButton::clicked);
        PressKey(Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(exit.size(), 1);
        QTRY_VERIFY(!form().isVisible());
    }

    void weightFieldsRefuseANinthCharacter_data() {
        FieldRows({"txtCar", "txtPlunger", "txtRatedLoad"});
    }
    void weightFieldsRefuseANinthCharacter() {
        QFETCH(QString, field);
        TypeInto(c().byName(field), QStringLiteral("123456789"));
        QCOMPARE(qobject_cast<QLineEdit*>(c().byName(field))->text(), QStringLiteral("12345678"));
    }

    void comboBoxesTakeLongerTexts_data() { FieldRows({"cmbSpeed", "cmbForce", "cmbEfficiency"}); }
    void comboBoxesTakeLongerTexts() {
        QFETCH(QString, field);
        TypeInto(c().byName(field), QStringLiteral("1234567890.5"));
        QCOMPARE(qobject_cast<QComboBox*>(c().byName(field))->currentText(),
                 QStringLiteral("1234567890.5"));
    }

    void resultCannotBeTypedIntoOrDeleted() {
        TypeFigures(c(), WorkedExample);
        PressKey(Qt::Key_Return);
        QCOMPARE(c().txtHP->text(), QStringLiteral("27.36"));
        QTest::mouseClick(c().txtHP, Qt::LeftButton);
        QCOMPARE(FocusName(), QStringLiteral("txtHP"));
        for (int key : {Qt::Key_5, Qt::Key_Backspace, Qt::Key_Delete})
            PressKey(key);
        QTest::keyClick(c().txtHP, Qt::Key_A, Qt::ControlModifier);
        PressKey(Qt::Key_Delete);
        QCOMPARE(c().txtHP->text(), QStringLiteral("27.36"));
    }
};

QTEST_MAIN(Keyboard)
#include "test_keyboard.moc"
