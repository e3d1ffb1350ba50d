#include "frm_cns.h"
#include "message_box.h"
#include "numbers.h"
#include "separator.h"
#include "sound_output.h"
#include "twips.h"
#include "window_fixture.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace genus {
namespace {

TEST_F(Window, OpensWithTheInitialSettings) {
    EXPECT_EQ(w->windowTitle(), "Quenlo");
    EXPECT_EQ(w->size(), QSize(713, 385));
    const State s = state();
    EXPECT_TRUE(s.create);
    EXPECT_FALSE(s.compute);
    EXPECT_FALSE(s.play);
    EXPECT_EQ(s.lines, 0);
    EXPECT_EQ(w->lastIndex(), 0);

    struct Text {
        const char* control;
        const char* text;
    };
    const Text texts[] = {
        {"lKma", "Koma : "},
        {"lSmg", "Simge : "},
        {"lVar", "Var : "},
        {"lKrS", "Karar Sesi (Hz): "},
        {"lADg", "Aralık Değerleri (Koma)"},
        {"lArd", "Ardarda Gelebilecek En Küçük Aralık:"},
        {"lPSr", "Her Bir Perdenin Süresi (Sn):"},
    };
    for (const Text& t : texts) {
        SCOPED_TRACE(t.control);
        EXPECT_EQ(get<QLabel>(t.control)->text(), QString::fromUtf8(t.text));
    }
    const Text boxes[] = {{"txbMin", "4"},   {"txbMax", "13"},
                          {"txbYsk", "5"},   {"txbAra", "22"},
                          {"txbSre", "1"},   {"txbKrr", "261.6255653005986346778499935233"},
                          {"txbKma(0)", ""}, {"txbSmg(0)", ""}};
    for (const Text& t : boxes) {
        SCOPED_TRACE(t.control);
        EXPECT_EQ(box(t.control)->text(), t.text);
    }
    EXPECT_EQ(button("cmdBsl")->text(), "Oluştur");
    EXPECT_EQ(button("cmdCal")->text(), "Çal");
    EXPECT_EQ(get<QListWidget>("lsbAr")->count(), 27);
    EXPECT_EQ(get<QListWidget>("lsbAr")->currentItem()->text(), "1.00");
    EXPECT_TRUE(get<QCheckBox>("chb_nil(1)")->isChecked());
    EXPECT_FALSE(get<QCheckBox>("chb_nil(0)")->isChecked());
    EXPECT_TRUE(get<QCheckBox>("chbVar(0)")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("opbSmg(0)")->isChecked());
    EXPECT_TRUE(get<QRadioButton>("obpDil(0)")->isChecked());
    EXPECT_TRUE(get<QCheckBox>("chbYaz")->isChecked());
    EXPECT_TRUE(get<QCheckBox>("chbYaz")->isHidden());
    EXPECT_TRUE(get<QScrollBar>("hsb")->isHidden());
    auto* timer = w->findChild<QTimer*>("Tmr");
    ASSERT_NE(timer, nullptr);
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_EQ(QFontInfo(list()->font()).pointSize(), 9);
    EXPECT_TRUE(QFontInfo(list()->font()).fixedPitch());
    EXPECT_TRUE(get<QLabel>("lPrA")->font().bold());
    EXPECT_EQ(get<QLabel>("lPrA")->font().pointSize(), 12);
}

TEST_F(Window, ControlsStandAtTheirPlaces) {
    struct Place {
        const char* control;
        int left, top, width, height;
    };
    const Place places[] = {
        {"pcbDis", 30, 30, 10635, 1305},       {"pcbIc", 660, 0, 10605, 1035},
        {"hsb", 630, 1020, 9915, 195},         {"txbKma(0)", 0, 60, 465, 315},
        {"chbVar(0)", 150, 780, 165, 225},     {"txbMin", 1410, 1830, 405, 285},
        {"lsbAr", 5430, 1860, 765, 255},       {"opbSmg(1)", 1980, 3060, 2505, 255},
        {"chb_nil(2)", 2430, 3930, 1245, 255}, {"txbKrr", 1770, 4920, 795, 285},
        {"Fme", 5040, 3570, 1155, 885},        {"obpDil(1)", 150, 540, 885, 225},
        {"cmdCal", 2280, 5280, 1095, 480},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.control);
        EXPECT_EQ(get<QWidget>(p.control)->geometry(),
                  platform::twipRect(p.left, p.top, p.width, p.height));
    }
    // The list's width follows the window: its outer width less its left and 240.
    EXPECT_EQ(list()->x(), platform::twipsToPixels(6300));
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    w->resize(900, 385);
    const int outer = w->frameGeometry().width() * 15;
    EXPECT_GE(outer, 900 * 15);
    EXPECT_EQ(list()->width(), platform::twipsToPixels(outer - 6300 - 240));
    w->resize(300, 385);
    EXPECT_EQ(list()->width(), 0);
}

