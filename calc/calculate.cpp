#include "calc/calculate.h"

#include "calc/figures.h"
#include "calc/horsepower.h"

#include <exception>
#include <limits>
#include <stdexcept>

namespace calc {
namespace {

constexpr double LowerBound = 0.000001;
constexpr double ForceLimit = 33000;
constexpr double FullEfficiency = 100;

void ShowNotice(CalculatorView& view, const DialogText& dialog, FieldId field) {
    view.showDialog(dialog);
    view.setFocus(field);
}

struct Check {
    FieldId field;
    double upperBound;
    void (*notice)(CalculatorView&);
};

constexpr double NoUpperBound = std::numeric_limits<double>::infinity();

constexpr Check Checks[] = {
    {FieldId::txtCar, NoUpperBound, CarWrong},
    {FieldId::txtPlunger, NoUpperBound, PlungerWrong},
    {FieldId::txtRatedLoad, NoUpperBound, RatedLoadWrong},
    {FieldId::cmbSpeed, NoUpperBound, SpeedWrong},
    {FieldId::cmbForce, ForceLimit, ForceWrong},
    {FieldId::cmbEfficiency, FullEfficiency, EfficiencyWrong},
};

double Reading(const CalculatorView& view, FieldId field) {
    return FieldReading(view.text(field));
}

// Marks the field white when its figure is acceptable; otherwise red, with its notice.
bool Accepted(CalculatorView& view, const Check& check) {
    const std::string text = view.text(check.field);
    const double value = FieldReading(text);
    if (value < LowerBound || value > check.upperBound || !IsWholeFigure(text)) {
        view.setBackground(check.field, Red);
        check.notice(view);
        return false;
    }
    view.setBackground(check.field, White);
    return true;
}

void CalculateTrapped(CalculatorView& view) {
    for (const Check& check : Checks) {
        if (!Accepted(view, check))
            return;
    }

    // A constant below 33000 already includes the system's efficiency, so the efficiency must
    // be 100 %: say so, put it right, and run the whole command again on the corrected figures.
    if (Reading(view, FieldId::cmbForce) < ForceLimit &&
        Reading(view, FieldId::cmbEfficiency) != FullEfficiency) {
        view.setBackground(FieldId::cmbEfficiency, Red);
        view.setBackground(FieldId::cmbForce, Red);
        view.showDialog(msgForceEfficiency);
        view.setBackground(FieldId::cmbEfficiency, White);
        view.setBackground(FieldId::cmbForce, White);
        view.setText(FieldId::cmbEfficiency, "100");
        Calculate(view);
    }

    const double car = Reading(view, FieldId::txtCar);
    const double plunger = Reading(view, FieldId::txtPlunger);
    const double ratedLoad = Reading(view, FieldId::txtRatedLoad);
    const double speed = Reading(view, FieldId::cmbSpeed);
    const double force = Reading(view, FieldId::cmbForce);
    const double efficiency = Reading(view, FieldId::cmbEfficiency);
    const double horsepower = Horsepower(car, plunger, ratedLoad, speed, force, efficiency);
    view.setText(FieldId::txtHP, ResultFormat(horsepower));
    view.focusCalculate();
}

} // namespace

void CarWrong(CalculatorView& view) {
    ShowNotice(view, msgCarWrong, FieldId::txtCar);
}
void PlungerWrong(CalculatorView& view) {
    ShowNotice(view, msgPlungerWrong, FieldId::txtPlunger);
}
void RatedLoadWrong(CalculatorView& view) {
    ShowNotice(view, msgRatedLoadWrong, FieldId::txtRatedLoad);
}
void SpeedWrong(CalculatorView& view) {
    ShowNotice(view, msgSpeedWrong, FieldId::cmbSpeed);
}
void ForceWrong(CalculatorView& view) {
    ShowNotice(view, msgForceWrong, FieldId::cmbForce);
}
void EfficiencyWrong(CalculatorView& view) {
    ShowNotice(view, msgEfficiencyWrong, FieldId::cmbEfficiency);
}

void Calculate(CalculatorView& view) {
    try {
        CalculateTrapped(view);
    } catch (const std::exception&) {
        // Nothing is undone: colours and the result stay as the steps so far left them.
        view.showDialog(msgCalculateError);
    }
}

} // namespace calc
