#include "form1.h"

#include "message_box.h"
#include "picture_box.h"
#include "separator.h"
#include "twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

using platform::black;
using platform::white;
using runtime::testing::localised;

QString fixture(const char* name) {
    return QStringLiteral(KOMA_TEST_DATA_DIR "/") + QString::fromUtf8(name);
}

std::string str(const QString& s) {
    return s.toStdString();
}

/** The darkest grey level inside a control, its frame left out: 0 for black text. */
int darkest(QWidget* w) {
    const QImage image = w->grab().toImage();
    int level = 255;
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < image.width() - 3; ++x)
            level = std::min(level, qGray(image.pixel(x, y)));
    return level;
}

/** True when the box shows its whole text: showing the start and showing the end look the same. */
bool showsWholeText(QLineEdit* box) {
    const int at = box->cursorPosition();
    box->setCursorPosition(0);
    const QImage start = box->grab().toImage();
    box->setCursorPosition(int(box->text().size()));
    const QImage end = box->grab().toImage();
    box->setCursorPosition(at);
    return start == end;
}

/** The colour of a box's background, left of its right-aligned text. */
QColor background(QLineEdit* box) {
    return box->grab().toImage().pixelColor(4, box->height() / 2);
}

class Form1Test : public ::testing::Test {
protected:
    Form1Test()
        : window([this](QWidget*, const QString& title, const QString& filter) {
            ++dialogs;
            lastTitle = title;
            lastFilter = filter;
            return nextFile;
        }) {
        window.show();
    }

    template <typename T> T* child(const char* name) {
        T* w = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(name); }
    QString text(const char* name) { return box(name)->text(); }
    QScrollBar* bar() { return child<QScrollBar>("HS_kaydirma"); }
    /** The lightest and the darkest grey with which the window shows the drawing's black. */
    std::pair<int, int> shownBlack() {
        const QImage drawn = picture()->image();
        const QImage shown = window.grab().toImage();
        const QPoint origin = picture()->mapTo(&window, picture()->contentsRect().topLeft());
        int lightest = 0, darkest = 255, count = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (QColor(drawn.pixel(x, y)) == QColor(Qt::black)) {
                    const int grey = qGray(shown.pixel(origin + QPoint(x, y)));
                    lightest = std::max(lightest, grey);
                    darkest = std::min(darkest, grey);
                    ++count;
                }
        EXPECT_GT(count, 0);
        return {lightest, darkest};
    }
    void tab() {
        QWidget* from = window.focusWidget();
        ASSERT_NE(from, nullptr);
        QTest::keyClick(from, Qt::Key_Tab);
    }
    platform::PictureBox* picture() { return child<platform::PictureBox>("P_grafik"); }

    void load(const QString& path) {
        nextFile = path;
        QTest::mouseClick(child<QPushButton>("C_dizi_ac"), Qt::LeftButton);
    }
    void load(const char* name) { load(fixture(name)); }

