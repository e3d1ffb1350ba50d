#include "form1.h"

#include "message_box.h"
#include "separator.h"
#include "spiral.h"
#include "staff.h"
#include "tone.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <fstream>
#include <limits>

using namespace pitch_table;
using platform::PictureBox;

namespace {

QString dataFile() {
    return QStringLiteral(RUVIZEZO_DATA_DIR "/arel.dat");
}

SpiralPoint pointOf(int index) {
    return spiralSteps()[std::size_t(index - firstViewed)].p;
}

QString localised(const char* utf8) {
    return QString::fromStdString(runtime::testing::localised(utf8));
}

/** The bytes of the shipped data file, with frequencies replaced and cut to a size. */
std::string damagedBytes(std::initializer_list<std::pair<int, float>> frequencies,
                         std::size_t size = dataFileSize) {
    PitchTable t = decodeTable(readFileBytes(dataFile().toStdString()).value());
    for (const auto& [index, frequency] : frequencies)
        t.at(index).frequency = frequency;
    return encodeTable(t).substr(0, size);
}

constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();

/** A data file of the given bytes in a folder of its own. */
struct DataFileCopy {
    explicit DataFileCopy(const std::string& bytes) {
        std::ofstream(path().toStdString(), std::ios::binary) << bytes;
    }
    QString path() const { return folder.filePath("arel.dat"); }
    QTemporaryDir folder;
};

/** The window on a data file, and ways to drive it. */
struct WindowDriver {
    explicit WindowDriver(const QString& file)
        : form(file, &sound) {}

    template <class T> T* child(const char* name) {
        T* found = form.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    PictureBox* picture1() { return child<PictureBox>("Picture1"); }
    QString label(int k) { return child<QLabel>(qPrintable(QString("Label%1").arg(k)))->text(); }

    /** A pointer move over a point of a picture box's drawing area. */
    void moveOver(PictureBox* box, int x, int y) {
        const QPointF at = QPointF(x, y) + box->contentsRect().topLeft();
        QMouseEvent move(QEvent::MouseMove, at, box->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(box, &move);
    }
    void moveOverPitch(int index) {
        const SpiralPoint p = pointOf(index);
        moveOver(picture1(), p.x, p.y);
    }
    void selectTonic(int index) {
        auto* list = child<QListWidget>("List1");
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->data(Qt::UserRole).toInt() == index) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                  list->visualItemRect(list->item(row)).center());
                return;
            }
        FAIL() << "no list item for " << index;
    }
    platform::Colour pixel(int x, int y) { return picture1()->point(x, y); }

    platform::RecordingSoundOutput sound;
    Form1 form;
};

struct WindowFixture : ::testing::Test, WindowDriver {
    WindowFixture()
        : WindowDriver(dataFile()) {}
};

platform::Colour code(int index) {
    const Rgb c = colourCode(index);
    return platform::rgb(c.red, c.green, c.blue);
}

} // namespace

TEST(Form1Start, MissingDataFileShowsTheMessageAndEnds) {
    platform::MessageRecorder messages;
    platform::RecordingSoundOutput sound;
    Form1 form(QStringLiteral(RUVIZEZO_DATA_DIR "/no_such_arel.dat"), &sound);
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(messages.messages, QStringList{"dosya yüklü değil veya dosya bulunamadı"});
}

