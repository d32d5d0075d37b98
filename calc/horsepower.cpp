#include "calc/horsepower.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace calc {
namespace {

constexpr double Percent = 0.01;

// Doubles kept as a significand and a separate binary exponent, for platforms whose long
// double is no wider than a double: the figures' products then cannot overflow before the
// final quotient is taken.
class Scaled {
public:
    explicit Scaled(double value) { significand_ = std::frexp(value, &exponent_); }

    friend Scaled operator*(Scaled a, Scaled b) {
        return Scaled(a.significand_ * b.significand_, a.exponent_ + b.exponent_);
    }
    friend Scaled operator+(Scaled a, Scaled b) {
        if (a.significand_ == 0)
            return b;
        if (b.significand_ == 0)
            return a;
        // Beyond 64 binary places the smaller term cannot change a 53-bit sum.
        if (a.exponent_ - b.exponent_ > 64)
            return a;
        if (b.exponent_ - a.exponent_ > 64)
            return b;
        const int common = std::max(a.exponent_, b.exponent_);
        return Scaled(std::ldexp(a.significand_, a.exponent_ - common) +
                          std::ldexp(b.significand_, b.exponent_ - common),
                      common);
    }
    friend double operator/(Scaled a, Scaled b) {
        return std::ldexp(a.significand_ / b.significand_, a.exponent_ - b.exponent_);
    }

private:
    // value x 2^exponent, renormalised so that the significand stays within a double's range.
    Scaled(double value, int exponent)
        : Scaled(value) {
        exponent_ += exponent;
    }

    double significand_ = 0; // 0.5 <= |significand_| < 1, or 0
    int exponent_ = 0;
};

template <typename Wide>
double Quotient(double car, double plunger, double ratedLoad, double speed, double force,
                double efficiency) {
    const Wide numerator = ((Wide(plunger) + Wide(car)) + Wide(ratedLoad)) * Wide(speed);
    const Wide denominator = (Wide(efficiency) * Wide(Percent)) * Wide(force);
    return static_cast<double>(numerator / denominator);
}

} // namespace

double HorsepowerExtended(double car, double plunger, double ratedLoad, double speed, double force,
                          double efficiency) {
    return Quotient<long double>(car, plunger, ratedLoad, speed, force, efficiency);
}

double HorsepowerScaled(double car, double plunger, double ratedLoad, double speed, double force,
                        double efficiency) {
    return Quotient<Scaled>(car, plunger, ratedLoad, speed, force, efficiency);
}

double Horsepower(double car, double plunger, double ratedLoad, double speed, double force,
                  double efficiency) {
    const double quotient =
        LongDoubleIsWide ? HorsepowerExtended(car, plunger, ratedLoad, speed, force, efficiency)
                         : HorsepowerScaled(car, plunger, ratedLoad, speed, force, efficiency);
    if (!std::isfinite(quotient))
        throw std::overflow_error("horsepower beyond the range of a double");
    return quotient;
}

} // namespace calc
