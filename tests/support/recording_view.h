#pragma once

#include "calc/calculator.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace calc::testing {

std::string_view Name(FieldId field);
std::string_view Name(Colour colour); // "white", "red" or "rgb(r,g,b)"
// The constant's own name ("msgCarWrong"), told apart by address, for dialogs that share a
// title; "?" for a DialogText that is none of the nine.
std::string_view Name(const DialogText& dialog);

// A CalculatorView without a window. It holds the seven fields' texts and colours, runs a field's
// change behaviour when its text changes (clear the result, then turn the field white) as the
// window does, and records every call that changes something, in order, as one line each:
//   "text txtHP=27.36"   "colour txtCar=red"   "dialog Car Weight"   "focus txtCar"
//   "focus cmdCalculate"
// Reads are not recorded; the change behaviour's own effects are, right after the setText.
class RecordingView : public CalculatorView {
public:
    // Start values of the window: three empty weights, 125, 33000 and 90, an empty result.
    RecordingView();

    // The six input figures in field order, a convenience for tables of cases.
    void setFigures(std::string_view car, std::string_view plunger, std::string_view ratedLoad,
                    std::string_view speed, std::string_view force, std::string_view efficiency);

    std::string text(FieldId field) const override;
    void setText(FieldId field, std::string_view text) override;
    void setBackground(FieldId field, Colour colour) override;
    void setFocus(FieldId field) override;
    void focusCalculate() override;
    void showDialog(const DialogText& dialog) override;

    Colour background(FieldId field) const;
    std::string_view focus() const { return focus_; } // a FieldId's name, or "cmdCalculate"
    const std::vector<std::string>& log() const { return log_; }
    std::vector<const DialogText*> dialogs() const { return dialogs_; }
    std::vector<std::string_view> dialogNames() const; // the dialogs shown, by constant name
    void clearLog();

    // Runs while a dialog is "open", before showDialog returns, as a user acting then would.
    std::function<void(const DialogText&)> onDialog;

private:
    static constexpr std::size_t FieldCount = 7;
    std::array<std::string, FieldCount> texts_;
    std::array<Colour, FieldCount> colours_;
    std::string focus_ = "txtCar";
    std::vector<std::string> log_;
    std::vector<const DialogText*> dialogs_;
};

// All nine dialog constants, for checks that a shown dialog is one of them.
const std::array<const DialogText*, 9>& AllDialogs();

} // namespace calc::testing
