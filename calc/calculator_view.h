#pragma once

#include "calc/dialog_texts.h"
#include "calc/fields.h"

#include <string>
#include <string_view>

namespace calc {

// What the Calculate command needs of a window. The window owns the figures: the command reads
// them afresh through this interface every time it needs one and keeps none of its own.
class CalculatorView {
public:
    virtual ~CalculatorView() = default;
    virtual std::string text(FieldId field) const = 0; // UTF-8
    // Runs the field's change behaviour, as an edit by the user would.
    virtual void setText(FieldId field, std::string_view text) = 0;
    virtual void setBackground(FieldId field, Colour colour) = 0;
    virtual void setFocus(FieldId field) = 0;
    virtual void focusCalculate() = 0;                     // focus to the Calculate button
    virtual void showDialog(const DialogText& dialog) = 0; // modal; returns when closed
};

} // namespace calc
