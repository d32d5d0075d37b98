// What assistive tools learn about the window through Qt's accessibility interface: each field
// under the caption of its label, buttons and menu entries under their captions without the
// access-key mark, tooltips as descriptions, figures as values, and message boxes whose title
// and text can be read. Fields are looked up by name in the accessible tree, as a screen reader
// looks for them, not through the widgets.

#include "tests/window/support/shown_form_test.h"
#include "window/form/form_texts.h"

#include "calc/dialog_texts.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

using namespace quorvel;
using namespace quorvel::testing;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// The first interface below `root`, depth first, with this role and name; nullptr if none.
QAccessibleInterface* Find(QAccessibleInterface* root, QAccessible::Role role,
                           const QString& name) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child)
            continue;
        if (child->role() == role && child->text(QAccessible::Name) == name)
            return child;
        if (QAccessibleInterface* found = Find(child, role, name))
            return found;
    }
    return nullptr;
}

// The names of the labels that label this interface, as a screen reader on Linux reads them.
QStringList LabelledBy(QAccessibleInterface* iface) {
    QStringList names;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        names.append(label->text(QAccessible::Name));
    return names;
}

QString WholeText(QAccessibleInterface* iface) {
    QAccessibleTextInterface* text = iface->textInterface();
    return text ? text->text(0, text->characterCount()) : QString();
}

