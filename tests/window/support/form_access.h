#pragma once

#include "window/qt_text.h"

#include <QColor>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <array>
#include <initializer_list>
#include <memory>
#include <string_view>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QTestData;
class QWidget;
class frmQuorvel;

namespace quorvel::testing {

// The window's controls, found by their object names as a user's tools would find them.
struct Controls {
    QLineEdit* txtCar = nullptr;
    QLineEdit* txtPlunger = nullptr;
    QLineEdit* txtRatedLoad = nullptr;
    QComboBox* cmbSpeed = nullptr;
    QComboBox* cmbForce = nullptr;
    QComboBox* cmbEfficiency = nullptr;
    QLineEdit* txtHP = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdExit = nullptr;
    std::array<QLabel*, 7> Label1{}; // by their "index" property
    QLabel* Label2 = nullptr;
    QMenuBar* menuBar = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuFormula = nullptr;
    QWidget* client = nullptr;

    bool complete() const;
    // The control with this object name; for Label1 use "Label1(3)".
    QWidget* byName(const QString& name) const;
};

Controls FindControls(const QWidget& form);

// A data row tagged with a control's name, which it also holds as its first column.
QTestData& RowFor(const char* name);

// A data table of one column, "field", with a row for each of these controls.
void FieldRows(std::initializer_list<const char*> names);

// The six input fields' names, in field order.
inline const QStringList InputFieldNames{"txtCar",   "txtPlunger", "txtRatedLoad",
                                         "cmbSpeed", "cmbForce",   "cmbEfficiency"};

// A frmQuorvel shown and active, with its controls found, as the program starts it.
class ShownForm {
public:
    ShownForm();
    ~ShownForm();
    ShownForm(const ShownForm&) = delete;
    ShownForm& operator=(const ShownForm&) = delete;

    frmQuorvel& form() { return *form_; }
    const Controls& controls() const { return controls_; }
    bool active() const;

private:
    std::unique_ptr<frmQuorvel> form_;
    Controls controls_;
};

// The background colour a field shows (its Base role).
QColor Background(const QWidget* field);

// The items of a combo box's list, in their order.
QStringList Items(const QComboBox* box);

using quorvel::Q;

// The name of the widget that has the keyboard focus, "" when none. After a message box closes
// the window becomes active again a little later, as under a window manager; this waits for a
// focus widget for a while before it answers "".
QString FocusName();

// Waits until some widget has the keyboard focus; false when none gets it within seconds.
bool WaitForFocus();

// Puts the focus in a field, selects all it holds and types `text`, key by key; an empty text
// deletes the old one.
void TypeInto(QWidget* field, const QString& text);

// The six input figures, in field order.
struct Figures {
    QString car, plunger, ratedLoad, speed, force, efficiency;
};
inline const Figures WorkedExample{"3000", "1000", "2500", "125", "33000", "90"};

// Types each figure into its field, as TypeInto does.
void TypeFigures(const Controls& controls, const Figures& figures);

// Presses a key where the keyboard focus is.
void PressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace quorvel::testing

Q_DECLARE_METATYPE(quorvel::testing::Figures)