// Tab as the user presses it: every control that takes the focus, in the order of the tab
// indices, the strip's further columns after column 0, then round to the first again. Disabled
// buttons and a hidden scroll bar are passed over; an option group is one stop, its set option
// (the arrow keys move within it).
TEST_F(Window, TabVisitsTheControlsInTheirOrder) {
    struct Case {
        const char* name;
        std::function<void(const Window&)> prepare;
        int columns;
    };
    const Case cases[] = {
        {"at start", [](const Window&) {}, 1},
        {"quarter komas computed",
         [](const Window& t) {
             t.click("opbSmg(2)");
             t.click("obpDil(1)");
             t.selectStep("0.25");
             t.createAndCompute();
         },
         37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.prepare(*this);
        QStringList order = {"txbMin", "txbMax",     "cmdBsl",     "txbYsk",     "txbAra",
                             "lsbSnc", "chb_nil(0)", "chb_nil(1)", "chb_nil(2)", "cmdHsp",
                             "txbKrr", "cmdCal",     "opbSmg(0)",  "opbSmg(1)",  "opbSmg(2)"};
        for (int a = 0; a < c.columns; ++a)
            order << QStringLiteral("txbKma(%1)").arg(a) << QStringLiteral("txbSmg(%1)").arg(a)
                  << QStringLiteral("chbVar(%1)").arg(a);
        order << "hsb"
              << "txbSre"
              << "obpDil(0)"
              << "obpDil(1)"
              << "lsbAr"
              << "txbMin";
        order.removeIf([this](const QString& name) {
            const auto* control = get<QWidget>(name);
            const auto* option = qobject_cast<const QRadioButton*>(control);
            return !control->isEnabled() || control->isHidden() ||
                   (option != nullptr && !option->isChecked());
        });
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        get<QWidget>(order.first())->setFocus(Qt::TabFocusReason);
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget()->objectName().toStdString(),
                      order[i].toStdString())
                << "after " << order[i - 1].toStdString();
        }
    }
}

TEST_F(Window, CreateThenComputeListsFiftySevenTetrachords) {
    click("cmdBsl");
    EXPECT_EQ(w->lastIndex(), 9);
    EXPECT_EQ(box("txbKma(9)")->text(), "13");
    EXPECT_EQ(box("txbSmg(9)")->text(), "A+");
    State s = state();
    EXPECT_FALSE(s.create);
    EXPECT_TRUE(s.compute);
    EXPECT_FALSE(s.play);
    EXPECT_EQ(s.lines, 0);

    click("cmdHsp");
    s = state();
    EXPECT_FALSE(s.create);
    EXPECT_TRUE(s.compute);
    EXPECT_TRUE(s.play);
    EXPECT_EQ(s.lines, 57);
    EXPECT_EQ(w->genusCount(), 57);
    EXPECT_EQ(list()->currentIndex().row(), 0);
    EXPECT_EQ(line(0), "  1)  4 +  6 + 12\tB S A ");
    EXPECT_EQ(line(56), " 57) 12 +  6 +  4\tA S B ");
}

TEST_F(Window, ComputingNothingKeepsPlayDisabled) {
    click("cmdBsl");
    type("txbAra", "200");
    click("cmdBsl");
    click("cmdHsp");
    const State s = state();
    EXPECT_FALSE(s.create);
    EXPECT_TRUE(s.compute);
    EXPECT_FALSE(s.play);
    EXPECT_EQ(s.lines, 0);
}

