#include "form1.h"

#include "code_page.h"
#include "message_box.h"
#include "numbers.h"
#include "readout.h"
#include "save_dialog.h"
#include "save_failure.h"
#include "scala_export.h"
#include "scroll_keys.h"
#include "spiral.h"
#include "staff_drawing.h"
#include "tone.h"
#include "twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QSaveFile>
#include <QScrollBar>
#include <QStringList>

namespace pitch_table {

namespace {

const QString loadFailure = QStringLiteral("dosya yüklü değil veya dosya bulunamadı");

/** The readout frame keeps the pointer's events to itself: the spiral under it sees none. */
class ReadoutFrame : public QFrame {
public:
    explicit ReadoutFrame(QWidget* parent)
        : QFrame(parent) {
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* e) override { e->accept(); }
    void mousePressEvent(QMouseEvent* e) override { e->accept(); }
    void mouseReleaseEvent(QMouseEvent* e) override { e->accept(); }
};

platform::PictureBox* pictureBox(QWidget* parent, const char* name, int left, int top, int width,
                                 int height) {
    auto* box = new platform::PictureBox(parent);
    box->setObjectName(name);
    box->setBorder(true);
    platform::placeTwips(box, left, top, width, height);
    return box;
}

platform::Colour colourOf(Rgb c) {
    return platform::rgb(c.red, c.green, c.blue);
}

QString shown(const std::string& codePageText) {
    return platform::fromWindows1254(QByteArray::fromStdString(codePageText));
}

QString text(int number) {
    return QString::fromStdString(runtime::numberToText(number));
}

/** One line a problem, so that a file with several problems gives one message. */
QString damageMessage(const QString& dataFile, const TableDamage& damage) {
    const QString file = QDir::toNativeSeparators(dataFile);
    QStringList lines;
    if (damage.isShort())
        lines << QStringLiteral("\"%1\" dosyası eksik: %2 kaydın yalnız %3 tanesi tam; "
                                "kalan perdeler boş")
                     .arg(file, text(pitchCount), text(damage.wholeRecords));
    if (damage.badFrequencies != 0)
        lines << QStringLiteral("\"%1\" dosyasında %2 kaydın frekansı geçersiz, ilki %3. kayıt; "
                                "bu perdelerin frekansı gösterilmez, çalınmaz")
                     .arg(file, text(damage.badFrequencies), text(damage.firstBadFrequency));
    return lines.join('\n');
}

} // namespace

QString defaultDataFile() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath("arel.dat");
    // Beside the program in the build tree; in share/ruvizezo of the prefix the
    // program was installed to, wherever that is; else where the build meant to install it.
    for (const QString& candidate : {beside, programFolder.filePath("../share/ruvizezo/arel.dat"),
                                     QStringLiteral(RUVIZEZO_INSTALLED_DATA "/arel.dat")})
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    return beside;
}