    void retype(const char* name, const QString& typed) {
        QLineEdit* edit = box(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }

    QString nextFile;
    int dialogs = 0;
    QString lastTitle;
    QString lastFilter;
    mirefa::Form1 window;
};

TEST_F(Form1Test, OpeningState) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Mirefa Hesaplayıcı"));
    EXPECT_EQ(window.size(), QSize(682, 410));
    EXPECT_EQ(str(text("T_x_telbos")), localised("1000.00449998988"));
    EXPECT_TRUE(box("T_x_telbos")->isReadOnly());
    struct Case {
        const char* name;
        const char* text;
        bool readOnly;
    };
    const Case boxes[] = {
        {"T_x_sap", "1000", false},
        {"T_hesik_sap", "2", false},
        {"T_hesik_govde", "5", false},
        {"T_hperde", "1", false},
        {"T_dizidosyasi_dosyaadi", "", true},
        {"T_dizi_eleman", "", true},
        {"T_perde_oran", "", true},
        {"T_dizi_eleman_no", "", false},
        {"txbUzEsik", "", false},
        {"txbUzKopru", "", false},
    };
    for (const Case& c : boxes) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text(c.name), QString::fromUtf8(c.text));
        EXPECT_TRUE(box(c.name)->isEnabled());
        EXPECT_EQ(box(c.name)->isReadOnly(), c.readOnly);
    }
    auto* description = child<QPlainTextEdit>("T_dizidosyasi_aciklama");
    EXPECT_TRUE(description->isEnabled());
    EXPECT_TRUE(description->isReadOnly());
    EXPECT_FALSE(bar()->isEnabled());
    EXPECT_EQ(bar()->minimum(), 1);
    EXPECT_EQ(bar()->maximum(), 32767);
    EXPECT_EQ(bar()->value(), 1);
    EXPECT_FALSE(child<QPushButton>("C_hesapla")->isVisible());
    EXPECT_EQ(child<QPushButton>("C_dizi_ac")->text(), QStringLiteral("Scala Dizi Dosyası &Aç..."));
    EXPECT_EQ(child<QCheckBox>("Ch_opt_ciz_sapesik")->checkState(), Qt::Checked);
    EXPECT_EQ(child<QCheckBox>("Ch_opt_ciz_bostel")->checkState(), Qt::Unchecked);
    EXPECT_EQ(child<QCheckBox>("Ch_opt_ciz_gorperde")->checkState(), Qt::Checked);
    EXPECT_EQ(child<QCheckBox>("Ch_opt_ciz_tumperde")->checkState(), Qt::Unchecked);
    EXPECT_EQ(child<QLabel>("Label12(0)")->text(),
              QStringLiteral("Bu Perdenin Eşiğe Uzaklığı (mm) :"));
    EXPECT_EQ(child<QLabel>("Label12(1)")->text(),
              QStringLiteral("Bu Perdenin Köprüye Uzaklığı (mm) :"));
    EXPECT_EQ(child<QGroupBox>("Frame2")->geometry(), platform::twipRect(4770, 120, 5295, 3495));
    EXPECT_EQ(picture()->geometry(), platform::twipRect(120, 3960, 9975, 2055));
    EXPECT_EQ(bar()->geometry(), platform::twipRect(1560, 2160, 1935, 255));
    // The geometry step has drawn the neck and its thresholds already.
    EXPECT_EQ(picture()->point(500, 0.1), black);
    EXPECT_EQ(picture()->point(0, 1.5), black);
    EXPECT_EQ(picture()->point(1000, 4.5), black);
}

TEST_F(Form1Test, LoadShowsTheFirstFret) {
    load("octave_first.scl");
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(lastTitle, QStringLiteral("Dizi Dosyası Aç..."));
    EXPECT_EQ(lastFilter, QStringLiteral("Scala Dosyası (*.scl)"));
    EXPECT_EQ(text("T_dizidosyasi_dosyaadi"), QStringLiteral("octave_first.scl"));
    EXPECT_EQ(child<QPlainTextEdit>("T_dizidosyasi_aciklama")->toPlainText(),
              QStringLiteral("Octave first, then a just scale"));
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("1 / 12"));
    EXPECT_EQ(text("T_dizi_eleman"), QStringLiteral("2/1"));
    EXPECT_EQ(text("T_perde_oran"), QStringLiteral("2"));
    EXPECT_EQ(str(text("txbUzKopru")), localised("499.992499000019"));
    EXPECT_EQ(str(text("txbUzEsik")), localised("500.007500999981"));
    EXPECT_TRUE(bar()->isEnabled());
    EXPECT_EQ(bar()->maximum(), 12);
    // Showing a fret with the displayed fret drawn ticks "all frets" too.
    EXPECT_EQ(child<QCheckBox>("Ch_opt_ciz_tumperde")->checkState(), Qt::Checked);

    struct Case {
        const char* name;
        double x, y;
        platform::Colour colour;
    };
    const Case pixels[] = {
        {"neck", 500, 0.1, black},
        {"nut threshold", 0, 1.5, black},
        {"body threshold", 1000, 4.5, black},
        {"fret of the octave", 500.0075, 0.9, black},
        {"fret of 9/8", 1000 - 888.8888888888889, 0.9, black},
        {"pressed string towards the nut", 250, 1.5, black},
        {"pressed string towards the body", 750, 3, black},
        {"no open string", 500, 3.5, white},
    };
    for (const Case& c : pixels) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(picture()->point(c.x, c.y), c.colour);
    }
}

