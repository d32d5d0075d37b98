// The window as the program starts it: controls, places, fonts, colours, texts, tooltips, lists,
// menu, caption and the focus.

#include "tests/window/support/shown_form_test.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolTip>

using namespace quorvel::testing;

class StartState : public ShownFormTest {
    Q_OBJECT

private slots:
    void nineteenControlsOfTheirKinds() {
        QCOMPARE(form().findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).size(), 0);
        QCOMPARE(c().client->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly).size(), 5);
        QCOMPARE(c().client->findChildren<QComboBox*>(Qt::FindDirectChildrenOnly).size(), 3);
        QCOMPARE(c().client->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size(), 3);
        QCOMPARE(c().client->findChildren<QLabel*>(Qt::FindDirectChildrenOnly).size(), 8);
        QCOMPARE(c().client->findChildren<QLabel*>(QStringLiteral("Label1")).size(), 7);
    }

    void placesAtFifteenTwipsPerPixel_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char* name, int left, int top, int width, int height) {
            QTest::newRow(name) << QString::fromLatin1(name) << QRect(left, top, width, height);
        };
        row("txtCar", 615, 780, 1515, 495);
        row("txtPlunger", 615, 1530, 1515, 495);
        row("txtRatedLoad", 615, 2295, 1515, 495);
        row("Label1(0)", 2475, 900, 4455, 375);
        row("Label1(1)", 2475, 1650, 4095, 375);
        row("Label1(2)", 2475, 2400, 2235, 375);
        row("Label1(3)", 2475, 3150, 2775, 375);
        row("Label1(4)", 2475, 3900, 3675, 375);
        row("Label1(5)", 2475, 4650, 3255, 375);
        row("cmbSpeed", 615, 3045, 1515, 480);
        row("cmbForce", 615, 3795, 1515, 480);
        row("cmbEfficiency", 615, 4530, 1515, 480);
        row("txtHP", 615, 5280, 1515, 495);
        row("Label1(6)", 2475, 5400, 4395, 375);
        row("cmdCalculate", 1125, 6120, 1575, 495);
        row("cmdReset", 3045, 6120, 1575, 495);
        row("cmdExit", 5025, 6120, 1575, 495);
        row("Label2", 405, 60, 6915, 435);
        row("Text1", 5520, 6240, 555, 285);
    }
    void placesAtFifteenTwipsPerPixel() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QWidget* control = c().byName(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), c().client);
        const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(control->geometry(), pixels);
    }

    void clientAreaBelowItsOwnMenuBar() {
        const int menuHeight = c().menuBar->height();
        QVERIFY(menuHeight > 0);
        QCOMPARE(c().menuBar->geometry().topLeft(), QPoint(0, 0));
        QCOMPARE(c().client->geometry(), QRect(0, menuHeight, 515, 452));
        QCOMPARE(form().size(), QSize(515, 452 + menuHeight));
        QVERIFY(!c().menuBar->isNativeMenuBar());
    }

    void fixedSize() {
        QCOMPARE(form().minimumSize(), form().size());
        QCOMPARE(form().maximumSize(), form().size());
    }

    void centredOnTheScreen() {
        const QRect screen = form().screen()->availableGeometry();
        const QPoint offset = form().frameGeometry().center() - screen.center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
    }

    void caption() {
        QCOMPARE(form().windowTitle(), QStringLiteral(" Quorvel             www.quorvel.example"));
    }

    void iconInBothSizes() {
        const QList<QSize> sizes = form().windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    void startTexts() {
        QCOMPARE(c().txtCar->text(), QString());
        QCOMPARE(c().txtPlunger->text(), QString());
        QCOMPARE(c().txtRatedLoad->text(), QString());
        QCOMPARE(c().cmbSpeed->currentText(), QStringLiteral("125"));
        QCOMPARE(c().cmbForce->currentText(), QStringLiteral("33000"));
        QCOMPARE(c().cmbEfficiency->currentText(), QStringLiteral("90"));
        QCOMPARE(c().txtHP->text(), QString());
        QCOMPARE(c().Text1->text(), QString());
        QCOMPARE(c().Label2->text(), QStringLiteral("Quorvel"));
        const QStringList labels{"Weight of the complete car (Lb)",
                                 "Weight of the plunger(s) (Lb)",
                                 "Rated load (Lb)",
                                 "Rated speed (FPM)",
                                 "Foot pounds-force/minute",
                                 "System efficiency ( % )",
                                 "Minimum horsepower required"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(c().Label1[static_cast<std::size_t>(i)]->text(), labels[i]);
    }

    void presetListsInTheirOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        RowFor("cmbSpeed") << QStringList{"50", "75", "90", "100", "110", "120", "125", "150"};
        RowFor("cmbForce") << QStringList{"33000", "32000", "31000", "30000",
                                          "29000", "28000", "27000"};
        RowFor("cmbEfficiency") << QStringList{"100", "95", "90", "85", "80", "75", "70", "65"};
    }
    void presetListsInTheirOrder() {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        auto* box = qobject_cast<QComboBox*>(c().byName(name));
        QVERIFY(box);
        QCOMPARE(Items(box), items);
        QVERIFY(box->isEditable());
        QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
        QVERIFY(!box->completer());
    }

    // One face, chosen once: each control asks for the face it is drawn in, so that drawing it
    // needs no further search of the system's fonts.
    void fontsBoldAtTheirSizes() {
        const QString face = QFontInfo(c().Label1[0]->font()).family();
        for (QWidget* control : c().client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control == c().Text1)
                continue;
            const QFont font = control->font();
            const int size = control == c().Label2 ? 24 : 18;
            QVERIFY2(font.families() == QStringList{face}, qPrintable(control->objectName()));
            QCOMPARE(font.pixelSize(), size);
            QCOMPARE(font.weight(), QFont::Bold);
            QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        }
        QCOMPARE(c().Text1->font(), QApplication::font(c().Text1));
        qInfo("the window's face resolves to %s",
              qPrintable(QFontInfo(c().Label1[0]->font()).family()));
    }

    // A face wider than the form was drawn for would cut captions off.
    void everyCaptionFitsOnOneLine() {
        for (QLabel* label : c().client->findChildren<QLabel*>()) {
            const QFontMetrics metrics(label->font());
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->text()));
            QVERIFY(metrics.height() <= label->height());
        }
        for (QPushButton* button : c().client->findChildren<QPushButton*>()) {
            const QString caption = button->text().remove(QLatin1Char('&'));
            QVERIFY(QFontMetrics(button->font()).horizontalAdvance(caption) < button->width());
        }
    }

    void labelsLeftAlignedTitleCentredInRed() {
        for (QLabel* label : c().Label1) {
            QVERIFY(label->alignment() & Qt::AlignLeft);
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
        QVERIFY(c().Label2->alignment() & Qt::AlignHCenter);
        QCOMPARE(c().Label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        const int freeLeft = c().Label2->x();
        QCOMPARE(c().client->width() - c().Label2->geometry().right() - 1, freeLeft);
    }

    void resultYellowReadOnlyAndNeverCut() {
        QCOMPARE(Background(c().txtHP), QColor(255, 255, 0));
        QVERIFY(c().txtHP->isReadOnly());
        QVERIFY(c().txtHP->maxLength() > 100);
    }

    void inputFieldsStartWithTheStandardBackground() {
        const QColor standard = QApplication::palette(c().txtCar).color(QPalette::Base);
        for (const QString& field : InputFieldNames)
            QCOMPARE(Background(c().byName(field)), standard);
    }

    void weightFieldsTakeEightCharacters() {
        for (QLineEdit* box : {c().txtCar, c().txtPlunger, c().txtRatedLoad})
            QCOMPARE(box->maxLength(), 8);
    }

    void tooltipsCharacterForCharacter_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tooltip");
        RowFor("cmdCalculate") << " Calculate horsepower ";
        RowFor("cmdReset") << " Reset all fields ";
        RowFor("cmdExit") << " Exit program ";
        RowFor("Label2") << " You may make a specific entry in all of the fields....it "
                            "cannot be negative and it must fall within certain "
                            "parameters ";
        const char* plate = " This is the weight that should be indicated on the data plate ";
        RowFor("Label1(0)") << plate;
        RowFor("Label1(1)") << " This is the weight that should be indicated on the data "
                               "plate ( Could be the weight of the cylinder if it is "
                               "attached to the car ) ";
        RowFor("Label1(2)") << plate;
        RowFor("Label1(3)")
            << " This is the rated speed that should be indicated on the data plate ";
        RowFor("Label1(4)") << " Typically 33000 - The force required to raise 33,000 "
                               "pounds at the rate of one foot per minute ( 1 horsepower "
                               ") ( Norvath's Dictionary ) ";
        RowFor("Label1(5)") << " This number will usually be less than unity ( 100% ) "
                               "unless you are using a variant of the foot "
                               "pounds-force/minute as the efficiency factor...then it "
                               "should be 100% ";
        for (const char* none : {"Label1(6)", "txtCar", "txtPlunger", "txtRatedLoad", "cmbSpeed",
                                 "cmbForce", "cmbEfficiency", "txtHP", "Text1"})
            RowFor(none) << QString();
    }
    void tooltipsCharacterForCharacter() {
        QFETCH(QString, name);
        QFETCH(QString, tooltip);
        QWidget* control = c().byName(name);
        QVERIFY(control);
        QCOMPARE(control->toolTip(), tooltip);
    }

    void restingThePointerShowsTheTooltip_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("shows");
        RowFor("Label1(4)") << true;
        RowFor("cmdExit") << true;
        RowFor("Label1(6)") << false;
        RowFor("txtCar") << false;
        RowFor("cmbForce") << false;
    }
    void restingThePointerShowsTheTooltip() {
        QFETCH(QString, name);
        QFETCH(bool, shows);
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QWidget* control = c().byName(name);
        const QPoint centre = control->rect().center();
        QHelpEvent rest(QEvent::ToolTip, centre, control->mapToGlobal(centre));
        QApplication::sendEvent(control, &rest);
        if (shows)
            QTRY_COMPARE(QToolTip::text(), control->toolTip());
        else
            QVERIFY(QToolTip::text().isEmpty());
        QToolTip::hideText();
    }

    void buttonsAccessKeysDefaultAndMenu() {
        QCOMPARE(c().cmdCalculate->text(), QStringLiteral("&Calculate"));
        QCOMPARE(c().cmdReset->text(), QStringLiteral("&Reset"));
        QCOMPARE(c().cmdExit->text(), QStringLiteral("E&xit"));
        QVERIFY(c().cmdCalculate->isDefault());
        QVERIFY(!c().cmdReset->isDefault() && !c().cmdExit->isDefault());
        QCOMPARE(c().mnuHelp->title(), QStringLiteral("&Help"));
        QCOMPARE(c().mnuFormula->text(), QStringLiteral("&Formula"));
        QCOMPARE(c().mnuFormula->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
        QCOMPARE(c().menuBar->actions().size(), 1);
        QCOMPARE(c().mnuHelp->actions().size(), 1);
    }

    void onlyTheNineFieldsAndButtonsAreTabStops() {
        for (QWidget* control : c().client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool tabStop = (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
            const bool expected =
                control != c().txtHP && control != c().Text1 && !qobject_cast<QLabel*>(control);
            QVERIFY2(tabStop == expected, qPrintable(control->objectName()));
        }
    }

    void focusSinkHiddenBeneathExit() {
        QVERIFY(c().Text1->isVisible());
        QVERIFY(c().Text1->isEnabled());
        QVERIFY(c().cmdExit->geometry().contains(c().Text1->geometry()));
        const QRect sink = c().Text1->geometry();
        for (const QPoint& point : {sink.topLeft(), sink.center(), sink.bottomRight()})
            QCOMPARE(c().client->childAt(point), c().cmdExit);
    }

    void startsWithTheCursorInTheCarWeight() { QCOMPARE(FocusName(), QStringLiteral("txtCar")); }
};

QTEST_MAIN(StartState)
#include "test_start_state.moc"
