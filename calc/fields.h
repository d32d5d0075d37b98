#pragma once

namespace calc {

// The seven fields the calculation touches; the window maps each to its control.
enum class FieldId { txtCar, txtPlunger, txtRatedLoad, cmbSpeed, cmbForce, cmbEfficiency, txtHP };

struct Colour {
    int red, green, blue;
    friend constexpr bool operator==(Colour, Colour) = default;
};

// White marks an input field in good standing, red the one that was rejected.
inline constexpr Colour White{255, 255, 255};
inline constexpr Colour Red{255, 0, 0};

} // namespace calc