TEST_F(Form1Test, BrowsingTheFrets) {
    load("a.scl");
    bar()->setValue(7);
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("7 / 12"));
    EXPECT_EQ(text("T_dizi_eleman"), QStringLiteral("3/2"));
    EXPECT_EQ(text("T_perde_oran"),
              QStringLiteral("1.5").replace('.', runtime::decimalSeparator()));
    EXPECT_EQ(str(text("txbUzKopru")), localised("666.663666666674"));
    EXPECT_EQ(picture()->point(1000 - 666.6636666666742, 0.9), black);
    EXPECT_EQ(picture()->point(250, 1.5), white); // the octave's pressed string is gone
}

TEST_F(Form1Test, SecondLoadWhileTheBarStandsAt15Of20) {
    load("twenty.scl");
    bar()->setValue(15);
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("15 / 20"));
    EXPECT_EQ(text("T_dizi_eleman"), QStringLiteral("900.0"));
    load("a.scl");
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("1 / 12"));
    EXPECT_EQ(text("T_dizi_eleman"), QStringLiteral("16/15"));
    EXPECT_EQ(bar()->value(), 1);
    EXPECT_EQ(bar()->minimum(), 1);
    EXPECT_EQ(bar()->maximum(), 12);
    EXPECT_EQ(text("T_dizidosyasi_dosyaadi"), QStringLiteral("a.scl"));
}

