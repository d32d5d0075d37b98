#include "window/form/frm_quorvel.h"

#include "window/form/field_colour.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>

// Small behaviours that keep the screen honest: any change to an input figure erases the shown
// result and lifts that field's red mark; entering a weight field (Tab, a click, the program's
// focus) selects its text, so typing replaces it; a click on the background or a label parks the
// focus in the hidden Text1.

namespace {

bool ReturnsToTheWindow(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

} // namespace

void frmQuorvel::ClearResult() {
    txtHP->clear();
}

void frmQuorvel::setWhite(QWidget* field) {
    quorvel::SetFieldBackground(field, Qt::white);
}

void frmQuorvel::txtCar_Change() {
    ClearResult();
    setWhite(txtCar);
}

void frmQuorvel::txtPlunger_Change() {
    ClearResult();
    setWhite(txtPlunger);
}

void frmQuorvel::txtRatedLoad_Change() {
    ClearResult();
    setWhite(txtRatedLoad);
}

void frmQuorvel::cmbSpeed_Change() {
    ClearResult();
    setWhite(cmbSpeed);
}

void frmQuorvel::cmbSpeed_Click() {
    cmbSpeed_Change();
}

void frmQuorvel::cmbForce_Change() {
    ClearResult();
    setWhite(cmbForce);
}

void frmQuorvel::cmbForce_Click() {
    cmbForce_Change();
}

void frmQuorvel::cmbEfficiency_Change() {
    ClearResult();
    setWhite(cmbEfficiency);
}

void frmQuorvel::cmbEfficiency_Click() {
    cmbEfficiency_Change();
}

void frmQuorvel::txtCar_GotFocus() {
    TextSelected();
}
void frmQuorvel::txtPlunger_GotFocus() {
    TextSelected();
}
void frmQuorvel::txtRatedLoad_GotFocus() {
    TextSelected();
}

void frmQuorvel::TextSelected() {
    if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        box->selectAll();
}

void frmQuorvel::Form_Click() {
    Text1->setFocus();
}

void frmQuorvel::Label1_Click(int /*index*/) {
    Text1->setFocus();
}

void frmQuorvel::Label2_Click() {
    Text1->setFocus();
}

bool frmQuorvel::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        // The focus coming back to the window, from a box, a menu or another window, is no
        // entering: the caret stays where the user left it.
        if (ReturnsToTheWindow(static_cast<QFocusEvent*>(event)->reason()))
            return false;
        if (watched == txtCar)
            txtCar_GotFocus();
        else if (watched == txtPlunger)
            txtPlunger_GotFocus();
        else if (watched == txtRatedLoad)
            txtRatedLoad_GotFocus();
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Taking the press keeps labels and background from passing it on, and the release,
        // which makes the click, then comes back here.
        return watched == client || watched == Label2 ||
               std::find(Label1.begin(), Label1.end(), watched) != Label1.end();
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* widget = static_cast<QWidget*>(watched);
        if (mouse->button() != Qt::LeftButton ||
            !widget->rect().contains(mouse->position().toPoint()))
            return false;
        if (watched == client) {
            Form_Click();
            return true;
        }
        if (watched == Label2) {
            Label2_Click();
            return true;
        }
        const auto label = std::find(Label1.begin(), Label1.end(), watched);
        if (label != Label1.end()) {
            Label1_Click(static_cast<int>(label - Label1.begin()));
            return true;
        }
        return false;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}
