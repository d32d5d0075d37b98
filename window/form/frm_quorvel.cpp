#include "window/form/frm_quorvel.h"

#include "calc/calculate.h"
#include "window/accessibility/accessible_controls.h"
#include "window/accessibility/announcement.h"
#include "window/controls/message_box.h"
#include "window/controls/result_field.h"
#include "window/form/field_colour.h"
#include "window/form/form_fit.h"
#include "window/form/form_fonts.h"
#include "window/form/form_layout.h"
#include "window/form/form_texts.h"
#include "window/icons/program_icon.h"
#include "window/placement/window_placement.h"
#include "window/qt_text.h"

#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>

#include <span>

using namespace quorvel;

namespace {

QString WindowCaption() {
    return QLatin1Char(' ') + Q(texts::ProductName) + QString(13, QLatin1Char(' ')) +
           Q(texts::MakerAddress);
}

constexpr int WeightMaxLength = 8;

void Place(QWidget* control, const char* name, Twips place) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(PixelRect(place));
}

QLineEdit* NewWeightField(QWidget* parent, const char* name, Twips place, const QFont& font) {
    auto* box = new QLineEdit(parent);
    Place(box, name, place);
    box->setFont(font);
    box->setMaxLength(WeightMaxLength);
    return box;
}

// The lists are fixed: Enter must not add the typed figure to them, and inline completion would
// silently turn a typed "7" into "70", so the boxes have no completer. A box builds one for an
// edit part that comes without one, at the cost of the rest of the box; each edit part is lent
// the same stand-in while the box takes it, and keeps none.
QComboBox* NewPresetField(QWidget* parent, const char* name, Twips place, const QFont& font,
                          QCompleter& standIn, std::span<const std::string_view> presets,
                          std::string_view start) {
    auto* box = new QComboBox(parent);
    Place(box, name, place);
    auto* edit = new QLineEdit(box);
    edit->setCompleter(&standIn);
    box->setLineEdit(edit);
    edit->setCompleter(nullptr);
    // Set once the box is editable: the font builds the box's list, as an editable box shows it.
    box->setFont(font);
    box->setInsertPolicy(QComboBox::NoInsert);
    QStringList items;
    for (std::string_view preset : presets)
        items.append(Q(preset));
    box->addItems(items); // one insertion into the list's model, where an item each made eight
    box->setCurrentIndex(box->findText(Q(start)));
    // The item that matches the text stays the current one, however the text came. Left on an
    // older item, the box would pick the matching one itself when editing ends (the focus
    // leaving, Formula) and report that as a choice from the list.
    QObject::connect(box, &QComboBox::editTextChanged, box, [box](const QString& text) {
        const int item = box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
        if (item >= 0 && item != box->currentIndex())
            box->setCurrentIndex(item);
    });
    return box;
}

QLabel* NewLabel(QWidget* parent, const char* name, Twips place, std::string_view caption,
                 const QFont& font) {
    auto* label = new QLabel(Q(caption), parent);
    Place(label, name, place);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* NewButton(QWidget* parent, const char* name, Twips place, const QFont& font,
                       std::string_view caption, std::string_view tooltip) {
    auto* button = new QPushButton(Q(caption), parent);
    Place(button, name, place);
    button->setFont(font);
    button->setToolTip(Q(tooltip));
    return button;
}

} // namespace

frmQuorvel::frmQuorvel(QWidget* parent)
    : QDialog(parent) {
    InstallAccessibleControls();
    setObjectName(QStringLiteral("frmQuorvel"));
    setWindowTitle(WindowCaption());
    setWindowIcon(ProgramIcon());
    createMenu();
    // The menu bar adds to the window's height; the client area keeps its designed size.
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setGeometry(0, menuBar->height(), Pixels(layout::ClientWidth),
                        Pixels(layout::ClientHeight));
    setFixedSize(client->width(), menuBar->height() + client->height());
#ifdef Q_OS_WIN
    // Windows gives a dialog a frame that resizes and no minimise button; a main window whose
    // size is fixed has a frame that does not, and can be minimised.
    setWindowFlags(windowFlags() | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint);
#endif
    // Asked now, the window manager tells the frame while the controls are made.
    AskForFrame(*this);
    createControls();
    chainTabStops();
    connectHandlers();
    describeForScreenReaders();
    txtCar->setFocus();
}

void frmQuorvel::setVisible(bool visible) {
    // Centred when first shown; QDialog's own placement guesses the frame and leaves the window
    // off centre.
    if (visible && !isVisible() && !testAttribute(Qt::WA_Moved))
        ShowCentred(*this, [this] { QDialog::setVisible(true); });
    else
        QDialog::setVisible(visible);
}

