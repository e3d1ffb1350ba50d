#include "form1.h"
#include "fraction_input.h"

#include "ink_marks.h"
#include "message_box.h"
#include "picture_box.h"
#include "row_export.h"
#include "separator.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <string_view>
#include <utility>

namespace bexaro {
namespace {

using runtime::testing::localised;

constexpr platform::Colour red = platform::rgb(255, 0, 0);
constexpr platform::Colour blue = platform::rgb(0, 0, 255);

class Form1Test : public ::testing::Test {
protected:
    Form1Test()
        : form([this](QWidget*, const QString& title, const QString& filter, const QString&) {
            chooserTitles << title + " | " + filter;
            return chooserAnswer;
        }) {
        form.show();
    }

    template <typename T> T* get(const QString& name) {
        T* w = form.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(const QString& name) { return get<QLabel>(name)->text(); }
    QString text(const char* name, int i) { return text(QString("%1(%2)").arg(name).arg(i)); }
    QScrollBar* scroll(const QString& name) { return get<QScrollBar>(name); }
    platform::PictureBox* picture() { return get<platform::PictureBox>("Picture1"); }

    void setPitch(int i, int semitones, int cents) {
        scroll(QString("HScroll1(%1)").arg(i))->setValue(semitones);
        scroll(QString("HScroll2(%1)").arg(i))->setValue(cents);
    }
    void type(const char* box, const QString& value) {
        auto* edit = get<QLineEdit>(box);
        edit->clear();
        QTest::keyClicks(edit, value);
    }
    void click(const char* button) { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
    void findFraction(const QString& fraction, const QString& tolerance = "0.001") {
        type("kesir_kutusu", fraction);
        type("Text1", tolerance);
        click("kesirbul");
    }

    /** Counts pixels of a colour in the list. */
    int pixelsOf(platform::Colour c) {
        const QImage& image = picture()->image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += picture()->point(x, y) == c;
        return n;
    }

    /** The list as it must look: rows first..last printed from a print position at y. */
    QImage expectedList(std::size_t first, std::size_t last, double y, platform::Colour colour) {
        platform::PictureBox box;
        box.setBorder(true);
        box.resize(picture()->size());
        box.clear();
        box.setCurrentY(y);
        box.setForeColour(colour);
        // The columns as the list has always printed them, not the window's own constant.
        const int columns[] = {2, 16, 30, 37};
        for (std::size_t n = first; n <= last; ++n) {
            const auto items = rowItems(form.results().at(n - 1));
            for (std::size_t k = 0; k < items.size(); ++k) {
                box.tab(columns[k]);
                box.print(QString::fromStdString(items[k]));
            }
            box.printLine();
        }
        return box.image();
    }

    QString chooserAnswer; // the file "chosen" in the save dialog; empty: cancelled
    QStringList chooserTitles;
    Form1 form;
};

TEST_F(Form1Test, StartUp) {
    EXPECT_EQ(form.windowTitle(), QString(52, ' ') + "B E X A R O +   for  Windows");
    EXPECT_EQ(form.size(), QSize(630, 568));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(text("midicent1", i), "6000");
        EXPECT_EQ(text("midino1", i), "60");
        EXPECT_EQ(text("midikey1", i), "C 5");
        EXPECT_EQ(text("Herz1", i), QString::fromStdString(localised("261.62134")));
        EXPECT_EQ(text("pianono1", i), "40");
        EXPECT_EQ(text("pianokey1", i), "C 4");
        EXPECT_EQ(text("pianocent1", i), "3900");
        EXPECT_EQ(text("sapma1", i), "");
        EXPECT_EQ(scroll(QString("HScroll2(%1)").arg(i))->value(), 0);
    }
    EXPECT_EQ(text("centfark"), "0");
    EXPECT_EQ(text("reeloran"), QString::fromStdString(localised("1.")));
    EXPECT_EQ(get<QLineEdit>("Text1")->text(), "0.001");
    EXPECT_EQ(get<QLineEdit>("Text2")->text(), "0.001");
    EXPECT_EQ(text("reoran"), "");
    EXPECT_FALSE(scroll("VScroll1")->isVisible());
    EXPECT_FALSE(get<QPushButton>("Command1")->isVisible());
    EXPECT_EQ(pixelsOf(platform::white), picture()->image().width() * picture()->image().height());
    EXPECT_EQ(get<QGroupBox>("Frame1(1)")->geometry(), QRect(16, 272, 233, 169));
    EXPECT_EQ(picture()->parentWidget()->objectName(), "Frame4");
    EXPECT_EQ(text("Label10"),
              QString::fromUtf8("  rasy. oran     reel karşılığı    cent hata     % hata        "
                                "aralık adı"));
}

TEST_F(Form1Test, ControlsAtTheirPlaces) {
    struct Case {
        const char* name;
        const char* container;
        int left, top, width, height; // twips
    };
    const Case cases[] = {
        {"Frame1(0)", "Form1", 240, 240, 3495, 2535},
        {"Frame1(1)", "Form1", 240, 4080, 3495, 2535},
        {"Label5(1)", "Frame1(1)", 120, 600, 615, 255},
        {"sapma1(0)", "Frame1(0)", 720, 600, 375, 255},
        {"Herz1(1)", "Frame1(1)", 2160, 600, 975, 255},
        {"Label1(0)", "Frame1(0)", 960, 1200, 2295, 255},
        {"midicent1(1)", "Frame1(1)", 960, 1560, 615, 255},
        {"midino1(0)", "Frame1(0)", 1680, 1560, 375, 255},
        {"midikey1(1)", "Frame1(1)", 2160, 1560, 1095, 255},
        {"pianocent1(0)", "Frame1(0)", 960, 2040, 615, 255},
        {"pianono1(1)", "Frame1(1)", 1680, 2040, 375, 255},
        {"pianokey1(0)", "Frame1(0)", 2160, 2040, 1095, 255},
        {"HScroll1(0)", "Form1", 240, 2880, 3480, 255},
        {"HScroll2(0)", "Form1", 240, 3240, 3480, 255},
        {"HScroll1(1)", "Form1", 240, 6720, 3480, 255},
        {"HScroll2(1)", "Form1", 240, 7080, 3480, 255},
        {"Label7", "Form1", 240, 7560, 3615, 855},
        {"Command1", "Form1", 3120, 3720, 735, 255},
        {"Frame4", "Form1", 4080, 240, 5175, 8175},
        {"centfark", "Frame4", 1560, 480, 855, 255},
        {"reeloran", "Frame4", 1440, 840, 975, 255},
        {"Text2", "Frame4", 960, 1160, 975, 285},
        {"oranla", "Frame4", 240, 1560, 1575, 375},
        {"kesir_kutusu", "Frame4", 3480, 440, 1215, 285},
        {"reoran", "Frame4", 3720, 840, 1335, 255}, // widened for ratios with an exponent
        {"Text1", "Frame4", 3600, 1130, 1095, 285},
        {"kesirbul", "Frame4", 3000, 1560, 1695, 375},
        {"Label10", "Frame4", 240, 2040, 4455, 255},
        {"Picture1", "Frame4", 240, 2280, 4440, 5760},
        {"VScroll1", "Frame4", 4800, 2280, 255, 5775},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* w = get<QWidget>(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), c.container);
        EXPECT_EQ(w->geometry(), platform::twipRect(c.left, c.top, c.width, c.height));
    }
}

TEST_F(Form1Test, CaptionsAndColours) {
    const QColor highlight = QApplication::palette().color(QPalette::Highlight);
    struct Case {
        const char* name;
        QString caption;
        QColor colour;
    };
    const Case cases[] = {
        {"Label5(0)", "sapma :", highlight},
        {"Label6(1)", "Frekans :", highlight},
        {"Label1(0)", "  CENT    KEY Nr       TON         ", highlight},
        {"Label3(1)", QString::fromUtf8("MİDİ de"), highlight},
        {"Label4(0)", "Piyanoda", highlight},
        {"Label2", "CENT olarak fark :", QColor(0, 0, 0xC0)},
        {"Label8", "Reel oran :", QColor(0, 0, 255)},
        {"Label13", "Tolerans:", highlight},
        {"Label9", "Kesir :", QColor(255, 0, 0)},
        {"Label12", "Reel oran:", QColor(255, 0, 0)},
        {"Label11", "Tolerans:", QColor(255, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QLabel* l = get<QLabel>(c.name);
        ASSERT_NE(l, nullptr);
        EXPECT_EQ(l->text(), c.caption);
        EXPECT_EQ(l->palette().color(QPalette::WindowText), c.colour);
    }
    EXPECT_EQ(get<QGroupBox>("Frame1(0)")->title(),
              QString::fromUtf8("------------------ B İ R İ N C İ    S E S -------------------"));
    EXPECT_EQ(get<QGroupBox>("Frame1(1)")->title(),
              QString::fromUtf8("-------------------- İ K İ N C İ    S E S ---------------------"));
    EXPECT_EQ(get<QGroupBox>("Frame1(1)")->palette().color(QPalette::WindowText), highlight);
    EXPECT_EQ(get<QGroupBox>("Frame4")->title(),
              QString::fromUtf8("------------------------------------  Hesaplama sonuçları  "
                                "------------------------------------"));
    EXPECT_EQ(get<QPushButton>("oranla")->text(), QString::fromUtf8("Seslerin oranını bul"));
    EXPECT_EQ(get<QPushButton>("oranla")->palette().color(QPalette::Button), QColor(Qt::white));
    EXPECT_EQ(get<QPushButton>("kesirbul")->text(), QString::fromUtf8("Kesrin karşılıklarını bul"));
    EXPECT_EQ(text("Label7"),
              QString::fromUtf8("Sesleri, yarımton birimle üst sürgülerde ve cent birimle alt "
                                "sürgülerle belirleyin sonra beyaz butonu tıklayın.  Hesaplarda, "
                                "midi C0 tonu baz alındı. "));
    EXPECT_EQ(picture()->foreColour(), red);
}

TEST_F(Form1Test, TabOrder) {
    const char* order[] = {"HScroll1(0)", "HScroll2(0)", "HScroll1(1)", "HScroll2(1)",
                           "oranla",      "Picture1",    "kesirbul",    "kesir_kutusu",
                           "VScroll1",    "Text1",       "Text2"};
    for (std::size_t k = 0; k + 1 < std::size(order); ++k) {
        QWidget* w = form.findChild<QWidget*>(order[k]);
        ASSERT_NE(w, nullptr);
        QWidget* next = w->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        EXPECT_EQ(next->objectName(), order[k + 1]) << order[k];
    }
}

TEST_F(Form1Test, SlidersUpdateEveryReadout) {
    struct Case {
        const char* name;
        int semitones, cents;
        const char *sapma1, *midicent1, *midino1, *midikey1, *Herz1, *pianono1, *pianokey1,
            *pianocent1;
    };
    const Case cases[] = {
        {"0, 0", 0, 0, "0", "0", "0", "C 0", "8.17479", "X", "X", "X"},
        {"0, -49", 0, -49, "-49", "-49", "0", "C 0", "7.94665", "X", "X", "X"},
        {"20, 50", 20, 50, "50", "2050", "21", "A 1", "26.71481", "1", "A 0", "-50"},
        {"21, 0", 21, 0, "0", "2100", "21", "A 1", "27.49763", "1", "A 0", "0"},
        {"57, 0", 57, 0, "0", "5700", "57", "A 4", "219.99527", "37", "A 3", "3600"},
        {"60, 0", 60, 0, "0", "6000", "60", "C 5", "261.62134", "40", "C 4", "3900"},
        {"60, 50", 60, 50, "50", "6050", "61", "C# / Db 5", "269.28769", "41", "C# / Db 4", "3950"},
        {"69, 0", 69, 0, "0", "6900", "69", "A 5", "440.", "49", "A 4", "4800"},
        {"108, 0", 108, 0, "0", "10800", "108", "C 9", "4186.30127", "88", "C 8", "8700"},
        {"108, 50", 108, 50, "50", "10850", "109", "C# / Db 9", "4308.97314", "X", "X", "X"},
        {"127, 50", 127, 50, "50", "12750", "128", "G# / Ab 10", "12912.76953", "X", "X", "X"},
    };
    for (int i = 0; i < 2; ++i) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " in frame " + std::to_string(i));
            setPitch(i, c.semitones, c.cents);
            // Move the cent slider away and back so that its caption is set even at 0.
            scroll(QString("HScroll2(%1)").arg(i))->setValue(c.cents == 0 ? 1 : 0);
            scroll(QString("HScroll2(%1)").arg(i))->setValue(c.cents);
            EXPECT_EQ(text("sapma1", i), c.sapma1);
            EXPECT_EQ(text("midicent1", i), c.midicent1);
            EXPECT_EQ(text("midino1", i), c.midino1);
            EXPECT_EQ(text("midikey1", i), c.midikey1);
            EXPECT_EQ(text("Herz1", i), QString::fromStdString(localised(c.Herz1)));
            EXPECT_EQ(text("pianono1", i), c.pianono1);
            EXPECT_EQ(text("pianokey1", i), c.pianokey1);
            EXPECT_EQ(text("pianocent1", i), c.pianocent1);
        }
        setPitch(i, 60, 0);
    }
    setPitch(1, 67, 0);
    EXPECT_EQ(text("centfark"), "700");
    EXPECT_EQ(text("reeloran"), QString::fromStdString(localised("1.498326")));
    setPitch(0, 67, 0);
    setPitch(1, 60, 0);
    EXPECT_EQ(text("centfark"), "700");
    EXPECT_EQ(text("reeloran"), QString::fromStdString(localised(".667412")));
}

TEST_F(Form1Test, KeysMoveTheBarsAsTheirArrowsDo) {
    // Right and Up once lowered a slider, Left and Down raised it.
    findFraction("1.41421/1"); // 41 rows: the list bar shows
    struct Case {
        const char* name;
        const char* bar;
        int from;
        Qt::Key key;
        double clickAt; // along the bar: the arrows at its ends, the groove near them
        int to;
    };
    const Case cases[] = {
        {"Right, semitones", "HScroll1(0)", 60, Qt::Key_Right, 0.98, 61},
        {"Left, semitones", "HScroll1(0)", 60, Qt::Key_Left, 0.02, 59},
        {"Up, cents", "HScroll2(1)", 0, Qt::Key_Up, 0.02, -1},
        {"Down, cents", "HScroll2(1)", 0, Qt::Key_Down, 0.98, 1},
        {"Page Down, cents", "HScroll2(0)", 10, Qt::Key_PageDown, 0.9, 11},
        {"Page Up, semitones", "HScroll1(1)", 60, Qt::Key_PageUp, 0.1, 59},
        {"Down, list", "VScroll1", 5, Qt::Key_Down, 0.99, 6},
        {"Up, list", "VScroll1", 5, Qt::Key_Up, 0.01, 4},
        {"Right, list", "VScroll1", 5, Qt::Key_Right, 0.99, 6},
        {"Page Up, list", "VScroll1", 5, Qt::Key_PageUp, 0.05, 4},
    };
    // What the window shows, to be the same after a key as after the click.
    const auto shown = [this] {
        QStringList texts;
        for (const char* name : {"midicent1(0)", "sapma1(0)", "midicent1(1)", "sapma1(1)"})
            texts << text(name);
        texts << text("centfark") << text("reeloran");
        return std::pair(texts, picture()->image());
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QScrollBar* bar = scroll(c.bar);
        const QPoint at = bar->orientation() == Qt::Horizontal
                              ? QPoint(int(c.clickAt * bar->width()), bar->height() / 2)
                              : QPoint(bar->width() / 2, int(c.clickAt * bar->height()));
        bar->setValue(c.from);
        QTest::mouseClick(bar, Qt::LeftButton, {}, at);
        ASSERT_EQ(bar->value(), c.to);
        const auto afterClick = shown();
        bar->setValue(c.from);
        QTest::keyClick(bar, c.key);
        EXPECT_EQ(bar->value(), c.to);
        EXPECT_EQ(shown(), afterClick);
        bar->setValue(c.from);
    }
}

TEST_F(Form1Test, ReadoutsShowTheirWholeValue) {
    // 1.00000002004088E+20 once showed as "1.0000000200", which reads as about 1.
    const char* const readouts[] = {"sapma1(0)",   "Herz1(0)",      "midicent1(0)", "midino1(0)",
                                    "midikey1(0)", "pianocent1(0)", "pianono1(0)",  "pianokey1(0)",
                                    "sapma1(1)",   "Herz1(1)",      "midicent1(1)", "midino1(1)",
                                    "midikey1(1)", "pianocent1(1)", "pianono1(1)",  "pianokey1(1)",
                                    "centfark",    "reeloran",      "reoran"};
    struct Case {
        const char* name;
        int semitones0, cents0, semitones1, cents1;
        const char* fraction;
        const char* reoran;
    };
    const Case cases[] = {
        {"lowest against highest", 0, -49, 127, 50, "100000000000000000000/1",
         " 1.00000002004088E+20"},
        {"highest against lowest", 127, 50, 0, -49, "340282346638528859811704183484516925440/1",
         " 3.40282346638529E+38"},
        {"a tiny fraction", 108, 50, 20, 50, "1/30000000000", "3.333333E-11"},
        {"a long fraction", 60, -1, 61, 1, "1234567/7", " 176366.71875"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setPitch(0, c.semitones0, c.cents0);
        setPitch(1, c.semitones1, c.cents1);
        findFraction(c.fraction);
        // Too small for "###.######", the ratio is written by the number-to-text rule.
        const bool exponent = std::string_view(c.reoran).find("E-") != std::string_view::npos;
        ASSERT_EQ(text("reoran"),
                  QString::fromStdString(exponent ? localised(c.reoran) : c.reoran));
        for (const char* name : readouts) {
            SCOPED_TRACE(name);
            QLabel* l = get<QLabel>(name);
            EXPECT_FALSE(l->text().isEmpty());
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
                << l->text().toStdString();
        }
        // The list: every character of the first page, nothing running into the right edge.
        qsizetype characters = 0;
        for (std::size_t n = 0; n < std::min<std::size_t>(form.results().size(), 29); ++n)
            for (const std::string& item : rowItems(form.results().at(n)))
                characters += QString::fromStdString(item).remove(' ').size();
        const QImage& list = picture()->image();
        EXPECT_EQ(platform::testing::marksOf(list, qRgb(255, 0, 0)).size(),
                  std::size_t(characters));
        for (int y = 0; y < list.height(); ++y)
            ASSERT_EQ(picture()->point(list.width() - 1, y), platform::white) << "row " << y;
    }
}

TEST_F(Form1Test, BadFractionsGetTheirMessages) {
    findFraction("3/2");
    const QImage before = picture()->image();
    struct Case {
        const char* name;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"no slash", "32", noSlashMessage},
        {"letters", "abc/2", badFractionMessage},
        {"no denominator", "3/", badFractionMessage},
        {"zero", "0/4", badFractionMessage},
        {"negative", "-3/2", badFractionMessage},
        {"negative denominator", "3/-2", badFractionMessage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::MessageRecorder recorder;
        findFraction(c.text);
        EXPECT_EQ(recorder.messages, QStringList{QString::fromUtf8(c.message)});
        EXPECT_EQ(get<QLineEdit>("kesir_kutusu")->text(), "");
        EXPECT_EQ(picture()->image(), before);
        EXPECT_EQ(text("reoran"), " 1.5");
    }
}

TEST_F(Form1Test, FractionFinderListsInRed) {
    struct Case {
        const char* name;
        const char* fraction;
        const char* reoran;
        std::size_t rows;
    };
    const Case cases[] = {
        {"3/2", "3/2", " 1.5", 1},
        {"comma ends the numerator", "3,5/2", " 1.5", 1},
        {"7/4", "7/4", " 1.75", 1},
        {"3/4", "3/4", " .75", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::MessageRecorder recorder;
        findFraction(c.fraction);
        EXPECT_TRUE(recorder.messages.isEmpty());
        EXPECT_EQ(text("reoran"), c.reoran);
        EXPECT_EQ(form.results().size(), c.rows);
        EXPECT_EQ(form.results().at(0).centhata, 0); // measured on the typed ratio
        EXPECT_FALSE(scroll("VScroll1")->isVisible());
        EXPECT_GT(pixelsOf(red), 0);
        EXPECT_EQ(pixelsOf(blue), 0);
        EXPECT_EQ(picture()->image(), expectedList(1, c.rows, 1, red));
    }
}

TEST_F(Form1Test, PrintedRowsShowEveryCharacter) {
    // The point after a "1" once vanished into the 1's foot: 3/2 showed 15, 238/159 1496855.
    struct Case {
        const char* name;
        std::function<void()> search;
        platform::Colour colour;
    };
    const Case cases[] = {
        {"3/2 from the fraction", [this] { findFraction("3/2"); }, red},
        {"238/159 from the pitches 6000 and 6700",
         [this] {
             setPitch(1, 67, 0);
             click("oranla");
         },
         blue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.search();
        QString row;
        for (const std::string& item : rowItems(form.results().at(0)))
            row += QString::fromStdString(item);
        // The first line of the list, printed from the top (1).
        const int lineBottom = int(1 + picture()->textHeight());
        const QImage line = picture()->image().copy(0, 0, picture()->image().width(), lineBottom);
        const platform::Colour k = c.colour;
        platform::testing::expectEveryCharacterVisible(
            line, row, qRgb(platform::redOf(k), platform::greenOf(k), platform::blueOf(k)));
    }
}

TEST_F(Form1Test, OneOverOneChangesOnlyTheLabel) {
    findFraction("7/4");
    const QImage before = picture()->image();
    findFraction("1/1");
    EXPECT_EQ(text("reoran"), " 1");
    EXPECT_EQ(picture()->image(), before);
    EXPECT_EQ(form.results().size(), 1u);
}

TEST_F(Form1Test, ToleranceGuards) {
    struct Case {
        const char* name;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"0.01 stays", "0.01", "0.01"},
        {"0.011", "0.011", "0.001"},
        {"zero", "0", "0.001"},
        {"comma reads as 0", "0,005", "0.001"},
        {"0.005 stays", "0.005", "0.005"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        findFraction("3/2", c.typed);
        EXPECT_EQ(get<QLineEdit>("Text1")->text(), c.shown);
        type("Text2", c.typed);
        setPitch(1, 64, 0);
        click("oranla");
        EXPECT_EQ(get<QLineEdit>("Text2")->text(), c.shown);
    }
}

TEST_F(Form1Test, LongListPagesThirtyRowsFromTheScrollPosition) {
    findFraction("1.41421/1");
    ASSERT_EQ(form.results().size(), 41u);
    QScrollBar* bar = scroll("VScroll1");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->minimum(), 1);
    EXPECT_EQ(bar->maximum(), 12);
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(picture()->image(), expectedList(1, 29, 1, red));

    for (int p : {5, 12, 1}) {
        SCOPED_TRACE(p);
        bar->setValue(p);
        EXPECT_EQ(picture()->image(), expectedList(std::size_t(p), std::size_t(p) + 29, 0, red));
    }

    // A short list after a scrolled long one hides the bar; the next long list starts at row 1.
    bar->setValue(12);
    findFraction("3/2");
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(picture()->image(), expectedList(1, 1, 1, red));
    findFraction("1.41421/1");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->value(), 1);
    EXPECT_EQ(picture()->image(), expectedList(1, 29, 1, red));
}

TEST_F(Form1Test, ThirtyRowsCanStillReachTheLast) {
    findFraction("1335/1000");
    ASSERT_EQ(form.results().size(), 30u);
    QScrollBar* bar = scroll("VScroll1");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 2);
    EXPECT_EQ(picture()->image(), expectedList(1, 29, 1, red));
    bar->setValue(2);
    EXPECT_EQ(picture()->image(), expectedList(2, 30, 0, red));
}

TEST_F(Form1Test, ListBeyondSixteenBitsScrollsToItsLastRow) {
    // 457892 rows: a 16-bit scroll maximum would hide all but the first 32796.
    findFraction("9999/10000", "0.01");
    const std::size_t rows = form.results().size();
    ASSERT_GT(rows, 32796u);
    QScrollBar* bar = scroll("VScroll1");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), static_cast<int>(rows - 29));
    bar->setValue(bar->maximum());
    EXPECT_EQ(picture()->image(), expectedList(rows - 29, rows, 0, red));
}