TEST_F(Form1Test, LabelClicksToggleTheirBoxesAndDrawNothing) {
    const QImage before = picture()->image();
    struct Case {
        const char* label;
        const char* box;
    };
    const Case cases[] = {
        {"Lbl_opt_ciz_bostel", "Ch_opt_ciz_bostel"},
        {"Lbl_opt_ciz_sapesik", "Ch_opt_ciz_sapesik"},
        {"Lbl_opt_ciz_gorperde", "Ch_opt_ciz_gorperde"},
        {"Lbl_opt_ciz_tumperde", "Ch_opt_ciz_tumperde"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QCheckBox* check = child<QCheckBox>(c.box);
        const Qt::CheckState start = check->checkState();
        QLabel* label = child<QLabel>(c.label);
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_NE(check->checkState(), start);
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(check->checkState(), start);
        check->setCheckState(Qt::PartiallyChecked);
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(check->checkState(), Qt::Checked);
        check->setCheckState(start);
    }
    EXPECT_EQ(picture()->image(), before);
}

TEST_F(Form1Test, OpenStringDrawnAtTheNextRecomputation) {
    QTest::mouseClick(child<QLabel>("Lbl_opt_ciz_bostel"), Qt::LeftButton);
    EXPECT_EQ(picture()->point(500, 3.5), white);
    retype("T_hperde", QStringLiteral("1"));
    EXPECT_EQ(child<QCheckBox>("Ch_opt_ciz_bostel")->checkState(), Qt::Checked);
    int on = 0;
    for (int x = 100; x < 900; x += 3)
        on += picture()->point(x, 2 + 3.0 * x / 1000) == black;
    EXPECT_GT(on, 20);
}

// Black pixels along the open string, kept clear of the octave's pressed string.
int openStringPixels(const platform::PictureBox* p) {
    int on = 0;
    for (int x = 100; x <= 800; x += 3)
        on += p->point(x, 2 + 3.0 * x / 1000) == black;
    return on;
}

TEST_F(Form1Test, FretDisplayDrawsTheNeckButNotTheOpenString) {
    QTest::mouseClick(child<QLabel>("Lbl_opt_ciz_sapesik"), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>("Lbl_opt_ciz_bostel"), Qt::LeftButton);
    load("octave_first.scl");
    // The displayed fret rebuilds the picture: neck whatever its box says, no open string.
    EXPECT_EQ(picture()->point(700, 0.1), black);
    EXPECT_EQ(picture()->point(1000, 4.5), black);
    EXPECT_EQ(picture()->point(750, 3), black);
    EXPECT_EQ(openStringPixels(picture()), 0);

    // Without the displayed fret, the geometry step's picture stays: open string, frets,
    // no neck and no pressed string.
    QTest::mouseClick(child<QLabel>("Lbl_opt_ciz_gorperde"), Qt::LeftButton);
    retype("T_hperde", QStringLiteral("1"));
    EXPECT_GT(openStringPixels(picture()), 20);
    EXPECT_EQ(picture()->point(700, 0.1), white);
    EXPECT_EQ(picture()->point(1000, 4.5), white);
    EXPECT_EQ(picture()->point(500.0075, 0.9), black);
    EXPECT_EQ(picture()->point(750, 3), white);
}

TEST_F(Form1Test, BadFilesAndCancelKeepEverything) {
    load("a.scl");
    bar()->setValue(3);
    const QImage image = picture()->image();
    const char* names[] = {"T_dizidosyasi_dosyaadi",
                           "T_dizi_eleman",
                           "T_perde_oran",
                           "T_dizi_eleman_no",
                           "txbUzEsik",
                           "txbUzKopru",
                           "T_x_telbos"};
    QStringList before;
    for (const char* n : names)
        before << text(n);

    struct Case {
        const char* name;
        const char* file;
        const char* needle;
    };
    const Case cases[] = {
        {"missing", "bad/missing.scl", "Dosya açılamadı."},
        {"too few", "bad/too_few.scl", "Satır 8"},
        {"count", "bad/count_word.scl", "perde sayısı bir tam sayı değil"},
        {"pitch", "bad/pitch_word.scl", "ne sent ne de oran"},
        {"zero denominator", "bad/zero_denominator.scl", "sıfırdan büyük olmalı"},
        {"negative ratio", "bad/negative_ratio.scl", "sıfırdan büyük olmalı"},
        {"zero ratio", "bad/zero_ratio.scl", "sıfırdan büyük olmalı"},
        {"cents with a decimal comma", "bad/cents_comma.scl", "noktayla yazılmalı"},
        {"decimal count", "bad/count_decimal.scl", "bir tam sayı değil"},
        {"negative count", "bad/count_negative.scl", "sıfırdan küçük olamaz"},
        {"count beyond 16 bits", "bad/count_large.scl", "en çok 32767"},
        {"empty", "bad/empty.scl", "tanımlama satırından önce"},
        {"only comments", "bad/only_comments.scl", "tanımlama satırından önce"},
        {"a folder", "bad", "Dosya açılamadı."},
        {"cancelled", nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::MessageRecorder recorder;
        load(c.file ? fixture(c.file) : QString());
        if (c.needle) {
            ASSERT_EQ(recorder.messages.size(), 1);
            EXPECT_TRUE(recorder.messages[0].contains(QString::fromUtf8(c.needle)))
                << str(recorder.messages[0]);
            EXPECT_TRUE(recorder.messages[0].contains(
                QString::fromUtf8(c.file).section(QLatin1Char('/'), -1)));
        } else {
            EXPECT_TRUE(recorder.messages.isEmpty());
        }
        QStringList after;
        for (const char* n : names)
            after << text(n);
        EXPECT_EQ(after, before);
        EXPECT_EQ(bar()->value(), 3);
        EXPECT_EQ(picture()->image(), image);
    }
}

TEST_F(Form1Test, GeometryBoxThatIsNoNumberIsMarkedAndTheLastResultsGreyed) {
    load("octave_first.scl");
    const char* readouts[] = {"T_x_telbos", "txbUzEsik", "txbUzKopru"};
    const QColor normalBackground = background(box("T_hesik_sap"));
    const auto expectCurrent = [&] {
        for (const char* r : readouts) {
            SCOPED_TRACE(r);
            EXPECT_LT(darkest(box(r)), 80);
            EXPECT_TRUE(box(r)->toolTip().isEmpty());
        }
        EXPECT_EQ(shownBlack().first, 0);
    };
    const auto expectGreyed = [&] {
        for (const char* r : readouts) {
            SCOPED_TRACE(r);
            EXPECT_GT(darkest(box(r)), 100);
            EXPECT_TRUE(box(r)->toolTip().contains(QStringLiteral("son geçerli geometri")));
        }
        const auto [lightest, darkest] = shownBlack();
        EXPECT_GT(darkest, 100);
        EXPECT_LT(lightest, 240);
    };
    const auto marked = [&](const char* name) {
        const QColor c = background(box(name));
        return c != normalBackground && c.red() > c.green() + 20;
    };
    const QString separator = QString(QChar::fromLatin1(runtime::decimalSeparator()));
    const QString wrongSeparator = separator == QStringLiteral(",") ? "1000.5" : "1000,5";

    struct Case {
        const char* name;
        const char* box;
        QString typed;
        const char* reason;
        QString good;
    };
    const Case cases[] = {
        {"letters after a number", "T_x_sap", "12abc", "Sayı değil", "1000"},
        {"empty", "T_x_sap", "", "Kutu boş", "1000"},
        {"negative", "T_x_sap", "-5", "Sıfırdan büyük olmalı", "1000"},
        {"beyond a double", "T_x_sap", "1e999", "çok büyük", "1000"},
        {"wrong separator", "T_x_sap", wrongSeparator, "Sayı değil", "1000"},
        {"letters in a height", "T_hperde", "1x", "Sayı değil", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The last keystroke makes the text unusable; what it leaves must not change.
        if (!c.typed.isEmpty())
            retype(c.box, c.typed.chopped(1));
        QStringList before;
        for (const char* r : readouts)
            before << text(r);
        const QImage image = picture()->image();
        if (c.typed.isEmpty())
            retype(c.box, c.typed);
        else
            QTest::keyClicks(box(c.box), c.typed.right(1));
        EXPECT_TRUE(marked(c.box));
        const QString tip = box(c.box)->toolTip();
        EXPECT_TRUE(tip.contains(QString::fromUtf8(c.reason))) << str(tip);
        EXPECT_TRUE(tip.contains("ayırıcı \"" + separator + "\"")) << str(tip);
        QStringList now;
        for (const char* r : readouts)
            now << text(r);
        EXPECT_EQ(now, before);
        EXPECT_EQ(picture()->image(), image);
        expectGreyed();

        retype(c.box, c.good);
        EXPECT_FALSE(marked(c.box));
        EXPECT_TRUE(box(c.box)->toolTip().isEmpty());
        expectCurrent();
    }

    // Two boxes at once: each keeps its mark until it is mended.
    retype("T_x_sap", "-5");
    retype("T_hperde", "x");
    EXPECT_TRUE(marked("T_x_sap"));
    EXPECT_TRUE(marked("T_hperde"));
    // Browsing meanwhile uses the last good geometry, still greyed.
    bar()->setValue(2);
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("2 / 12"));
    expectGreyed();
    // Opening a scale asks for the box to be mended first.
    {
        platform::MessageRecorder recorder;
        load("a.scl");
        EXPECT_EQ(dialogs, 1);
        ASSERT_EQ(recorder.messages.size(), 1);
        EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("Sap Uzunluğu (mm.)")));
    }
    retype("T_x_sap", "1000");
    EXPECT_FALSE(marked("T_x_sap"));
    EXPECT_TRUE(marked("T_hperde"));
    expectGreyed();
    retype("T_hperde", "1");
    EXPECT_FALSE(marked("T_hperde"));
    expectCurrent();
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("1 / 12"));
}

