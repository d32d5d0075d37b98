#include "tests/support/recording_view.h"

namespace calc::testing {
namespace {

std::size_t Index(FieldId field) {
    return static_cast<std::size_t>(field);
}

bool IsInput(FieldId field) {
    return field != FieldId::txtHP;
}

} // namespace

std::string_view Name(FieldId field) {
    switch (field) {
    case FieldId::txtCar:
        return "txtCar";
    case FieldId::txtPlunger:
        return "txtPlunger";
    case FieldId::txtRatedLoad:
        return "txtRatedLoad";
    case FieldId::cmbSpeed:
        return "cmbSpeed";
    case FieldId::cmbForce:
        return "cmbForce";
    case FieldId::cmbEfficiency:
        return "cmbEfficiency";
    case FieldId::txtHP:
        return "txtHP";
    }
    return "?";
}

std::string_view Name(Colour colour) {
    if (colour == White)
        return "white";
    if (colour == Red)
        return "red";
    thread_local std::string other;
    other = "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
            std::to_string(colour.blue) + ")";
    return other;
}

std::string_view Name(const DialogText& dialog) {
    static constexpr std::array<std::string_view, 9> names{
        "msgCarWrong",        "msgPlungerWrong",   "msgRatedLoadWrong",
        "msgSpeedWrong",      "msgForceWrong",     "msgEfficiencyWrong",
        "msgForceEfficiency", "msgCalculateError", "msgFormula"};
    const auto& all = AllDialogs();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i] == &dialog)
            return names[i];
    }
    return "?";
}

RecordingView::RecordingView() {
    // The edit fields' standard background, which is white in the usual colour scheme.
    colours_.fill(White);
    colours_[Index(FieldId::txtHP)] = Colour{255, 255, 0};
    texts_[Index(FieldId::cmbSpeed)] = "125";
    texts_[Index(FieldId::cmbForce)] = "33000";
    texts_[Index(FieldId::cmbEfficiency)] = "90";
}

void RecordingView::setFigures(std::string_view car, std::string_view plunger,
                               std::string_view ratedLoad, std::string_view speed,
                               std::string_view force, std::string_view efficiency) {
    texts_[Index(FieldId::txtCar)] = car;
    texts_[Index(FieldId::txtPlunger)] = plunger;
    texts_[Index(FieldId::txtRatedLoad)] = ratedLoad;
    texts_[Index(FieldId::cmbSpeed)] = speed;
    texts_[Index(FieldId::cmbForce)] = force;
    texts_[Index(FieldId::cmbEfficiency)] = efficiency;
}

std::string RecordingView::text(FieldId field) const {
    return texts_[Index(field)];
}

void RecordingView::setText(FieldId field, std::string_view text) {
    std::string& current = texts_[Index(field)];
    log_.push_back("text " + std::string(Name(field)) + "=" + std::string(text));
    // Like the window's controls, a text set to what the field holds already is no change.
    if (current == text)
        return;
    current = text;
    if (IsInput(field)) {
        setText(FieldId::txtHP, "");
        setBackground(field, White);
    }
}

void RecordingView::setBackground(FieldId field, Colour colour) {
    colours_[Index(field)] = colour;
    log_.push_back("colour " + std::string(Name(field)) + "=" + std::string(Name(colour)));
}

void RecordingView::setFocus(FieldId field) {
    focus_ = Name(field);
    log_.push_back("focus " + focus_);
}

void RecordingView::focusCalculate() {
    focus_ = "cmdCalculate";
    log_.push_back("focus cmdCalculate");
}

void RecordingView::showDialog(const DialogText& dialog) {
    dialogs_.push_back(&dialog);
    log_.push_back("dialog " + std::string(dialog.title));
    if (onDialog)
        onDialog(dialog);
}

std::vector<std::string_view> RecordingView::dialogNames() const {
    std::vector<std::string_view> names;
    for (const DialogText* dialog : dialogs_)
        names.push_back(Name(*dialog));
    return names;
}

Colour RecordingView::background(FieldId field) const {
    return colours_[Index(field)];
}

void RecordingView::clearLog() {
    log_.clear();
    dialogs_.clear();
}

const std::array<const DialogText*, 9>& AllDialogs() {
    static const std::array<const DialogText*, 9> all{
        &msgCarWrong,        &msgPlungerWrong,   &msgRatedLoadWrong,
        &msgSpeedWrong,      &msgForceWrong,     &msgEfficiencyWrong,
        &msgForceEfficiency, &msgCalculateError, &msgFormula};
    return all;
}

} // namespace calc::testing
