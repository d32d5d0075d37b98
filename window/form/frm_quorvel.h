#pragma once

// The calculator window.
//
// frmQuorvel is the program's only window and holds its whole state: the controls' texts and
// colours are the figures, and nothing is kept anywhere else. Every decision about the figures
// lives in the core (calc/): cmdCalculate_Click hands the window to calc::Calculate as a
// CalculatorView, and that interface is implemented here over the real controls, so a text set
// by the core runs the field's change handler inside the setter, as a user's edit would.
//
// The window is a QDialog with a menu bar of its own, because only a dialog gives Enter to the
// default button (Calculate) and Esc to the cancel button (Exit). The controls sit at fixed
// places on a client widget below the menu bar (see form_layout.h). Every way of closing the
// window runs cmdExit_Click, and closing the window ends the program.
//
// The handlers carry the names of the events they serve: control, underscore, event.

#include "calc/calculator_view.h"

#include <QDialog>

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

class frmQuorvel : public QDialog, public calc::CalculatorView {
    Q_OBJECT

public:
    explicit frmQuorvel(QWidget* parent = nullptr);

    void setVisible(bool visible) override;

    // CalculatorView over the controls.
    std::string text(calc::FieldId field) const override;
    void setText(calc::FieldId field, std::string_view text) override;
    void setBackground(calc::FieldId field, calc::Colour colour) override;
    using QWidget::setFocus;
    void setFocus(calc::FieldId field) override;
    void focusCalculate() override;
    void showDialog(const calc::DialogText& dialog) override;

public slots:
    // Esc and the title bar's close button both arrive here; they press Exit.
    void reject() override;

    void cmdCalculate_Click();
    void cmdReset_Click();
    void cmdExit_Click();
    void mnuFormula_Click();

    void txtCar_Change();
    void txtPlunger_Change();
    void txtRatedLoad_Change();
    void cmbSpeed_Change();
    void cmbSpeed_Click();
    void cmbForce_Change();
    void cmbForce_Click();
    void cmbEfficiency_Change();
    void cmbEfficiency_Click();
    void txtCar_GotFocus();
    void txtPlunger_GotFocus();
    void txtRatedLoad_GotFocus();
    void Form_Click();
    void Label1_Click(int index);
    void Label2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenu();
    void chainTabStops();
    void connectHandlers();
    void describeForScreenReaders();
    void TextSelected();
    void ClearResult();
    void setWhite(QWidget* field);
    QWidget* control(calc::FieldId field) const;

    QMenuBar* menuBar = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuFormula = nullptr;
    QWidget* client = nullptr; // the client area below the menu bar

    QLineEdit* txtCar = nullptr;
    QLineEdit* txtPlunger = nullptr;
    QLineEdit* txtRatedLoad = nullptr;
    std::array<QLabel*, 7> Label1{}; // one control array, told apart by index
    QComboBox* cmbSpeed = nullptr;
    QComboBox* cmbForce = nullptr;
    QComboBox* cmbEfficiency = nullptr;
    QLineEdit* txtHP = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* Text1 = nullptr; // the hidden focus sink, beneath cmdExit
};
