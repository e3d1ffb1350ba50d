// Speed of the column strip: the window's "Oluştur" with 1,000 columns, the
// window shown, until its events (placing, painting) have run.
#include "frm_cns.h"
#include "sound_output.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

QApplication& application() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "genus_strip_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

void BM_WindowOlusturThousandColumns(benchmark::State& state) {
    application();
    platform::RecordingSoundOutput sound;
    genus::FrmCns w(&sound);
    w.show();
    QApplication::processEvents();
    w.findChild<QLineEdit*>("txbMin")->setText(QStringLiteral("1"));
    w.findChild<QLineEdit*>("txbMax")->setText(QStringLiteral("1000"));
    w.findChild<QListWidget*>("lsbAr")->setCurrentRow(5); // "1.00"
    auto* limit = w.findChild<QLineEdit*>("txbYsk");
    auto* create = w.findChild<QPushButton*>("cmdBsl");
    bool odd = false;
    for (auto _ : state) {
        // A setting typed anew lets "Oluştur" be clicked again; it costs next to nothing.
        limit->setText(odd ? QStringLiteral("5") : QStringLiteral("6"));
        odd = !odd;
        create->click();
        QApplication::processEvents();
    }
    state.counters["columns"] = w.lastIndex() + 1;
}
BENCHMARK(BM_WindowOlusturThousandColumns)->Unit(benchmark::kMillisecond);

} // namespace
