// Speed of the genus enumeration: the engine alone and the window's "Hesapla"
// with the list filled.
#include "columns.h"
#include "frm_cns.h"
#include "genus_engine.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

genus::GenusInput input(const char* min, const char* max, const char* step) {
    genus::GenusInput in;
    for (const auto& c : genus::buildColumns(min, max, step, genus::SymbolSystem::ArelEzgi)) {
        in.values.push_back(c.value);
        in.symbols.push_back(c.symbol);
        in.included.push_back(true);
    }
    in.lastIndex = static_cast<int>(in.values.size()) - 1;
    in.span = "22";
    in.limit = "5";
    return in;
}

void engine(benchmark::State& state, const char* min, const char* max, const char* step,
            std::array<bool, 3> sizes) {
    const genus::GenusInput in = input(min, max, step);
    std::int64_t count = 0;
    for (auto _ : state) {
        genus::GenusEngine e(in);
        e.compute(sizes);
        count = e.genusCount();
        benchmark::DoNotOptimize(count);
    }
    state.counters["genera"] = static_cast<double>(count);
}

void BM_QuarterKomasAllSizes(benchmark::State& state) {
    engine(state, "4", "13", "0.25", {true, true, true});
}
BENCHMARK(BM_QuarterKomasAllSizes)->Unit(benchmark::kMillisecond);

void BM_OneToThirtyPentachords(benchmark::State& state) {
    engine(state, "1", "30", "0.25", {false, false, true});
}
BENCHMARK(BM_OneToThirtyPentachords)->Unit(benchmark::kMillisecond);

void BM_OneToThirtyTrichords(benchmark::State& state) {
    engine(state, "1", "30", "0.25", {true, false, false});
}
BENCHMARK(BM_OneToThirtyTrichords)->Unit(benchmark::kMillisecond);

void BM_OneToThirtyTetrachords(benchmark::State& state) {
    engine(state, "1", "30", "0.25", {false, true, false});
}
BENCHMARK(BM_OneToThirtyTetrachords)->Unit(benchmark::kMillisecond);

void BM_OneToThirtyAllSizes(benchmark::State& state) {
    engine(state, "1", "30", "0.25", {true, true, true});
}
BENCHMARK(BM_OneToThirtyAllSizes)->Unit(benchmark::kMillisecond);

// The same span over 1,000 columns lists the same genera: the sizes past the
// span must cost little beyond the 117 columns of 1 to 30.
void BM_OneTo250Trichords(benchmark::State& state) {
    engine(state, "1", "250", "0.25", {true, false, false});
}
BENCHMARK(BM_OneTo250Trichords)->Unit(benchmark::kMillisecond);

void BM_OneTo250Tetrachords(benchmark::State& state) {
    engine(state, "1", "250", "0.25", {false, true, false});
}
BENCHMARK(BM_OneTo250Tetrachords)->Unit(benchmark::kMillisecond);

void BM_OneTo250Pentachords(benchmark::State& state) {
    engine(state, "1", "250", "0.25", {false, false, true});
}
BENCHMARK(BM_OneTo250Pentachords)->Unit(benchmark::kMillisecond);

void BM_OneTo250AllSizes(benchmark::State& state) {
    engine(state, "1", "250", "0.25", {true, true, true});
}
BENCHMARK(BM_OneTo250AllSizes)->Unit(benchmark::kMillisecond);

// The window's "Hesapla": reading the columns, enumerating, filling and selecting the list.
void window(benchmark::State& state, const char* min, const char* max) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "genus_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    platform::RecordingSoundOutput sound;
    genus::FrmCns w(&sound);
    w.setProgressThreshold(1e300);
    w.findChild<QLineEdit*>("txbMin")->setText(QString::fromLatin1(min));
    w.findChild<QLineEdit*>("txbMax")->setText(QString::fromLatin1(max));
    w.findChild<QListWidget*>("lsbAr")->setCurrentRow(0); // "0.25"
    w.findChild<QCheckBox*>("chb_nil(0)")->setChecked(true);
    w.findChild<QCheckBox*>("chb_nil(2)")->setChecked(true);
    w.findChild<QPushButton*>("cmdBsl")->click();
    auto* compute = w.findChild<QPushButton*>("cmdHsp");
    for (auto _ : state) {
        compute->click();
        QApplication::processEvents();
    }
    state.counters["genera"] = static_cast<double>(w.genusCount());
}

void BM_WindowHesaplaQuarterKomasAllSizes(benchmark::State& state) {
    window(state, "4", "13");
}
BENCHMARK(BM_WindowHesaplaQuarterKomasAllSizes)->Unit(benchmark::kMillisecond);

void BM_WindowHesaplaOneToThirtyAllSizes(benchmark::State& state) {
    window(state, "1", "30");
}
BENCHMARK(BM_WindowHesaplaOneToThirtyAllSizes)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
