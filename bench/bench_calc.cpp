#include "calc/calculator.h"
#include "tests/support/custom_locale.h"
#include "tests/support/recording_view.h"

#include <benchmark/benchmark.h>

#include <locale>
#include <string>

namespace {

void BM_FieldReading(benchmark::State& state, std::string text) {
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::FieldReading(text));
    state.SetLabel(std::to_string(text.size()) + " characters");
}
BENCHMARK_CAPTURE(BM_FieldReading, Weight, std::string("3000"));
BENCHMARK_CAPTURE(BM_FieldReading, Decimal, std::string("0.000001"));
BENCHMARK_CAPTURE(BM_FieldReading, WithUnit, std::string("150 FPM"));
BENCHMARK_CAPTURE(BM_FieldReading, Exponent, std::string("1.25e2"));
BENCHMARK_CAPTURE(BM_FieldReading, Underflow, std::string("1e-400"));
// A pasted 10,000-character text: many digits, or leading blanks, or no number at all.
BENCHMARK_CAPTURE(BM_FieldReading, LongFraction, "1." + std::string(9'998, '3'));
BENCHMARK_CAPTURE(BM_FieldReading, LongBlanks, std::string(9'999, ' ') + "5");
BENCHMARK_CAPTURE(BM_FieldReading, LongText, std::string(10'000, 'x'));

void BM_ResultFormat(benchmark::State& state, double value, std::locale locale) {
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::ResultFormat(value, locale));
}
BENCHMARK_CAPTURE(BM_ResultFormat, Classic, 27.356902356902356, std::locale::classic());
BENCHMARK_CAPTURE(BM_ResultFormat, German, 1234567.891,
                  calc::testing::PunctuationLocale(calc::testing::GermanPunctuation()));
BENCHMARK_CAPTURE(BM_ResultFormat, French, 1234567.891,
                  calc::testing::PunctuationLocale(calc::testing::FrenchPunctuation()));
BENCHMARK_CAPTURE(BM_ResultFormat, Largest, 1.7976931348623157e308, std::locale::classic());

// The whole command over the fake view, which records every call it receives. Putting the
// figures back (the rule changes the efficiency) and emptying the log are timed too: pausing
// the timer would cost more than they do.
void BM_Calculate(benchmark::State& state, std::string force, std::string efficiency) {
    calc::testing::RecordingView view;
    for (auto _ : state) {
        view.setFigures("3000", "1000", "2500", "125", force, efficiency);
        view.clearLog();
        calc::Calculate(view);
    }
}
BENCHMARK_CAPTURE(BM_Calculate, WorkedExample, std::string("33000"), std::string("90"));
// The force-and-efficiency rule: a notice and a nested run.
BENCHMARK_CAPTURE(BM_Calculate, Rule, std::string("29000"), std::string("90"));
BENCHMARK_CAPTURE(BM_Calculate, Refused, std::string("33,000"), std::string("90"));

} // namespace

BENCHMARK_MAIN();