TEST_F(Form1Test, GeometryMarksBeforeAnyScale) {
    const QString telbos = text("T_x_telbos");
    retype("T_hesik_govde", "abc");
    EXPECT_FALSE(box("T_hesik_govde")->toolTip().isEmpty());
    EXPECT_EQ(text("T_x_telbos"), telbos);
    EXPECT_GT(darkest(box("T_x_telbos")), 100);
    retype("T_hesik_govde", "5");
    EXPECT_TRUE(box("T_hesik_govde")->toolTip().isEmpty());
    EXPECT_LT(darkest(box("T_x_telbos")), 80);
}

TEST_F(Form1Test, ReadoutsShowTheirWholeNumbers) {
    struct Case {
        const char* name;
        const char* neck;
        const char* scale;
        int fret;
    };
    const Case cases[] = {
        {"initial geometry", "1000", "octave_first.scl", 1},
        {"a long neck", "123456789.012345", "octave_first.scl", 2},
        {"a neck written with an exponent", "1.23456789012345E+20", "octave_first.scl", 1},
        {"a fret beyond the nut", "999.999999999999", "below_unison.scl", 1},
    };
    const char* readouts[] = {"T_x_telbos", "txbUzEsik", "txbUzKopru", "T_perde_oran",
                              "T_dizi_eleman_no"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        retype("T_x_sap", QString::fromStdString(localised(c.neck)));
        load(c.scale);
        bar()->setValue(c.fret);
        for (const char* r : readouts) {
            SCOPED_TRACE(r);
            EXPECT_FALSE(text(r).isEmpty());
            EXPECT_TRUE(showsWholeText(box(r))) << str(text(r));
        }
    }
    // Read-only outputs in normal contrast.
    for (const char* r : {"T_dizidosyasi_dosyaadi", "T_dizi_eleman", "T_perde_oran"}) {
        SCOPED_TRACE(r);
        EXPECT_LT(darkest(box(r)), 80);
    }
    EXPECT_LT(darkest(child<QPlainTextEdit>("T_dizidosyasi_aciklama")), 80);
}

