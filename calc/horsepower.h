#pragma once

#include <limits>

namespace calc {

// The horsepower for the six figures: ((P + C) + L) x S / ((E x 0.01) x F). Three weights and a
// speed near the top of the double range multiply far beyond it, yet the quotient may still fit:
// the intermediates keep a wider exponent range than a double, and only the quotient is rounded
// to one. Throws std::overflow_error when that quotient is not a finite double.
double Horsepower(double car, double plunger, double ratedLoad, double speed, double force,
                  double efficiency);

// An x87 extended or quadruple long double has the exponent range needed; where long double is
// only a double, significands with separate exponents stand in for it.
inline constexpr bool LongDoubleIsWide = std::numeric_limits<long double>::max_exponent >= 16384 &&
                                         std::numeric_limits<long double>::digits >= 64;

// The two ways of computing the quotient, both built everywhere so that they can be compared.
double HorsepowerExtended(double car, double plunger, double ratedLoad, double speed, double force,
                          double efficiency);
double HorsepowerScaled(double car, double plunger, double ratedLoad, double speed, double force,
                        double efficiency);

} // namespace calc