TEST_F(Form1Test, RatioFinderListsInBlue) {
    struct Case {
        const char* name;
        int first, second;
        std::size_t rows;
        int maximum;                 // 0: no scroll bar
        std::vector<int> firstCents; // measured on the pitches the sliders set
    };
    const Case cases[] = {
        {"6000 and 6400", 60, 64, 6, 0, {1, 1, 0, 0, 0, 0}},
        {"6000 and 6700", 60, 67, 71, 42, {2, 2, 2, 2, 2, 1}},
        {"6000 and 7200", 60, 72, 1, 0, {0}},
        {"6000 and 5800: the walk ends at denominator 1000 (14 rows at 10000)", 60, 58, 8, 0, {}},
        {"6700 and 6000", 67, 60, 71, 42, {2, 2, 2, 2, 2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setPitch(0, c.first, 0);
        setPitch(1, c.second, 0);
        click("oranla");
        EXPECT_EQ(form.results().size(), c.rows);
        for (std::size_t i = 0; i < c.firstCents.size() && i < form.results().size(); ++i)
            EXPECT_EQ(form.results().at(i).centhata, c.firstCents[i]) << "row " << i + 1;
        EXPECT_EQ(scroll("VScroll1")->isVisible(), c.maximum > 0);
        if (c.maximum > 0) {
            EXPECT_EQ(scroll("VScroll1")->maximum(), c.maximum);
        }
        EXPECT_GT(pixelsOf(blue), 0);
        EXPECT_EQ(pixelsOf(red), 0);
        EXPECT_EQ(picture()->image(), expectedList(1, std::min<std::size_t>(c.rows, 29), 1, blue));
    }
    // Paging keeps the colour of the list.
    scroll("VScroll1")->setValue(3);
    EXPECT_EQ(picture()->image(), expectedList(3, 32, 0, blue));
    // The fraction button turns the list red again.
    findFraction("7/4");
    EXPECT_EQ(picture()->image(), expectedList(1, 1, 1, red));
}

TEST_F(Form1Test, EqualPitchesDoNothing) {
    findFraction("1.41421/1");
    const QImage before = picture()->image();
    click("oranla");
    EXPECT_EQ(picture()->image(), before);
    EXPECT_EQ(form.results().size(), 41u);
    EXPECT_TRUE(scroll("VScroll1")->isVisible());
}

TEST_F(Form1Test, HiddenSelfCheck) {
    platform::MessageRecorder recorder;
    QMetaObject::invokeMethod(get<QPushButton>("Command1"), "click");
    // The single cent step makes A above middle C a hair flat; the round trip gives its cents back.
    ASSERT_EQ(recorder.messages.size(), 2);
    EXPECT_EQ(recorder.messages[0], QString::fromStdString(localised("439.999990775571")));
    EXPECT_EQ(recorder.messages[1], "6900");
}

class ListActionsTest : public Form1Test {
protected:
    ListActionsTest() {
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    QAction* action(const char* name) { return get<QAction>(name); }
    /** A key pressed where the focus is, as a user would. */
    void press(QWidget* focus, Qt::Key key) {
        focus->setFocus();
        QTest::keyClick(focus, key, Qt::ControlModifier);
    }
    static QByteArray contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static std::string expectedText(const Sonuclar& rows, RowFormat format) {
        std::string text;
        writeRows(rows, format, [&](std::string_view block, std::size_t) {
            text += block;
            return true;
        });
        return text;
    }
    QTemporaryDir dir;
};

TEST_F(ListActionsTest, InTheListsContextMenuOnceItHasRows) {
    QAction* copy = action("actionCopyRows");
    QAction* save = action("actionSaveRows");
    EXPECT_EQ(picture()->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(picture()->actions(), (QList<QAction*>{copy, save}));
    EXPECT_EQ(copy->text(), "Satırları kopyala");
    EXPECT_EQ(save->text(), "Satırları kaydet…");
    EXPECT_EQ(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    EXPECT_EQ(save->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_FALSE(copy->isEnabled()) << "nothing listed yet";
    EXPECT_FALSE(save->isEnabled());
    findFraction("3/2");
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_TRUE(save->isEnabled());
}

TEST_F(ListActionsTest, CtrlCOnTheListCopiesEveryRowNotJustThePage) {
    findFraction("1.41421/1"); // 41 rows, 29 on the first page
    QApplication::clipboard()->setText("before");
    press(picture(), Qt::Key_C);
    const QString copied = QApplication::clipboard()->text();
    const QStringList lines = copied.split('\n');
    ASSERT_EQ(lines.size(), 41 + 2) << "a header, a line a row, and the last line ended";
    EXPECT_EQ(lines.front(), "rasy. oran\treel karşılığı\tcent hata\t% hata");
    EXPECT_EQ(lines[1], QString::fromStdString(localised("41  /  29\t1.413793\t1\t.00029478")));
    EXPECT_EQ(lines[41], QString::fromStdString(localised("239  /  169\t1.414201\t0\t.00000624")));
    EXPECT_EQ(copied.toStdString(), expectedText(form.results(), RowFormat::Tsv));

    // Elsewhere the keys keep their own meaning: a text box copies its text.
    auto* box = get<QLineEdit>("kesir_kutusu");
    box->setText("7/4");
    box->selectAll();
    press(box, Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), "7/4");
}

TEST_F(ListActionsTest, SaveWritesTheRowsAsCsv) {
    findFraction("1.41421/1");
    chooserAnswer = dir.filePath("kesirler.csv");
    press(picture(), Qt::Key_S);
    ASSERT_EQ(chooserTitles,
              QStringList{"Satırları kaydet | CSV dosyaları (*.csv);;Tüm dosyalar (*)"});
    const QByteArray saved = contents(chooserAnswer);
    EXPECT_EQ(saved.toStdString(), expectedText(form.results(), RowFormat::Csv));
    EXPECT_EQ(saved.count("\r\n"), 42);

    // A cancelled dialog leaves the file as it was.
    findFraction("3/2");
    chooserAnswer.clear();
    action("actionSaveRows")->trigger();
    EXPECT_EQ(contents(dir.filePath("kesirler.csv")), saved);
}

TEST_F(ListActionsTest, FailedSaveNamesTheFileAndLeavesNoneBehind) {
    findFraction("3/2");
    // A folder that cannot be written to, even by an administrator: it is a file.
    QFile notAFolder(dir.filePath("liste"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    chooserAnswer = dir.filePath("liste/kesirler.csv");
    platform::MessageRecorder recorder;
    action("actionSaveRows")->trigger();
    ASSERT_EQ(recorder.messages.size(), 1);
    const QString message = recorder.messages.front();
    EXPECT_TRUE(message.startsWith("\"" + QDir::toNativeSeparators(chooserAnswer) +
                                   "\" dosyası kaydedilemedi: dosya açılamadı ("))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith(")"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"liste"});
}

TEST_F(ListActionsTest, AboveAMillionRowsCopyingOffersTheSaveInstead) {
    findFraction("9999999/100000", "0.01"); // 50,005,000 rows
    ASSERT_EQ(form.results().size(), 50'005'000u);
    QApplication::clipboard()->setText("before");
    platform::MessageRecorder recorder;
    press(picture(), Qt::Key_C); // the save dialog is cancelled
    EXPECT_EQ(recorder.messages,
              QStringList{"Listede 50005000 satır var; panoya en çok 1000000 satır "
                          "kopyalanabilir. Satırları bir dosyaya kaydedin."});
    EXPECT_EQ(chooserTitles.size(), 1) << "the save is offered";
    EXPECT_EQ(QApplication::clipboard()->text(), "before");
}

} // namespace
} // namespace bexaro
