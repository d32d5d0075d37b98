#pragma once

#include <array>
#include <string_view>

// Every fixed text of the window: caption, captions of the controls, tooltips and preset lists.
// Tooltips begin and end with a space on purpose: that is how they read in the tip box.
namespace quorvel::texts {

inline constexpr std::string_view MakerAddress = "www.quorvel.example";
inline constexpr std::string_view ProductName = "Quorvel";

inline constexpr std::array<std::string_view, 7> Label1{
    "Weight of the complete car (Lb)",
    "Weight of the plunger(s) (Lb)",
    "Rated load (Lb)",
    "Rated speed (FPM)",
    "Foot pounds-force/minute",
    "System efficiency ( % )",
    "Minimum horsepower required",
};
inline constexpr std::string_view Label2 = "Quorvel";

inline constexpr std::string_view cmdCalculate = "&Calculate";
inline constexpr std::string_view cmdReset = "&Reset";
inline constexpr std::string_view cmdExit = "E&xit";
inline constexpr std::string_view mnuHelp = "&Help";
inline constexpr std::string_view mnuFormula = "&Formula";

inline constexpr std::string_view tipCalculate = " Calculate horsepower ";
inline constexpr std::string_view tipReset = " Reset all fields ";
inline constexpr std::string_view tipExit = " Exit program ";
inline constexpr std::string_view tipLabel2 =
    " You may make a specific entry in all of the fields....it cannot be negative and it must "
    "fall within certain parameters ";

// The last label, beside the result, has no tooltip.
inline constexpr std::array<std::string_view, 6> tipLabel1{
    " This is the weight that should be indicated on the data plate ",
    " This is the weight that should be indicated on the data plate ( Could be the weight of the "
    "cylinder if it is attached to the car ) ",
    " This is the weight that should be indicated on the data plate ",
    " This is the rated speed that should be indicated on the data plate ",
    " Typically 33000 - The force required to raise 33,000 pounds at the rate of one foot per "
    "minute ( 1 horsepower ) ( Norvath's Dictionary ) ",
    " This number will usually be less than unity ( 100% ) unless you are using a variant of the "
    "foot pounds-force/minute as the efficiency factor...then it should be 100% ",
};

// Preset lists in the order they show (not sorted), and the start text of each combo box.
inline constexpr std::array<std::string_view, 8> SpeedPresets{"50",  "75",  "90",  "100",
                                                              "110", "120", "125", "150"};
inline constexpr std::array<std::string_view, 7> ForcePresets{"33000", "32000", "31000", "30000",
                                                              "29000", "28000", "27000"};
inline constexpr std::array<std::string_view, 8> EfficiencyPresets{"100", "95", "90", "85",
                                                                   "80",  "75", "70", "65"};
inline constexpr std::string_view SpeedStart = "125";
inline constexpr std::string_view ForceStart = "33000";
inline constexpr std::string_view EfficiencyStart = "90";

// What a screen reader hears of changes it would otherwise miss: Reset, and where the focus is
// after a click on a label or the background.
inline constexpr std::string_view ResetAnnouncement = "Fields reset to their start values";
inline constexpr std::string_view FocusSinkName = "Outside the fields";
inline constexpr std::string_view FocusSinkDescription = "Tab goes to the first field";

} // namespace quorvel::texts
