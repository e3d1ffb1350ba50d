// How the window takes what the user sets: its option groups, values typed with
// the regional separator, settings that can list nothing or cannot sound, and
// the strip following the keyboard's focus.

#include "frm_cns.h"
#include "message_box.h"
#include "numbers.h"
#include "separator.h"
#include "twips.h"
#include "window_fixture.h"

#include <QDir>
#include <QImage>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace genus {
namespace {

QString localised(const char* text) {
    return QString::fromStdString(runtime::testing::localised(text));
}

TEST_F(Window, EachOptionGroupKeepsExactlyOneOptionSet) {
    struct Way {
        const char* name;
        std::function<void(QRadioButton*)> press;
    };
    const Way ways[] = {
        {"mouse",
         [](QRadioButton* b) {
             QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
         }},
        {"click()", [](QRadioButton* b) { b->click(); }},
        {"space bar", [](QRadioButton* b) { QTest::keyClick(b, Qt::Key_Space); }},
    };
    const std::vector<std::vector<const char*>> groups = {{"opbSmg(0)", "opbSmg(1)", "opbSmg(2)"},
                                                          {"obpDil(0)", "obpDil(1)"}};
    for (const Way& way : ways) {
        for (const auto& group : groups) {
            SCOPED_TRACE(std::string(way.name) + " on " + group.front());
            SetUp();
            // The option set at start first, then each one twice.
            std::vector<const char*> presses = {group.front()};
            for (const char* option : group)
                presses.insert(presses.end(), {option, option});
            for (const char* pressed : presses) {
                SCOPED_TRACE(pressed);
                way.press(get<QRadioButton>(pressed));
                for (const char* option : group)
                    EXPECT_EQ(get<QRadioButton>(option)->isChecked(),
                              std::string(option) == pressed)
                        << option;
            }
        }
    }
    // With the set system pressed again its symbols are built, not those of the last option.
    SetUp();
    click("opbSmg(0)");
    click("cmdBsl");
    EXPECT_EQ(box("txbSmg(1)")->text(), "S ");
}

// The value texts the strip makes are written with "."; a minimum typed with the regional
// separator joins them, so the strip and the list read alike under either separator.
TEST_F(Window, MinimumTypedWithTheRegionalSeparatorGivesTheLinesOfThePoint) {
    type("txbMin", localised("3.5"));
    createAndCompute();
    ASSERT_GT(lines(), 0);
    EXPECT_EQ(box("txbKma(0)")->text(), "3.5");
    EXPECT_EQ(box("txbKma(1)")->text(), "4.5");
    EXPECT_EQ(box("txbKma(2)")->text(), "5.5");
    QStringList shown;
    for (int row = 0; row < lines(); ++row)
        shown << line(row);
    EXPECT_TRUE(shown.filter(" 3.5 + 5.5 + 12.5\t").size() == 1) << shown.join('\n').toStdString();

    runtime::testing::ScopedSeparator point('.');
    FrmCns underPoint(&sound);
    auto* min = underPoint.findChild<QLineEdit*>("txbMin");
    min->clear();
    QTest::keyClicks(min, "3.5");
    underPoint.findChild<QPushButton*>("cmdBsl")->click();
    underPoint.findChild<QPushButton*>("cmdHsp")->click();
    const QAbstractItemModel* model = underPoint.findChild<QListView*>("lsbSnc")->model();
    QStringList expected;
    for (int row = 0; row < model->rowCount(); ++row)
        expected << model->data(model->index(row, 0)).toString();
    EXPECT_EQ(shown, expected);
}

TEST_F(Window, SettingsThatListNothingSaySoOverTheEmptyList) {
    struct Case {
        const char* name;
        const char* box;
        const char* text;
        bool english;
        const char* says;
    };
    const Case cases[] = {
        {"empty span", "txbAra", "", false, "Bölünecek Aralığın Genişliği bir sayı olmalı."},
        {"span with a word after it", "txbAra", "22 koma", false,
         "Bölünecek Aralığın Genişliği bir sayı olmalı."},
        {"limit not a number", "txbYsk", "x", false,
         "Ardarda Gelebilecek En Küçük Aralık bir sayı olmalı."},
        {"limit in English", "txbYsk", "x", true,
         "Possible Consecutive Smallest Interval must be a number."},
        {"span with a fraction", "txbAra", "22.5", false,
         "Bölünecek Aralığın Genişliği tam sayı olmalı: aralıkların toplamı hep tam sayıya "
         "yuvarlanır."},
        {"span beyond every genus", "txbAra", "200", false,
         "Bu ayarlara uyan cins yok. Bölünecek aralığın genişliğini, ardarda gelebilecek en küçük "
         "aralığı ya da seçili aralıkları değiştirin."},
        {"limit above every size, in English", "txbYsk", "13", true,
         "No genus fits these settings. Change the interval size to be divided, the possible "
         "consecutive smallest interval or the included intervals."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        if (c.english)
            click("obpDil(1)");
        type(c.box, localised(c.text));
        platform::MessageRecorder messages;
        createAndCompute();
        EXPECT_TRUE(messages.messages.isEmpty());
        const State s = state();
        EXPECT_FALSE(s.create);
        EXPECT_TRUE(s.compute);
        EXPECT_FALSE(s.play);
        EXPECT_EQ(s.lines, 0);
        EXPECT_EQ(list()->property("placeholderText").toString(), QString::fromUtf8(c.says));
    }
}

TEST_F(Window, EmptyListTextIsPaintedInTheWindowsLanguageUntilAReset) {
    const auto inkOf = [this] {
        const QImage image = list()->viewport()->grab().toImage();
        const QRgb ground = image.pixel(image.width() - 1, image.height() - 1);
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += image.pixel(x, y) != ground ? 1 : 0;
        return ink;
    };
    const int blank = inkOf();
    type("txbAra", "200");
    createAndCompute();
    EXPECT_GT(inkOf(), blank + 100);

    click("obpDil(1)");
    EXPECT_TRUE(list()->property("placeholderText").toString().startsWith("No genus fits"));
    type("txbAra", "22");
    EXPECT_EQ(list()->property("placeholderText").toString(), "");
    EXPECT_EQ(inkOf(), blank);
    createAndCompute();
    EXPECT_EQ(lines(), 57);
}

TEST_F(Window, TonicThatCannotSoundIsRefusedBeforeAnythingIsWrittenOrPlayed) {
    const char* const notAbove0 = "Karar Sesi (Hz) 0'dan büyük bir sayı olmalı.";
    const char* const tooHigh = "Bu karar sesiyle cinsin perdeleri 22050 Hz'in üstüne çıkıyor ve "
                                "doğru çalınamaz. Daha pes bir karar sesi girin.";
    struct Case {
        const char* name;
        const char* tonic;
        bool english;
        const char* message;
    };
    const Case cases[] = {
        {"negative", "-5", false, notAbove0},
        {"zero", "0", false, notAbove0},
        {"not a number", "abc", false, notAbove0},
        {"in English", "0", true, "Tonic Frequency (Hz) must be a number above 0."},
        {"above half the sample rate", "30000", false, tooHigh},
        {"only the top pitch too high", "20000", false, tooHigh},
        {"far above", "1E+20", false, tooHigh},
        {"too high in English", "30000", true,
         "With this tonic the pitches of the genus go above 22050 Hz and cannot be played true. "
         "Enter a lower tonic frequency."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        if (c.english)
            click("obpDil(1)");
        createAndCompute();
        selectLine(3);
        type("txbKrr", localised(c.tonic));
        platform::MessageRecorder messages;
        click("cmdCal");
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages.first(), QString::fromUtf8(c.message));
        EXPECT_TRUE(sound.played.empty());
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
        EXPECT_FALSE(w->findChild<QTimer*>("Tmr")->isActive());
    }
}

// The focus reaches a column the strip does not show by Tab or by a shortcut of the platform;
// the strip scrolls to show the whole column.
TEST_F(Window, FocusInAColumnOutOfViewScrollsTheStripToIt) {
    selectStep("0.25");
    click("cmdBsl");
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    auto* bar = get<QScrollBar>("hsb");
    const QWidget* strip = get<QWidget>("pcbIc");
    const int viewLeft = platform::twipsToPixels(600);
    const int viewRight = get<QWidget>("pcbDis")->width();
    const auto inView = [&](int column) {
        const QWidget* value = box(QStringLiteral("txbKma(%1)").arg(column));
        return strip->x() + value->x() >= viewLeft &&
               strip->x() + value->geometry().right() < viewRight;
    };
    ASSERT_TRUE(inView(18));
    ASSERT_FALSE(inView(19));

    struct Case {
        const char* name;
        std::function<void()> move;
        int column;
    };
    const Case cases[] = {
        {"Tab from the last column in view",
         [this] {
             get<QWidget>("chbVar(18)")->setFocus(Qt::TabFocusReason);
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
         },
         19},
        {"a symbol box far right", [this] { box("txbSmg(30)")->setFocus(); }, 30},
        {"the last include box", [this] { get<QWidget>("chbVar(36)")->setFocus(); }, 36},
        {"back to the first column", [this] { box("txbKma(0)")->setFocus(); }, 0},
        {"Shift+Tab from the scroll bar",
         [this, bar] {
             bar->setValue(0);
             bar->setFocus(Qt::TabFocusReason);
             QTest::keyClick(bar, Qt::Key_Backtab, Qt::ShiftModifier);
         },
         36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.move();
        EXPECT_TRUE(inView(c.column)) << "scroll value " << bar->value();
    }
    box("txbKma(0)")->setFocus();
    EXPECT_EQ(strip->x(), viewLeft); // the first column at the left edge
}

// A value wider than its box shows its first digits; a tail such as "499935233" of the tonic
// would read as another number.
TEST_F(Window, BoxesShowTheBeginningOfLongNumbers) {
    type("txbMin", "4.123456");
    selectStep("4.50");
    click("cmdBsl");
    ASSERT_EQ(w->lastIndex(), 2);
    for (int a = 0; a <= 2; ++a) {
        SCOPED_TRACE(a);
        const QLineEdit* value = box(QStringLiteral("txbKma(%1)").arg(a));
        EXPECT_GT(value->fontMetrics().horizontalAdvance(value->text()), value->width());
        EXPECT_EQ(value->cursorPosition(), 0);
    }
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    box("txbKrr")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(box("txbKrr")->cursorPosition(), box("txbKrr")->text().size());
    QTest::keyClick(box("txbKrr"), Qt::Key_Tab);
    EXPECT_EQ(box("txbKrr")->cursorPosition(), 0);
    EXPECT_EQ(box("txbKrr")->text(), "261.6255653005986346778499935233");
}

// The tab of a line is shown as blanks to a whole character column, so the symbols never run
// into the last interval ("12.58B S A+"); the line the player reads keeps its tab.
TEST_F(Window, ListShowsTheSymbolsApartFromTheIntervals) {
    selectStep("0.33");
    click("chb_nil(0)");
    click("chb_nil(2)");
    createAndCompute();
    ASSERT_GT(lines(), 1000);
    const QAbstractItemDelegate* delegate = list()->itemDelegate();
    const auto* styled = qobject_cast<const QStyledItemDelegate*>(delegate);
    ASSERT_NE(styled, nullptr);
    for (int row = 0; row < lines(); ++row) {
        const QString text = line(row);
        const QString shown = styled->displayText(text, QLocale());
        const qsizetype tab = text.indexOf('\t');
        const QString symbols = text.mid(tab + 1);
        ASSERT_FALSE(shown.contains('\t')) << row;
        ASSERT_TRUE(shown.endsWith(symbols)) << row;
        const qsizetype at = shown.size() - symbols.size();
        ASSERT_EQ(shown.left(tab), text.left(tab)) << row;
        ASSERT_GT(at, tab) << row;
        ASSERT_EQ(at % 8, 0) << shown.toStdString();
        ASSERT_EQ(shown.mid(tab, at - tab).trimmed(), "") << row;
    }
}

} // namespace
} // namespace genus
