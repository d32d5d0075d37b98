#include "calc/dialog_texts.h"
#include "tests/support/recording_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace calc {
namespace {

using testing::AllDialogs;
using testing::Name;

constexpr std::string_view LineBreak = "\r\n";

std::vector<std::string_view> Lines(std::string_view prompt) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = prompt.find(LineBreak, start);
        lines.push_back(prompt.substr(start, end - start));
        if (end == std::string_view::npos)
            return lines;
        start = end + LineBreak.size();
    }
}

// Line numbers count from 1, as a reader of the box counts them.
struct Shape {
    const DialogText* dialog;
    std::string_view title;
    std::size_t lines;
    std::size_t characters;
    std::vector<std::size_t> emptyLines;
    std::vector<std::size_t> linesEndingInASpace;
    std::vector<std::size_t> linesWithDoubledSpaces;
    std::string_view ending;
};

void PrintTo(const Shape& shape, std::ostream* out) {
    *out << Name(*shape.dialog);
}

const std::vector<Shape>& Shapes() {
    static const std::vector<Shape> shapes{
        {&msgCarWrong, "Car Weight", 2, 51, {}, {}, {}, "car weight?"},
        {&msgPlungerWrong, "Weight of the Plunger(s)", 3, 106, {}, {}, {}, "positive entry."},
        {&msgRatedLoadWrong, "Rated Load", 2, 51, {}, {}, {}, "rated load?"},
        {&msgSpeedWrong, "Rated Speed", 2, 46, {}, {}, {}, "speed?"},
        {&msgForceWrong, "Foot Pounds-Force/Minute", 2, 65, {}, {}, {}, "force/minute?"},
        {&msgEfficiencyWrong, "System Efficiency", 2, 58, {}, {}, {}, "system efficiency?"},
        {&msgForceEfficiency, "Foot Pounds-Force/Minute", 4, 155, {3}, {1}, {}, "Help/Formula."},
        {&msgCalculateError, "What did you do?", 2, 53, {}, {}, {}, "continue working."},
        {&msgFormula,
         "Formula",
         18,
         758,
         {2, 4, 7, 9, 11, 13, 17},
         {15},
         {3, 6, 12},
         "dropdown list fields."},
    };
    return shapes;
}

std::vector<std::size_t> LinesWhere(std::string_view prompt, bool (*holds)(std::string_view)) {
    std::vector<std::size_t> numbers;
    const std::vector<std::string_view> lines = Lines(prompt);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (holds(lines[i]))
            numbers.push_back(i + 1);
    }
    return numbers;
}

class DialogShape : public ::testing::TestWithParam<Shape> {};

TEST_P(DialogShape, LengthLinesTitleAndStyle) {
    const Shape& shape = GetParam();
    EXPECT_EQ(shape.dialog->prompt.size(), shape.characters);
    EXPECT_EQ(Lines(shape.dialog->prompt).size(), shape.lines);
    EXPECT_EQ(shape.dialog->title, shape.title);
    EXPECT_EQ(shape.dialog->style, 0);
}

TEST_P(DialogShape, NeitherBeginsNorEndsWithALineBreak) {
    const std::string_view prompt = GetParam().dialog->prompt;
    EXPECT_FALSE(prompt.starts_with('\r') || prompt.starts_with('\n'));
    EXPECT_FALSE(prompt.ends_with('\r') || prompt.ends_with('\n'));
    EXPECT_TRUE(prompt.ends_with(GetParam().ending));
}

TEST_P(DialogShape, PrintableAsciiAndCrLfOnly) {
    const DialogText& dialog = *GetParam().dialog;
    const auto printable = [](char c) { return c >= ' ' && c <= '~'; };
    EXPECT_TRUE(std::all_of(dialog.title.begin(), dialog.title.end(), printable));
    const std::string_view prompt = dialog.prompt;
    for (std::size_t i = 0; i < prompt.size(); ++i) {
        const char c = prompt[i];
        if (c == '\r')
            EXPECT_TRUE(i + 1 < prompt.size() && prompt[i + 1] == '\n') << "CR at " << i;
        else if (c == '\n')
            EXPECT_TRUE(i > 0 && prompt[i - 1] == '\r') << "LF at " << i;
        else
            EXPECT_TRUE(printable(c)) << "character " << int(c) << " at " << i;
    }
}