void frmQuorvel::createMenu() {
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setNativeMenuBar(false);
    mnuHelp = menuBar->addMenu(Q(texts::mnuHelp));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuFormula = mnuHelp->addAction(Q(texts::mnuFormula));
    mnuFormula->setObjectName(QStringLiteral("mnuFormula"));
    mnuFormula->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    menuBar->setGeometry(0, 0, Pixels(layout::ClientWidth), menuBar->sizeHint().height());
}

// Created in tab order, so that the focus chain is the tab order too.
void frmQuorvel::createControls() {
    FormFonts fonts;
    const QFont& field = fonts.at(FieldFontPixels);
    txtCar = NewWeightField(client, "txtCar", layout::txtCar, field);
    txtPlunger = NewWeightField(client, "txtPlunger", layout::txtPlunger, field);
    txtRatedLoad = NewWeightField(client, "txtRatedLoad", layout::txtRatedLoad, field);
    for (std::size_t i = 0; i < 6; ++i) {
        Label1[i] = NewLabel(client, "Label1", layout::Label1[i], texts::Label1[i], field);
        Label1[i]->setToolTip(Q(texts::tipLabel1[i]));
    }
    QCompleter standIn;
    cmbSpeed = NewPresetField(client, "cmbSpeed", layout::cmbSpeed, field, standIn,
                              texts::SpeedPresets, texts::SpeedStart);
    cmbForce = NewPresetField(client, "cmbForce", layout::cmbForce, field, standIn,
                              texts::ForcePresets, texts::ForceStart);
    cmbEfficiency = NewPresetField(client, "cmbEfficiency", layout::cmbEfficiency, field, standIn,
                                   texts::EfficiencyPresets, texts::EfficiencyStart);

    // The result field: whatever the length of a result, it shows whole, so no length limit.
    txtHP = new ResultField(field, client);
    Place(txtHP, "txtHP", layout::txtHP);
    txtHP->setReadOnly(true);
    txtHP->setFocusPolicy(Qt::ClickFocus);
    SetFieldBackground(txtHP, QColor(255, 255, 0));

    Label1[6] = NewLabel(client, "Label1", layout::Label1[6], texts::Label1[6], field);
    for (std::size_t i = 0; i < Label1.size(); ++i)
        Label1[i]->setProperty("index", static_cast<int>(i));

    cmdCalculate = NewButton(client, "cmdCalculate", layout::cmdCalculate, field,
                             texts::cmdCalculate, texts::tipCalculate);
    cmdCalculate->setDefault(true);
    cmdReset =
        NewButton(client, "cmdReset", layout::cmdReset, field, texts::cmdReset, texts::tipReset);
    cmdExit = NewButton(client, "cmdExit", layout::cmdExit, field, texts::cmdExit, texts::tipExit);

    Label2 = NewLabel(client, "Label2", layout::Label2, texts::Label2, fonts.at(TitleFontPixels));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setToolTip(Q(texts::tipLabel2));
    QPalette title = Label2->palette();
    title.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label2->setPalette(title);

    // Visible and enabled, so that it can hold the focus, but covered by cmdExit. Keeps the
    // standard font.
    Text1 = new QLineEdit(client);
    Place(Text1, "Text1", layout::Text1);
    Text1->setFocusPolicy(Qt::ClickFocus);
    Text1->stackUnder(cmdExit);

    // Polished now rather than when shown, since a style may set a field's margins then. The
    // title, seven letters in the width of the window, fits in any face.
    client->ensurePolished();
    FitCaptions(fonts, FieldFontPixels,
                {Label1[0], Label1[1], Label1[2], Label1[3], Label1[4], Label1[5], Label1[6]});
    FitCaptions(fonts, FieldFontPixels, {cmdCalculate, cmdReset, cmdExit});
    const int margins =
        FitFigures(fonts, FieldFontPixels,
                   {txtCar, txtPlunger, txtRatedLoad, cmbSpeed, cmbForce, cmbEfficiency});
    CapTextMargins(txtHP, margins); // the result lines up with the figures above it
}