TEST_F(Form1Test, TabReachesTheFretBarOnceAScaleIsLoaded) {
    box("T_perde_oran")->setFocus();
    tab();
    EXPECT_EQ(window.focusWidget(), box("T_dizi_eleman_no")); // a disabled bar is passed over
    load("a.scl");
    box("T_perde_oran")->setFocus();
    tab();
    ASSERT_EQ(window.focusWidget(), bar());
    QTest::keyClick(bar(), Qt::Key_End);
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("12 / 12"));
    tab();
    EXPECT_EQ(window.focusWidget(), box("T_dizi_eleman_no"));
    // The open button comes after the geometry, before the scale it opens.
    child<QCheckBox>("Ch_opt_ciz_bostel")->setFocus();
    tab();
    EXPECT_EQ(window.focusWidget(), child<QPushButton>("C_dizi_ac"));
}

TEST_F(Form1Test, TypingTheNeckLengthRecomputesAtEveryKeystroke) {
    load("octave_first.scl");
    retype("T_x_sap", QStringLiteral("1"));
    // On a neck of 1 mm the octave cannot be reached.
    EXPECT_EQ(text("txbUzKopru"), QStringLiteral("ulaşılamaz"));
    EXPECT_EQ(text("txbUzEsik"), QStringLiteral("ulaşılamaz"));
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("1 / 12"));
    QTest::keyClicks(box("T_x_sap"), QStringLiteral("000"));
    EXPECT_EQ(str(text("txbUzKopru")), localised("499.992499000019"));
    EXPECT_EQ(str(text("T_x_telbos")), localised("1000.00449998988"));
}

TEST_F(Form1Test, BeforeAnyScaleOnlyTheGeometryStepRuns) {
    retype("T_x_sap", QStringLiteral("500"));
    EXPECT_EQ(str(text("T_x_telbos")), localised("500.008999919001"));
    EXPECT_EQ(text("T_dizi_eleman_no"), QString());
    EXPECT_FALSE(bar()->isEnabled());
    EXPECT_EQ(picture()->scaleWidth(), 501);
}

TEST_F(Form1Test, ScaleWithoutPitches) {
    load("a.scl");
    load("zero_pitches.scl");
    EXPECT_EQ(text("T_dizidosyasi_dosyaadi"), QStringLiteral("zero_pitches.scl"));
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("0 / 0"));
    EXPECT_EQ(text("T_dizi_eleman"), QString());
    EXPECT_EQ(text("txbUzKopru"), QString());
    EXPECT_FALSE(bar()->isEnabled());
    retype("T_hperde", QStringLiteral("2"));
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("0 / 0"));
    load("a.scl");
    EXPECT_TRUE(bar()->isEnabled());
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("1 / 12"));
}

TEST_F(Form1Test, LargestScale) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.scl"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("! big.scl\n!\n32767 pitches\n 32767\n!\n");
    for (int i = 1; i <= 32767; ++i)
        file.write(i % 2 ? "3/2\n" : "2/1\n");
    file.close();
    load(path);
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("1 / 32767"));
    bar()->setValue(32767);
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("32767 / 32767"));
    EXPECT_TRUE(showsWholeText(box("T_dizi_eleman_no")));
    EXPECT_EQ(str(text("txbUzKopru")), localised("666.663666666674"));
}

// The lines of the description box as laid out, each as shown.
QStringList descriptionLines(QPlainTextEdit* box) {
    box->viewport()->repaint();
    QStringList lines;
    const QTextBlock block = box->document()->firstBlock();
    const QTextLayout* layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i)
        lines << block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
    return lines;
}

