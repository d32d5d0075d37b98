// How long the user waits for a result: from a mouse click on Calculate to the horsepower written
// into the result field, on the real window (offscreen), with the worked example's figures.
// Each click is timed on its own, so the clearing of the result between clicks is not counted.

#include "calc/calculator.h"
#include "window/form/frm_quorvel.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

template <typename Widget> Widget& Control(QWidget& window, const char* name) {
    auto* control = window.findChild<Widget*>(name);
    if (control == nullptr) {
        std::fprintf(stderr, "bench_calculate_click: the window has no control %s\n", name);
        std::abort();
    }
    return *control;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void BM_CalculateClick(benchmark::State& state) {
    frmQuorvel window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was never exposed");
        return;
    }
    // The combo boxes keep their start texts 125, 33000 and 90.
    Control<QLineEdit>(window, "txtCar").setText("3000");
    Control<QLineEdit>(window, "txtPlunger").setText("1000");
    Control<QLineEdit>(window, "txtRatedLoad").setText("2500");
    auto& result = Control<QLineEdit>(window, "txtHP");
    auto& calculate = Control<QPushButton>(window, "cmdCalculate");
    const QString expected = QString::fromStdString(
        calc::ResultFormat(calc::Horsepower(3000, 1000, 2500, 125, 33000, 90)));

    std::vector<double> clickSeconds;
    for (auto _ : state) {
        result.clear();
        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(&calculate, Qt::LeftButton);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (result.text() != expected) {
            state.SkipWithError("the click did not write the expected result");
            return;
        }
        state.SetIterationTime(elapsed.count());
        clickSeconds.push_back(elapsed.count());
    }
    state.counters["median_us"] = Median(clickSeconds) * 1e6;
}
BENCHMARK(BM_CalculateClick)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    // A benchmark needs no screen; a display given on purpose is still honoured.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
