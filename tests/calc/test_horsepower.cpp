#include "calc/figures.h"
#include "calc/horsepower.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <stdexcept>
#include <vector>

namespace calc {
namespace {

// x86-64 builds compute in the x87 extended format; the scaled fallback is for other targets.
#if defined(__x86_64__)
static_assert(LongDoubleIsWide, "x86-64 long double should be the 80-bit extended format");
#endif

struct Figures {
    double car, plunger, ratedLoad, speed, force, efficiency;
};

std::ostream& operator<<(std::ostream& out, const Figures& f) {
    return out << '(' << f.car << ", " << f.plunger << ", " << f.ratedLoad << ", " << f.speed
               << ", " << f.force << ", " << f.efficiency << ')';
}

double Apply(double (*horsepower)(double, double, double, double, double, double),
             const Figures& f) {
    return horsepower(f.car, f.plunger, f.ratedLoad, f.speed, f.force, f.efficiency);
}

// Distance in representable doubles between two finite values of the same sign.
std::uint64_t UlpDistance(double a, double b) {
    const auto x = std::bit_cast<std::int64_t>(a);
    const auto y = std::bit_cast<std::int64_t>(b);
    return x > y ? std::uint64_t(x - y) : std::uint64_t(y - x);
}

TEST(Horsepower, WorkedExamples) {
    EXPECT_DOUBLE_EQ(Horsepower(3000, 1000, 2500, 125, 33000, 90), 6500.0 * 125 / 29700);
    EXPECT_NEAR(Horsepower(3000, 1000, 2500, 125, 33000, 90), 27.3569023569, 1e-9);
    EXPECT_DOUBLE_EQ(Horsepower(3000, 1000, 2500, 125, 29000, 100), 812500.0 / 29000);
    EXPECT_NEAR(Horsepower(3000, 1000, 2500, 125, 29000, 100), 28.0172413793, 1e-9);
}

// Each figure in its own place: weights add, speed multiplies, efficiency and force divide.
TEST(Horsepower, EachFigureInItsPlace) {
    EXPECT_DOUBLE_EQ(Horsepower(100, 200, 300, 10, 20, 50), 600.0 * 10 / (0.5 * 20));
    EXPECT_DOUBLE_EQ(Horsepower(1, 0, 0, 8, 1, 100), 8);
    EXPECT_DOUBLE_EQ(Horsepower(0, 1, 0, 8, 1, 100), 8);
    EXPECT_DOUBLE_EQ(Horsepower(0, 0, 1, 8, 1, 100), 8);
    EXPECT_DOUBLE_EQ(Horsepower(1, 0, 0, 1, 4, 100), 0.25);
    EXPECT_DOUBLE_EQ(Horsepower(1, 0, 0, 1, 1, 25), 4);
}

struct WideCase {
    Figures figures;
    double expected; // the exact quotient, to double precision
};

std::ostream& operator<<(std::ostream& out, const WideCase& c) {
    return out << c.figures;
}

class IntermediatesBeyondDoubles : public ::testing::TestWithParam<WideCase> {};

TEST_P(IntermediatesBeyondDoubles, QuotientThatFitsIsComputed) {
    const WideCase& c = GetParam();
    double quotient = 0;
    ASSERT_NO_THROW(quotient = Apply(Horsepower, c.figures));
    EXPECT_NEAR(quotient / c.expected, 1.0, 1e-14);
}

INSTANTIATE_TEST_SUITE_P(Table, IntermediatesBeyondDoubles,
                         ::testing::Values(
                             // A sum of 3e308 times 1e-300.
                             WideCase{{1e308, 1e308, 1e308, 1e-300, 33000, 100}, 3e8 / 33000},
                             // A numerator of 1e616 over a denominator of 1e316.
                             WideCase{{1e308, 0, 0, 1e308, 1e308, 1e10}, 1e300},
                             // A numerator of 1e-600 over a denominator of 1e-302.
                             WideCase{{1e-300, 0, 0, 1e-300, 1e-300, 1}, 1e-298},
                             WideCase{{1e-300, 0, 0, 1e308, 33000, 100}, 1e8 / 33000},
                             WideCase{{DBL_MAX, DBL_MAX, 0, 2, 4, 100}, DBL_MAX},
                             WideCase{{1e308, 1000, 2500, 1e308, 1e300, 1e20}, 1e298}));

TEST(Horsepower, QuotientBeyondTheDoubleRangeThrows) {
    EXPECT_THROW(Horsepower(1e308, 1000, 2500, 1e308, 33000, 90), std::overflow_error);
    EXPECT_THROW(Horsepower(1e308, 0, 0, 10, 1, 100), std::overflow_error);
    EXPECT_THROW(Horsepower(DBL_MAX, DBL_MAX, DBL_MAX, DBL_MAX, 1e-6, 1e-6), std::overflow_error);
}

TEST(Horsepower, UnderflowIsNoFailure) {
    EXPECT_EQ(Horsepower(1e-300, 0, 0, 1e-300, 1e300, 100), 0);
    double tiny = 1;
    ASSERT_NO_THROW(tiny = Horsepower(1e-300, 0, 0, 1e-20, 1, 100));
    EXPECT_EQ(std::fpclassify(tiny), FP_SUBNORMAL);
}

// The build computes with the wide long double where it has one, and the scaled way otherwise.
TEST(Horsepower, TakesThePathTheTargetSupports) {
    // A case where the two paths round differently in the last place.
    const Figures figures{1e308, 1e308, 1e308, 1e-300, 33000, 100};
    const double extended = Apply(HorsepowerExtended, figures);
    const double scaled = Apply(HorsepowerScaled, figures);
    ASSERT_NE(extended, scaled);
    EXPECT_EQ(Apply(Horsepower, figures), LongDoubleIsWide ? extended : scaled);
}

class ScaledAgreesWithExtended : public ::testing::TestWithParam<Figures> {};

TEST_P(ScaledAgreesWithExtended, SameShownResult) {
    const std::locale classic = std::locale::classic();
    EXPECT_EQ(ResultFormat(Apply(HorsepowerScaled, GetParam()), classic),
              ResultFormat(Apply(HorsepowerExtended, GetParam()), classic));
}

INSTANTIATE_TEST_SUITE_P(Realistic, ScaledAgreesWithExtended,
                         ::testing::Values(Figures{3000, 1000, 2500, 125, 33000, 90},
                                           Figures{3000, 1000, 2500, 125, 29000, 100},
                                           Figures{2200, 650, 2100, 100, 33000, 85},
                                           Figures{4500, 1800, 4000, 150, 33000, 75},
                                           Figures{1250.5, 480.25, 1500, 50, 32000, 100},
                                           Figures{3000, 1000, 2500, 0.000001, 33000, 90},
                                           Figures{0.000001, 0.000001, 0.000001, 0.000001, 33000,
                                                   100}));

INSTANTIATE_TEST_SUITE_P(Extreme, ScaledAgreesWithExtended,
                         ::testing::Values(Figures{1e308, 1e308, 1e308, 1e-300, 33000, 100},
                                           Figures{1e-300, 0, 0, 1e308, 33000, 100},
                                           Figures{1e154, 1e154, 1e154, 1e154, 1e300, 1e10},
                                           Figures{1e308, 1, 1, 1e-305, 33000, 100},
                                           Figures{3000, 1e-300, 2500, 125, 0.000001, 100}));

// Over a grid from the smallest accepted figure to the top of the double range the two paths
// differ by a few roundings at most, and overflow together.
TEST(ScaledAgreesWithExtended, WithinAFewUlpsAcrossTheRange) {
    const std::vector<double> weights{0, 1e-6, 0.75, 3000, 1e5, 1e154, 1e300, DBL_MAX};
    const std::vector<double> speeds{1e-6, 125, 1e150, 1e308};
    const std::vector<double> forces{1e-6, 29000, 33000};
    const std::vector<double> efficiencies{1e-6, 87.88, 100};
    int compared = 0;
    for (double car : weights)
        for (double plunger : weights)
            for (double ratedLoad : weights)
                for (double speed : speeds)
                    for (double force : forces)
                        for (double efficiency : efficiencies) {
                            const Figures f{car, plunger, ratedLoad, speed, force, efficiency};
                            const double extended = Apply(HorsepowerExtended, f);
                            const double scaled = Apply(HorsepowerScaled, f);
                            if (!std::isfinite(extended)) {
                                EXPECT_FALSE(std::isfinite(scaled)) << f;
                                continue;
                            }
                            ASSERT_TRUE(std::isfinite(scaled)) << f;
                            EXPECT_LE(UlpDistance(extended, scaled), 4U) << f;
                            ++compared;
                        }
    EXPECT_GT(compared, 1000);
}

} // namespace
} // namespace calc