// Every focusable control in tab-index order. Tab passes over the result field and the focus
// sink, which are no tab stops, but their places tell Tab and Shift+Tab where to go from them
// after a click: from the result on to Calculate, from the sink (the last) round to txtCar.
void frmQuorvel::chainTabStops() {
    QWidget* const chain[] = {txtCar, txtPlunger,   txtRatedLoad, cmbSpeed, cmbForce, cmbEfficiency,
                              txtHP,  cmdCalculate, cmdReset,     cmdExit,  Text1};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void frmQuorvel::connectHandlers() {
    connect(txtCar, &QLineEdit::textChanged, this, &frmQuorvel::txtCar_Change);
    connect(txtPlunger, &QLineEdit::textChanged, this, &frmQuorvel::txtPlunger_Change);
    connect(txtRatedLoad, &QLineEdit::textChanged, this, &frmQuorvel::txtRatedLoad_Change);
    connect(cmbSpeed, &QComboBox::editTextChanged, this, &frmQuorvel::cmbSpeed_Change);
    connect(cmbSpeed, &QComboBox::activated, this, &frmQuorvel::cmbSpeed_Click);
    connect(cmbForce, &QComboBox::editTextChanged, this, &frmQuorvel::cmbForce_Change);
    connect(cmbForce, &QComboBox::activated, this, &frmQuorvel::cmbForce_Click);
    connect(cmbEfficiency, &QComboBox::editTextChanged, this, &frmQuorvel::cmbEfficiency_Change);
    connect(cmbEfficiency, &QComboBox::activated, this, &frmQuorvel::cmbEfficiency_Click);
    connect(cmdCalculate, &QPushButton::clicked, this, &frmQuorvel::cmdCalculate_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmQuorvel::cmdReset_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmQuorvel::cmdExit_Click);
    connect(mnuFormula, &QAction::triggered, this, &frmQuorvel::mnuFormula_Click);

    for (QWidget* watched :
         {static_cast<QWidget*>(txtCar), static_cast<QWidget*>(txtPlunger),
          static_cast<QWidget*>(txtRatedLoad), client, static_cast<QWidget*>(Label2)})
        watched->installEventFilter(this);
    for (QLabel* label : Label1)
        label->installEventFilter(this);
}

QWidget* frmQuorvel::control(calc::FieldId field) const {
    switch (field) {
    case calc::FieldId::txtCar:
        return txtCar;
    case calc::FieldId::txtPlunger:
        return txtPlunger;
    case calc::FieldId::txtRatedLoad:
        return txtRatedLoad;
    case calc::FieldId::cmbSpeed:
        return cmbSpeed;
    case calc::FieldId::cmbForce:
        return cmbForce;
    case calc::FieldId::cmbEfficiency:
        return cmbEfficiency;
    case calc::FieldId::txtHP:
        return txtHP;
    }
    return nullptr;
}

std::string frmQuorvel::text(calc::FieldId field) const {
    QWidget* widget = control(field);
    if (auto* box = qobject_cast<QComboBox*>(widget))
        return box->currentText().toStdString();
    return static_cast<QLineEdit*>(widget)->text().toStdString();
}

void frmQuorvel::setText(calc::FieldId field, std::string_view text) {
    // The setters emit the change signal inside the call when the text differs, so the field's
    // change handler has run by the time this returns.
    QWidget* widget = control(field);
    if (auto* box = qobject_cast<QComboBox*>(widget))
        box->setEditText(Q(text));
    else
        static_cast<QLineEdit*>(widget)->setText(Q(text));
}

void frmQuorvel::setBackground(calc::FieldId field, calc::Colour colour) {
    SetFieldBackground(control(field), QColor(colour.red, colour.green, colour.blue));
}

void frmQuorvel::setFocus(calc::FieldId field) {
    QWidget* widget = control(field);
    widget->setFocus();
    // After a notice the refused figure is selected whole, so that typing replaces it. The field
    // may have had the focus all along, and the window takes it back from the notice only later;
    // Qt's combo box selects only when entered by Tab.
    if (auto* box = qobject_cast<QComboBox*>(widget))
        box->lineEdit()->selectAll();
    else
        static_cast<QLineEdit*>(widget)->selectAll();
}

void frmQuorvel::focusCalculate() {
    cmdCalculate->setFocus();
}

void frmQuorvel::showDialog(const calc::DialogText& dialog) {
    ShowMessageBox(this, dialog);
}

void frmQuorvel::cmdCalculate_Click() {
    calc::Calculate(*this);
    // A result shown now is the one this run wrote, the final one when the run was repeated:
    // any change to a figure clears the result, and a refused figure writes none.
    if (!txtHP->text().isEmpty())
        Announce(this, Label1[6]->text() + QLatin1Char(' ') + txtHP->text());
}

void frmQuorvel::cmdReset_Click() {
    using calc::FieldId;
    const std::pair<FieldId, std::string_view> starts[] = {
        {FieldId::txtCar, ""},
        {FieldId::txtPlunger, ""},
        {FieldId::txtRatedLoad, ""},
        {FieldId::cmbSpeed, texts::SpeedStart},
        {FieldId::cmbForce, texts::ForceStart},
        {FieldId::cmbEfficiency, texts::EfficiencyStart},
    };
    for (const auto& [field, start] : starts) {
        setText(field, start);
        setBackground(field, calc::White);
    }
    setText(FieldId::txtHP, "");
    txtCar->setFocus();
    Announce(this, Q(texts::ResetAnnouncement));
}

void frmQuorvel::reject() {
    // Esc and the title bar's close button end up here: both press Exit, which closes.
    cmdExit->click();
}

void frmQuorvel::cmdExit_Click() {
    // done() closes without a second trip through reject(); closing the last window ends the
    // program's event loop.
    done(QDialog::Rejected);
}

void frmQuorvel::mnuFormula_Click() {
    ShowMessageBox(this, calc::msgFormula);
}