TEST_F(Window, EveryEventResetsAsItsRuleSays) {
    struct Case {
        const char* name;
        std::function<void(const Window&)> act;
        State after;
    };
    const State kept{false, true, true, 57};
    const State changed{true, false, false, 0};
    const Case cases[] = {
        {"typing a tonic keeps the list", [](const Window& t) { t.type("txbKrr", "440"); }, kept},
        {"an include box keeps the list", [](const Window& t) { t.click("chbVar(3)"); }, kept},
        {"the language keeps the list", [](const Window& t) { t.click("obpDil(1)"); }, kept},
        {"typing a span clears", [](const Window& t) { t.type("txbAra", "21"); }, changed},
        {"typing a minimum clears", [](const Window& t) { t.type("txbMin", "3"); }, changed},
        {"typing a maximum clears", [](const Window& t) { t.type("txbMax", "12"); }, changed},
        {"typing a limit clears", [](const Window& t) { t.type("txbYsk", "4"); }, changed},
        {"a column value clears", [](const Window& t) { t.type("txbKma(2)", "6.5"); }, changed},
        {"a column symbol clears", [](const Window& t) { t.type("txbSmg(2)", "C "); }, changed},
        {"a symbol system clears", [](const Window& t) { t.click("opbSmg(1)"); }, changed},
        {"a step clears", [](const Window& t) { t.selectStep("0.50"); }, changed},
        {"a genus size clears", [](const Window& t) { t.click("chb_nil(0)"); }, changed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        createAndCompute();
        ASSERT_EQ(lines(), 57);
        c.act(*this);
        const State s = state();
        EXPECT_EQ(s.create, c.after.create);
        EXPECT_EQ(s.compute, c.after.compute);
        EXPECT_EQ(s.play, c.after.play);
        EXPECT_EQ(s.lines, c.after.lines);
    }
}

TEST_F(Window, SymbolsChangeOnlyWithTheNextBuild) {
    click("cmdBsl");
    EXPECT_EQ(box("txbSmg(1)")->text(), "S ");
    click("opbSmg(2)");
    EXPECT_EQ(box("txbSmg(1)")->text(), "S ");
    click("cmdBsl");
    EXPECT_EQ(box("txbSmg(1)")->text(), "B+");
}

TEST_F(Window, UncheckingTheLastSizeBeepsAndChecksTetrachords) {
    createAndCompute();
    click("chb_nil(1)");
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(get<QCheckBox>("chb_nil(1)")->isChecked());
    EXPECT_EQ(lines(), 0);
    EXPECT_FALSE(button("cmdHsp")->isEnabled());

    click("chb_nil(0)");
    click("chb_nil(1)");
    EXPECT_EQ(beeps, 1);
    EXPECT_FALSE(get<QCheckBox>("chb_nil(1)")->isChecked());
}

TEST_F(Window, QuarterKomasFillAScrollingStrip) {
    selectStep("0.25");
    click("cmdBsl");
    EXPECT_EQ(w->lastIndex(), 36);
    EXPECT_NE(w->findChild<QLineEdit*>("txbKma(36)"), nullptr);
    EXPECT_EQ(w->findChild<QLineEdit*>("txbKma(37)"), nullptr);
    EXPECT_EQ(box("txbKma(1)")->text(), "4.25");
    EXPECT_EQ(box("txbKma(1)")->x(), platform::twipsToPixels(525));
    EXPECT_EQ(get<QCheckBox>("chbVar(2)")->x(), platform::twipsToPixels(150 + 2 * 525));
    auto* bar = get<QScrollBar>("hsb");
    EXPECT_FALSE(bar->isHidden());
    int beyond = 0;
    for (int a = 1; a <= 36; ++a)
        if (150 + 525 * a >= w->frameGeometry().width() * 15 - 600)
            ++beyond;
    EXPECT_GT(beyond, 0);
    auto* strip = get<QWidget>("pcbIc");
    EXPECT_EQ(strip->width(), platform::twipsToPixels(10605 + 525 * beyond));
    EXPECT_EQ(strip->x(), platform::twipsToPixels(660));
    bar->setValue(1050);
    EXPECT_EQ(strip->x(), platform::twipsToPixels(600 - 1050));
    bar->setValue(0);
    EXPECT_EQ(strip->x(), platform::twipsToPixels(600));
    // The far end of the scroll bar brings the last column into view.
    bar->setValue(bar->maximum());
    const QWidget* last = box("txbKma(36)");
    EXPECT_LE(strip->x() + last->geometry().right(), get<QWidget>("pcbDis")->width());
    EXPECT_GE(strip->x() + last->x(), platform::twipsToPixels(600));

    click("cmdHsp");
    EXPECT_EQ(lines(), 4001);
    EXPECT_EQ(line(999).left(6), "1000) ");

    selectStep("1.00");
    click("cmdBsl");
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(strip->width(), platform::twipsToPixels(10605));
    EXPECT_EQ(w->findChild<QLineEdit*>("txbKma(10)"), nullptr);
}

// A window made wider than the strip before the build must not leave columns out of reach.
TEST_F(Window, WideWindowStillReachesTheLastColumn) {
    struct Case {
        const char* name;
        const char* step;
        int lastIndex;
    };
    const Case cases[] = {
        {"quarter komas", "0.25", 36},
        {"thirds, no box past the window's width", "0.33", 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        w->resize(1200, 385);
        selectStep(c.step);
        click("cmdBsl");
        ASSERT_EQ(w->lastIndex(), c.lastIndex);
        auto* bar = get<QScrollBar>("hsb");
        EXPECT_FALSE(bar->isHidden());
        auto* strip = get<QWidget>("pcbIc");
        bar->setValue(bar->maximum());
        const QWidget* last = box(QStringLiteral("txbKma(%1)").arg(c.lastIndex));
        EXPECT_LE(last->geometry().right(), strip->width());
        EXPECT_LE(strip->x() + last->geometry().right(), get<QWidget>("pcbDis")->width());
    }
}

TEST_F(Window, BadSettingsAreRefusedAndTheColumnsStay) {
    click("cmdBsl");
    struct Case {
        const char* name;
        const char* box;
        const char* text;
        bool english;
        const char* message;
    };
    const Case cases[] = {
        {"minimum", "txbMin", "abc", false, "En Küçük Aralık bir sayı olmalı."},
        {"maximum", "txbMax", "", false, "En Büyük Aralık bir sayı olmalı."},
        {"maximum in English", "txbMax", "x", true, "Maximum Interval must be a number."},
        {"too many columns", "txbMax", "1000", false,
         "En çok 1000 aralık sütunu oluşturulabilir. Artım aralığını büyütün ya da en küçük ve "
         "en büyük aralığı birbirine yaklaştırın."},
        {"minimum above maximum", "txbMin", "14", false,
         "En Küçük Aralık, En Büyük Aralık'tan büyük olamaz."},
        {"minimum far above maximum", "txbMin", "1E+300", false,
         "En Küçük Aralık, En Büyük Aralık'tan büyük olamaz."},
        {"maximum below minimum in English", "txbMax", "3", true,
         "Minimum Interval cannot be above Maximum Interval."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        click("cmdBsl");
        if (c.english)
            click("obpDil(1)");
        if (std::string(c.name) == "too many columns")
            selectStep("0.25");
        type(c.box, c.text);
        platform::MessageRecorder messages;
        click("cmdBsl");
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages.first(), QString::fromUtf8(c.message));
        EXPECT_TRUE(button("cmdBsl")->isEnabled());
        EXPECT_FALSE(button("cmdHsp")->isEnabled());
        EXPECT_EQ(box("txbKma(9)")->text(), "13"); // the columns of the last build
    }
}

TEST_F(Window, DurationIsCheckedWhenTheBoxIsLeft) {
    struct Case {
        const char* name;
        const char* text;
        bool refused;
        int millis;
    };
    const Case cases[] = {
        {"half a second", "0.5", false, 500},
        {"letters", "abc", true, 1000},
        {"zero", "0", true, 1000},
        {"above a minute", "61", true, 1000},
        {"a minute", "60", false, 60000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        type("txbSre", QString::fromStdString(runtime::testing::localised(c.text)));
        platform::MessageRecorder messages;
        leaveDuration();
        EXPECT_EQ(messages.messages.size(), c.refused ? 1 : 0);
        EXPECT_EQ(w->tone().toneMillis, c.millis);
        EXPECT_EQ(w->findChild<QTimer*>("Tmr")->interval(), c.millis);
        if (c.refused) {
            EXPECT_EQ(box("txbSre")->text(), "1");
            EXPECT_EQ(messages.messages.first(),
                      QString::fromUtf8("Her Bir Perdenin Süresi (Sn) 0'dan büyük ve en çok 60 "
                                        "olan bir sayı olmalı."));
        }
    }
}

// A context menu or a switch to another program does not leave the box: a half-typed
// duration is neither refused nor applied until the focus moves to another control.
TEST_F(Window, DurationWaitsWhileTheFocusOnlyLeavesForAMenuOrAnotherWindow) {
    type("txbSre", "");
    platform::MessageRecorder messages;
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(box("txbSre"), &out);
    }
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(box("txbSre")->text(), "");
    QTest::keyClicks(box("txbSre"), QString::fromStdString(runtime::testing::localised("0.5")));
    leaveDuration();
    EXPECT_TRUE(messages.messages.isEmpty());
    EXPECT_EQ(w->tone().toneMillis, 500);
}

TEST_F(Window, LanguageSwitchesBothWays) {
    click("obpDil(1)");
    EXPECT_EQ(get<QLabel>("lKma")->text(), "Comma:");
    EXPECT_EQ(get<QLabel>("lArd")->text(), "Possible Consecutive Smallest Interval:");
    EXPECT_EQ(get<QCheckBox>("chb_nil(2)")->text(), "Pentachords");
    EXPECT_EQ(button("cmdHsp")->text(), "Compute");
    EXPECT_EQ(get<QRadioButton>("opbSmg(1)")->text(), "B S C K T A (Töre - Karadeniz)");
    click("obpDil(0)");
    EXPECT_EQ(get<QLabel>("lKma")->text(), "Koma:");
    EXPECT_EQ(get<QLabel>("lKrS")->text(), "Karar Sesi (Hz):");
    EXPECT_EQ(get<QCheckBox>("chb_nil(0)")->text(), "Üçüller");
    EXPECT_EQ(button("cmdCal")->text(), "Çal");
    EXPECT_EQ(w->windowTitle(), "Quenlo");
}

TEST_F(Window, PlayingLineFourSoundsFourTonesOneTickApart) {
    createAndCompute();
    selectLine(3);
    click("cmdCal");
    auto* timer = w->findChild<QTimer*>("Tmr");
    EXPECT_TRUE(timer->isActive());
    ASSERT_EQ(sound.played.size(), 1u);
    const char* const names[] = {"262", "276", "310", "349"};
    const double pitches[] = {261.6255653005986, 275.6762958428381, 310.1113958738022,
                              348.8478309561430};
    for (int tick = 1; tick <= 3; ++tick) {
        w->Tmr_Timer();
        EXPECT_EQ(sound.played.size(), static_cast<std::size_t>(tick + 1));
    }
    for (int j = 0; j < 4; ++j) {
        SCOPED_TRACE(j);
        EXPECT_NEAR(w->player().pitchFreq[static_cast<std::size_t>(j)], pitches[j], 1e-12);
        QFile file(folder.filePath(QString::fromLatin1(names[j]) + ".WAV"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), sound.played[static_cast<std::size_t>(j)]);
    }
    EXPECT_EQ(sound.played[0].size(), 88245);
    w->Tmr_Timer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(sound.played.size(), 4u);
}

// The window's own timer, not a test, moves the genus on: short tones, and the event loop runs.
TEST_F(Window, TimerSoundsTheGenusToItsEnd) {
    type("txbSre", QString::fromStdString(runtime::testing::localised("0.02")));
    leaveDuration();
    createAndCompute();
    selectLine(3);
    click("cmdCal");
    auto* timer = w->findChild<QTimer*>("Tmr");
    EXPECT_EQ(timer->interval(), 20);
    // Runs the event loop until the player is done; the deadline only ends a hang.
    const QDeadlineTimer hang(60000);
    while (timer->isActive() && !hang.hasExpired())
        QTest::qWait(10);
    EXPECT_FALSE(timer->isActive());
    ASSERT_EQ(sound.played.size(), 4u);
    EXPECT_EQ(w->player().pitchIndex, 4);
    EXPECT_EQ(sound.played[3].size(), 45 + 1764);
}

TEST_F(Window, DoubleClickPlaysAndANewPlayStartsFromTheTonic) {
    createAndCompute();
    const QRect row = list()->visualRect(list()->model()->index(1, 0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(w->player().pitchIndex, 0);
    w->Tmr_Timer();
    EXPECT_EQ(w->player().pitchIndex, 1);
    click("cmdCal");
    EXPECT_EQ(w->player().pitchIndex, 0);
    EXPECT_EQ(sound.played.size(), 3u);
    EXPECT_EQ(sound.played[2], sound.played[0]);
}

TEST_F(Window, TrichordStopsAtTheThirdTick) {
    click("chb_nil(0)");
    click("chb_nil(1)");
    createAndCompute();
    ASSERT_EQ(lines(), 5);
    click("cmdCal");
    auto* timer = w->findChild<QTimer*>("Tmr");
    w->Tmr_Timer();
    w->Tmr_Timer();
    EXPECT_TRUE(timer->isActive());
    w->Tmr_Timer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(sound.played.size(), 3u);
}

TEST_F(Window, QuarterKomaIntervalsSoundAsShownUnderEitherSeparator) {
    selectStep("0.25");
    createAndCompute();
    int row = 0;
    while (row < lines() && !line(row).contains(" + 4.25 + "))
        ++row;
    ASSERT_LT(row, lines());
    EXPECT_TRUE(line(row).contains(" 4.25 + ")) << line(row).toStdString(); // "." in every region
    selectLine(row);
    click("cmdCal");
    const std::string text = line(row).toStdString();
    const double first = runtime::readLenient(text.substr(5));
    const double tonic = 261.6255653005986346778499935233;
    EXPECT_EQ(w->player().pitchFreq[1], std::pow(2.0, first / 53) * tonic);
    EXPECT_EQ(w->player().pitchFreq[2], std::pow(2.0, 4.25 / 53) * w->player().pitchFreq[1]);
}

TEST_F(Window, ToneStillSoundsWhenItsFileCannotBeWritten) {
    w->setWavFolder(folder.filePath("missing/deeper"));
    createAndCompute();
    click("cmdCal");
    EXPECT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0].size(), 88245);
}

TEST(WavFolder, ProgramFolderOrTheUsersDataFolder) {
    QStandardPaths::setTestModeEnabled(true); // the data folder of tests, not the user's
    QTemporaryDir writable;
    ASSERT_TRUE(writable.isValid());
    EXPECT_EQ(wavFolderFor(writable.path()), writable.path());
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString fallback = wavFolderFor(writable.filePath("not/there"));
    EXPECT_EQ(fallback, data);
    EXPECT_TRUE(QFileInfo(fallback).isDir());
    // Installed: nothing goes into the prefix, even where it could be written.
    ASSERT_TRUE(QDir(writable.path()).mkpath("usr/bin"));
    EXPECT_EQ(wavFolderFor(writable.filePath("usr/bin")), data);
}

// The user as a progress dialog sees him: cancels at the first report, or never.
struct ScriptedProgress : ComputationProgress {
    bool cancel = false;
    int begun = 0, reports = 0, ended = 0;
    void begin(const QString&, const QString&) override { ++begun; }
    bool report(double) override {
        ++reports;
        return !cancel;
    }
    void end() override { ++ended; }
};

TEST_F(Window, LongComputationsReportProgressAndCanBeCancelled) {
    type("txbMin", "1");
    type("txbMax", "30");
    selectStep("0.25");
    click("chb_nil(2)");
    click("cmdBsl");
    ASSERT_EQ(w->lastIndex(), 116);
    w->setProgressThreshold(0);
    ScriptedProgress progress;
    w->setProgress(&progress);

    progress.cancel = true;
    click("cmdHsp");
    EXPECT_EQ(progress.reports, 1);
    EXPECT_EQ(progress.ended, 1);
    State s = state();
    EXPECT_TRUE(s.create);
    EXPECT_FALSE(s.compute);
    EXPECT_FALSE(s.play);
    EXPECT_EQ(s.lines, 0);

    click("cmdBsl");
    progress.cancel = false;
    click("cmdHsp");
    EXPECT_EQ(progress.begun, 2);
    EXPECT_EQ(progress.ended, 2);
    EXPECT_GT(progress.reports, 2);
    s = state();
    EXPECT_TRUE(s.play);
    EXPECT_GT(s.lines, 0);
}

TEST_F(Window, TooManyGeneraAreRefusedWithAMessage) {
    w->setGenusLimit(50);
    platform::MessageRecorder messages;
    createAndCompute();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_EQ(messages.messages.first(),
              QString::fromUtf8("Bu ayarlar 50 satırdan fazla sonuç veriyor. Aralık değerlerini "
                                "ya da perde adedini daraltın."));
    const State s = state();
    EXPECT_TRUE(s.create);
    EXPECT_FALSE(s.compute);
    EXPECT_FALSE(s.play);
    EXPECT_EQ(s.lines, 0);
}

TEST_F(Window, ClosingEndsTheSound) {
    createAndCompute();
    click("cmdCal");
    const int stops = sound.stops;
    w->close();
    EXPECT_GT(sound.stops, stops);
    EXPECT_FALSE(w->findChild<QTimer*>("Tmr")->isActive());
}

} // namespace
} // namespace genus
