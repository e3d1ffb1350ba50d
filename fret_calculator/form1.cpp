#include "form1.h"

#include "click_label.h"
#include "fitted_text.h"
#include "message_box.h"
#include "neck_drawing.h"
#include "numbers.h"
#include "picture_box.h"
#include "scala_reader.h"
#include "scale_file.h"
#include "scroll_keys.h"
#include "twips.h"

#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsColorizeEffect>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <QUrl>

#include <algorithm>
#include <cstdlib>

namespace mirefa {

const QString Form1::dialogTitle = QStringLiteral("Dizi Dosyası Aç...");
const QString Form1::dialogFilter = QStringLiteral("Scala Dosyası (*.scl)");

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

/** A readout shows the start of a text too long for its box (the whole part of a number). */
void showText(QLineEdit* box, const QString& value) {
    box->setText(value);
    box->setCursorPosition(0);
}

bool ticked(const QCheckBox* box) {
    return box->checkState() == Qt::Checked;
}

// The three states as the window counts them: 0 clear, 1 ticked, 2 greyed.
int stateOf(const QCheckBox* box) {
    switch (box->checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void setState(QCheckBox* box, int state) {
    box->setCheckState(state == 1   ? Qt::Checked
                       : state == 2 ? Qt::PartiallyChecked
                                    : Qt::Unchecked);
}

// The default font runs wider than the one these places were laid out for;
// a caption that would be cut is narrowed instead, at its given place and size.
void fitCaption(QLabel* label) {
    const int needed =
        label->fontMetrics().horizontalAdvance(label->text().remove(QLatin1Char('&')));
    const int room = label->width() - 1;
    if (needed <= room || needed <= 0)
        return;
    QFont f = label->font();
    f.setStretch(std::max(50, room * 100 / needed));
    label->setFont(f);
}

// Wrapping at word boundaries looks for a word's end before it breaks a line
// inside the word, so each line of a long word scans the rest of it: a word of
// a megabyte takes minutes. A word this long is broken anywhere in any case, as
// it is far wider than the box, so such a text wraps anywhere.
constexpr qsizetype longestWordWrapped = 4096;

QTextOption::WrapMode wrapModeFor(const QString& text) {
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype last = 0;
    for (qsizetype at = breaks.toNextBoundary(); at != -1; at = breaks.toNextBoundary()) {
        if (at - last > longestWordWrapped)
            return QTextOption::WrapAnywhere;
        last = at;
    }
    return QTextOption::WrapAtWordBoundaryOrAnywhere;
}

/** Cleared first, so that a change of wrapping never lays out the previous text again. */
void showDescription(QPlainTextEdit* box, const QString& description) {
    box->clear();
    box->setWordWrapMode(wrapModeFor(description));
    box->setPlainText(description);
}

/** The width that a line box gives its text, as the box lays it out. */
int textRoom(const QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                               .marginsRemoved(box->textMargins());
    return contents.width() - 2 * 2; // the box keeps two pixels clear on either side
}

/**
 * An output too narrow for its longest values (the open string of a neck
 * written with an exponent) narrows its text instead of cutting it.
 */
void showFitted(QLineEdit* box, const QString& value) {
    box->setFont(platform::fittedFont(box->font(), value, textRoom(box) - 1));
    showText(box, value);
}

const QString unreachable = QStringLiteral("ulaşılamaz");
const QString noRatio = QStringLiteral("oran yok");

} // namespace

Form1::Form1(FileChooser chooseFile, FretExports::SaveChooser chooseSaveFile,
             FretExports::PaperChooser choosePaper, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
    , m_chooseFile(std::move(chooseFile)) {
    if (!m_chooseFile)
        m_chooseFile = [this](QWidget* owner, const QString& title, const QString& filter) {
            const QString path = QFileDialog::getOpenFileName(owner, title, m_lastFolder, filter);
            if (!path.isEmpty())
                m_lastFolder = QFileInfo(path).absolutePath();
            return path;
        };
    buildControls();
    m_exports = new FretExports(
        P_grafik,
        [this] {
            return FretExports::Frets{fretRows(dizi_eleman, perde_oran, perde_kopru, m_geometry),
                                      m_geometry, T_dizidosyasi_dosyaadi->text()};
        },
        std::move(chooseSaveFile), std::move(choosePaper));
    setAcceptDrops(true);
    C_hesapla_Click();
}

void Form1::buildControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Mirefa Hesaplayıcı"));
    setFixedSize(platform::twipsToPixels(10230), platform::twipsToPixels(6150));
    move(platform::twipsToPixels(1845), platform::twipsToPixels(1260));

    const auto name = [](QWidget* w, const char* objectName) {
        w->setObjectName(QString::fromUtf8(objectName));
    };
    const auto label = [&](QWidget* parent, const char* objectName, const char* caption, int l,
                           int t, int w, int h) {
        auto* lbl = new QLabel(QString::fromUtf8(caption), parent);
        name(lbl, objectName);
        platform::placeTwips(lbl, l, t, w, h);
        return lbl;
    };
    const auto clickLabel = [&](QWidget* parent, const char* objectName, const char* caption, int l,
                                int t, int w, int h) {
        auto* lbl = new ClickLabel(QString::fromUtf8(caption), parent);
        name(lbl, objectName);
        platform::placeTwips(lbl, l, t, w, h);
        return lbl;
    };
    const auto textBox = [&](QWidget* parent, const char* objectName, const char* initial, int l,
                             int t, int w, int h, bool rightAligned) {
        auto* box = new QLineEdit(QString::fromUtf8(initial), parent);
        name(box, objectName);
        platform::placeTwips(box, l, t, w, h);
        if (rightAligned)
            box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return box;
    };
    const auto checkBox = [&](QWidget* parent, const char* objectName, int l, int t, bool on) {
        auto* box = new QCheckBox(parent);
        name(box, objectName);
        platform::placeTwips(box, l, t, 255, 255);
        box->setCheckState(on ? Qt::Checked : Qt::Unchecked);
        return box;
    };
    const auto separatorLine = [&](QWidget* parent, const char* objectName, int t) {
        auto* line = new QFrame(parent);
        name(line, objectName);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        QPalette p = line->palette();
        p.setColor(QPalette::WindowText, p.color(QPalette::Dark));
        line->setPalette(p);
        platform::placeTwips(line, 120, t, 3960 - 120, 15);
    };

    Frame1 = new QGroupBox(QStringLiteral("Enstrüman Geometrisi"), this);
    name(Frame1, "Frame1");
    platform::placeTwips(Frame1, 120, 120, 4095, 3495);
    QLabel* Label3 = label(Frame1, "Label3", "Sap &Uzunluğu (mm.) :", 120, 360, 2175, 255);
    T_x_sap = textBox(Frame1, "T_x_sap", "1000", 2400, 360, 1575, 285, true);
    Label3->setBuddy(T_x_sap);
    label(Frame1, "Label1", "Sap Eşik Yüksekliği (mm.) :", 120, 720, 2175, 255);
    T_hesik_sap = textBox(Frame1, "T_hesik_sap", "2", 2400, 720, 1575, 285, true);
    label(Frame1, "Label2", "Govde Eşik Yüksekliği (mm.) :", 120, 1080, 2175, 255);
    T_hesik_govde = textBox(Frame1, "T_hesik_govde", "5", 2400, 1080, 1575, 285, true);
    label(Frame1, "Label4", "Perde Yüksekliği (mm.) :", 120, 1440, 2175, 255);
    T_hperde = textBox(Frame1, "T_hperde", "1", 2400, 1440, 1575, 285, true);
    separatorLine(Frame1, "Line1", 1800);
    label(Frame1, "Label5", "Boş Tel Uzunluğu (mm.) :", 120, 1920, 2175, 255);
    T_x_telbos = textBox(Frame1, "T_x_telbos", "", 2400, 1920, 1575, 285, true);
    T_x_telbos->setReadOnly(true);
    separatorLine(Frame1, "Line2", 2280);
    C_hesapla = new QPushButton(QStringLiteral("&Hesapla"), Frame1);
    name(C_hesapla, "C_hesapla");
    platform::placeTwips(C_hesapla, 120, 2400, 3855, 375);
    C_hesapla->setVisible(false);
    label(Frame1, "Label10", "Hesaplarken şunları da çiz :", 120, 2880, 2655, 255);
    Ch_opt_ciz_sapesik = checkBox(Frame1, "Ch_opt_ciz_sapesik", 120, 3120, true);
    ClickLabel* Lbl_opt_ciz_sapesik =
        clickLabel(Frame1, "Lbl_opt_ciz_sapesik", "Sapı ve eşikleri", 480, 3120, 1455, 255);
    Ch_opt_ciz_bostel = checkBox(Frame1, "Ch_opt_ciz_bostel", 2040, 3120, false);
    ClickLabel* Lbl_opt_ciz_bostel =
        clickLabel(Frame1, "Lbl_opt_ciz_bostel", "Boş teli", 2400, 3120, 1575, 255);

    Frame2 = new QGroupBox(QStringLiteral("Mirefa Hesaplanacak Dizi"), this);
    name(Frame2, "Frame2");
    platform::placeTwips(Frame2, 4770, 120, 5295, 3495);
    label(Frame2, "Label6", "Dizi Dosyası :", 120, 720, 1215, 255);
    T_dizidosyasi_dosyaadi =
        textBox(Frame2, "T_dizidosyasi_dosyaadi", "", 1560, 660, 2775, 285, false);
    T_dizidosyasi_dosyaadi->setReadOnly(true);
    label(Frame2, "Label7", "Tanımlama Bilgisi :", 120, 1020, 1455, 255);
    T_dizidosyasi_aciklama = new QPlainTextEdit(Frame2);
    name(T_dizidosyasi_aciklama, "T_dizidosyasi_aciklama");
    platform::placeTwips(T_dizidosyasi_aciklama, 1560, 1020, 2775, 495);
    T_dizidosyasi_aciklama->setReadOnly(true);
    label(Frame2, "Label9", "Dizi Elemanları :", 120, 1560, 1335, 255);
    T_dizi_eleman = textBox(Frame2, "T_dizi_eleman", "", 1560, 1560, 2775, 285, false);
    T_dizi_eleman->setReadOnly(true);
    label(Frame2, "Label11", "Perde Oranı :", 120, 1860, 1335, 255);
    T_perde_oran = textBox(Frame2, "T_perde_oran", "", 1560, 1860, 2775, 285, false);
    T_perde_oran->setReadOnly(true);
    HS_kaydirma = new QScrollBar(Qt::Horizontal, Frame2);
    name(HS_kaydirma, "HS_kaydirma");
    platform::installScrollKeys(HS_kaydirma);
    platform::placeTwips(HS_kaydirma, 1560, 2160, 1935, 255);
    HS_kaydirma->setRange(1, 32767);
    HS_kaydirma->setValue(1);
    HS_kaydirma->setSingleStep(1);
    HS_kaydirma->setPageStep(1);
    HS_kaydirma->setEnabled(false);
    HS_kaydirma->setFocusPolicy(Qt::TabFocus); // the keyboard browses the frets too
    // The fret readouts reach to the frame's right margin, so that fifteen digits,
    // a sign and an exponent, or "32767 / 32767", show whole.
    T_dizi_eleman_no = textBox(Frame2, "T_dizi_eleman_no", "", 3600, 2160, 1575, 285, true);
    label(Frame2, "Label12(0)", "Bu Perdenin Eşiğe Uzaklığı (mm) :", 150, 2490, 2370, 195);
    txbUzEsik = textBox(Frame2, "txbUzEsik", "", 2760, 2430, 2415, 285, true);
    label(Frame2, "Label12(1)", "Bu Perdenin Köprüye Uzaklığı (mm) :", 150, 2790, 2565, 195);
    txbUzKopru = textBox(Frame2, "txbUzKopru", "", 2760, 2730, 2415, 285, true);
    label(Frame2, "Label13", "Diziyi İncelerken :", 120, 3180, 1245, 195);
    Ch_opt_ciz_gorperde = checkBox(Frame2, "Ch_opt_ciz_gorperde", 1590, 3150, true);
    ClickLabel* Lbl_opt_ciz_gorperde = clickLabel(
        Frame2, "Lbl_opt_ciz_gorperde", "Görüntülenen perdeyi çiz", 1830, 3180, 1755, 195);
    Ch_opt_ciz_tumperde = checkBox(Frame2, "Ch_opt_ciz_tumperde", 3750, 3150, false);
    ClickLabel* Lbl_opt_ciz_tumperde =
        clickLabel(Frame2, "Lbl_opt_ciz_tumperde", "Tüm perdeleri çiz", 3990, 3180, 1200, 195);

    // Made after Frame2, so that it lies in front of the frame's top strip.
    C_dizi_ac = new QPushButton(QStringLiteral("Scala Dizi Dosyası &Aç..."), this);
    name(C_dizi_ac, "C_dizi_ac");
    platform::placeTwips(C_dizi_ac, 5310, 360, 4215, 375);
    // The keyboard meets it after the geometry, before the scale that it opens.
    setTabOrder(Ch_opt_ciz_bostel, C_dizi_ac);

    label(this, "Label8", "Temsili Görüntü", 120, 3720, 8655, 255);
    P_grafik = new platform::PictureBox(this);
    name(P_grafik, "P_grafik");
    P_grafik->setBorder(true);
    platform::placeTwips(P_grafik, 120, 3960, 9975, 2055);

    for (QLabel* l : findChildren<QLabel*>())
        fitCaption(l);

    connect(C_hesapla, &QPushButton::clicked, this, [this] { C_hesapla_Click(); });
    connect(C_dizi_ac, &QPushButton::clicked, this, &Form1::C_dizi_ac_Click);
    for (QLineEdit* box : {T_x_sap, T_hesik_sap, T_hesik_govde, T_hperde})
        connect(box, &QLineEdit::textChanged, this, &Form1::geometryEdited);
    connect(HS_kaydirma, &QScrollBar::valueChanged, this, &Form1::HS_kaydirma_Change);
    connect(Lbl_opt_ciz_sapesik, &ClickLabel::clicked, this,
            [this] { toggleFromLabel(Ch_opt_ciz_sapesik); });
    connect(Lbl_opt_ciz_bostel, &ClickLabel::clicked, this,
            [this] { toggleFromLabel(Ch_opt_ciz_bostel); });
    connect(Lbl_opt_ciz_gorperde, &ClickLabel::clicked, this,
            [this] { toggleFromLabel(Ch_opt_ciz_gorperde); });
    connect(Lbl_opt_ciz_tumperde, &ClickLabel::clicked, this,
            [this] { toggleFromLabel(Ch_opt_ciz_tumperde); });
}

void Form1::toggleFromLabel(QCheckBox* box) {
    setState(box, std::abs(stateOf(box) - 1));
}

bool Form1::C_hesapla_Click() {
    const GeometryReading reading =
        readGeometry(text(T_x_sap), text(T_hesik_sap), text(T_hesik_govde), text(T_hperde));
    showGeometryFaults(reading);
    if (!reading.geometry)
        return false;
    m_geometry = *reading.geometry;
    showFitted(T_x_telbos, text(runtime::numberToText(m_geometry.x_telbos)));
    ResimTemizle(*P_grafik, m_geometry);
    if (ticked(Ch_opt_ciz_bostel))
        CizBosTel(*P_grafik, m_geometry);
    if (ticked(Ch_opt_ciz_sapesik))
        CizSap(*P_grafik, m_geometry);
    return true;
}

void Form1::showGeometryFaults(const GeometryReading& reading) {
    QLineEdit* boxes[] = {T_x_sap, T_hesik_sap, T_hesik_govde, T_hperde};
    for (std::size_t i = 0; i < 4; ++i) {
        QLineEdit* box = boxes[i];
        const GeometryFault fault = reading.faults[i];
        // Only the colours set here are the box's own; the rest follow the window.
        QPalette palette;
        if (fault != GeometryFault::none)
            palette.setColor(QPalette::Base, QColor(255, 215, 215));
        box->setPalette(palette);
        box->setToolTip(fault == GeometryFault::none
                            ? QString()
                            : geometryFaultTip(static_cast<GeometryBox>(i), fault, box->text()));
    }

    // What is shown stays, but as the result of the last geometry that could be used.
    const bool stale = !reading.geometry;
    for (QLineEdit* readout : {T_x_telbos, txbUzEsik, txbUzKopru}) {
        QPalette palette;
        if (stale)
            palette.setColor(QPalette::Text,
                             readout->palette().color(QPalette::Disabled, QPalette::Text));
        readout->setPalette(palette);
        readout->setToolTip(stale ? QStringLiteral("Bu değer son geçerli geometriye göre "
                                                   "hesaplandı; geometri kutusu düzeltilince "
                                                   "yenilenir.")
                                  : QString());
    }
    if (stale && !P_grafik->graphicsEffect()) {
        auto* grey = new QGraphicsColorizeEffect(P_grafik);
        grey->setColor(QColor(160, 160, 160));
        P_grafik->setGraphicsEffect(grey);
    } else if (!stale) {
        P_grafik->setGraphicsEffect(nullptr);
    }
    P_grafik->setToolTip(stale ? QStringLiteral("Çizim son geçerli geometriye göre; geometri "
                                                "kutusu düzeltilince yenilenir.")
                               : QString());
}

QString Form1::geometryFaultTip(GeometryBox box, GeometryFault fault, const QString& typed) {
    QString reason;
    switch (fault) {
    case GeometryFault::none:
        return QString();
    case GeometryFault::notANumber:
        reason =
            typed.trimmed().isEmpty() ? QStringLiteral("Kutu boş.") : QStringLiteral("Sayı değil.");
        break;
    case GeometryFault::notPositive:
        reason = QStringLiteral("Sıfırdan büyük olmalı.");
        break;
    case GeometryFault::tooLarge:
        reason = QStringLiteral("Hesap için çok büyük.");
        break;
    }
    const bool length = box == GeometryBox::x_sap;
    const QString expected =
        length ? QStringLiteral("sıfırdan büyük bir uzunluk") : QStringLiteral("bir yükseklik");
    const QString example = text(runtime::numberToText(length ? 647.5 : 0.5));
    return QStringLiteral("%1 Beklenen: milimetre olarak %2, ondalık ayırıcı \"%3\", örneğin "
                          "%4.")
        .arg(reason, expected, QString(QChar::fromLatin1(runtime::decimalSeparator())), example);
}

void Form1::geometryEdited() {
    // Until a scale exists there are no frets to recompute.
    if (m_scaleLoaded)
        GosterSonuclari();
    else
        C_hesapla_Click();
}

QString Form1::geometryProblem(GeometryBox box) const {
    const QLineEdit* edit = T_x_sap;
    QString caption = QStringLiteral("Sap Uzunluğu (mm.)");
    QString need = QStringLiteral("sıfırdan büyük bir sayı olmalı");
    switch (box) {
    case GeometryBox::x_sap:
        break;
    case GeometryBox::hesik_sap:
        edit = T_hesik_sap;
        caption = QStringLiteral("Sap Eşik Yüksekliği (mm.)");
        need = QStringLiteral("bir sayı olmalı");
        break;
    case GeometryBox::hesik_govde:
        edit = T_hesik_govde;
        caption = QStringLiteral("Govde Eşik Yüksekliği (mm.)");
        need = QStringLiteral("bir sayı olmalı");
        break;
    case GeometryBox::hperde:
        edit = T_hperde;
        caption = QStringLiteral("Perde Yüksekliği (mm.)");
        need = QStringLiteral("bir sayı olmalı");
        break;
    }
    return QStringLiteral("\"%1\" kutusundaki \"%2\" kullanılamıyor: %3.\nDizi açmadan önce "
                          "bu değeri düzeltin.")
        .arg(caption, edit->text(), need);
}

void Form1::C_dizi_ac_Click() {
    if (!geometryAllowsOpening())
        return;
    const QString path = m_chooseFile(this, dialogTitle, dialogFilter);
    if (!path.isEmpty())
        loadScale(path);
}

void Form1::openScale(const QString& path) {
    if (geometryAllowsOpening())
        loadScale(path);
}

bool Form1::geometryAllowsOpening() {
    const GeometryReading reading =
        readGeometry(text(T_x_sap), text(T_hesik_sap), text(T_hesik_govde), text(T_hperde));
    if (!reading.geometry)
        platform::showMessage(this, geometryProblem(reading.badBox));
    return reading.geometry.has_value();
}

void Form1::loadScale(const QString& path) {
    // The picture and the readouts stay as they are until a scale has been read.
    ScaleLoad load = loadScaleFile(path);
    if (!load.scale) {
        platform::showMessage(this, load.message);
        return;
    }
    LoadedScale& scale = *load.scale;
    showText(T_dizidosyasi_dosyaadi, scale.name);
    showDescription(T_dizidosyasi_aciklama, scale.description);
    eleman_sayisi = scale.eleman_sayisi;
    dizi_eleman = std::move(scale.dizi_eleman);
    m_scaleLoaded = true;
    GosterSonuclari();
}

namespace {

/** The one local .scl file a drag carries, or nothing. */
QString droppedScale(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().front();
    if (!url.isLocalFile() ||
        !url.toLocalFile().endsWith(QLatin1String(".scl"), Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

} // namespace

void Form1::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedScale(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event) {
    const QString path = droppedScale(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openScale(path);
}

void Form1::GosterSonuclari() {
    if (!C_hesapla_Click())
        return; // the last good results stay shown
    perde_oran = OndalikDonustur(dizi_eleman);
    perde_kopru = PerdeHesapla(perde_oran, m_geometry);
    HS_kaydirma->setEnabled(eleman_sayisi > 0);
    m_exports->setAvailable(eleman_sayisi > 0);
    if (HS_kaydirma->value() != 1)
        HS_kaydirma->setValue(1); // the bar's change shows fret 1
    else
        HS_kaydirma_Change();
    if (ticked(Ch_opt_ciz_tumperde))
        CizRuvizezo(*P_grafik, m_geometry, perde_kopru);
    if (ticked(Ch_opt_ciz_gorperde))
        CizPerde(*P_grafik, m_geometry, perde_kopru, HS_kaydirma->value());
}

void Form1::HS_kaydirma_Change() {
    if (!m_scaleLoaded)
        return;
    const int N = eleman_sayisi;
    if (N == 0) {
        // A scale without pitches: nothing to browse.
        const QSignalBlocker quiet(HS_kaydirma);
        HS_kaydirma->setRange(1, 1);
        HS_kaydirma->setEnabled(false);
        showText(T_dizi_eleman_no, QStringLiteral("0 / 0"));
        for (QLineEdit* box : {T_dizi_eleman, T_perde_oran, txbUzEsik, txbUzKopru})
            box->clear();
        return;
    }
    // Setting the maximum below the position moves the bar, which runs this
    // display for N inside this one before it goes on.
    HS_kaydirma->setMaximum(N);
    HS_kaydirma->setMinimum(1);
    const int v = HS_kaydirma->value();
    const std::size_t k = static_cast<std::size_t>(v - 1);
    showText(T_dizi_eleman_no, text(runtime::numberToText(v)) + QStringLiteral(" / ") +
                                   text(runtime::numberToText(N)));
    showText(T_dizi_eleman, text(dizi_eleman[k]));
    showText(T_perde_oran, text(runtime::numberToText(perde_oran[k])));
    if (ticked(Ch_opt_ciz_tumperde))
        CizRuvizezo(*P_grafik, m_geometry, perde_kopru);
    if (ticked(Ch_opt_ciz_gorperde)) {
        Ch_opt_ciz_tumperde->setCheckState(Qt::Checked);
        ResimTemizle(*P_grafik, m_geometry);
        CizSap(*P_grafik, m_geometry);
        CizRuvizezo(*P_grafik, m_geometry, perde_kopru);
        CizPerde(*P_grafik, m_geometry, perde_kopru, v);
    }
    if (perde_kopru[k]) {
        showText(txbUzEsik, text(runtime::numberToText(m_geometry.x_sap - *perde_kopru[k])));
        showText(txbUzKopru, text(runtime::numberToText(*perde_kopru[k])));
    } else {
        const QString word = perde_oran[k] > 0 ? unreachable : noRatio;
        showText(txbUzEsik, word);
        showText(txbUzKopru, word);
    }
}

} // namespace mirefa
