#pragma once

#include <string_view>

namespace calc {

// A message box: the prompt (lines joined by CR LF), the title bar text, and the
// box style (0: one OK button, no icon, OK the default, modal to the application).
struct DialogText {
    std::string_view prompt;
    std::string_view title;
    int style;
};

inline constexpr DialogText msgCarWrong{"Work with me......\r\n"
                                        "is this the correct car weight?",
                                        "Car Weight", 0};

inline constexpr DialogText msgPlungerWrong{"Work with me......\r\n"
                                            "is this the correct weight of the plunger(s)?\r\n"
                                            "Every field must have a positive entry.",
                                            "Weight of the Plunger(s)", 0};

inline constexpr DialogText msgRatedLoadWrong{"Work with me......\r\n"
                                              "is this the correct rated load?",
                                              "Rated Load", 0};

inline constexpr DialogText msgSpeedWrong{"Work with me......\r\n"
                                          "is this the correct speed?",
                                          "Rated Speed", 0};

inline constexpr DialogText msgForceWrong{"Work with me......\r\n"
                                          "is this the correct foot pounds-force/minute?",
                                          "Foot Pounds-Force/Minute", 0};

inline constexpr DialogText msgEfficiencyWrong{"Work with me......\r\n"
                                               "is this the correct system efficiency?",
                                               "System Efficiency", 0};

inline constexpr DialogText msgForceEfficiency{
    "You have selected a foot pounds-force/minute less \r\n"
    "then 33000 so the efficiency field should be 100%.\r\n"
    "\r\n"
    "See the reason why in the menu item Help/Formula.",
    "Foot Pounds-Force/Minute", 0};

inline constexpr DialogText msgCalculateError{"An error has occurred......\r\n"
                                              "please continue working.",
                                              "What did you do?", 0};

inline constexpr DialogText msgFormula{
    "The basic formula is:\r\n"
    "\r\n"
    "( GLOPU  X  Rated Speed ) / ( 33,000  X  Efficiency of the System )\r\n"
    "\r\n"
    "GLOPU = Gross Load On Power Unit\r\n"
    "33,000  = 33,000 Foot Pound-Force/Minute = 1 Horsepower\r\n"
    "\r\n"
    "The GLOPU is composed of the weight of the complete car, weight of the plunger(s) and the "
    "rated load.\r\n"
    "\r\n"
    "Another formula uses a single number in the denominator such as 29,000.\r\n"
    "\r\n"
    "( GLOPU  X  Rated Speed ) / ( 29,000 )\r\n"
    "\r\n"
    "This constant ( 29,000 ) is 33,000 multiplied by approximately 87.88%. ( efficiency of the "
    "system )\r\n"
    "If you use a constant that is less than 33,000 the system efficiency field should contain "
    "100% as you \r\n"
    "have already determined the efficiency of the system.\r\n"
    "\r\n"
    "FYI--You can enter a specific speed, force or efficiency in the dropdown list fields.",
    "Formula", 0};

} // namespace calc
