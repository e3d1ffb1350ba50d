// Speed of the column strip: the window's "Oluştur" with 1,000 columns, the
// window shown, until its events (placing, painting) have run; and scrolling
// through all of them.
#include "frm_cns.h"
#include "sound_output.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
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

// The other side of a strip that makes its columns as they show: a build of 1,000 columns and
// the bar moved to the end, one strip's width at a time, painting after each move.
void BM_WindowOlusturThenScrollThousandColumns(benchmark::State& state) {
    application();
    platform::RecordingSoundOutput sound;
    genus::FrmCns w(&sound);
    w.show();
    QApplication::processEvents();
    w.findChild<QLineEdit*>("txbMin")->setText(QStringLiteral("1"));
    w.findChild<QLineEdit*>("txbMax")->setText(QStringLiteral("1000"));
    w.findChild<QListWidget*>("lsbAr")->setCurrentRow(5);
    auto* limit = w.findChild<QLineEdit*>("txbYsk");
    auto* create = w.findChild<QPushButton*>("cmdBsl");
    auto* bar = w.findChild<QScrollBar*>("hsb");
    bool odd = false;
    int moves = 0;
    for (auto _ : state) {
        limit->setText(odd ? QStringLiteral("5") : QStringLiteral("6"));
        odd = !odd;
        create->click();
        QApplication::processEvents();
        moves = 0;
        while (bar->value() < bar->maximum()) {
            bar->setValue(bar->value() + 10035);
            QApplication::processEvents();
            ++moves;
        }
    }
    state.counters["moves"] = moves;
}
BENCHMARK(BM_WindowOlusturThenScrollThousandColumns)->Unit(benchmark::kMillisecond);

} // namespace