Form1::Form1(const QString& dataFile, platform::SoundOutput* sound, FileChooser chooseSaveFile,
             QWidget* parent)
    : QWidget(parent)
    , m_ownSound(sound ? nullptr : std::make_unique<platform::AudioSinkOutput>())
    , m_sound(sound ? sound : m_ownSound.get())
    , m_player(*m_sound)
    , m_chooseSaveFile(std::move(chooseSaveFile)) {
    if (!m_chooseSaveFile)
        m_chooseSaveFile = platform::saveDialogInLastFolder();
    setObjectName("Form1");
    setWindowTitle("Perde tablosu");
    const QRect place = platform::twipRect(1680, 1920, 10275, 9375);
    move(place.topLeft());
    resize(place.size());

    Picture4 = pictureBox(this, "Picture4", 240, 180, 2595, 435);
    Picture4->setPicture(glyphStripPicture());
    Picture4->hide();
    Picture3 = pictureBox(this, "Picture3", 9300, 120, 585, 1860);
    Picture3->setPicture(clefPicture());
    Picture3->hide();
    Picture2 = pictureBox(this, "Picture2", 240, 780, 1695, 2355);
    List1 = new QListWidget(this);
    List1->setObjectName("List1");
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone);
    platform::placeTwips(List1, 240, 3240, 1695, 5910);
    // From the list's context menu, or by the key while the list has the focus.
    actionSaveScl = new QAction(QStringLiteral("Scala dosyası olarak kaydet…"), this);
    actionSaveScl->setObjectName("actionSaveScl");
    actionSaveScl->setShortcut(QKeySequence::Save);
    actionSaveScl->setShortcutContext(Qt::WidgetShortcut);
    actionSaveScl->setEnabled(false); // the header item names no tonic
    List1->addAction(actionSaveScl);
    List1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(actionSaveScl, &QAction::triggered, this, &Form1::saveScl);
    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName("HScroll1");
    HScroll1->setFocusPolicy(Qt::TabFocus); // the tone length can be set from the keyboard
    platform::installScrollKeys(HScroll1);
    platform::placeTwips(HScroll1, 3120, 240, 3495, 255);
    Label11 = new QLabel("Label11", this);
    Label11->setObjectName("Label11");
    platform::placeTwips(Label11, 6660, 240, 1635, 255);
    Picture1 = pictureBox(this, "Picture1", 2040, 780, 7935, 8415);

    Frame1 = new ReadoutFrame(Picture1);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setAutoFillBackground(true);
    platform::placeTwips(Frame1, 2460, 2520, 4515, 2655);
    Frame1->move(Frame1->pos() + Picture1->contentsRect().topLeft());
    for (int k = 0; k < 7; ++k) {
        const QString name = QStringLiteral("Label%1").arg(k + 1);
        Label[k] = new QLabel(name, Frame1);
        Label[k]->setObjectName(name);
        Label[k]->setAlignment(Qt::AlignCenter);
        Label[k]->setAutoFillBackground(true);
        QPalette grey = Label[k]->palette();
        grey.setColor(QPalette::Window, QColor(224, 224, 224));
        Label[k]->setPalette(grey);
        platform::placeTwips(Label[k], 120, 180 + 360 * k, 4275, 255);
    }

    // Start-up. The scroll bar is set before its handlers are connected.
    HScroll1->setMaximum(6);
    HScroll1->setMinimum(1);
    HScroll1->setValue(1);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(5);
    HScroll1->setTracking(false); // a drag reports Scroll while moving, Change once released
    m_toneSeconds = static_cast<std::int16_t>(HScroll1->value());
    Label[3]->setText(
        QString::fromStdString("Süre = " + runtime::numberToText(m_toneSeconds) + " saniye"));
    showLengthIn(Label11); // the length beside the bar from the start, not a placeholder
    applyFrequencyRule(m_pitchTable);
    if (!TabloOkuDat(dataFile))
        return;
    spiral1();
    Frame1->hide();
    drawEmptyStaff(*Picture2);
    m_loaded = true;

    connect(Picture1, &platform::PictureBox::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, double x, double y) {
                pointerReadout(x, y);
            });
    connect(Picture1, &platform::PictureBox::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, double, double) { play(); });
    connect(Picture1, &platform::PictureBox::mouseUp, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, double, double) { m_player.stop(); });
    connect(Picture2, &platform::PictureBox::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, double x, double) {
                setWindowTitle(QString::fromStdString(runtime::numberToText(x)));
            });
    actionSaveScl->setEnabled(tonic() != 0);
    connect(List1, &QListWidget::itemSelectionChanged, this, [this] {
        actionSaveScl->setEnabled(tonic() != 0);
        spiral1();
    });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this](int value) {
        m_toneSeconds = static_cast<std::int16_t>(value);
        showLengthIn(Label11);
    });
    connect(HScroll1, &QScrollBar::sliderMoved, this, [this](int value) {
        m_toneSeconds = static_cast<std::int16_t>(value);
        showLengthIn(Label[3]);
    });
}

Form1::~Form1() {
    m_player.stop();
}

void Form1::showLengthIn(QLabel* label) {
    label->setText(
        QString::fromStdString("süre = " + runtime::numberToText(m_toneSeconds) + " saniye"));
}

bool Form1::TabloOkuDat(const QString& dataFile) {
    List1->clear();
    auto* header = new QListWidgetItem("     KARAR SESI", List1);
    header->setData(Qt::UserRole, 0);
    const std::optional<std::string> bytes = readFileBytes(dataFile.toStdString());
    if (!bytes) {
        platform::showMessage(this, loadFailure);
        return false;
    }
    // The file's records replace everything, the computed frequencies included.
    m_pitchTable = decodeTable(*bytes);
    List1->clear();
    for (const ListItem& entry : mainPitchList(m_pitchTable)) {
        auto* item = new QListWidgetItem(shown(entry.text), List1);
        item->setData(Qt::UserRole, entry.data);
    }
    List1->setCurrentRow(List1->count() - 1);
    // A damaged file is still shown: only its damaged pitches are left out.
    if (const TableDamage damage = findDamage(*bytes); damage.any())
        platform::showMessage(this, damageMessage(dataFile, damage));
    return true;
}

