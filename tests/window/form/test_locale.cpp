// The user's locale end to end, on the real window. The test starts under the German locale that
// scripts/setup.sh generates (CTest sets LANG and LC_ALL) and takes it up the way the program
// does, through calc::UseUserLocale(). Results then show German decimal mark and grouping; a
// locale the system does not have leaves "." and no grouping; typed figures keep "." as their
// decimal mark whatever the locale.

#include "tests/window/support/shown_form_test.h"

#include "calc/figures.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <locale>

using namespace quorvel::testing;

namespace {

const QByteArray German = "de_DE.UTF-8";
const QByteArray NotInstalled = "xx_YY.UTF-8";

// The locale the program would take up now: whatever LANG and LC_ALL name.
void TakeUpLocale(const QByteArray& name) {
    qputenv("LANG", name);
    qputenv("LC_ALL", name);
    calc::UseUserLocale();
}

wchar_t DecimalMark() {
    return std::use_facet<std::numpunct<wchar_t>>(calc::FormattingLocale()).decimal_point();
}

} // namespace

class Locale : public ShownFormTest {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(qgetenv("LC_ALL"), German);
        calc::UseUserLocale();
        QVERIFY2(DecimalMark() == L',',
                 "the German locale is missing on this system: scripts/setup.sh test generates it");
    }
    void cleanup() {
        ShownFormTest::cleanup();
        TakeUpLocale(German);
    }

    void resultsInTheUsersLocale_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<Figures>("figures");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QStringList>("boxes");

        // (400000 + 7000 + 407.11) x 100 / (100 x 0.01 x 33000) = 1234.567
        const Figures thousands{"400000", "7000", "407.11", "100", "33000", "100"};
        Figures pointEfficiency = WorkedExample;
        pointEfficiency.efficiency = "90.5";
        Figures commaEfficiency = WorkedExample;
        commaEfficiency.efficiency = "90,5";
        const QStringList none;

        QTest::newRow("German worked example") << German << WorkedExample << "27,36" << none;
        QTest::newRow("German grouping") << German << thousands << "1.234,57" << none;
        QTest::newRow("German, largest weights")
            << German << Figures{"99999999", "99999999", "99999999", "150", "33000", "65"}
            << "2.097.902,08" << none;
        // 6500 x 125 / (0.905 x 33000) = 27.2057...: the "." of 90.5 is read as a decimal mark.
        QTest::newRow("German, typed 90.5") << German << pointEfficiency << "27,21" << none;
        // "90,5" would read as 90; a figure with a digit after a comma is refused instead.
        QTest::newRow("German, typed 90,5")
            << German << commaEfficiency << QString() << QStringList{"System Efficiency"};
        QTest::newRow("not installed, worked example")
            << NotInstalled << WorkedExample << "27.36" << none;
        QTest::newRow("not installed, no grouping")
            << NotInstalled << thousands << "1234.57" << none;
        QTest::newRow("not installed, typed 90.5")
            << NotInstalled << pointEfficiency << "27.21" << none;
    }
    void resultsInTheUsersLocale() {
        QFETCH(QByteArray, locale);
        QFETCH(Figures, figures);
        QFETCH(QString, result);
        QFETCH(QStringList, boxes);
        TakeUpLocale(locale);
        QCOMPARE(DecimalMark(), locale == German ? L',' : L'.');
        TypeFigures(c(), figures);
        MessageBoxAnswerer answerer;
        QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
        QCOMPARE(answerer.titles(), boxes);
        QCOMPARE(c().txtHP->text(), result);
        // Shown whole: the first character at the field's left edge, the end before its right.
        QLineEdit* shown = c().txtHP;
        shown->grab(); // a line edit scrolls its text when it paints
        const int middle = shown->height() / 2;
        QCOMPARE(shown->cursorPositionAt(QPoint(5, middle)), 0);
        QCOMPARE(shown->cursorPositionAt(QPoint(shown->width() - 5, middle)), result.size());
    }
};

QTEST_MAIN(Locale)
#include "test_locale.moc"
