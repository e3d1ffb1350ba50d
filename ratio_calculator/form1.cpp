#include "form1.h"

#include "control_names.h"
#include "fitted_text.h"
#include "fraction_input.h"
#include "message_box.h"
#include "numbers.h"
#include "picture_box.h"
#include "row_export.h"
#include "save_dialog.h"
#include "save_failure.h"
#include "scroll_keys.h"
#include "twips.h"
#include "window_runtime.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <limits>

namespace bexaro {

namespace {

const QString windowCaption = QString(52, QLatin1Char(' ')) + "B E X A R O +   for  Windows";

// The frame captions are letter-spaced as the window always showed them.
const char* const frameCaptions[2] = {
    "------------------ B İ R İ N C İ    S E S -------------------",
    "-------------------- İ K İ N C İ    S E S ---------------------"};
constexpr int secondFrameOffset = 3840;

constexpr platform::Colour red = platform::rgb(255, 0, 0);
constexpr platform::Colour blue = platform::rgb(0, 0, 255);

QColor highlight() {
    return QApplication::palette().color(QPalette::Highlight);
}

QColor toQColor(platform::Colour c) {
    return QColor(platform::redOf(c), platform::greenOf(c), platform::blueOf(c));
}

void setTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    w->setPalette(p);
}

void setFace(QPushButton* b, const QColor& colour) {
    QPalette p = b->palette();
    p.setColor(QPalette::Button, colour);
    b->setPalette(p);
}

using platform::indexed;
using platform::named;

/** A label at a place in twips; captions and plain labels lie at the top left, readouts centred. */
QLabel* label(QWidget* parent, const QString& name, const QString& text, int left, int top,
              int width, int height, bool centred = false) {
    auto* l = named(new QLabel(text, parent), name);
    l->setAlignment(centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    platform::placeTwips(l, left, top, width, height);
    return l;
}

QScrollBar* slider(QWidget* parent, const QString& name, int top, int minimum, int maximum) {
    auto* s = named(new QScrollBar(Qt::Horizontal, parent), name);
    s->setRange(minimum, maximum);
    s->setValue(0);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setFocusPolicy(Qt::StrongFocus);
    platform::installScrollKeys(s);
    platform::placeTwips(s, 240, top, 3480, 255);
    return s;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

const QString saveTitle = QStringLiteral("Satırları kaydet");
const QString saveFilter = QStringLiteral("CSV dosyaları (*.csv);;Tüm dosyalar (*)");
const QString suggestedFile = QStringLiteral("kesirler.csv");

} // namespace

Form1::Form1(FileChooser chooseSaveFile, QWidget* parent)
    : QWidget(parent)
    , m_chooseSaveFile(std::move(chooseSaveFile)) {
    if (!m_chooseSaveFile)
        m_chooseSaveFile = platform::saveDialogInLastFolder();
    setObjectName("Form1");
    setWindowTitle(windowCaption);
    setFixedSize(platform::twipsToPixels(9450), platform::twipsToPixels(8520));
    move(platform::twipsToPixels(2025), platform::twipsToPixels(1770));

    buildPitchFrame(0);
    buildPitchFrame(1);
    label(this, "Label7",
          QString::fromUtf8("Sesleri, yarımton birimle üst sürgülerde ve cent birimle alt "
                            "sürgülerle belirleyin sonra beyaz butonu tıklayın.  Hesaplarda, "
                            "midi C0 tonu baz alındı. "),
          240, 7560, 3615, 855)
        ->setWordWrap(true);
    Command1 = named(new QPushButton("Command1", this), "Command1");
    platform::placeTwips(Command1, 3120, 3720, 735, 255);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    buildResultsFrame();
    buildListActions();
    setTabOrder();

    Form_Load();
}

void Form1::buildPitchFrame(int i) {
    PitchFrame& f = m_frames[static_cast<std::size_t>(i)];
    const int dy = i * secondFrameOffset;
    f.Frame1 =
        named(new QGroupBox(QString::fromUtf8(frameCaptions[i]), this), indexed("Frame1", i));
    platform::placeTwips(f.Frame1, 240, 240 + dy, 3495, 2535);
    setTextColour(f.Frame1, highlight());

    QWidget* fr = f.Frame1;
    const QColor plain = QApplication::palette().color(QPalette::WindowText);
    const auto caption = [&](const char* name, const QString& text, int l, int t, int w) {
        label(fr, indexed(name, i), text, l, t, w, 255);
    };
    const auto readout = [&](const char* name, int l, int t, int w) {
        QLabel* r = label(fr, indexed(name, i), QString(), l, t, w, 255, true);
        setTextColour(r, plain);
        return r;
    };
    caption("Label5", "sapma :", 120, 600, 615);
    f.sapma1 = readout("sapma1", 720, 600, 375);
    caption("Label6", "Frekans :", 1440, 600, 735);
    f.Herz1 = readout("Herz1", 2160, 600, 975);
    caption("Label1", "  CENT    KEY Nr       TON         ", 960, 1200, 2295);
    caption("Label3", QString::fromUtf8("MİDİ de"), 120, 1560, 615);
    f.midicent1 = readout("midicent1", 960, 1560, 615);
    f.midino1 = readout("midino1", 1680, 1560, 375);
    f.midikey1 = readout("midikey1", 2160, 1560, 1095);
    caption("Label4", "Piyanoda", 120, 2040, 735);
    f.pianocent1 = readout("pianocent1", 960, 2040, 615);
    f.pianono1 = readout("pianono1", 1680, 2040, 375);
    f.pianokey1 = readout("pianokey1", 2160, 2040, 1095);

    f.HScroll1 = slider(this, indexed("HScroll1", i), 2880 + dy, 0, 127);
    f.HScroll2 = slider(this, indexed("HScroll2", i), 3240 + dy, -49, 50);
    // A slider's Change and Scroll events do the same work; valueChanged carries both.
    connect(f.HScroll1, &QScrollBar::valueChanged, this, [this, i] { HScroll1_Change(i); });
    connect(f.HScroll2, &QScrollBar::valueChanged, this, [this, i] { HScroll2_Change(i); });
}

void Form1::buildResultsFrame() {
    auto* Frame4 = named(new QGroupBox("------------------------------------  Hesaplama sonuçları  "
                                       "------------------------------------",
                                       this),
                         "Frame4");
    platform::placeTwips(Frame4, 4080, 240, 5175, 8175);
    const QColor plain = QApplication::palette().color(QPalette::WindowText);

    setTextColour(label(Frame4, "Label2", "CENT olarak fark :", 240, 480, 1335, 255),
                  toQColor(platform::rgb(0, 0, 0xC0)));
    centfark = label(Frame4, "centfark", QString(), 1560, 480, 855, 255, true);
    setTextColour(label(Frame4, "Label8", "Reel oran :", 240, 840, 855, 255), toQColor(blue));
    reeloran = label(Frame4, "reeloran", QString(), 1440, 840, 975, 255, true);
    setTextColour(label(Frame4, "Label13", "Tolerans:", 240, 1200, 735, 255), highlight());
    Text2 = named(new QLineEdit(Frame4), "Text2");
    platform::placeTwips(Text2, 960, 1160, 975, 285);
    oranla = named(new QPushButton(QString::fromUtf8("Seslerin oranını bul"), Frame4), "oranla");
    platform::placeTwips(oranla, 240, 1560, 1575, 375);
    setFace(oranla, toQColor(platform::white));

    setTextColour(label(Frame4, "Label9", "Kesir :", 2880, 480, 495, 255), toQColor(red));
    kesir_kutusu = named(new QLineEdit(Frame4), "kesir_kutusu");
    platform::placeTwips(kesir_kutusu, 3480, 440, 1215, 285);
    setTextColour(label(Frame4, "Label12", "Reel oran:", 2880, 840, 735, 255), toQColor(red));
    // Wider than its 975 twips, to the right edge of the list's bar: a ratio
    // written with an exponent needs 21 characters.
    reoran = label(Frame4, "reoran", QString(), 3720, 840, 1335, 255);
    setTextColour(label(Frame4, "Label11", "Tolerans:", 2880, 1200, 735, 255), toQColor(red));
    Text1 = named(new QLineEdit(Frame4), "Text1");
    platform::placeTwips(Text1, 3600, 1130, 1095, 285);
    kesirbul =
        named(new QPushButton(QString::fromUtf8("Kesrin karşılıklarını bul"), Frame4), "kesirbul");
    platform::placeTwips(kesirbul, 3000, 1560, 1695, 375);
    setFace(kesirbul, QApplication::palette().color(QPalette::HighlightedText));

    label(Frame4, "Label10",
          QString::fromUtf8("  rasy. oran     reel karşılığı    cent hata     % hata        "
                            "aralık adı"),
          240, 2040, 4455, 255);
    Picture1 = named(new platform::PictureBox(Frame4), "Picture1");
    Picture1->setBorder(true);
    platform::placeTwips(Picture1, 240, 2280, 4440, 5760);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Picture1->setForeColour(red);
    VScroll1 = named(new QScrollBar(Qt::Vertical, Frame4), "VScroll1");
    platform::placeTwips(VScroll1, 4800, 2280, 255, 5775);
    VScroll1->setRange(0, 32767);
    VScroll1->setSingleStep(1);
    VScroll1->setPageStep(1);
    VScroll1->setFocusPolicy(Qt::StrongFocus);
    platform::installScrollKeys(VScroll1);
    VScroll1->hide();

    for (QLabel* readout : {centfark, reeloran, reoran})
        setTextColour(readout, plain);
    connect(kesirbul, &QPushButton::clicked, this, &Form1::kesirbul_Click);
    connect(oranla, &QPushButton::clicked, this, &Form1::oranla_Click);
    connect(VScroll1, &QScrollBar::valueChanged, this, &Form1::VScroll1_Change);
}

void Form1::setTabOrder() {
    const QWidget* chain[] = {m_frames[0].HScroll1,
                              m_frames[0].HScroll2,
                              m_frames[1].HScroll1,
                              m_frames[1].HScroll2,
                              oranla,
                              Picture1,
                              kesirbul,
                              kesir_kutusu,
                              VScroll1,
                              Text1,
                              Text2};
    for (std::size_t k = 0; k + 1 < std::size(chain); ++k)
        QWidget::setTabOrder(const_cast<QWidget*>(chain[k]), const_cast<QWidget*>(chain[k + 1]));
}

void Form1::Form_Load() {
    Command1->hide();
    notalar = kaynakton();
    centadim = centStep();
    bazfrekans = baseFrequency(centadim);
    // Each raises the slider's change and fills its frame.
    m_frames[0].HScroll1->setValue(60);
    m_frames[1].HScroll1->setValue(60);
    // Already 0: no change, so the deviation captions stay empty.
    m_frames[0].HScroll2->setValue(0);
    m_frames[1].HScroll2->setValue(0);
    VScroll1->hide();
    Text1->setText(defaultToleranceText);
    Text2->setText(defaultToleranceText);
}

void Form1::HScroll1_Change(int i) {
    const PitchFrame& f = m_frames[static_cast<std::size_t>(i)];
    midicent[static_cast<std::size_t>(i)] =
        sliderPosition(f.HScroll1->value(), f.HScroll2->value());
    yenile(i);
}

void Form1::HScroll2_Change(int i) {
    const PitchFrame& f = m_frames[static_cast<std::size_t>(i)];
    f.sapma1->setText(fromStd(runtime::numberToText(f.HScroll2->value())));
    HScroll1_Change(i);
}

void Form1::yenile(int i) {
    const auto k = static_cast<std::size_t>(i);
    const PitchFrame& f = m_frames[k];
    midino[k] = nearestNote(midicent[k]);
    herz[k] = frequencyOf(midicent[k], centadim, bazfrekans);
    const PitchTexts t = pitchTexts(notalar, midicent[k], midino[k], herz[k]);
    f.midicent1->setText(fromStd(t.midicent1));
    f.midino1->setText(fromStd(t.midino1));
    f.midikey1->setText(fromStd(t.midikey1));
    f.Herz1->setText(fromStd(t.Herz1));
    f.pianono1->setText(fromStd(t.pianono1));
    f.pianokey1->setText(fromStd(t.pianokey1));
    f.pianocent1->setText(fromStd(t.pianocent1));
    centfark->setText(fromStd(centDistanceText(midicent[0], midicent[1])));
    if (herz[0] > 0) {
        sesoran = frequencyRatio(herz[0], herz[1]);
        reeloran->setText(fromStd(ratioText(sesoran)));
    }
}

void Form1::kesirbul_Click() {
    const FractionInput input = readFraction(kesir_kutusu->text().toStdString());
    if (input.problem != FractionInput::Problem::None) {
        platform::showMessage(this,
                              QString::fromUtf8(input.problem == FractionInput::Problem::NoSlash
                                                    ? noSlashMessage
                                                    : badFractionMessage));
        kesir_kutusu->clear();
        return;
    }
    const float ratio = input.ratio;
    platform::showFitted(reoran, fromStd(reoranText(ratio)));
    if (ratio == 1.0f)
        return;

    VScroll1->hide();
    const platform::WaitCursor hourglass;
    Picture1->clear();
    Picture1->setCurrentY(1);
    Picture1->setForeColour(red);
    const Tolerance tolerance = readTolerance(Text1->text().toStdString());
    if (tolerance.replaced)
        Text1->setText(defaultToleranceText);
    listeyaz(kesirara(sonuclar, ratio, tolerance.value, 10000, false,
                      fractionCentError(ratio, centadim)));
}

void Form1::oranla_Click() {
    // Equal pitches have nothing to approximate; before the first refresh there is no ratio.
    if (sesoran == 1.0f || !(sesoran > 0) || !std::isfinite(sesoran))
        return;
    Picture1->clear();
    Picture1->setForeColour(blue);
    Picture1->setCurrentY(1);
    std::size_t count = 0;
    {
        platform::WaitCursor hourglass;
        VScroll1->hide();
        const Tolerance tolerance = readTolerance(Text2->text().toStdString());
        if (tolerance.replaced)
            Text2->setText(defaultToleranceText);
        count = kesirara(sonuclar, sesoran, tolerance.value, 1000, true,
                         pitchCentError(herz[1], midicent[0], bazfrekans, centadim));
    }
    listeyaz(count);
}

void Form1::listeyaz(std::size_t count) {
    actionCopyRows->setEnabled(count != 0);
    actionSaveRows->setEnabled(count != 0);
    if (count < static_cast<std::size_t>(pageRows)) {
        printRows(1, count);
        return;
    }
    VScroll1->show();
    {
        // Setting up the range is not a move of the user's: the first page is printed below.
        const QSignalBlocker quiet(VScroll1);
        VScroll1->setMinimum(1);
        // The first page holds 29 rows: with exactly 30 the bar must still move once to
        // show the last one.
        const std::size_t top = std::max<std::size_t>(count - (pageRows - 1), 2);
        VScroll1->setMaximum(top > std::size_t(std::numeric_limits<int>::max())
                                 ? std::numeric_limits<int>::max()
                                 : static_cast<int>(top));
        VScroll1->setValue(1);
    }
    printRows(1, pageRows - 1);
}

void Form1::VScroll1_Change() {
    const auto p = static_cast<std::size_t>(std::max(VScroll1->value(), 1));
    Picture1->setCurrentY(1);
    Picture1->clear();
    printRows(p, p + pageRows - 1);
}

void Form1::printRows(std::size_t first, std::size_t last) {
    last = std::min(last, sonuclar.size());
    for (std::size_t n = first; n <= last; ++n) {
        const auto items = rowItems(sonuclar.at(n - 1));
        for (std::size_t k = 0; k < items.size(); ++k)
            printItem(rowColumns[k], fromStd(items[k]));
        Picture1->printLine();
    }
}

void Form1::printItem(int column, const QString& item) {
    const double lineTop = Picture1->currentY();
    const double itemsEnd = Picture1->currentX();
    Picture1->tab(column);
    // Only a value near the single range runs past the right edge: it ends
    // there instead, below the items before it if it would cover them.
    const double width = Picture1->textWidth(item);
    if (Picture1->currentX() + width > Picture1->scaleWidth()) {
        const double from = std::max(0.0, Picture1->scaleWidth() - width);
        if (Picture1->currentY() == lineTop && from < itemsEnd)
            Picture1->printLine();
        Picture1->setCurrentX(from);
    }
    Picture1->print(item);
}

void Form1::buildListActions() {
    // Reached from the list's context menu, and by the keys while the list has the focus,
    // so that Ctrl+C in a text box still copies its text.
    actionCopyRows = new QAction(QStringLiteral("Satırları kopyala"), this);
    actionCopyRows->setObjectName("actionCopyRows");
    actionCopyRows->setShortcut(QKeySequence::Copy);
    actionSaveRows = new QAction(QStringLiteral("Satırları kaydet…"), this);
    actionSaveRows->setObjectName("actionSaveRows");
    actionSaveRows->setShortcut(QKeySequence::Save);
    for (QAction* action : {actionCopyRows, actionSaveRows}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setEnabled(false); // until a search lists rows
        Picture1->addAction(action);
    }
    Picture1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(actionCopyRows, &QAction::triggered, this, &Form1::copyRows);
    connect(actionSaveRows, &QAction::triggered, this, &Form1::saveRows);
}

void Form1::copyRows() {
    if (sonuclar.size() > clipboardRowLimit) {
        platform::showMessage(
            this, QStringLiteral("Listede %1 satır var; panoya en çok %2 satır kopyalanabilir. "
                                 "Satırları bir dosyaya kaydedin.")
                      .arg(fromStd(runtime::numberToText(std::int64_t(sonuclar.size()))),
                           fromStd(runtime::numberToText(std::int64_t(clipboardRowLimit)))));
        saveRows();
        return;
    }
    const platform::WaitCursor hourglass;
    std::string text;
    writeRows(sonuclar, RowFormat::Tsv, [&](std::string_view block, std::size_t) {
        text += block;
        return true;
    });
    QApplication::clipboard()->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

void Form1::saveRows() {
    const QString path = m_chooseSaveFile(this, saveTitle, saveFilter, suggestedFile);
    if (path.isEmpty())
        return;
    // Written beside the target and renamed over it only when whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        platform::showMessage(this, platform::saveFailureMessage(path, file));
        return;
    }
    // Fifty million rows take a minute or two: show how far it is and let the user stop.
    QProgressDialog progress(QStringLiteral("Satırlar kaydediliyor…"), QStringLiteral("İptal"), 0,
                             1000, this);
    progress.setObjectName("progress");
    progress.setWindowModality(Qt::WindowModal);
    const std::size_t total = std::max<std::size_t>(sonuclar.size(), 1);
    bool writeFailed = false;
    const bool whole =
        writeRows(sonuclar, RowFormat::Csv, [&](std::string_view block, std::size_t rows) {
            if (file.write(block.data(), qint64(block.size())) != qint64(block.size())) {
                writeFailed = true;
                return false;
            }
            progress.setValue(static_cast<int>(rows * 1000 / total));
            return !progress.wasCanceled();
        });
    if (!whole) {
        if (writeFailed)
            platform::showMessage(this, platform::saveFailureMessage(path, file));
        file.cancelWriting();
        return;
    }
    if (!file.commit())
        platform::showMessage(this, platform::saveFailureMessage(path, file));
}

void Form1::Command1_Click() {
    centadim = centStep();
    bazfrekans = baseFrequency(centadim);
    const double a440 = std::pow(double{centadim}, 6900.0) * double{bazfrekans};
    platform::showMessage(this, fromStd(runtime::numberToText(a440)));
    const double cents =
        (std::log(a440) - std::log(double{bazfrekans})) / std::log(double{centadim});
    platform::showMessage(this, fromStd(runtime::numberToText(cents)));
}

} // namespace bexaro
