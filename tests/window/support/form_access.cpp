#include "form_access.h"

#include "window/form/frm_quorvel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace quorvel::testing {

bool Controls::complete() const {
    for (QLabel* label : Label1) {
        if (!label)
            return false;
    }
    return txtCar && txtPlunger && txtRatedLoad && cmbSpeed && cmbForce && cmbEfficiency && txtHP &&
           Text1 && cmdCalculate && cmdReset && cmdExit && Label2 && menuBar && mnuHelp &&
           mnuFormula && client;
}

QWidget* Controls::byName(const QString& name) const {
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        if (name == QStringLiteral("Label1(%1)").arg(i))
            return Label1[i];
    }
    QWidget* const all[] = {txtCar,        txtPlunger, txtRatedLoad, cmbSpeed,     cmbForce,
                            cmbEfficiency, txtHP,      Text1,        cmdCalculate, cmdReset,
                            cmdExit,       Label2,     client};
    for (QWidget* widget : all) {
        if (widget && widget->objectName() == name)
            return widget;
    }
    return nullptr;
}

Controls FindControls(const QWidget& form) {
    Controls c;
    c.txtCar = form.findChild<QLineEdit*>(QStringLiteral("txtCar"));
    c.txtPlunger = form.findChild<QLineEdit*>(QStringLiteral("txtPlunger"));
    c.txtRatedLoad = form.findChild<QLineEdit*>(QStringLiteral("txtRatedLoad"));
    c.cmbSpeed = form.findChild<QComboBox*>(QStringLiteral("cmbSpeed"));
    c.cmbForce = form.findChild<QComboBox*>(QStringLiteral("cmbForce"));
    c.cmbEfficiency = form.findChild<QComboBox*>(QStringLiteral("cmbEfficiency"));
    c.txtHP = form.findChild<QLineEdit*>(QStringLiteral("txtHP"));
    c.Text1 = form.findChild<QLineEdit*>(QStringLiteral("Text1"));
    c.cmdCalculate = form.findChild<QPushButton*>(QStringLiteral("cmdCalculate"));
    c.cmdReset = form.findChild<QPushButton*>(QStringLiteral("cmdReset"));
    c.cmdExit = form.findChild<QPushButton*>(QStringLiteral("cmdExit"));
    for (QLabel* label : form.findChildren<QLabel*>(QStringLiteral("Label1"))) {
        bool ok = false;
        const int index = label->property("index").toInt(&ok);
        if (ok && index >= 0 && index < static_cast<int>(c.Label1.size()))
            c.Label1[static_cast<std::size_t>(index)] = label;
    }
    c.Label2 = form.findChild<QLabel*>(QStringLiteral("Label2"));
    c.menuBar = form.findChild<QMenuBar*>();
    c.mnuHelp = form.findChild<QMenu*>(QStringLiteral("mnuHelp"));
    c.mnuFormula = form.findChild<QAction*>(QStringLiteral("mnuFormula"));
    c.client = form.findChild<QWidget*>(QStringLiteral("client"));
    return c;
}

QTestData& RowFor(const char* name) {
    return QTest::newRow(name) << QString::fromLatin1(name);
}

void FieldRows(std::initializer_list<const char*> names) {
    QTest::addColumn<QString>("field");
    for (const char* name : names)
        RowFor(name);
}

ShownForm::ShownForm()
    : form_(std::make_unique<frmQuorvel>()) {
    controls_ = FindControls(*form_);
    form_->show();
    form_->activateWindow();
    if (!QTest::qWaitForWindowActive(form_.get()))
        qWarning("the window did not become active");
}

ShownForm::~ShownForm() = default;

bool ShownForm::active() const {
    return form_->isActiveWindow();
}

QColor Background(const QWidget* field) {
    return field->palette().color(QPalette::Base);
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    return items;
}

bool WaitForFocus() {
    return QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 5000);
}

QString FocusName() {
    WaitForFocus();
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void TypeInto(QWidget* field, const QString& text) {
    field->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, text);
}

void TypeFigures(const Controls& controls, const Figures& figures) {
    TypeInto(controls.txtCar, figures.car);
    TypeInto(controls.txtPlunger, figures.plunger);
    TypeInto(controls.txtRatedLoad, figures.ratedLoad);
    TypeInto(controls.cmbSpeed, figures.speed);
    TypeInto(controls.cmbForce, figures.force);
    TypeInto(controls.cmbEfficiency, figures.efficiency);
}

void PressKey(int key, Qt::KeyboardModifiers modifiers) {
    WaitForFocus();
    QWidget* target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    QVERIFY2(target, "no window has the keyboard focus");
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

} // namespace quorvel::testing
