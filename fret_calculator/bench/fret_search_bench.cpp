// PerdeHesapla, the keystroke in a geometry box that recomputes and redraws, and
// the loading of a scale with a long description.
#include "form1.h"
#include "fret_search.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

const mirefa::Geometry initial = mirefa::makeGeometry(1000, 2, 5, 1);

/** n equal steps up to the octave. */
std::vector<double> equalScale(int n) {
    std::vector<double> ratios;
    for (int i = 1; i <= n; ++i)
        ratios.push_back(std::pow(2.0, double(i) / n));
    return ratios;
}

void BM_PerdeHesapla(benchmark::State& state) {
    const auto ratios = equalScale(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(mirefa::PerdeHesapla(ratios, initial));
}
BENCHMARK(BM_PerdeHesapla)->Arg(12)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_StepByStep(benchmark::State& state) {
    const auto ratios = equalScale(int(state.range(0)));
    for (auto _ : state)
        for (double r : ratios)
            benchmark::DoNotOptimize(mirefa::searchFretStepByStep(r, initial));
}
BENCHMARK(BM_StepByStep)->Arg(12)->Arg(100)->Unit(benchmark::kMillisecond);

// The first keystroke of "1000" makes a neck of 1 mm, where no fret of the
// octave can be reached: the walk would go all the way down to the threshold.
void BM_PerdeHesaplaUnreachable(benchmark::State& state) {
    const auto ratios = equalScale(int(state.range(0)));
    const mirefa::Geometry tiny = mirefa::makeGeometry(1, 2, 5, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(mirefa::PerdeHesapla(ratios, tiny));
}
BENCHMARK(BM_PerdeHesaplaUnreachable)->Arg(12)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_StepByStepUnreachable(benchmark::State& state) {
    const auto ratios = equalScale(int(state.range(0)));
    const mirefa::Geometry tiny = mirefa::makeGeometry(1, 2, 5, 1);
    for (auto _ : state)
        for (double r : ratios)
            benchmark::DoNotOptimize(mirefa::searchFretStepByStep(r, tiny));
}
BENCHMARK(BM_StepByStepUnreachable)->Arg(12)->Unit(benchmark::kMillisecond);

// Heights far beyond the neck make the modelled ratio flat to within its
// rounding over the whole neck, so nothing separates steps below and above r.
void BM_PerdeHesaplaExtremeHeights(benchmark::State& state) {
    const auto ratios = equalScale(12);
    const double huge = std::pow(10.0, double(state.range(1)));
    const mirefa::Geometry g = state.range(0) == 0   ? mirefa::makeGeometry(1000, 2, 5, huge)
                               : state.range(0) == 1 ? mirefa::makeGeometry(1000, 2, huge, 1)
                                                     : mirefa::makeGeometry(1000, huge, 5, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(mirefa::PerdeHesapla(ratios, g));
}
// box 0: the fret height, 1: the body threshold, 2: the nut threshold.
BENCHMARK(BM_PerdeHesaplaExtremeHeights)
    ->Args({0, 20})
    ->Args({1, 20})
    ->Args({2, 20})
    ->ArgNames({"box", "exponent"})
    ->Unit(benchmark::kMicrosecond);

QApplication& application() {
    static int argc = 1;
    static char name[] = "mirefa_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

/** A keystroke in the neck length box: GosterSonuclari with its drawing. */
void BM_Keystroke(benchmark::State& state) {
    application();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.scl"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        QTextStream out(&file);
        const int n = int(state.range(0));
        out << "! bench.scl\n!\nequal steps\n " << n << "\n!\n";
        for (int i = 1; i <= n; ++i)
            out << 1200.0 * i / n << (i * 1200 % n == 0 ? ".0" : "") << "\n";
    }
    mirefa::Form1 window([&](QWidget*, const QString&, const QString&) { return path; });
    window.C_dizi_ac_Click();
    auto* neck = window.findChild<QLineEdit*>(QStringLiteral("T_x_sap"));
    const QString lengths[] = {QStringLiteral("1000"), QStringLiteral("1001"), QStringLiteral("1"),
                               QStringLiteral("10"), QStringLiteral("100")};
    std::size_t i = 0;
    for (auto _ : state) {
        neck->setText(lengths[state.range(1) ? 2 : i++ % 2]);
        if (state.range(1))
            neck->setText(QStringLiteral("1000"));
    }
}
BENCHMARK(BM_Keystroke)
    ->Args({12, 0})
    ->Args({100, 0})
    ->Args({12, 1})
    ->Args({100, 1})
    ->ArgNames({"pitches", "via_1mm"})
    ->Unit(benchmark::kMillisecond);

/** A keystroke that makes the fret height 1E+20: recompute, readouts and redraw. */
void BM_KeystrokeExtremeHeight(benchmark::State& state) {
    application();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.scl"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("! bench.scl\n!\nequal steps\n 12\n!\n100.0\n200.0\n300.0\n400.0\n500.0\n"
                   "600.0\n700.0\n800.0\n900.0\n1000.0\n1100.0\n2/1\n");
    }
    mirefa::Form1 window([&](QWidget*, const QString&, const QString&) { return path; });
    window.C_dizi_ac_Click();
    auto* height = window.findChild<QLineEdit*>(QStringLiteral("T_hperde"));
    for (auto _ : state) {
        height->setText(QStringLiteral("1E+2"));
        height->setText(QStringLiteral("1E+20"));
    }
}
BENCHMARK(BM_KeystrokeExtremeHeight)->Unit(benchmark::kMillisecond);

/** Loading a scale whose description is one word of n bytes, laid out in the shown box. */
void BM_LoadLongDescription(benchmark::State& state) {
    application();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.scl"));
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("! long.scl\n!\n");
        file.write(QByteArray(qsizetype(state.range(0)), 'x'));
        file.write("\n 1\n!\n2/1\n");
    }
    mirefa::Form1 window([&](QWidget*, const QString&, const QString&) { return path; });
    window.show();
    auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("T_dizidosyasi_aciklama"));
    for (auto _ : state) {
        window.C_dizi_ac_Click();
        box->viewport()->repaint();
        state.PauseTiming();
        box->clear();
        box->viewport()->repaint();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadLongDescription)
    ->Arg(16 << 10)
    ->Arg(64 << 10)
    ->Arg(256 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond);

} // namespace