void Press(QAccessibleInterface* button) {
    QAccessibleActionInterface* actions = button->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

class Accessibility : public ShownFormTest {
    Q_OBJECT

private:
    QAccessibleInterface* window() { return Accessible(&form()); }

private slots:
    void windowNamedByItsCaption() {
        QCOMPARE(window()->role(), QAccessible::Dialog);
        QCOMPARE(window()->text(QAccessible::Name), form().windowTitle());
    }

    void lineEditsNamedByTheirLabels_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("label");
        RowFor("txtCar") << 0;
        RowFor("txtPlunger") << 1;
        RowFor("txtRatedLoad") << 2;
        RowFor("txtHP") << 6;
    }
    void lineEditsNamedByTheirLabels() {
        QFETCH(QString, field);
        QFETCH(int, label);
        const QString caption = Q(texts::Label1[static_cast<std::size_t>(label)]);
        QAccessibleInterface* found = Find(window(), QAccessible::EditableText, caption);
        QVERIFY2(found, qPrintable(caption));
        QCOMPARE(found->object(), c().byName(field));
        QCOMPARE(LabelledBy(found), QStringList{caption});
    }

    // Qt on Linux publishes an editable combo box's current figure as its name and names it
    // through its label instead; elsewhere the accessible name counts. Both must be the caption,
    // and so must the name of the edit part, where the typing goes.
    void comboBoxesNamedByTheirLabels_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("label");
        RowFor("cmbSpeed") << 3;
        RowFor("cmbForce") << 4;
        RowFor("cmbEfficiency") << 5;
    }
    void comboBoxesNamedByTheirLabels() {
        QFETCH(QString, field);
        QFETCH(int, label);
        const QString caption = Q(texts::Label1[static_cast<std::size_t>(label)]);
        auto* box = qobject_cast<QComboBox*>(c().byName(field));
        QVERIFY(box);
        QAccessibleInterface* iface = Accessible(box);
        QCOMPARE(iface->role(), QAccessible::ComboBox);
        QCOMPARE(LabelledBy(iface), QStringList{caption});
        QCOMPARE(box->accessibleName(), caption);
        QAccessibleInterface* edit = Find(iface, QAccessible::EditableText, caption);
        QVERIFY2(edit, qPrintable(caption));
        QCOMPARE(edit->object(), box->lineEdit());
    }

    // The explanation a mouse user finds on a label's tooltip reaches a keyboard user on the
    // field itself; the result's label has no tooltip.
    void fieldsDescribedByTheirLabelsTooltips_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("description");
        const char* const fields[] = {"txtCar",   "txtPlunger", "txtRatedLoad",
                                      "cmbSpeed", "cmbForce",   "cmbEfficiency"};
        for (std::size_t i = 0; i < std::size(fields); ++i)
            QTest::newRow(fields[i]) << fields[i] << Q(texts::tipLabel1[i]);
        RowFor("txtHP") << QString();
    }
    void fieldsDescribedByTheirLabelsTooltips() {
        QFETCH(QString, field);
        QFETCH(QString, description);
        QCOMPARE(Accessible(c().byName(field))->text(QAccessible::Description), description);
    }

    void labelsReadAsTextWithTheirTooltips() {
        for (std::size_t i = 0; i < c().Label1.size(); ++i) {
            QAccessibleInterface* label = Accessible(c().Label1[i]);
            QCOMPARE(label->role(), QAccessible::StaticText);
            QCOMPARE(label->text(QAccessible::Name), Q(texts::Label1[i]));
            const QString tip = i < texts::tipLabel1.size() ? Q(texts::tipLabel1[i]) : QString();
            QCOMPARE(label->text(QAccessible::Description), tip);
        }
        QAccessibleInterface* title = Accessible(c().Label2);
        QCOMPARE(title->text(QAccessible::Name), Q(texts::Label2));
        QCOMPARE(title->text(QAccessible::Description), Q(texts::tipLabel2));
    }

    void buttonsNamedWithoutTheAccessKeyMark_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        RowFor("Calculate") << Q(texts::tipCalculate);
        RowFor("Reset") << Q(texts::tipReset);
        RowFor("Exit") << Q(texts::tipExit);
    }
    void buttonsNamedWithoutTheAccessKeyMark() {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QAccessibleInterface* button = Find(window(), QAccessible::Button, name);
        QVERIFY2(button, qPrintable(name));
        QCOMPARE(button->object()->objectName(), QStringLiteral("cmd") + name);
        QCOMPARE(button->text(QAccessible::Description), description);
    }

    void menuNamedWithoutTheAccessKeyMark() {
        QAccessibleInterface* help = Find(window(), QAccessible::MenuItem, QStringLiteral("Help"));
        QVERIFY(help);
        QVERIFY(Find(help, QAccessible::MenuItem, QStringLiteral("Formula")));
    }

    // Screen readers read a field's text in its attribute runs and drop what no run covers, so
    // the whole text is one run from any offset in it: a selected 3000 is read as "3000".
    void fieldTextIsOneRun_data() { FieldRows({"txtCar", "cmbForce"}); }
    void fieldTextIsOneRun() {
        QFETCH(QString, field);
        QWidget* widget = c().byName(field);
        TypeInto(widget, QStringLiteral("3000"));
        if (auto* box = qobject_cast<QComboBox*>(widget))
            widget = box->lineEdit();
        QAccessibleTextInterface* text = Accessible(widget)->textInterface();
        QVERIFY(text);
        for (int offset : {0, 3}) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            QCOMPARE(std::pair(start, end), std::pair(0, 4));
        }
    }

    // Qt's own interfaces, which password fields and entries that open a submenu keep, have the
    // faults that the program's mend: a line edit's runs of no length, a menu entry with no key
    // binding. When a Qt version mends them itself, these fail, and the program's can go there.
    void qtsOwnInterfacesHaveTheirFaults() {
        QLineEdit password(QStringLiteral("3000"));
        password.setEchoMode(QLineEdit::Password);
        int start = -1, end = -1;
        Accessible(&password)->textInterface()->attributes(1, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(1, 1));

        QMenu menu;
        QAction* entry = menu.addMenu(new QMenu(QStringLiteral("More"), &menu));
        entry->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
        QAccessibleInterface* item = Accessible(&menu)->child(0);
        QVERIFY(item && item->actionInterface());
        QCOMPARE(item->text(QAccessible::Accelerator), QStringLiteral("Ctrl+M"));
        QVERIFY(item->actionInterface()
                    ->keyBindingsForAction(QAccessibleActionInterface::pressAction())
                    .isEmpty());
    }

    // Screen readers speak a menu entry's shortcut from the last part of its key binding,
    // "mnemonic;path;shortcut". Pressed through its action, the entry still shows the formula.
    void formulaTellsItsShortcut() {
        QAccessibleInterface* formula =
            Find(window(), QAccessible::MenuItem, QStringLiteral("Formula"));
        QVERIFY(formula);
        QCOMPARE(formula->actionInterface()
                     ->keyBindingsForAction(QAccessibleActionInterface::pressAction())
                     .join(QLatin1Char(';')),
                 QStringLiteral("F;;Ctrl+F"));
        MessageBoxAnswerer answerer;
        Press(formula);
        QCOMPARE(answerer.titles(), QStringList{Q(calc::msgFormula.title)});
    }

    // After a click on a label the focus is in the hidden sink, which says so.
    void focusSinkSaysWhereTheFocusIs() {
        QTest::mouseClick(c().Label1[2], Qt::LeftButton);
        QAccessibleInterface* focus = window()->focusChild();
        QVERIFY(focus);
        QCOMPARE(focus->object(), c().Text1);
        QCOMPARE(focus->text(QAccessible::Name), Q(texts::FocusSinkName));
        QCOMPARE(focus->text(QAccessible::Description), Q(texts::FocusSinkDescription));
    }

    // Every figure is its field's value, typed or picked.
    void figuresReadAsValues() {
        TypeFigures(c(), {"3000", "1000", "2500", "110", "32000", "95.5"});
        const std::pair<QWidget*, const char*> expected[] = {
            {c().txtCar, "3000"},  {c().txtPlunger, "1000"}, {c().txtRatedLoad, "2500"},
            {c().cmbSpeed, "110"}, {c().cmbForce, "32000"},  {c().cmbEfficiency, "95.5"},
        };
        for (const auto& [field, figure] : expected)
            QCOMPARE(Accessible(field)->text(QAccessible::Value), QString::fromLatin1(figure));
    }

    // The worked example as a screen reader user does it: fields found by name, Calculate
    // pressed through its accessible action, the result read from the field named after it.
    void workedExampleThroughTheAccessibleTree() {
        const std::pair<int, const char*> weights[] = {{0, "3000"}, {1, "1000"}, {2, "2500"}};
        for (const auto& [label, figure] : weights) {
            QAccessibleInterface* field = Find(window(), QAccessible::EditableText,
                                               Q(texts::Label1[static_cast<std::size_t>(label)]));
            QVERIFY(field);
            TypeInto(qobject_cast<QWidget*>(field->object()), QString::fromLatin1(figure));
        }
        QAccessibleInterface* result =
            Find(window(), QAccessible::EditableText, Q(texts::Label1[6]));
        QVERIFY(result);
        QCOMPARE(result->text(QAccessible::Value), QString());
        QVERIFY(result->state().readOnly);
        Press(Find(window(), QAccessible::Button, QStringLiteral("Calculate")));
        QTRY_COMPARE(result->text(QAccessible::Value), QStringLiteral("27.36"));
        QCOMPARE(WholeText(result), QStringLiteral("27.36"));
    }

    void messageBoxesReadable_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("formula") << "Ctrl+F" << Q(calc::msgFormula.title)
                                 << Q(calc::msgFormula.prompt);
        QTest::newRow("car notice")
            << "Calculate" << Q(calc::msgCarWrong.title) << Q(calc::msgCarWrong.prompt);
    }
    void messageBoxesReadable() {
        QFETCH(QString, how);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        MessageBoxAnswerer answerer;
        QString name, value, text, button;
        QAccessible::Role role = QAccessible::NoRole;
        answerer.whileOpen = [&](const ShownBox&) {
            QAccessibleInterface* box = Accessible(QApplication::activeModalWidget());
            role = box->role();
            name = box->text(QAccessible::Name);
            value = box->text(QAccessible::Value);
            if (QAccessibleInterface* label = Find(box, QAccessible::StaticText, prompt))
                text = label->text(QAccessible::Name);
            if (QAccessibleInterface* ok = Find(box, QAccessible::Button, QStringLiteral("OK")))
                button = ok->text(QAccessible::Name);
        };
        if (how == QLatin1String("Ctrl+F"))
            PressKey(Qt::Key_F, Qt::ControlModifier);
        else
            QTest::mouseClick(c().cmdCalculate, Qt::LeftButton);
        QCOMPARE(answerer.titles(), QStringList{title});
        QCOMPARE(role, QAccessible::AlertMessage);
        QCOMPARE(name, title);
        QCOMPARE(value, prompt);
        QCOMPARE(text, prompt);
        QCOMPARE(button, QStringLiteral("OK"));
    }
};

QTEST_MAIN(Accessibility)
#include "test_accessibility.moc"
