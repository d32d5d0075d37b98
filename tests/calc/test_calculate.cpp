#include "calc/calculate.h"
#include "tests/support/custom_locale.h"
#include "tests/support/recording_view.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace calc {
namespace {

using testing::Name;
using testing::RecordingView;
using Log = std::vector<std::string>;
using Figures = std::array<std::string, 6>;

constexpr std::array<FieldId, 6> Inputs{FieldId::txtCar,       FieldId::txtPlunger,
                                        FieldId::txtRatedLoad, FieldId::cmbSpeed,
                                        FieldId::cmbForce,     FieldId::cmbEfficiency};

std::string Coloured(FieldId field, std::string_view colour) {
    return "colour " + std::string(Name(field)) + "=" + std::string(colour);
}

// The white marks of the first `count` input fields, in the order they are checked.
Log Passed(std::size_t count) {
    Log log;
    for (std::size_t i = 0; i < count; ++i)
        log.push_back(Coloured(Inputs[i], "white"));
    return log;
}

Log Join(std::initializer_list<Log> parts) {
    Log log;
    for (const Log& part : parts)
        log.insert(log.end(), part.begin(), part.end());
    return log;
}

Log Result(std::string_view text) {
    return {"text txtHP=" + std::string(text), "focus cmdCalculate"};
}

const Log ErrorNotice{"dialog What did you do?"};

// Up to the nested run: both marked red, the notice, both white, and the efficiency set to 100,
// whose change behaviour clears the result and whitens the field once more.
const Log RuleNotice{Coloured(FieldId::cmbEfficiency, "red"),
                     Coloured(FieldId::cmbForce, "red"),
                     "dialog Foot Pounds-Force/Minute",
                     Coloured(FieldId::cmbEfficiency, "white"),
                     Coloured(FieldId::cmbForce, "white"),
                     "text cmbEfficiency=100",
                     "text txtHP=",
                     Coloured(FieldId::cmbEfficiency, "white")};

void Enter(RecordingView& view, const Figures& figures) {
    view.setFigures(figures[0], figures[1], figures[2], figures[3], figures[4], figures[5]);
}

// Enters the figures into fields that an earlier run left red, and forgets what that took.
void EnterOverRed(RecordingView& view, const Figures& figures) {
    Enter(view, figures);
    for (FieldId input : Inputs)
        view.setBackground(input, Red);
    view.clearLog();
}

void PrintFigures(const Figures& figures, std::ostream* out) {
    for (const std::string& figure : figures)
        *out << '"' << figure << "\" ";
}

const Figures WorkedExample{"3000", "1000", "2500", "125", "33000", "90"};

TEST(Calculate, StartValuesReportTheCarWeight) {
    RecordingView view;
    Calculate(view);
    EXPECT_EQ(view.log(), (Log{"colour txtCar=red", "dialog Car Weight", "focus txtCar"}));
    EXPECT_EQ(view.dialogNames(), std::vector<std::string_view>{"msgCarWrong"});
}

struct Refusal {
    Figures figures;
    std::size_t refused; // index into Inputs
    std::string_view notice;
};

void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << Name(Inputs[refusal.refused]) << " \"" << refusal.figures[refusal.refused] << '"';
}

class Refused : public ::testing::TestWithParam<Refusal> {};

// Every field starts red from an earlier run: those that pass turn white, the one refused is
// marked again, and those after it keep their colour.
TEST_P(Refused, FirstUnacceptableFigureIsReported) {
    const Refusal& refusal = GetParam();
    const FieldId field = Inputs[refusal.refused];
    RecordingView view;
    EnterOverRed(view, refusal.figures);

    Calculate(view);

    const std::string title(testing::AllDialogs()[refusal.refused]->title);
    EXPECT_EQ(view.log(), Join({Passed(refusal.refused),
                                {Coloured(field, "red"), "dialog " + title,
                                 "focus " + std::string(Name(field))}}));
    EXPECT_EQ(view.dialogNames(), std::vector<std::string_view>{refusal.notice});
    for (std::size_t i = 0; i < Inputs.size(); ++i)
        EXPECT_EQ(view.background(Inputs[i]), i < refusal.refused ? White : Red) << i;
    EXPECT_EQ(view.text(FieldId::txtHP), "");
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, Refused,
    ::testing::Values(
        Refusal{{"", "1000", "2500", "125", "33000", "90"}, 0, "msgCarWrong"},
        Refusal{{"-5", "1000", "2500", "125", "33000", "90"}, 0, "msgCarWrong"},
        Refusal{{"abc", "1000", "2500", "125", "33000", "90"}, 0, "msgCarWrong"},
        Refusal{{"3000", "0", "2500", "125", "33000", "90"}, 1, "msgPlungerWrong"},
        Refusal{{"3000", "1000", "0.0000001", "125", "33000", "90"}, 2, "msgRatedLoadWrong"},
        Refusal{{"3000", "1000", "2500", "0.0000009", "33000", "90"}, 3, "msgSpeedWrong"},
        Refusal{{"3000", "1000", "2500", "125", "33000.5", "90"}, 4, "msgForceWrong"},
        Refusal{{"3000", "1000", "2500", "125", "0", "90"}, 4, "msgForceWrong"},
        Refusal{{"3000", "1000", "2500", "125", "-1", "90"}, 4, "msgForceWrong"},
        Refusal{{"3000", "1000", "2500", "125", "33000", "100.01"}, 5, "msgEfficiencyWrong"},
        Refusal{{"3000", "1000", "2500", "125", "33000", "0"}, 5, "msgEfficiencyWrong"},
        // Two wrong figures: only the first is reported.
        Refusal{{"", "1000", "2500", "125", "33000", "150"}, 0, "msgCarWrong"}));

