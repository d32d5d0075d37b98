#pragma once

#include <QRect>

#include <array>

namespace quorvel {

// The window's geometry, stored in twips as the form was designed: 15 twips make one pixel at
// 96 dots per inch. Left and Top count from the top-left corner of the client area, below the
// menu bar.
struct Twips {
    int left, top, width, height;
};

inline constexpr int TwipsPerPixel = 15;

constexpr int Pixels(int twips) {
    return twips / TwipsPerPixel;
}

inline QRect PixelRect(Twips twips) {
    return {Pixels(twips.left), Pixels(twips.top), Pixels(twips.width), Pixels(twips.height)};
}

namespace layout {

inline constexpr int ClientWidth = 7725;
inline constexpr int ClientHeight = 6780;

inline constexpr Twips txtCar{615, 780, 1515, 495};
inline constexpr Twips txtPlunger{615, 1530, 1515, 495};
inline constexpr Twips txtRatedLoad{615, 2295, 1515, 495};
inline constexpr Twips cmbSpeed{615, 3045, 1515, 480};
inline constexpr Twips cmbForce{615, 3795, 1515, 480};
inline constexpr Twips cmbEfficiency{615, 4530, 1515, 480};
inline constexpr Twips txtHP{615, 5280, 1515, 495};

// The field labels, each on the row of its field.
inline constexpr std::array<Twips, 7> Label1{{
    {2475, 900, 4455, 375},
    {2475, 1650, 4095, 375},
    {2475, 2400, 2235, 375},
    {2475, 3150, 2775, 375},
    {2475, 3900, 3675, 375},
    {2475, 4650, 3255, 375},
    {2475, 5400, 4395, 375},
}};

inline constexpr Twips cmdCalculate{1125, 6120, 1575, 495};
inline constexpr Twips cmdReset{3045, 6120, 1575, 495};
inline constexpr Twips cmdExit{5025, 6120, 1575, 495};
inline constexpr Twips Label2{405, 60, 6915, 435};

// The focus sink lies wholly inside cmdExit's rectangle and is stacked beneath it.
inline constexpr Twips Text1{5520, 6240, 555, 285};

} // namespace layout
} // namespace quorvel
