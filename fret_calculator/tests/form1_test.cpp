#include "form1.h"

#include "message_box.h"
#include "picture_box.h"
#include "separator.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

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
        bool enabled;
    };
    const Case boxes[] = {
        {"T_x_sap", "1000", true},
        {"T_hesik_sap", "2", true},
        {"T_hesik_govde", "5", true},
        {"T_hperde", "1", true},
        {"T_dizidosyasi_dosyaadi", "", false},
        {"T_dizi_eleman", "", false},
        {"T_perde_oran", "", false},
        {"T_dizi_eleman_no", "", true},
        {"txbUzEsik", "", true},
        {"txbUzKopru", "", true},
    };
    for (const Case& c : boxes) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text(c.name), QString::fromUtf8(c.text));
        EXPECT_EQ(box(c.name)->isEnabled(), c.enabled);
    }
    EXPECT_FALSE(child<QPlainTextEdit>("T_dizidosyasi_aciklama")->isEnabled());
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

TEST_F(Form1Test, GeometryBoxThatIsNoNumberKeepsTheLastResults) {
    load("octave_first.scl");
    const QString kopru = text("txbUzKopru");
    const QString telbos = text("T_x_telbos");
    const QImage image = picture()->image();
    for (const char* typed : {"", "abc", "0", "-3"}) {
        SCOPED_TRACE(typed);
        retype("T_x_sap", QString::fromUtf8(typed));
        EXPECT_EQ(text("txbUzKopru"), kopru);
        EXPECT_EQ(text("T_x_telbos"), telbos);
        EXPECT_EQ(picture()->image(), image);
    }
    // Browsing meanwhile uses the last good geometry.
    bar()->setValue(2);
    EXPECT_EQ(text("T_dizi_eleman_no"), QStringLiteral("2 / 12"));
    // Opening a scale asks for the box to be mended first.
    platform::MessageRecorder recorder;
    load("a.scl");
    EXPECT_EQ(dialogs, 1);
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages[0].contains(QStringLiteral("Sap Uzunluğu (mm.)")));
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

} // namespace