// Digits after the number mean a figure written with group marks or a typing slip: read short,
// "2,500" would be 2 and undersize the motor a thousandfold.
INSTANTIATE_TEST_SUITE_P(
    DigitsAfterTheNumber, Refused,
    ::testing::Values(
        Refusal{{"12 500", "1000", "2500", "125", "33000", "90"}, 0, "msgCarWrong"},
        Refusal{{"3000", "1.5.2", "2500", "125", "33000", "90"}, 1, "msgPlungerWrong"},
        Refusal{{"3000", "1000", "2,500", "125", "33000", "90"}, 2, "msgRatedLoadWrong"},
        Refusal{{"3000", "1000", "2500", "1.5.2", "33000", "90"}, 3, "msgSpeedWrong"},
        Refusal{{"3000", "1000", "2500", "125", "33,000", "90"}, 4, "msgForceWrong"},
        Refusal{{"3000", "1000", "2500", "125", "33000", "90,5"}, 5, "msgEfficiencyWrong"}));

struct Acceptance {
    Figures figures;
    std::string result;
};

void PrintTo(const Acceptance& acceptance, std::ostream* out) {
    PrintFigures(acceptance.figures, out);
}

class Accepted : public ::testing::TestWithParam<Acceptance> {};

TEST_P(Accepted, AllWhiteThenTheResultAndFocusOnCalculate) {
    RecordingView view;
    Enter(view, GetParam().figures);
    Calculate(view);
    EXPECT_EQ(view.log(), Join({Passed(6), Result(GetParam().result)}));
    EXPECT_TRUE(view.dialogs().empty());
    EXPECT_EQ(view.text(FieldId::txtHP), GetParam().result);
    EXPECT_EQ(view.focus(), "cmdCalculate");
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, Accepted,
    ::testing::Values(
        Acceptance{WorkedExample, "27.36"},
        Acceptance{{"3000", "1000", "2500", "125", "29000", "100"}, "28.02"},
        Acceptance{{"3000", "1000", "2500", "125", "29000", "100.0"}, "28.02"},
        Acceptance{{"3000", "1000", "2500", "125", "33000", "100"}, "24.62"},
        Acceptance{{"3000", "1000", "2500", "0.000001", "33000", "90"}, "0.00"},
        Acceptance{{"3000", "1000", "2500", "125", "33000", "0.000001"}, "2462121212.12"},
        Acceptance{{"3000", "1000", "2500", "125", "0.000001", "100"}, "812500000000.00"},
        Acceptance{{"3e3", " 1000", "2500.0", "1.25e2", "33000", "90"}, "27.36"}));

// A unit after the number carries no digit and changes nothing.
INSTANTIATE_TEST_SUITE_P(
    UnitsAfterTheNumber, Accepted,
    ::testing::Values(Acceptance{{"3000 lb", "1000", "2500", "125", "33000", "90"}, "27.36"},
                      Acceptance{{"3000", "1000", "2500", "150 FPM", "33000", "90"}, "32.83"},
                      Acceptance{{"3000", "1000", "2500", "125", "33000", "90%"}, "27.36"}));

TEST(Calculate, ResultFollowsTheGlobalLocale) {
    const testing::GlobalLocale german(testing::PunctuationLocale(testing::GermanPunctuation()));
    RecordingView view;
    Enter(view, WorkedExample);
    Calculate(view);
    EXPECT_EQ(view.text(FieldId::txtHP), "27,36");
    Enter(view, {"3000", "1000", "2500", "125", "0.000001", "100"});
    Calculate(view);
    EXPECT_EQ(view.text(FieldId::txtHP), "812.500.000.000,00");
}

struct RuleCase {
    std::string force;
    std::string efficiency;
    std::string result;
};

void PrintTo(const RuleCase& rule, std::ostream* out) {
    *out << rule.force << " with " << rule.efficiency << '%';
}

class ForceAndEfficiencyRule : public ::testing::TestWithParam<RuleCase> {};