TEST_P(DialogShape, SpacesWhereTheyBelong) {
    const Shape& shape = GetParam();
    const std::string_view prompt = shape.dialog->prompt;
    EXPECT_EQ(LinesWhere(prompt, [](std::string_view line) { return line.empty(); }),
              shape.emptyLines);
    EXPECT_EQ(LinesWhere(prompt, [](std::string_view line) { return line.ends_with(' '); }),
              shape.linesEndingInASpace);
    EXPECT_EQ(
        LinesWhere(prompt,
                   [](std::string_view line) { return line.find("  ") != std::string_view::npos; }),
        shape.linesWithDoubledSpaces);
    EXPECT_EQ(LinesWhere(prompt, [](std::string_view line) { return line.starts_with(' '); }),
              std::vector<std::size_t>{});
}

INSTANTIATE_TEST_SUITE_P(AllNine, DialogShape, ::testing::ValuesIn(Shapes()),
                         [](const auto& info) { return std::string(Name(*info.param.dialog)); });

struct Wording {
    const DialogText* dialog;
    std::vector<std::string_view> lines;
};

void PrintTo(const Wording& wording, std::ostream* out) {
    *out << Name(*wording.dialog);
}

// Word for word, lower-case starts, runs of full stops and "then" for "than" included.
const std::vector<Wording>& Wordings() {
    static const std::vector<Wording> wordings{
        {&msgCarWrong, {"Work with me......", "is this the correct car weight?"}},
        {&msgPlungerWrong,
         {"Work with me......", "is this the correct weight of the plunger(s)?",
          "Every field must have a positive entry."}},
        {&msgRatedLoadWrong, {"Work with me......", "is this the correct rated load?"}},
        {&msgSpeedWrong, {"Work with me......", "is this the correct speed?"}},
        {&msgForceWrong, {"Work with me......", "is this the correct foot pounds-force/minute?"}},
        {&msgEfficiencyWrong, {"Work with me......", "is this the correct system efficiency?"}},
        {&msgForceEfficiency,
         {"You have selected a foot pounds-force/minute less ",
          "then 33000 so the efficiency field should be 100%.", "",
          "See the reason why in the menu item Help/Formula."}},
        {&msgCalculateError, {"An error has occurred......", "please continue working."}},
        {&msgFormula,
         {"The basic formula is:", "",
          "( GLOPU  X  Rated Speed ) / ( 33,000  X  Efficiency of the System )", "",
          "GLOPU = Gross Load On Power Unit",
          "33,000  = 33,000 Foot Pound-Force/Minute = 1 Horsepower", "",
          "The GLOPU is composed of the weight of the complete car, weight of the plunger(s) and "
          "the rated load.",
          "", "Another formula uses a single number in the denominator such as 29,000.", "",
          "( GLOPU  X  Rated Speed ) / ( 29,000 )", "",
          "This constant ( 29,000 ) is 33,000 multiplied by approximately 87.88%. ( efficiency of "
          "the system )",
          "If you use a constant that is less than 33,000 the system efficiency field should "
          "contain 100% as you ",
          "have already determined the efficiency of the system.", "",
          "FYI--You can enter a specific speed, force or efficiency in the dropdown list fields."}},
    };
    return wordings;
}

class DialogWording : public ::testing::TestWithParam<Wording> {};

TEST_P(DialogWording, LineByLine) {
    EXPECT_EQ(Lines(GetParam().dialog->prompt), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(AllNine, DialogWording, ::testing::ValuesIn(Wordings()),
                         [](const auto& info) { return std::string(Name(*info.param.dialog)); });

TEST(DialogTexts, LongestLineIsTheFormulaHelpsFifteenth) {
    const std::vector<std::string_view> lines = Lines(msgFormula.prompt);
    const auto longest = std::max_element(lines.begin(), lines.end(),
                                          [](auto a, auto b) { return a.size() < b.size(); });
    EXPECT_EQ(longest - lines.begin() + 1, 15);
    EXPECT_EQ(longest->size(), 102U);
}

TEST(DialogTexts, RuleNoticeSharesTheForceNoticesTitleOnly) {
    EXPECT_EQ(msgForceEfficiency.title, msgForceWrong.title);
    EXPECT_NE(msgForceEfficiency.prompt, msgForceWrong.prompt);
}

TEST(DialogTexts, NinePromptsAllDifferent) {
    std::set<std::string_view> prompts;
    for (const DialogText* dialog : AllDialogs())
        prompts.insert(dialog->prompt);
    EXPECT_EQ(prompts.size(), 9U);
}

} // namespace
} // namespace calc
