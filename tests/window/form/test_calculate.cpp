// The Calculate command end to end through the real widgets: figures typed key by key, the
// button pressed, boxes answered as a user would, and the window looked at afterwards.

#include "tests/window/support/shown_form_test.h"

#include "calc/dialog_texts.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace quorvel::testing;

class Calculate : public ShownFormTest {
    Q_OBJECT

private:
    QStringList redFields() const {
        QStringList red;
        for (const QString& name : InputFieldNames) {
            if (Background(c().byName(name)) == QColor(Qt::red))
                red.append(name);
        }
        return red;
    }

private slots:
    void scenarios_data() {
        QTest::addColumn<Figures>("figures");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("red");
        QTest::addColumn<QString>("focus");

        const QString calculate = QStringLiteral("cmdCalculate");
        const auto worked = [](int field, const char* figure) {
            Figures figures = WorkedExample;
            QString* fields[] = {&figures.car,   &figures.plunger, &figures.ratedLoad,
                                 &figures.speed, &figures.force,   &figures.efficiency};
            *fields[field] = QString::fromLatin1(figure);
            return figures;
        };
        QTest::newRow("start values")
            << Figures{"", "", "", "125", "33000", "90"} << QStringList{"Car Weight"} << QString()
            << QStringList{"txtCar"} << "txtCar";
        QTest::newRow("worked example")
            << WorkedExample << QStringList{} << "27.36" << QStringList{} << calculate;
        QTest::newRow("plunger empty") << worked(1, "") << QStringList{"Weight of the Plunger(s)"}
                                       << QString() << QStringList{"txtPlunger"} << "txtPlunger";
        QTest::newRow("rated load text")
            << worked(2, "abc") << QStringList{"Rated Load"} << QString()
            << QStringList{"txtRatedLoad"} << "txtRatedLoad";
        QTest::newRow("speed 0.000001 passes")
            << worked(3, "0.000001") << QStringList{} << "0.00" << QStringList{} << calculate;
        QTest::newRow("speed 0.0000009") << worked(3, "0.0000009") << QStringList{"Rated Speed"}
                                         << QString() << QStringList{"cmbSpeed"} << "cmbSpeed";
        for (const char* force : {"33000.5", "0", "-1"})
            QTest::addRow("force %s", force)
                << worked(4, force) << QStringList{"Foot Pounds-Force/Minute"} << QString()
                << QStringList{"cmbForce"} << "cmbForce";
        for (const char* efficiency : {"100.01", "0", "150"})
            QTest::addRow("efficiency %s", efficiency)
                << worked(5, efficiency) << QStringList{"System Efficiency"} << QString()
                << QStringList{"cmbEfficiency"} << "cmbEfficiency";
        QTest::newRow("efficiency 100 passes")
            << worked(5, "100") << QStringList{} << "24.62" << QStringList{} << calculate;
        QTest::newRow("force 29000 with 100")
            << Figures{"3000", "1000", "2500", "125", "29000", "100"} << QStringList{} << "28.02"
            << QStringList{} << calculate;
        QTest::newRow("only the first refusal")
            << Figures{"", "1000", "2500", "125", "33000", "150"} << QStringList{"Car Weight"}
            << QString() << QStringList{"txtCar"} << "txtCar";
        // A digit group mark would make "2,500" read as 2 and undersize the motor; refused.
        QTest::newRow("grouped weight 2,500")
            << worked(2, "2,500") << QStringList{"Rated Load"} << QString()
            << QStringList{"txtRatedLoad"} << "txtRatedLoad";
        QTest::newRow("grouped car 3,000") << worked(0, "3,000") << QStringList{"Car Weight"}
                                           << QString() << QStringList{"txtCar"} << "txtCar";
        QTest::newRow("grouped force 33,000")
            << worked(4, "33,000") << QStringList{"Foot Pounds-Force/Minute"} << QString()
            << QStringList{"cmbForce"} << "cmbForce";
        QTest::newRow("a unit after the figure")
            << worked(3, "125 FPM") << QStringList{} << "27.36" << QStringList{} << calculate;
        QTest::newRow("quotient beyond a double")
            << Figures{"1e308", "1000", "2500", "1e308", "33000", "90"}
            << QStringList{"What did you do?"} << QString() << QStringList{} << QString();
        QTest::newRow("speed beyond a double")
            << worked(3, "1e999") << QStringList{"What did you do?"} << QString() << QStringList{}
            << QString();
    }
    void scenarios() {
        QFETCH(Figures, figures);
        QFETCH(QStringList, boxes);
        QFETCH(QString, result);
        QFETCH(QStringList, red);
        QFETCH(QString, focus);
        TypeFigures(c(), figures);
        MessageBoxAnswerer answerer;
        QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
        QCOMPARE(answerer.titles(), boxes);
        QCOMPARE(c().txtHP->text(), result);
        QCOMPARE(redFields(), red);
        if (!focus.isEmpty())
            QCOMPARE(FocusName(), focus);
        for (const ShownBox& box : answerer.boxes()) {
            QCOMPARE(box.icon, QMessageBox::NoIcon);
            QCOMPARE(box.buttonCount, 1);
            QVERIFY(box.okIsDefault);
            QCOMPARE(box.textFormat, Qt::PlainText);
        }
    }