// The result is computed and written twice: once by the nested run, once after it returns.
TEST_P(ForceAndEfficiencyRule, SetsFullEfficiencyAndCalculatesAgain) {
    RecordingView view;
    Enter(view, {"3000", "1000", "2500", "125", GetParam().force, GetParam().efficiency});
    Calculate(view);
    EXPECT_EQ(view.log(), Join({Passed(6), RuleNotice, Passed(6), Result(GetParam().result),
                                Result(GetParam().result)}));
    EXPECT_EQ(view.dialogNames(), std::vector<std::string_view>{"msgForceEfficiency"});
    EXPECT_EQ(view.text(FieldId::cmbEfficiency), "100");
    EXPECT_EQ(view.text(FieldId::txtHP), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(BelowTheConstant, ForceAndEfficiencyRule,
                         ::testing::Values(RuleCase{"29000", "90", "28.02"},
                                           RuleCase{"32999.99", "99.999", "24.62"},
                                           RuleCase{"29000", "0.000001", "28.02"}));

struct Failure {
    Figures figures;
    std::size_t passed; // fields turned white before the failure
};

void PrintTo(const Failure& failure, std::ostream* out) {
    PrintFigures(failure.figures, out);
}

class Failed : public ::testing::TestWithParam<Failure> {};

// Nothing is undone: colours stay as the steps left them and the result field is not written.
TEST_P(Failed, ErrorNoticeOnly) {
    RecordingView view;
    EnterOverRed(view, GetParam().figures);
    Calculate(view);
    EXPECT_EQ(view.log(), Join({Passed(GetParam().passed), ErrorNotice}));
    EXPECT_EQ(view.dialogNames(), std::vector<std::string_view>{"msgCalculateError"});
    for (std::size_t i = GetParam().passed; i < Inputs.size(); ++i)
        EXPECT_EQ(view.background(Inputs[i]), Red) << i;
    EXPECT_EQ(view.text(FieldId::txtHP), "");
}

INSTANTIATE_TEST_SUITE_P(
    Overflow, Failed,
    ::testing::Values(Failure{{"1e308", "1000", "2500", "1e308", "33000", "90"}, 6},
                      Failure{{"3000", "1000", "2500", "1e999", "33000", "90"}, 3},
                      Failure{{"1e309", "1000", "2500", "125", "33000", "90"}, 0},
                      Failure{{"3000", "1000", "2500", "125", "33000", "-1e999"}, 5}));

TEST(Calculate, FailureInTheNestedRunIsShownAgainByTheOuterRun) {
    RecordingView view;
    Enter(view, {"1e308", "1000", "2500", "1e308", "29000", "90"});
    Calculate(view);
    EXPECT_EQ(view.log(), Join({Passed(6), RuleNotice, Passed(6), ErrorNotice, ErrorNotice}));
    EXPECT_EQ(view.dialogNames(),
              (std::vector<std::string_view>{"msgForceEfficiency", "msgCalculateError",
                                             "msgCalculateError"}));
}

// A field changed while the rule's notice is open is read afresh by both runs.
TEST(Calculate, FiguresAreReadAfreshAfterTheRuleNotice) {
    struct Change {
        std::string car;
        Log afterwards;
    };
    const Change changes[] = {
        {"4000", Join({Passed(6), Result("32.33"), Result("32.33")})},
        {"1e999", Join({Passed(0), ErrorNotice, ErrorNotice})},
    };
    for (const Change& change : changes) {
        RecordingView view;
        Enter(view, {"3000", "1000", "2500", "125", "29000", "90"});
        view.onDialog = [&view, &change](const DialogText& dialog) {
            if (&dialog == &msgForceEfficiency)
                view.setText(FieldId::txtCar, change.car);
        };
        Calculate(view);
        Log ruleNotice = RuleNotice;
        ruleNotice.insert(ruleNotice.begin() + 3,
                          {"text txtCar=" + change.car, "text txtHP=", "colour txtCar=white"});
        EXPECT_EQ(view.log(), Join({Passed(6), ruleNotice, change.afterwards})) << change.car;
    }
}

struct Notice {
    void (*routine)(CalculatorView&);
    std::size_t field; // index into Inputs, and into AllDialogs
};

TEST(NoticeRoutines, ShowTheDialogThenMoveTheFocus) {
    const Notice notices[] = {{CarWrong, 0},   {PlungerWrong, 1}, {RatedLoadWrong, 2},
                              {SpeedWrong, 3}, {ForceWrong, 4},   {EfficiencyWrong, 5}};
    for (const Notice& notice : notices) {
        RecordingView view;
        notice.routine(view);
        const DialogText& dialog = *testing::AllDialogs()[notice.field];
        EXPECT_EQ(view.log(), (Log{"dialog " + std::string(dialog.title),
                                   "focus " + std::string(Name(Inputs[notice.field]))}));
        EXPECT_EQ(view.dialogs(), std::vector<const DialogText*>{&dialog});
    }
}

} // namespace
} // namespace calc
