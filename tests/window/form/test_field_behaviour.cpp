// The fields' small behaviours with real keys and clicks: edits clear the result and the red mark,
// entering a weight field selects its text, clicks on labels and background park the focus in
// the hidden Text1, and the combo boxes neither grow their lists nor complete typed figures.

#include "tests/window/support/shown_form_test.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace quorvel::testing;

namespace {

QString FieldText(QWidget* field) {
    if (auto* box = qobject_cast<QComboBox*>(field))
        return box->currentText();
    return qobject_cast<QLineEdit*>(field)->text();
}

} // namespace

class FieldBehaviour : public ShownFormTest {
    Q_OBJECT

private:
    void calculate() {
        MessageBoxAnswerer answerer;
        QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
    }

    void showWorkedResult() {
        TypeFigures(c(), WorkedExample);
        calculate();
        QCOMPARE(c().txtHP->text(), QStringLiteral("27.36"));
    }

    // Picks an item of a combo box's list with the mouse, as a user does.
    void choose(QComboBox* box, const QString& item) {
        const int index = box->findText(item);
        QVERIFY(index >= 0);
        box->showPopup();
        QAbstractItemView* list = box->view();
        QTRY_VERIFY(list->isVisible());
        const QRect place = list->visualRect(list->model()->index(index, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTRY_VERIFY(!list->isVisible());
    }

private slots:
    // Each row makes its field the first refused one, then types a digit into it.
    void aTypedFigureClearsTheResultAndTheRedMark_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("refused");
        RowFor("txtCar") << "0";
        RowFor("txtPlunger") << "-1";
        RowFor("txtRatedLoad") << "x";
        RowFor("cmbSpeed") << "0";
        RowFor("cmbForce") << "40000";
        RowFor("cmbEfficiency") << "101";
    }
    void aTypedFigureClearsTheResultAndTheRedMark() {
        QFETCH(QString, field);
        QFETCH(QString, refused);
        QWidget* control = c().byName(field);
        showWorkedResult();
        TypeInto(control, QStringLiteral("9"));
        QCOMPARE(c().txtHP->text(), QString());

        TypeInto(control, refused);
        calculate();
        QCOMPARE(Background(control), QColor(Qt::red));
        QTest::keyClick(control, Qt::Key_End);
        QTest::keyClick(control, Qt::Key_5);
        QCOMPARE(FieldText(control), refused + "5");
        QCOMPARE(Background(control), QColor(Qt::white));
    }

    void aRefusedKeystrokeKeepsTheResult() {
        TypeFigures(c(), {"30000000", "1000", "2500", "125", "33000", "90"});
        calculate();
        const QString result = c().txtHP->text();
        QVERIFY(!result.isEmpty());
        c().txtCar->setFocus();
        QTest::keyClick(c().txtCar, Qt::Key_End);
        QTest::keyClick(c().txtCar, Qt::Key_7);
        QCOMPARE(c().txtCar->text(), QStringLiteral("30000000"));
        QCOMPARE(c().txtHP->text(), result);
    }

    void aListChoiceClearsTheRedMarkAndTheResult() {
        TypeFigures(c(), {"3000", "1000", "2500", "125", "0", "90"});
        calculate();
        QCOMPARE(Background(c().cmbForce), QColor(Qt::red));
        c().txtHP->setText(QStringLiteral("1.00")); // stands for an earlier result
        choose(c().cmbForce, QStringLiteral("32000"));
        QCOMPARE(c().cmbForce->currentText(), QStringLiteral("32000"));
        QCOMPARE(Background(c().cmbForce), QColor(Qt::white));
        QCOMPARE(c().txtHP->text(), QString());
    }

    void choosingTheShownItemStillClearsTheResult() {
        showWorkedResult();
        choose(c().cmbSpeed, QStringLiteral("125"));
        QCOMPARE(c().txtHP->text(), QString());
    }

    // Only a choice from the list may run a list's handler: leaving a combo box whose text the
    // program set, or opening Formula, must keep the result.
    void aResultSurvivesLeavingAFieldTheProgramSet_data() {
        QTest::addColumn<QString>("set");
        QTest::addColumn<bool>("formula");
        for (const char* set : {"by the rule", "by Reset"}) {
            QTest::addRow("%s, Shift+Tab", set) << set << false;
            QTest::addRow("%s, Formula", set) << set << true;
        }
    }
    void aResultSurvivesLeavingAFieldTheProgramSet() {
        QFETCH(QString, set);
        QFETCH(bool, formula);
        MessageBoxAnswerer answerer;
        if (set == "by the rule") {
            TypeFigures(c(), {"3000", "1000", "2500", "125", "29000", "90"});
        } else {
            choose(c().cmbEfficiency, QStringLiteral("85"));
            QTest::mouseClick(c().cmdReset, Qt::LeftButton);
            TypeInto(c().txtCar, WorkedExample.car);
            TypeInto(c().txtPlunger, WorkedExample.plunger);
            TypeInto(c().txtRatedLoad, WorkedExample.ratedLoad);
        }
        PressKey(Qt::Key_Return);
        const QString result = c().txtHP->text();
        QVERIFY(!result.isEmpty());
        PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(FocusName(), QStringLiteral("cmbEfficiency"));
        if (formula)
            PressKey(Qt::Key_F, Qt::ControlModifier);
        else
            PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(c().txtHP->text(), result);
    }

    // After the notice the refused figure is selected, so that typing replaces it.
    void aRefusedListFigureIsReplacedByTyping_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("refused");
        RowFor("cmbSpeed") << "0";
        RowFor("cmbForce") << "40000";
        RowFor("cmbEfficiency") << "150";
    }
    void aRefusedListFigureIsReplacedByTyping() {
        QFETCH(QString, field);
        QFETCH(QString, refused);
        auto* box = qobject_cast<QComboBox*>(c().byName(field));
        TypeFigures(c(), WorkedExample);
        TypeInto(box, refused);
        calculate();
        QCOMPARE(FocusName(), field);
        PressKey(Qt::Key_9);
        PressKey(Qt::Key_0);
        QCOMPARE(box->currentText(), QStringLiteral("90"));
    }

