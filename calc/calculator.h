#pragma once

// The calculation core of Quorvel, free of any window toolkit.
//
// The window owns every figure: the Calculate command reads the six input fields through
// CalculatorView each time it needs one, checks them in a fixed order, and either marks the
// first figure it refuses (red, its notice, focus) or writes the horsepower, formatted for the
// user's locale, into the result field. Every decision lives here, so all of it is tested
// against a fake view without a window.

#include "calc/calculate.h"
#include "calc/calculator_view.h"
#include "calc/dialog_texts.h"
#include "calc/fields.h"
#include "calc/figures.h"
#include "calc/horsepower.h"