TEST_F(Form1Test, DescriptionOfAMegabyteWithoutBlanks) {
    auto* description = child<QPlainTextEdit>("T_dizidosyasi_aciklama");
    const auto wrapsAtBlanks = [&] {
        const QStringList lines = descriptionLines(description);
        EXPECT_GT(lines.size(), 1);
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            EXPECT_TRUE(lines[i].endsWith(QLatin1Char(' '))) << str(lines[i]);
    };
    load("long_description.scl");
    wrapsAtBlanks();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.scl"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray word(1 << 20, 'x');
    file.write("! long.scl\n!\n" + word + "\n 1\n!\n3/2\n");
    file.close();
    load(path);
    EXPECT_EQ(text("T_dizi_eleman"), QStringLiteral("3/2"));
    EXPECT_EQ(description->toPlainText(), QString::fromLatin1(word));
    const QStringList lines = descriptionLines(description);
    EXPECT_GT(lines.size(), 1000);
    EXPECT_EQ(lines.join(QString()).size(), word.size());

    // An ordinary description after it wraps at its blanks again.
    load("long_description.scl");
    wrapsAtBlanks();
}

TEST_F(Form1Test, FretHeightFarBeyondTheNeck) {
    load("octave_first.scl");
    retype("T_hperde", QStringLiteral("1E+20"));
    // The modelled ratio stays just below the octave all along the neck.
    EXPECT_EQ(text("txbUzKopru"), QStringLiteral("ulaşılamaz"));
    EXPECT_EQ(text("txbUzEsik"), QStringLiteral("ulaşılamaz"));
    bar()->setValue(5);
    EXPECT_EQ(text("T_dizi_eleman"), QStringLiteral("3/2"));
    EXPECT_EQ(str(text("txbUzKopru")), localised("666.666666666667"));
    EXPECT_EQ(str(text("txbUzEsik")), localised("333.333333333333"));
    struct Case {
        const char* name;
        double x, y;
        platform::Colour colour;
    };
    // Frets rise through the whole picture; the octave has none.
    const Case pixels[] = {
        {"fret of 3/2 at the neck", 1000 - 666.6666666666666, 0.9, black},
        {"fret of 3/2 at the top", 1000 - 666.6666666666666, 19.5, black},
        {"fret of 9/8 at the top", 1000 - 888.8888888888889, 19.5, black},
        {"no fret of the octave", 500, 10, white},
    };
    for (const Case& c : pixels) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(picture()->point(c.x, c.y), c.colour);
    }
}

TEST_F(Form1Test, PictureSurvivesARepaint) {
    load("octave_first.scl");
    const QImage shown = picture()->grab().toImage();
    picture()->repaint();
    EXPECT_EQ(picture()->grab().toImage(), shown);
    const QPoint fret = picture()->toPixel(500.0075, 0.9) + picture()->contentsRect().topLeft();
    EXPECT_EQ(QColor(shown.pixel(fret)), QColor(Qt::black));
}

// A file named at start or dropped on the window opens as the open button
// opens it, with the same checks, without a dialog.
TEST_F(Form1Test, FileGivenOrDroppedOpensWithoutADialog) {
    const auto drop = [this](const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &enter);
        if (!enter.isAccepted())
            return;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&window, &dropped);
    };
    struct Case {
        const char* name;
        std::function<void(const QString&)> open;
    };
    const Case cases[] = {
        {"named at start", [this](const QString& path) { window.openScale(path); }},
        {"dropped", drop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        retype("T_x_sap", "1000");
        {
            platform::MessageRecorder recorder;
            c.open(fixture("bad/pitch_word.scl"));
            ASSERT_EQ(recorder.messages.size(), 1);
            EXPECT_TRUE(recorder.messages[0].contains("pitch_word.scl"));
        }
        c.open(fixture("a.scl"));
        EXPECT_EQ(text("T_dizidosyasi_dosyaadi"), "a.scl");
        // The geometry is checked first, as for the button.
        retype("T_x_sap", "12abc");
        platform::MessageRecorder recorder;
        c.open(fixture("octave_first.scl"));
        EXPECT_EQ(recorder.messages.size(), 1);
        EXPECT_EQ(text("T_dizidosyasi_dosyaadi"), "a.scl");
    }
    EXPECT_EQ(dialogs, 0);

    // Only a single .scl file is taken.
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(fixture("a.txt"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &other, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    EXPECT_FALSE(enter.isAccepted());
}

} // namespace