    void noticesShowTheirWholePrompt() {
        TypeFigures(c(), {"3000", "1000", "2500", "125", "33000", "0"});
        MessageBoxAnswerer answerer;
        QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
        QCOMPARE(answerer.boxes().size(), 1);
        QCOMPARE(answerer.boxes().first().text, Q(calc::msgEfficiencyWrong.prompt));
    }

    // A result too long for the field even at the smallest legible size is drawn cut, with an
    // ellipsis at its end: dots low on the line where a digit would reach above its middle. The
    // whole figure stays the field's text and shows in its tooltip.
    void aResultTooLongForTheFieldShowsItIsCut() {
        TypeFigures(c(), {"1", "1", "31", "1e40", "33000", "100"});
        QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
        const QImage field = c().txtHP->grab().toImage();
        QRect ink;
        for (int y = 4; y < field.height() - 4; ++y) {
            for (int x = 4; x < field.width() - 4; ++x)
                ink |= qGray(field.pixel(x, y)) < 100 ? QRect(x, y, 1, 1) : QRect();
        }
        QVERIFY(!ink.isEmpty());
        const int end = QFontMetrics(c().txtHP->font()).horizontalAdvance(QChar(0x2026));
        for (int y = ink.top(); y < ink.center().y(); ++y) {
            for (int x = ink.right() - end + 1; x <= ink.right(); ++x)
                QVERIFY2(qGray(field.pixel(x, y)) >= 100, "the field's end shows a digit");
        }
        QCOMPARE(c().txtHP->text().size(), 40);
        QCOMPARE(c().txtHP->toolTip(), c().txtHP->text());
    }

    // The force-and-efficiency rule on the real combo boxes: one notice with both fields red,
    // then the efficiency text "100" set on the combo box, whose change handler runs inside the
    // setter, and a nested run that computes with it.
    void forceBelow33000SetsFullEfficiency() {
        TypeFigures(c(), {"3000", "1000", "2500", "125", "29000", "90"});
        MessageBoxAnswerer answerer;
        QStringList redWhileOpen;
        answerer.whileOpen = [&](const ShownBox&) { redWhileOpen = redFields(); };
        QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
        QCOMPARE(answerer.titles(), QStringList{"Foot Pounds-Force/Minute"});
        QCOMPARE(answerer.boxes().first().text, Q(calc::msgForceEfficiency.prompt));
        QCOMPARE(redWhileOpen, (QStringList{"cmbForce", "cmbEfficiency"}));
        QCOMPARE(redFields(), QStringList{});
        QCOMPARE(c().cmbEfficiency->currentText(), QStringLiteral("100"));
        QCOMPARE(c().cmbEfficiency->count(), 8);
        QCOMPARE(c().txtHP->text(), QStringLiteral("28.02"));
        QCOMPARE(FocusName(), QStringLiteral("cmdCalculate"));
    }
};

QTEST_MAIN(Calculate)
#include "test_calculate.moc"