    void speedListOpensWithFiftyOnTopAndOneFiftyAtTheBottom() {
        c().cmbSpeed->showPopup();
        QAbstractItemView* list = c().cmbSpeed->view();
        QTRY_VERIFY(list->isVisible());
        const QRect first = list->visualRect(list->model()->index(0, 0));
        const QRect last = list->visualRect(list->model()->index(7, 0));
        QVERIFY(list->viewport()->rect().contains(first));
        QVERIFY(list->viewport()->rect().contains(last));
        QCOMPARE(list->indexAt(first.center()).data().toString(), QStringLiteral("50"));
        QCOMPARE(list->indexAt(last.center()).data().toString(), QStringLiteral("150"));
        c().cmbSpeed->hidePopup();
    }

    void tabbingIntoAWeightSelectsAllOfIt() {
        c().txtPlunger->setText(QStringLiteral("1000"));
        c().txtCar->setFocus();
        PressKey(Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("txtPlunger"));
        QCOMPARE(c().txtPlunger->selectedText(), QStringLiteral("1000"));
        PressKey(Qt::Key_7);
        QCOMPARE(c().txtPlunger->text(), QStringLiteral("7"));
    }

    void aWeightFieldSelectsAllWhenTheProgramFocusesIt() {
        TypeFigures(c(), {"-5", "1000", "2500", "125", "33000", "90"});
        calculate();
        QCOMPARE(FocusName(), QStringLiteral("txtCar"));
        QCOMPARE(c().txtCar->selectedText(), QStringLiteral("-5"));
    }

