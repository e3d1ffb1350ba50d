#include "frm_cns.h"

#include "captioned_label.h"
#include "column_strip.h"
#include "columns.h"
#include "control_names.h"
#include "genus_export.h"
#include "genus_list_view.h"
#include "message_box.h"
#include "numbers.h"
#include "save_dialog.h"
#include "twips.h"
#include "value_text.h"
#include "window_application.h"
#include "window_runtime.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace genus {

namespace {

constexpr int clientWidth = 10695;
constexpr int clientHeight = 5775;

const std::array<const char*, 27> stepTexts = {
    "0.25", "0.33", "0.50", "0.67", "0.75", "1.00", "1.25", "1.33", "1.50",
    "1.67", "1.75", "2.00", "2.25", "2.33", "2.50", "2.67", "2.75", "3.00",
    "3.25", "3.33", "3.50", "3.67", "3.75", "4.00", "4.25", "4.33", "4.50"};

QString tr8(const char* text) {
    return QString::fromUtf8(text);
}

using platform::indexed;
using platform::named;

QLineEdit* makeBox(QWidget* parent, const QString& name, const char* text, int left, int top,
                   int width, int height, Qt::Alignment align) {
    auto* box = named(new QLineEdit(tr8(text), parent), name);
    box->setAlignment(align);
    box->setCursorPosition(0); // a long text shows its beginning
    platform::placeTwips(box, left, top, width, height);
    return box;
}

// A setting as its caption names it, without the colon: "En Küçük Aralık".
QString labelName(const QLabel* label) {
    QString name = label->text().trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

// An option group is one stop of the tab order, at its set option; the arrow keys move within
// the group. Qt moves the stop to whichever option last had the focus, so an option set by a
// click() or in code would otherwise leave the stop behind on an unset one.
void keepTabStopOnSetOption(QButtonGroup* group) {
    const auto follow = [group] {
        for (QAbstractButton* option : group->buttons())
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(group, &QButtonGroup::buttonToggled, group, follow);
    follow();
}

QFont headingFont() {
    QFont f = platform::defaultWindowFont();
    f.setPointSize(12);
    f.setBold(true);
    return f;
}

} // namespace

QString wavFolderFor(const QString& programFolder) {
    // An installed program (in a prefix's bin) writes nothing beside itself, even as root.
    const QFileInfo folder(programFolder);
    if (folder.isWritable() && folder.fileName() != QLatin1String("bin"))
        return programFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

FrmCns::FrmCns(platform::SoundOutput* sound, QWidget* parent)
    : QWidget(parent)
    , m_sound(sound)
    , m_wavFolder(wavFolderFor(QCoreApplication::applicationDirPath()))
    , m_beep([] { QApplication::beep(); })
    , m_chooseSave([](QWidget* owner, const QString& title, const QString& suggested,
                      const QString& filter) {
        // A name typed without its ending gets the one of the file offered.
        return platform::askSaveFile(owner, title, filter, suggested,
                                     QFileInfo(suggested).suffix());
    })
    , m_saveFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {
    if (m_sound == nullptr) {
        m_ownSound = std::make_unique<platform::AudioSinkOutput>();
        m_sound = m_ownSound.get();
    }
    m_ownProgress = makeDialogProgress(this);
    m_progress = m_ownProgress.get();
    setObjectName(QStringLiteral("frmCns"));
    setWindowTitle(QStringLiteral("Quenlo"));
    resize(platform::twipsToPixels(clientWidth), platform::twipsToPixels(clientHeight));

    buildStrip();
    buildSettings();
    buildListAndButtons();
    buildSaveActions();
    setTabOrder();
    // The strip looks after the boxes of its columns.
    for (QLineEdit* box : findChildren<QLineEdit*>())
        if (!m_strip->isAncestorOf(box))
            box->installEventFilter(this);

    // Load: the envelope for the initial duration, then the step list's reset.
    m_lastIndex = 0;
    envelopeSetup();
    lsbAr->setCurrentRow(5);
    sbSifirla();
    txbMin->setFocus();
}

FrmCns::~FrmCns() {
    Tmr->stop();
    m_sound->stop();
}

void FrmCns::buildStrip() {
    m_strip = new ColumnStrip(this);
    connect(m_strip, &ColumnStrip::edited, this, &FrmCns::sbSifirla);
}

void FrmCns::buildSettings() {
    const QFont heading = headingFont();
    fitLabel(makeLabel(this, "lADg", "Aralık Değerleri (Koma)", 60, 1470, 2775, 300), heading);
    lMin = makeLabel(this, "lMin", "En Küçük Aralık:", 60, 1890, 1185, 195);
    txbMin = makeBox(this, QStringLiteral("txbMin"), "4", 1410, 1830, 405, 285, Qt::AlignRight);
    lMax = makeLabel(this, "lMax", "En Büyük Aralık:", 2340, 1890, 1170, 195);
    txbMax = makeBox(this, QStringLiteral("txbMax"), "13", 3660, 1830, 405, 285, Qt::AlignRight);
    lArt = makeLabel(this, "lArt", "Artım Aralığı:", 4530, 1890, 855, 195);

    lsbAr = named(new QListWidget(this), QStringLiteral("lsbAr"));
    for (const char* step : stepTexts)
        lsbAr->addItem(QString::fromLatin1(step));
    lsbAr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lsbAr->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    platform::placeTwips(lsbAr, 5430, 1860, 765, 255);
    // One row high: each row fills the box, so no part of the next one shows.
    for (int row = 0; row < lsbAr->count(); ++row)
        lsbAr->item(row)->setSizeHint(QSize(0, lsbAr->contentsRect().height()));

    makeLabel(this, "lArd", "Ardarda Gelebilecek En Küçük Aralık:", 60, 2250, 2670, 195);
    txbYsk = makeBox(this, QStringLiteral("txbYsk"), "5", 3660, 2190, 405, 285, Qt::AlignRight);

    fitLabel(makeLabel(this, "lArS", "Aralık Simgeleri", 60, 2670, 1860, 300), heading);
    const std::array<const char*, 3> systems = {
        "B S K T A (Arel - Ezgi)", "B S C K T A (Töre - Karadeniz)", "B C T A (Safüiddin)"};
    const std::array<std::array<int, 2>, 3> systemPlaces = {
        {{60, 1875}, {1980, 2505}, {4530, 1695}}};
    // Auto-exclusive options look for the checked one among all the buttons below their
    // parent, the language options in Fme too, and so let the set option be unset. A group of
    // their own keeps exactly one set, for each of the two sets of options.
    auto* systemGroup = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* option = named(new QRadioButton(tr8(systems[static_cast<std::size_t>(i)]), this),
                             indexed("opbSmg", i));
        const auto& place = systemPlaces[static_cast<std::size_t>(i)];
        platform::placeTwips(option, place[0], 3060, place[1], 255);
        connect(option, &QRadioButton::clicked, this, &FrmCns::sbSifirla);
        systemGroup->addButton(option, i);
        opbSmg.push_back(option);
    }
    opbSmg[0]->setChecked(true);
    keepTabStopOnSetOption(systemGroup);

    fitLabel(makeLabel(this, "lPrA", "Perde Adedi", 60, 3540, 1485, 300), heading);
    const std::array<const char*, 3> sizes = {"Üçüller", "Dördüller", "Beşiller"};
    const std::array<std::array<int, 2>, 3> sizePlaces = {{{30, 975}, {1170, 1155}, {2430, 1245}}};
    for (int i = 0; i < 3; ++i) {
        auto* box = named(new QCheckBox(tr8(sizes[static_cast<std::size_t>(i)]), this),
                          indexed("chb_nil", i));
        const auto& place = sizePlaces[static_cast<std::size_t>(i)];
        platform::placeTwips(box, place[0], 3930, place[1], 255);
        connect(box, &QCheckBox::clicked, this, &FrmCns::chbNilClick);
        chb_nil.push_back(box);
    }
    chb_nil[1]->setChecked(true);

    makeLabel(this, "lBAG", "Bölünecek Aralığın Genişliği:", 60, 4260, 1995, 195);
    txbAra = makeBox(this, QStringLiteral("txbAra"), "22", 2760, 4200, 465, 285, Qt::AlignRight);
    makeLabel(this, "lKrS", "Karar Sesi (Hz): ", 90, 4950, 1530, 195);
    txbKrr = makeBox(this, QStringLiteral("txbKrr"), "261.6255653005986346778499935233", 1770, 4920,
                     795, 285, Qt::AlignRight);
    makeLabel(this, "lPSr", "Her Bir Perdenin Süresi (Sn):", 2910, 4950, 2010, 195);
    txbSre = makeBox(this, QStringLiteral("txbSre"), "1", 5040, 4920, 315, 285, Qt::AlignRight);
    m_durationInForce = txbSre->text();

    Fme = named(new QGroupBox(this), QStringLiteral("Fme"));
    platform::placeTwips(Fme, 5040, 3570, 1155, 885);
    const std::array<const char*, 2> languageNames = {"Türkçe", "English"};
    auto* languages = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* option = named(new QRadioButton(tr8(languageNames[static_cast<std::size_t>(i)]), Fme),
                             indexed("obpDil", i));
        platform::placeTwips(option, 150, i == 0 ? 240 : 540, 885, 225);
        connect(option, &QRadioButton::clicked, this, [this, i] { switchLanguage(i); });
        languages->addButton(option, i);
        obpDil.push_back(option);
    }
    obpDil[0]->setChecked(true);
    keepTabStopOnSetOption(languages);
    platform::setUnexpectedErrorIntro(unexpectedErrorIntro(m_language));

    connect(txbMin, &QLineEdit::textChanged, this, &FrmCns::sbSifirla);
    connect(txbMax, &QLineEdit::textChanged, this, &FrmCns::sbSifirla);
    connect(txbYsk, &QLineEdit::textChanged, this, &FrmCns::sbSifirla);
    connect(txbAra, &QLineEdit::textChanged, this, [this] {
        sbSifirla();
        sbSifirla2();
    });
    connect(lsbAr, &QListWidget::currentRowChanged, this, &FrmCns::sbSifirla);
    connect(lsbAr, &QListWidget::itemClicked, this, &FrmCns::sbSifirla);
}

void FrmCns::buildListAndButtons() {
    cmdBsl = named(new QPushButton(tr8("Oluştur"), this), QStringLiteral("cmdBsl"));
    platform::placeTwips(cmdBsl, 30, 5280, 1095, 480);
    cmdHsp = named(new QPushButton(tr8("Hesapla"), this), QStringLiteral("cmdHsp"));
    platform::placeTwips(cmdHsp, 1140, 5280, 1095, 480);
    cmdHsp->setEnabled(false);
    cmdCal = named(new QPushButton(tr8("Çal"), this), QStringLiteral("cmdCal"));
    platform::placeTwips(cmdCal, 2280, 5280, 1095, 480);
    cmdCal->setEnabled(false);
    connect(cmdBsl, &QPushButton::clicked, this, &FrmCns::cmdBslClick);
    connect(cmdHsp, &QPushButton::clicked, this, &FrmCns::cmdHspClick);
    connect(cmdCal, &QPushButton::clicked, this, &FrmCns::playAction);

    chbYaz = named(new QCheckBox(tr8("Dosyaya Yaz"), this), QStringLiteral("chbYaz"));
    platform::placeTwips(chbYaz, 4830, 5430, 1275, 285);
    chbYaz->setChecked(true);
    chbYaz->hide();

    // The multimedia device has no face: it is only a place holder here.
    auto* mmc = named(new QWidget(this), QStringLiteral("MMC"));
    platform::placeTwips(mmc, 5520, 4620, 420, 525);
    mmc->hide();

    lsbSnc = named(new GenusListView(this), QStringLiteral("lsbSnc"));
    m_model = new GenusListModel(lsbSnc);
    lsbSnc->setModel(m_model);
    lsbSnc->setUniformItemSizes(true);
    lsbSnc->setSelectionMode(QAbstractItemView::SingleSelection);
    lsbSnc->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont courier(QStringLiteral("Courier New"), 9);
    courier.setStyleHint(QFont::TypeWriter);
    lsbSnc->setFont(courier);
    platform::placeTwips(lsbSnc, 6300, 1410, 4365, 4335);
    connect(lsbSnc, &QListView::doubleClicked, this, &FrmCns::playAction);

    Tmr = named(new QTimer(this), QStringLiteral("Tmr"));
    Tmr->setInterval(1000);
    // Tones follow each other by ear: a coarse timer may be 5 % late.
    Tmr->setTimerType(Qt::PreciseTimer);
    connect(Tmr, &QTimer::timeout, this, &FrmCns::Tmr_Timer);
}

void FrmCns::setTabOrder() {
    std::map<int, QWidget*> order = {{2, txbMin},
                                     {3, txbMax},
                                     {5, cmdBsl},
                                     {7, txbYsk},
                                     {8, txbAra},
                                     {9, lsbSnc},
                                     {10, chb_nil[0]},
                                     {11, chb_nil[1]},
                                     {12, chb_nil[2]},
                                     {13, cmdHsp},
                                     {15, txbKrr},
                                     {16, cmdCal},
                                     {17, opbSmg[0]},
                                     {18, opbSmg[1]},
                                     {19, opbSmg[2]},
                                     {26, m_strip->valueBox(0)},
                                     {27, m_strip->symbolBox(0)},
                                     {28, m_strip->includeBox(0)},
                                     {29, m_strip->scrollBar()},
                                     {35, txbSre},
                                     {36, chbYaz},
                                     {39, obpDil[0]},
                                     {40, obpDil[1]},
                                     {41, lsbAr}};
    QWidget* previous = nullptr;
    for (const auto& [index, widget] : order) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

// --- Resets --------------------------------------------------------------

void FrmCns::sbSifirla() {
    cmdBsl->setEnabled(true);
    sbSifirla2();
}

void FrmCns::sbSifirla2() {
    m_model->clear();
    m_whyEmpty = Empty::None;
    showWhyEmpty();
    cmdCal->setEnabled(false);
    cmdHsp->setEnabled(false);
}

void FrmCns::chbNilClick() {
    sbSifirla();
    sbSifirla2();
    if (std::none_of(chb_nil.begin(), chb_nil.end(), [](QCheckBox* b) { return b->isChecked(); })) {
        m_beep();
        // Checking it raises its Click once more.
        chb_nil[1]->setChecked(true);
        chbNilClick();
    }
}

// --- Columns -------------------------------------------------------------

SymbolSystem FrmCns::symbolSystem() const {
    if (opbSmg[0]->isChecked())
        return SymbolSystem::ArelEzgi;
    if (opbSmg[1]->isChecked())
        return SymbolSystem::ToreKaradeniz;
    return SymbolSystem::Safiyuddin;
}

int FrmCns::outerWidthTwips() const {
    return frameGeometry().width() * runtime::twipsPerPixel;
}

bool FrmCns::settingIsNumber(QLineEdit* box, QLabel* label) {
    try {
        readSetting(box->text().toStdString());
        return true;
    } catch (const std::runtime_error&) {
        platform::showMessage(this, notANumberMessage(m_language, labelName(label)));
        box->setFocus();
        return false;
    }
}

std::optional<std::vector<Column>> FrmCns::planColumns() {
    if (!settingIsNumber(txbMin, lMin) || !settingIsNumber(txbMax, lMax))
        return std::nullopt;
    if (readSetting(txbMin->text().toStdString()) > readSetting(txbMax->text().toStdString())) {
        platform::showMessage(this, minimumAboveMaximumMessage(m_language));
        txbMin->setFocus();
        return std::nullopt;
    }
    const QListWidgetItem* step = lsbAr->currentItem();
    const std::string stepText = step != nullptr ? step->text().toStdString() : std::string();
    try {
        return buildColumns(txbMin->text().toStdString(), txbMax->text().toStdString(), stepText,
                            symbolSystem());
    } catch (const TooManyColumns&) {
        platform::showMessage(this, tooManyColumnsMessage(m_language));
    } catch (const std::runtime_error&) {
        QString name = lArt->text().trimmed();
        name.chop(1);
        platform::showMessage(this, notANumberMessage(m_language, name));
    }
    return std::nullopt;
}

void FrmCns::sbOlustur(const std::vector<Column>& columns) {
    platform::WaitCursor wait;
    m_lastIndex = columnLastIndex(txbMin->text().toStdString(), txbMax->text().toStdString(),
                                  lsbAr->currentItem()->text().toStdString());
    m_strip->build(columns, outerWidthTwips());
}

void FrmCns::cmdBslClick() {
    const auto columns = planColumns();
    if (!columns)
        return; // refused: the columns stay as they were
    sbOlustur(*columns);
    cmdBsl->setEnabled(false);
    cmdHsp->setEnabled(true);
}

// --- Computing and playing -----------------------------------------------

void FrmCns::cmdHspClick() {
    // A span or a limit that can list nothing is said so at once, without a computation.
    m_whyEmpty = Empty::None;
    switch (checkSpanAndLimit(txbAra->text().toStdString(), txbYsk->text().toStdString())) {
    case SpanProblem::None:
        break;
    case SpanProblem::SpanNotANumber:
        m_whyEmpty = Empty::SpanNotANumber;
        break;
    case SpanProblem::LimitNotANumber:
        m_whyEmpty = Empty::LimitNotANumber;
        break;
    case SpanProblem::SpanNotWhole:
        m_whyEmpty = Empty::SpanNotWhole;
        break;
    }
    if (m_whyEmpty != Empty::None) {
        m_genusCount = 0;
        m_model->clear();
        cmdCal->setEnabled(false);
        showWhyEmpty();
        return;
    }

    GenusInput input;
    for (int a = 0; a < m_strip->count(); ++a) {
        input.values.push_back(m_strip->valueText(a));
        input.symbols.push_back(m_strip->symbolText(a));
        input.included.push_back(m_strip->isIncluded(a));
    }
    input.lastIndex = m_lastIndex;
    input.span = txbAra->text().toStdString();
    input.limit = txbYsk->text().toStdString();
    const std::array<bool, 3> sizes = {chb_nil[0]->isChecked(), chb_nil[1]->isChecked(),
                                       chb_nil[2]->isChecked()};

    m_genusCount = 0;
    m_model->clear();
    GenusEngine engine(std::move(input));
    engine.setLimit(m_genusLimit);
    bool finished = true;
    if (engine.workFor(sizes) < m_progressThreshold) {
        platform::WaitCursor wait;
        finished = engine.compute(sizes);
    } else {
        m_progress->begin(computingLabel(m_language), cancelCaption(m_language));
        finished = engine.compute(sizes, [this](double done) { return m_progress->report(done); });
        m_progress->end();
    }
    if (!finished) {
        // Nothing half-done may be played: back to rebuilding.
        sbSifirla();
        if (engine.tooMany())
            platform::showMessage(
                this, tooManyGeneraMessage(m_language, static_cast<long long>(m_genusLimit)));
        return;
    }
    m_genusCount = engine.genusCount();
    m_model->setList(engine.takeList());
    if (m_model->rowCount() == 0) {
        cmdCal->setEnabled(false);
        m_whyEmpty = Empty::NothingFits;
        showWhyEmpty();
        return;
    }
    cmdCal->setEnabled(true);
    lsbSnc->setCurrentIndex(m_model->index(0));
    lsbSnc->setFocus();
}

void FrmCns::playAction() {
    Tmr->stop();
    const QModelIndex current = lsbSnc->currentIndex();
    const std::string line = m_model->line(current.isValid() ? current.row() : -1);
    const std::string tonic = txbKrr->text().toStdString();
    // Nothing is written or played of a genus that would be silent or sound other pitches.
    switch (checkPitches(line, tonic)) {
    case PitchProblem::None:
        break;
    case PitchProblem::TonicNotAbove0:
        platform::showMessage(this, tonicNotAbove0Message(m_language));
        txbKrr->setFocus();
        return;
    case PitchProblem::TooHigh:
        platform::showMessage(this, tonicTooHighMessage(m_language));
        txbKrr->setFocus();
        return;
    }
    if (!m_player.start(line, tonic))
        return;
    Cal();
    Tmr->start();
}

void FrmCns::Tmr_Timer() {
    if (!m_player.tick()) {
        Tmr->stop();
        return;
    }
    Cal();
}

void FrmCns::Cal() {
    const double f = m_player.pitchFreq[m_player.pitchIndex];
    m_tone.buildTone(f, m_wavData);
    if (!chbYaz->isChecked())
        return;
    // A file that cannot be written does not silence the tone: it plays from memory.
    fnWavYaz(m_wavFolder.toStdString(), wavName(f), m_wavData);
    m_sound->stop();
    m_sound->play(QByteArray(reinterpret_cast<const char*>(m_wavData.data()),
                             static_cast<qsizetype>(m_wavData.size())));
}

void FrmCns::envelopeSetup() {
    double seconds = 0;
    if (checkDuration(txbSre->text().toStdString(), &seconds) != DurationProblem::None) {
        platform::showMessage(this, durationMessage(m_language));
        // The duration in force stays, and so does its text.
        txbSre->setText(m_durationInForce);
        return;
    }
    m_tone.setup(seconds);
    Tmr->setInterval(m_tone.toneMillis);
    m_durationInForce = txbSre->text();
}

// --- Saving ----------------------------------------------------------------

void FrmCns::buildSaveActions() {
    actionSaveScl = named(new QAction(this), QStringLiteral("actionSaveScl"));
    actionSaveScl->setShortcut(QKeySequence::Save);
    actionSaveList = named(new QAction(this), QStringLiteral("actionSaveList"));
    lsbSnc->addAction(actionSaveScl);
    lsbSnc->addAction(actionSaveList);
    lsbSnc->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(actionSaveScl, &QAction::triggered, this, &FrmCns::saveScl);
    connect(actionSaveList, &QAction::triggered, this, &FrmCns::saveList);
    connect(m_model, &QAbstractItemModel::modelReset, this, &FrmCns::updateSaveActions);
    updateSaveActions();
}

void FrmCns::updateSaveActions() {
    actionSaveScl->setText(saveSclCaption(m_language));
    actionSaveList->setText(saveListCaption(m_language));
    // Nothing to save before a computation has listed something.
    actionSaveScl->setEnabled(m_model->rowCount() > 0);
    actionSaveList->setEnabled(m_model->rowCount() > 0);
}

void FrmCns::saveScl() {
    const QModelIndex current = lsbSnc->currentIndex();
    const auto genus = splitLine(m_model->line(current.isValid() ? current.row() : -1));
    if (!genus)
        return;
    // The tonic names the file and stands in its description, as the player would sound it.
    const double tonic = readValue(txbKrr->text().toStdString());
    if (!(tonic > 0) || !std::isfinite(tonic)) {
        platform::showMessage(this, tonicNotAbove0Message(m_language));
        txbKrr->setFocus();
        return;
    }
    const QString name = QString::fromStdString(sclFileName(*genus, tonic));
    saveBytes(
        saveSclTitle(m_language), QDir(m_saveFolder).filePath(name), sclFilter(m_language),
        [&](const QString& fileName) { return toScl(*genus, tonic, fileName.toStdString()); });
}

void FrmCns::saveList() {
    if (m_model->rowCount() == 0)
        return;
    saveBytes(saveListTitle(m_language), QDir(m_saveFolder).filePath(listFileName(m_language)),
              listFilter(m_language), [this](const QString&) { return listText(m_model->list()); });
}

void FrmCns::saveBytes(const QString& title, const QString& suggested, const QString& filter,
                       const std::function<std::string(const QString& fileName)>& bytes) {
    const QString path = m_chooseSave(this, title, suggested, filter);
    if (path.isEmpty())
        return;
    const std::string data = bytes(QFileInfo(path).fileName());
    // Written beside the target and renamed over it: a failure leaves the old file whole.
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly) &&
                       file.write(data.data(), static_cast<qint64>(data.size())) ==
                           static_cast<qint64>(data.size()) &&
                       file.commit();
    if (!saved) {
        platform::showMessage(this, saveFailedMessage(m_language, QDir::toNativeSeparators(path),
                                                      file.errorString()));
        return;
    }
    m_saveFolder = QFileInfo(path).absolutePath();
}

// --- Language, size, closing ---------------------------------------------

void FrmCns::switchLanguage(int index) {
    m_language = index == 0 ? Language::Turkish : Language::English;
    platform::setUnexpectedErrorIntro(unexpectedErrorIntro(m_language));
    int count = 0;
    const Caption* table = captionTable(&count);
    for (int i = 0; i < count; ++i) {
        const QString text = QString::fromUtf8(m_language == Language::Turkish ? table[i].turkish
                                                                               : table[i].english);
        const QString control = QString::fromLatin1(table[i].control);
        if (control.isEmpty()) {
            setWindowTitle(text);
        } else if (auto* label = findChild<QLabel*>(control)) {
            label->setText(text);
            fitLabel(label);
        } else if (auto* button = findChild<QAbstractButton*>(control)) {
            button->setText(text);
        }
    }
    updateSaveActions();
    showWhyEmpty();
}

void FrmCns::showWhyEmpty() {
    QString text;
    switch (m_whyEmpty) {
    case Empty::None:
        break;
    case Empty::SpanNotANumber:
        text = notANumberMessage(m_language, labelName(findChild<QLabel*>("lBAG")));
        break;
    case Empty::LimitNotANumber:
        text = notANumberMessage(m_language, labelName(findChild<QLabel*>("lArd")));
        break;
    case Empty::SpanNotWhole:
        text = spanNotWholeText(m_language);
        break;
    case Empty::NothingFits:
        text = nothingFitsText(m_language);
        break;
    }
    lsbSnc->setPlaceholderText(text);
}

void FrmCns::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // A window narrower than the list's left leaves the list at no width rather than a negative
    // one.
    const int width = std::max(0, outerWidthTwips() - 6300 - 240);
    lsbSnc->resize(platform::twipsToPixels(width), lsbSnc->height());
}

void FrmCns::closeEvent(QCloseEvent* event) {
    Tmr->stop();
    m_sound->stop();
    QWidget::closeEvent(event);
}

bool FrmCns::eventFilter(QObject* watched, QEvent* event) {
    // Only a move to another control leaves a box: a context menu or another program
    // taking the focus would otherwise refuse a duration the user is still typing.
    if (leavesForAnotherControl(event)) {
        if (watched == txbSre)
            envelopeSetup();
        // A number longer than its box shows its first digits once the box is left, never
        // a tail that reads as another number ("499935233" of the tonic).
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            box->setCursorPosition(0);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace genus
