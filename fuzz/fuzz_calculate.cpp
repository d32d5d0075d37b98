// Six arbitrary field texts, one per line (the efficiency takes the rest of the input), typed
// into a recording view; then the Calculate command. Whatever the figures, the command must
// end normally, show at most three dialogs and only its own, show exactly the dialogs that the
// figures call for, and either write the result that belongs to the figures on screen or
// leave the result field alone.

#include "calc/calculator.h"
#include "tests/support/recording_view.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using calc::DialogText;
using calc::FieldId;
using calc::testing::RecordingView;

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

constexpr double LowerBound = 0.000001;
constexpr double ForceLimit = 33000;
constexpr double FullEfficiency = 100;
constexpr double NoUpperBound = std::numeric_limits<double>::infinity();

struct Figure {
    FieldId field;
    double upperBound;
    const DialogText* notice;
};

constexpr std::array<Figure, 6> Figures{{
    {FieldId::txtCar, NoUpperBound, &calc::msgCarWrong},
    {FieldId::txtPlunger, NoUpperBound, &calc::msgPlungerWrong},
    {FieldId::txtRatedLoad, NoUpperBound, &calc::msgRatedLoadWrong},
    {FieldId::cmbSpeed, NoUpperBound, &calc::msgSpeedWrong},
    {FieldId::cmbForce, ForceLimit, &calc::msgForceWrong},
    {FieldId::cmbEfficiency, FullEfficiency, &calc::msgEfficiencyWrong},
}};

using Texts = std::array<std::string, Figures.size()>;
using Dialogs = std::vector<const DialogText*>;

Texts SplitFigures(std::string_view input) {
    Texts texts;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        const std::size_t newline = input.find('\n');
        texts[i] = input.substr(0, newline);
        input = newline == std::string_view::npos ? std::string_view{} : input.substr(newline + 1);
    }
    texts.back() = input;
    return texts;
}

double Horsepower(const std::array<double, Figures.size()>& r) {
    return calc::Horsepower(r[0], r[1], r[2], r[3], r[4], r[5]);
}

// The dialogs the command owes the user for these figures: the notice of the first figure it
// refuses, or the error notice when a figure is beyond a double; then, when a constant below
// 33000 comes with an efficiency other than 100, the rule's notice, after which the command
// computes twice (nested and after it), failing either both times or not at all.
Dialogs ExpectedDialogs(const Texts& texts) {
    std::array<double, Figures.size()> readings{};
    for (std::size_t i = 0; i < Figures.size(); ++i) {
        try {
            readings[i] = calc::FieldReading(texts[i]);
        } catch (const std::overflow_error&) {
            return {&calc::msgCalculateError};
        }
        if (readings[i] < LowerBound || readings[i] > Figures[i].upperBound ||
            !calc::IsWholeFigure(texts[i]))
            return {Figures[i].notice};
    }
    const bool ruleFires = readings[4] < ForceLimit && readings[5] != FullEfficiency;
    if (ruleFires)
        readings[5] = FullEfficiency;
    bool computes = true;
    try {
        Horsepower(readings);
    } catch (const std::overflow_error&) {
        computes = false;
    }
    if (!ruleFires)
        return computes ? Dialogs{} : Dialogs{&calc::msgCalculateError};
    return computes ? Dialogs{&calc::msgForceEfficiency}
                    : Dialogs{&calc::msgForceEfficiency, &calc::msgCalculateError,
                              &calc::msgCalculateError};
}

// Digits, the classic locale's ".", and exactly two decimals.
bool IsTwoDecimalResult(std::string_view text) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const std::size_t point = text.find('.');
    return point != std::string_view::npos && point > 0 && text.size() == point + 3 &&
           std::all_of(text.begin(), text.begin() + point, isDigit) &&
           std::all_of(text.begin() + point + 1, text.end(), isDigit);
}

void CheckResult(const RecordingView& view) {
    std::array<double, Figures.size()> readings{};
    for (std::size_t i = 0; i < Figures.size(); ++i) {
        Require(view.background(Figures[i].field) == calc::White);
        readings[i] = calc::FieldReading(view.text(Figures[i].field));
    }
    const std::string result = view.text(FieldId::txtHP);
    Require(IsTwoDecimalResult(result));
    Require(result == calc::ResultFormat(Horsepower(readings)));
    Require(view.focus() == "cmdCalculate");
}

void CheckRefusal(const RecordingView& view, const DialogText* notice) {
    const auto refused = std::find_if(Figures.begin(), Figures.end(),
                                      [&](const Figure& f) { return f.notice == notice; });
    for (auto passed = Figures.begin(); passed != refused; ++passed)
        Require(view.background(passed->field) == calc::White);
    Require(view.background(refused->field) == calc::Red);
    Require(view.focus() == calc::testing::Name(refused->field));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Texts texts = SplitFigures(std::string_view(reinterpret_cast<const char*>(data), size));
    RecordingView view;
    for (std::size_t i = 0; i < Figures.size(); ++i)
        view.setText(Figures[i].field, texts[i]);
    view.clearLog();

    try {
        calc::Calculate(view);
    } catch (...) {
        __builtin_trap();
    }

    const Dialogs dialogs = view.dialogs();
    Require(dialogs.size() <= 3);
    for (const DialogText* dialog : dialogs) {
        const auto& all = calc::testing::AllDialogs();
        Require(std::find(all.begin(), all.end(), dialog) != all.end());
        Require(dialog != &calc::msgFormula); // shown only from the Help menu
    }
    Require(dialogs == ExpectedDialogs(texts));

    const bool computed = dialogs.empty() || dialogs == Dialogs{&calc::msgForceEfficiency};
    if (computed) {
        CheckResult(view);
        if (!dialogs.empty())
            Require(view.text(FieldId::cmbEfficiency) == "100");
    } else {
        // A refused figure or a failure writes no result, and typing the figures cleared it.
        Require(view.text(FieldId::txtHP).empty());
        if (dialogs.front() != &calc::msgCalculateError &&
            dialogs.front() != &calc::msgForceEfficiency)
            CheckRefusal(view, dialogs.front());
    }
    return 0;
}