    // Coming back to the window from a box or a menu leaves the caret where it was, so that what
    // is typed goes there instead of replacing the figure.
    void comingBackToTheWindowKeepsTheCaret_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Ctrl+F") << false;
        QTest::newRow("Help menu") << true;
    }
    void comingBackToTheWindowKeepsTheCaret() {
        QFETCH(bool, byMenu);
        TypeInto(c().txtCar, QStringLiteral("3000"));
        PressKey(Qt::Key_Home);
        PressKey(Qt::Key_Right);
        MessageBoxAnswerer answerer;
        if (!byMenu) {
            PressKey(Qt::Key_F, Qt::ControlModifier);
        } else {
            // The pointer goes to each place before it clicks there, as a hand moves it: a click
            // alone leaves Qt's last pointer position unknown, and Qt 6.8's menus take a press
            // only once the pointer has moved since they opened.
            const QPoint title = c().menuBar->actionGeometry(c().mnuHelp->menuAction()).center();
            QTest::mouseMove(c().menuBar, title);
            QTest::mouseClick(c().menuBar, Qt::LeftButton, {}, title);
            QTRY_VERIFY(c().mnuHelp->isVisible());
            const QPoint item = c().mnuHelp->actionGeometry(c().mnuFormula).center();
            QTest::mouseMove(c().mnuHelp, item);
            QTest::mouseClick(c().mnuHelp, Qt::LeftButton, {}, item);
        }
        QTRY_COMPARE(answerer.titles(), QStringList{"Formula"});
        PressKey(Qt::Key_5);
        QCOMPARE(c().txtCar->text(), QStringLiteral("35000"));
    }

    void tabbingIntoAComboBoxChangesNothing() {
        showWorkedResult();
        c().txtRatedLoad->setFocus();
        PressKey(Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("cmbSpeed"));
        QCOMPARE(c().txtHP->text(), QStringLiteral("27.36"));
        QCOMPARE(c().cmbSpeed->currentText(), QStringLiteral("125"));
    }

    void clicksOnLabelsAndBackgroundParkTheFocus_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QPoint>("point"); // inside the target; (-1,-1) for its centre
        for (int i = 0; i < 7; ++i)
            QTest::addRow("Label1(%d)", i) << QStringLiteral("Label1(%1)").arg(i) << QPoint(-1, -1);
        RowFor("Label2") << QPoint(-1, -1);
        QTest::newRow("background") << "client" << QPoint(10, 440);
    }
    void clicksOnLabelsAndBackgroundParkTheFocus() {
        QFETCH(QString, target);
        QFETCH(QPoint, point);
        showWorkedResult();
        TypeInto(c().txtRatedLoad, QStringLiteral("2500"));
        QWidget* widget = c().byName(target);
        QVERIFY(widget);
        const QPoint at = point == QPoint(-1, -1) ? widget->rect().center() : point;
        QCOMPARE(widget->childAt(at), nullptr);
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QCOMPARE(FocusName(), QStringLiteral("Text1"));

        const QStringList before{c().txtCar->text(), c().txtPlunger->text(),
                                 c().txtRatedLoad->text(), c().cmbSpeed->currentText(),
                                 c().txtHP->text()};
        PressKey(Qt::Key_4);
        PressKey(Qt::Key_2);
        const QStringList after{c().txtCar->text(), c().txtPlunger->text(),
                                c().txtRatedLoad->text(), c().cmbSpeed->currentText(),
                                c().txtHP->text()};
        QCOMPARE(after, before);
        QCOMPARE(c().Text1->text(), QStringLiteral("42"));
        PressKey(Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("txtCar"));
    }

    void aRightClickOnALabelLeavesTheFocus() {
        c().txtPlunger->setFocus();
        QTest::mouseClick(c().Label1[2], Qt::RightButton);
        QCOMPARE(FocusName(), QStringLiteral("txtPlunger"));
    }

    void enterKeepsTheListsFixed_data() { FieldRows({"cmbSpeed", "cmbForce", "cmbEfficiency"}); }
    void enterKeepsTheListsFixed() {
        QFETCH(QString, field);
        auto* box = qobject_cast<QComboBox*>(c().byName(field));
        const QStringList items = Items(box);
        TypeFigures(c(), WorkedExample);
        TypeInto(box, QStringLiteral("64"));
        MessageBoxAnswerer answerer;
        PressKey(Qt::Key_Return);
        QCOMPARE(Items(box), items);
        QCOMPARE(box->currentText(), QStringLiteral("64"));
    }

    // Inline completion would turn these into the first preset that starts with them.
    void typedFiguresAreNotCompleted_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        for (const char* typed : {"7", "1", "12"})
            QTest::addRow("speed %s", typed) << "cmbSpeed" << typed;
        for (const char* typed : {"3", "2"})
            QTest::addRow("force %s", typed) << "cmbForce" << typed;
        for (const char* typed : {"1", "7", "9"})
            QTest::addRow("efficiency %s", typed) << "cmbEfficiency" << typed;
    }
    void typedFiguresAreNotCompleted() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        auto* box = qobject_cast<QComboBox*>(c().byName(field));
        TypeInto(box, typed);
        QCOMPARE(box->currentText(), typed);
        c().txtCar->setFocus(); // leaving the field must not complete it either
        QCOMPARE(box->currentText(), typed);
    }
};

QTEST_MAIN(FieldBehaviour)
#include "test_field_behaviour.moc"