int Form1::tonic() const {
    const QList<QListWidgetItem*> selected = List1->selectedItems();
    return selected.isEmpty() ? 0 : selected.front()->data(Qt::UserRole).toInt();
}

void Form1::spiral1() {
    const platform::Colour red = platform::rgb(255, 0, 0);
    const platform::Colour blue = platform::rgb(0, 0, 255);
    Picture1->clear();
    for (const SpiralStep& s : spiralSteps()) {
        Picture1->setFillStyle(platform::FillStyle::Solid);
        m_currentIndex = static_cast<std::int16_t>(s.index);
        if (s.ray)
            Picture1->line(spiralCentre, spiralCentre, s.p.x, s.p.y, red);
        Picture1->line(s.p.x, s.p.y, s.q.x, s.q.y, blue);
        if (m_pitchTable.at(s.index).isNamed()) {
            const platform::Colour code = colourOf(colourCode(s.index));
            Picture1->setFillColour(code);
            Picture1->circle(s.p.x, s.p.y, 5, code);
            if (tonic() == s.index) {
                Picture1->setFillStyle(platform::FillStyle::Transparent);
                for (int radius = 6; radius <= 10; ++radius)
                    Picture1->circle(s.p.x, s.p.y, radius, red);
            }
        } else {
            Picture1->setFillColour(platform::white);
            Picture1->circle(s.p.x, s.p.y, 5, colourOf(baseColour));
        }
    }
}

void Form1::pointerReadout(double x, double y) {
    const platform::Colour c = Picture1->point(x, y);
    const std::optional<int> index =
        c == -1 ? std::nullopt
                : indexOfColour({platform::redOf(c), platform::greenOf(c), platform::blueOf(c)});
    if (!index) {
        Frame1->hide();
        Picture2->clear();
        return;
    }
    m_currentIndex = static_cast<std::int16_t>(*index);
    placeFrame(y);
    const Readout r = readout(m_pitchTable, m_currentIndex, tonic());
    for (const NoteCall& n : r.notes) {
        const std::int16_t ilk_mi = n.first ? -1 : 0;
        const auto anaton = static_cast<std::int16_t>(n.anaton);
        const auto fark = static_cast<std::int16_t>(n.fark);
        notaciz(*Picture2, ilk_mi, anaton, fark);
    }
    for (int k = 0; k < 7; ++k)
        if (r.labels[k])
            Label[k]->setText(shown(*r.labels[k]));
    Frame1->setVisible(r.complete);
}

void Form1::placeFrame(double y) {
    // In the half of the picture away from the pointer.
    const double w = Picture1->scaleWidth(), h = Picture1->scaleHeight();
    const double left = (w - Frame1->width()) / 2;
    double top = (h / 2 - Frame1->height()) / 2;
    if (y >= 0 && y <= h / 2)
        top += h / 2;
    Frame1->move(QPoint(runtime::toInt32(left), runtime::toInt32(top)) +
                 Picture1->contentsRect().topLeft());
}

void Form1::play() {
    // A pitch without a frequency has no tone; a NaN one would not even fit the 16-bit samples.
    if (m_currentIndex >= firstViewed && m_currentIndex <= lastViewed &&
        m_pitchTable.at(m_currentIndex).hasFrequency())
        m_player.PlayTone(m_currentIndex, std::int32_t(m_toneSeconds) * framesPerSecond,
                          m_pitchTable);
}

void Form1::saveScl() {
    const int t = tonic();
    if (t == 0)
        return;
    const QString tonicName = List1->selectedItems().front()->text().trimmed();
    if (!octaveFits(t)) {
        platform::showMessage(this, QStringLiteral("\"%1\" karar sesinin bir oktav yukarısı "
                                                   "tabloda yok: üstünde yalnız %2 perde var. "
                                                   "Daha pest bir karar sesi seçin.")
                                        .arg(tonicName, text(t - 1)));
        return;
    }
    const QString path =
        m_chooseSaveFile(this, QStringLiteral("Scala dosyası olarak kaydet"),
                         QStringLiteral("Scala dosyaları (*.scl);;Tüm dosyalar (*)"),
                         tonicName + QStringLiteral(".scl"));
    if (path.isEmpty())
        return;
    // The table's names are Windows-1254; the file is UTF-8, as Scala files are read today.
    const std::string scale =
        toScl(m_pitchTable, t, platform::toWindows1254(QFileInfo(path).fileName()).toStdString());
    const QByteArray bytes = platform::fromWindows1254(QByteArray::fromStdString(scale)).toUtf8();
    // Written beside the target and renamed over it only when whole.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        platform::showMessage(this, platform::saveFailureMessage(path, file));
}

} // namespace pitch_table
