#pragma once

#include "calc/calculator_view.h"

namespace calc {

// The whole Calculate command: checks the six figures in order, stops at the first one it
// cannot accept (red mark, its notice, focus), enforces that a force constant below 33000 goes
// with 100 % efficiency, and otherwise writes the horsepower into the result field.
void Calculate(CalculatorView& view);

// The notices for a refused figure: each shows its dialog, then puts the focus on its field.
void CarWrong(CalculatorView& view);
void PlungerWrong(CalculatorView& view);
void RatedLoadWrong(CalculatorView& view);
void SpeedWrong(CalculatorView& view);
void ForceWrong(CalculatorView& view);
void EfficiencyWrong(CalculatorView& view);

} // namespace calc