TEST(Form1Start, DamagedDataFileGivesOneMessageAndLoads) {
    const std::string shortFixture =
        readFileBytes(KOMA_TEST_DATA_DIR "/bad/short.dat").value(); // 2 records and a part
    const QString shortLine = "\"%1\" dosyası eksik: 229 kaydın yalnız %2 tanesi tam; "
                              "kalan perdeler boş";
    const QString frequencyLine = "\"%1\" dosyasında %2 kaydın frekansı geçersiz, ilki %3. "
                                  "kayıt; bu perdelerin frekansı gösterilmez, çalınmaz";
    struct Case {
        const char* name;
        std::string bytes;
        QStringList lines; // one message of these lines, %1 the file
    };
    const Case cases[] = {
        {"whole file", damagedBytes({}), {}},
        {"short fixture", shortFixture, {shortLine.arg("%1", "2")}},
        {"4000 bytes", damagedBytes({}, 4000), {shortLine.arg("%1", "111")}},
        {"bad frequencies",
         damagedBytes({{221, notANumber}, {93, notANumber}, {100, -1.0f}}),
         {frequencyLine.arg("%1", "3", "93")}},
        {"short and a bad frequency",
         damagedBytes({{50, 0.0f}, {120, notANumber}}, 4000),
         {shortLine.arg("%1", "111"), frequencyLine.arg("%1", "1", "50")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DataFileCopy file(c.bytes);
        platform::MessageRecorder messages;
        platform::RecordingSoundOutput sound;
        Form1 form(file.path(), &sound);
        EXPECT_TRUE(form.loaded());
        const QStringList expected =
            c.lines.isEmpty() ? QStringList{} : QStringList{c.lines.join('\n').arg(file.path())};
        EXPECT_EQ(messages.messages, expected);
    }
}

TEST(Form1Start, ShortDataFileShowsOnlyTheRecordsItHolds) {
    platform::MessageRecorder messages;
    const DataFileCopy file(damagedBytes({}, 4000)); // 111 records and a part
    WindowDriver w(file.path());
    ASSERT_TRUE(w.form.loaded());
    EXPECT_EQ(w.form.pitchTable().at(112), emptyRecord());
    // The 14 main pitches of 9..111 and nothing past them; the last, 106, is the tonic.
    auto* list = w.child<QListWidget>("List1");
    ASSERT_EQ(list->count(), 1 + 14);
    EXPECT_EQ(list->item(14)->data(Qt::UserRole).toInt(), 106);
    EXPECT_EQ(list->currentRow(), 14);
    // Records past the end are unnamed: a white disc that gives no readout.
    const SpiralPoint past = pointOf(150);
    EXPECT_EQ(w.pixel(past.x, past.y), platform::white);
    EXPECT_EQ(w.pixel(262, 118), platform::white); // index 221, no longer a ringed tonic
    w.moveOverPitch(150);
    EXPECT_TRUE(w.child<QFrame>("Frame1")->isHidden());
    // The drawing leaves index 221, which has no tone.
    QTest::mouseClick(w.picture1(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(w.sound.played.empty());
    w.moveOverPitch(93);
    EXPECT_EQ(w.label(1), localised("Neva  440.000   Hz"));
}

TEST(Form1Start, PitchWithoutAFrequencyShowsNoneAndPlaysNothing) {
    platform::MessageRecorder messages;
    const DataFileCopy file(damagedBytes({{93, notANumber}, {221, notANumber}, {124, -1.0f}}));
    WindowDriver w(file.path());
    ASSERT_TRUE(w.form.loaded());
    ASSERT_EQ(messages.messages.size(), 1);
    auto* spiral = w.picture1();
    QTest::mouseClick(spiral, Qt::LeftButton, {}, QPoint(10, 10)); // index 221, left by the drawing
    struct Case {
        const char* name;
        int index;
        const char* label7;
    };
    const Case cases[] = {{"Neva", 93, "Derece  93"}, {"Rast", 124, "Derece  124"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.moveOverPitch(c.index);
        EXPECT_FALSE(w.child<QFrame>("Frame1")->isHidden());
        EXPECT_EQ(w.label(1), c.name);
        EXPECT_EQ(w.label(7), c.label7);
        QTest::mouseClick(spiral, Qt::LeftButton, {}, QPoint(10, 10));
    }
    EXPECT_TRUE(w.sound.played.empty());
    // The other pitches sound as before.
    w.moveOverPitch(98);
    QTest::mouseClick(spiral, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(w.sound.played.size(), 1u);
    EXPECT_EQ(w.sound.played[0].toStdString(),
              toneImage(w.form.pitchTable().at(98).frequency, 44100));
}

TEST_F(WindowFixture, StartsWithItsControlsInPlace) {
    ASSERT_TRUE(form.loaded());
    EXPECT_EQ(form.windowTitle(), "Perde tablosu");
    struct Case {
        const char* name;
        QRect place;
        bool hidden;
    };
    const Case cases[] = {
        {"Picture4", {16, 12, 173, 29}, true},    {"Picture3", {620, 8, 39, 124}, true},
        {"Picture2", {16, 52, 113, 157}, false},  {"List1", {16, 216, 113, 394}, false},
        {"HScroll1", {208, 16, 233, 17}, false},  {"Label11", {444, 16, 109, 17}, false},
        {"Picture1", {136, 52, 529, 561}, false}, {"Frame1", {166, 170, 301, 177}, true},
        {"Label1", {8, 12, 285, 17}, false},      {"Label7", {8, 156, 285, 17}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* w = child<QWidget>(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.place);
        EXPECT_EQ(w->isHidden(), c.hidden);
    }
    EXPECT_EQ(child<QFrame>("Frame1")->parentWidget(), picture1());
    EXPECT_EQ(picture1()->clientSize(), QSize(525, 557));
    EXPECT_EQ(child<QLabel>("Label11")->text(), "süre = 1 saniye");
    EXPECT_EQ(label(4), "Süre = 1 saniye");
    EXPECT_EQ(label(1), "Label1");
    EXPECT_EQ(form.currentIndex(), 221);
    auto* bar = child<QScrollBar>("HScroll1");
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 6);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(bar->singleStep(), 1);
    EXPECT_EQ(bar->pageStep(), 5);
    auto* list = child<QListWidget>("List1");
    ASSERT_EQ(list->count(), 30);
    EXPECT_EQ(list->item(0)->text(), "     KARAR SESI");
    EXPECT_EQ(list->item(0)->data(Qt::UserRole).toInt(), 0);
    EXPECT_EQ(list->item(12)->text(), QString("Neva").leftJustified(24));
    EXPECT_EQ(list->item(29)->data(Qt::UserRole).toInt(), 221);
    EXPECT_EQ(list->currentRow(), 29);
    // The empty staff: clef copied at (4, 20) and the lines.
    auto* staff = child<PictureBox>("Picture2");
    EXPECT_EQ(staff->point(20, 56), platform::black);
    EXPECT_EQ(staff->point(70, 128), platform::black);
}

TEST_F(WindowFixture, SpiralDrawsDiscsRaysAndTheTonicRing) {
    const platform::Colour red = platform::rgb(255, 0, 0), blue = platform::rgb(0, 0, 255);
    struct Case {
        const char* name;
        int x, y;
        platform::Colour colour;
    };
    const SpiralPoint unnamed = pointOf(11);
    ASSERT_FALSE(form.pitchTable().at(11).isNamed());
    const Case cases[] = {
        {"index 9", 262, 12, platform::rgb(201, 186, 131)},
        {"index 10", 292, 14, code(10)},
        {"index 62", 262, 39, code(62)},
        {"index 93", 156, 441, platform::rgb(203, 188, 131)},
        {"index 221", 262, 118, platform::rgb(206, 191, 133)},
        {"blue line's end", 279, 120, blue},
        {"red ray near the centre", 262, 250, red},
        {"unnamed pitch inside", unnamed.x, unnamed.y, platform::white},
        {"unnamed pitch outline", unnamed.x, unnamed.y - 5, platform::rgb(200, 185, 130)},
        {"tonic ring", 262 + 8, 118, red},
        {"tonic ring outer", 262, 118 - 10, red},
        {"outside the ring", 262 + 8, 118 - 8, platform::white},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pixel(c.x, c.y), c.colour);
    }
    EXPECT_EQ(pixel(161, 441), code(93)); // the disc reaches 5 pixels out
    selectTonic(0);
    EXPECT_EQ(pixel(262 + 8, 118), platform::white);
    EXPECT_EQ(form.currentIndex(), 221);
    selectTonic(93);
    EXPECT_EQ(pixel(156 + 8, 441), red);
}

TEST_F(WindowFixture, ReadoutOverDiscs) {
    moveOverPitch(93);
    EXPECT_EQ(form.currentIndex(), 93);
    // A main pitch: one note, in the left place; the right place stays empty.
    auto* staff = child<PictureBox>("Picture2");
    EXPECT_EQ(staff->point(54, 64), platform::black);
    for (int y = 0; y < 153; ++y)
        for (int x = 70; x < 100; ++x)
            if ((y - 24) % 8 != 0 || y < 24 || y > 128) {
                ASSERT_EQ(staff->point(x, y), platform::white) << x << "," << y;
            }
    EXPECT_FALSE(child<QFrame>("Frame1")->isHidden());
    EXPECT_EQ(label(1), localised("Neva  440.000   Hz"));
    EXPECT_EQ(label(2), "");
    EXPECT_EQ(label(3), "");
    EXPECT_EQ(label(4), localised("Karar sesinden 128 koma, 2898.11 Sent tizde"));
    EXPECT_EQ(label(5), "");
    EXPECT_EQ(label(6), "Piyanoda    A      4     49   nolu tuş");
    EXPECT_EQ(label(7), "Derece  93");
    // Pointer in the lower half: the frame goes to the upper half.
    EXPECT_EQ(child<QFrame>("Frame1")->geometry(), QRect(112 + 2, 51 + 2, 301, 177));

    struct Case {
        const char* name;
        int tonic, index;
        const char* label4;
    };
    const Case cases[] = {
        {"on the tonic", 221, 221, "Karar sesi üzerinde"},
        {"9 komas above", 221, 212, "Karar sesinden 9 koma, 203.77 Sent tizde"},
        {"53 komas below", 124, 177, "Karar sesinden 53 koma, 1200.00 Sent pestte"},
        {"header item", 0, 93, "Karar sesinden 93 koma, 2105.66 Sent pestte"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        selectTonic(c.tonic);
        moveOverPitch(c.index);
        EXPECT_EQ(label(4), localised(c.label4));
    }
    // Upper half: the frame goes to the lower half.
    moveOverPitch(9);
    EXPECT_EQ(child<QFrame>("Frame1")->geometry().top(), 329 + 2);
}

TEST_F(WindowFixture, PitchBetweenMainPitchesWritesTwoNotes) {
    auto* staff = child<PictureBox>("Picture2");
    moveOverPitch(98);
    EXPECT_EQ(label(2), "Neva perdesinden 5 koma pestte");
    EXPECT_EQ(label(3), "Çargah perdesinden 4 koma tizde");
    EXPECT_EQ(label(7), "Derece  98");
    // Neva (step 12) in the left place, Çargah (step 13) in the right one.
    EXPECT_EQ(staff->point(54, 64), platform::black);
    EXPECT_EQ(staff->point(84, 68), platform::black);
    // A jump to another disc with no move over the background in between
    // copies the new notes over the old ones: Çargah's note stays on the right.
    moveOverPitch(93);
    EXPECT_EQ(label(7), "Derece  93");
    EXPECT_EQ(staff->point(84, 68), platform::black);
    // Over the background the frame hides and the staff is cleared.
    moveOver(picture1(), 5, 5);
    EXPECT_TRUE(child<QFrame>("Frame1")->isHidden());
    EXPECT_EQ(staff->point(54, 64), platform::white);
    EXPECT_EQ(staff->point(20, 56), platform::white);
    EXPECT_EQ(form.currentIndex(), 93); // the last pitch decoded stays
}

TEST_F(WindowFixture, BackgroundLinesAndOutlinesAreNoPitch) {
    const SpiralPoint unnamed = pointOf(11);
    const SpiralPoint points[] = {
        {5, 5},   {279, 120}, {262, 250}, {unnamed.x, unnamed.y - 5}, {unnamed.x, unnamed.y},
        {-3, 10}, {600, 10}};
    for (const SpiralPoint& p : points) {
        moveOverPitch(93);
        moveOver(picture1(), p.x, p.y);
        EXPECT_TRUE(child<QFrame>("Frame1")->isHidden()) << p.x << "," << p.y;
    }
}

TEST_F(WindowFixture, PressPlaysAndReleaseStops) {
    auto* box = picture1();
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(sound.played.size(), 1u); // index 221, left by the drawing
    EXPECT_EQ(sound.played[0].toStdString(), toneImage(form.pitchTable().at(221).frequency, 44100));
    EXPECT_TRUE(sound.isPlaying());
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(sound.isPlaying());
    // A second button while a tone sounds: the old tone is stopped, then replaced.
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(10, 10));
    const int stopsBefore = sound.stops;
    QTest::mousePress(box, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(sound.stops, stopsBefore + 1);
    EXPECT_TRUE(sound.isPlaying());
    QTest::mouseRelease(box, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(sound.isPlaying());
    sound.played.resize(1);

    child<QScrollBar>("HScroll1")->setValue(3);
    EXPECT_EQ(child<QLabel>("Label11")->text(), "süre = 3 saniye");
    EXPECT_EQ(form.toneSeconds(), 3);
    moveOverPitch(93);
    moveOver(box, 5, 5); // the background keeps the last pitch
    QTest::mouseClick(box, Qt::RightButton, {}, QPoint(10, 10));
    ASSERT_EQ(sound.played.size(), 2u);
    EXPECT_EQ(sound.played[1].size(), 44 + 4 * 3 * 44100);
    EXPECT_EQ(sound.played[1].toStdString().substr(44, 16),
              toneImage(440.0f, 3 * 44100).substr(44, 16));
    EXPECT_FALSE(sound.isPlaying());
}

TEST_F(WindowFixture, PressOnTheReadoutFrameDoesNothing) {
    moveOverPitch(93);
    auto* frame = child<QFrame>("Frame1");
    ASSERT_FALSE(frame->isHidden());
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(label(7), "Derece  93");
}

TEST_F(WindowFixture, ScrollBarWritesTheLength) {
    auto* bar = child<QScrollBar>("HScroll1");
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(bar->value(), 6);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(bar->value(), 6);
    EXPECT_EQ(child<QLabel>("Label11")->text(), "süre = 6 saniye");
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(bar->value(), 1);
    // Dragging the thumb writes into the readout frame, releasing it next to the bar.
    bar->setSliderDown(true);
    bar->setSliderPosition(3);
    EXPECT_EQ(label(4), "süre = 3 saniye");
    EXPECT_EQ(form.toneSeconds(), 3);
    EXPECT_EQ(child<QLabel>("Label11")->text(), "süre = 1 saniye");
    bar->setSliderDown(false);
    EXPECT_EQ(child<QLabel>("Label11")->text(), "süre = 3 saniye");
}

TEST_F(WindowFixture, PointerOverTheStaffWritesTheCaption) {
    moveOver(child<PictureBox>("Picture2"), 57, 30);
    EXPECT_EQ(form.windowTitle(), "57");
}

TEST_F(WindowFixture, TabReachesTheLengthBar) {
    auto* bar = child<QScrollBar>("HScroll1");
    child<QListWidget>("List1")->setFocus();
    QTest::keyClick(form.focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(form.focusWidget(), bar);
    QTest::keyClick(bar, Qt::Key_End);
    EXPECT_EQ(form.toneSeconds(), 6);
    EXPECT_EQ(child<QLabel>("Label11")->text(), "süre = 6 saniye");
}

TEST_F(WindowFixture, ReadoutLinesShowWhole) {
    // The header tonic gives the longest distances below, the lowest pitch the longest above.
    for (int tonic : {0, firstViewed}) {
        SCOPED_TRACE(tonic);
        selectTonic(tonic);
        for (int index = firstViewed; index <= lastViewed; ++index) {
            if (!form.pitchTable().at(index).isNamed())
                continue;
            moveOverPitch(index);
            for (int k = 1; k <= 7; ++k) {
                auto* line = child<QLabel>(qPrintable(QString("Label%1").arg(k)));
                EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()),
                          line->contentsRect().width())
                    << index << ": " << line->text().toStdString();
            }
        }
    }
}
