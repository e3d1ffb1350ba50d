// Saving from the genus list's context menu: the selected genus as a Scala
// file that the fret calculator reads, and the whole list as text.

#include "frm_cns.h"
#include "message_box.h"
#include "scala_reader.h"
#include "window_fixture.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cmath>
#include <variant>

namespace genus {
namespace {

class Saving : public Window {
public:
    void SetUp() override {
        Window::SetUp();
        answer.clear();
        asked = 0;
        w->setSaveChooser([this](QWidget*, const QString& t, const QString& s, const QString& f) {
            ++asked;
            title = t;
            suggested = s;
            filter = f;
            return answer;
        });
    }
    QAction* action(const char* name) const { return get<QAction>(name); }
    QByteArray saved(const QString& name) const {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll();
    }

    QString answer;
    int asked = 0;
    QString title, suggested, filter;
};

const char* const lineFourScl = "! B-T-T_261.63.scl\n"
                                "!\n"
                                "4 + 9 + 9 (B T T), 1/1 = 261.625565300599 Hz\n"
                                " 3\n"
                                "!\n"
                                " 90.566038\n"
                                " 294.339623\n"
                                " 498.113208\n";

TEST_F(Saving, LineFourSavesAsAScalaFileTheFretCalculatorOpens) {
    createAndCompute();
    selectLine(3);
    answer = folder.filePath("B-T-T_261.63.scl");
    action("actionSaveScl")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(QFileInfo(suggested).fileName(), "B-T-T_261.63.scl");
    const QByteArray bytes = saved("B-T-T_261.63.scl");
    EXPECT_EQ(bytes, lineFourScl);

    const auto read = mirefa::readScala(bytes.toStdString());
    ASSERT_TRUE(std::holds_alternative<mirefa::ScalaFile>(read));
    const auto& file = std::get<mirefa::ScalaFile>(read);
    EXPECT_EQ(file.firstLine, "! B-T-T_261.63.scl");
    const std::vector<double> ratios = mirefa::OndalikDonustur(file.dizi_eleman);
    const double sums[] = {4, 13, 22};
    ASSERT_EQ(ratios.size(), 3u);
    for (std::size_t j = 0; j < 3; ++j)
        EXPECT_NEAR(ratios[j], std::pow(2.0, sums[j] / 53), 1e-9) << j;

    // The next save is offered in the folder of the last one.
    action("actionSaveList")->trigger();
    EXPECT_EQ(QFileInfo(suggested).absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
}

TEST_F(Saving, TheListSavesEveryLineAsListed) {
    selectStep("0.33");
    click("chb_nil(0)");
    createAndCompute();
    ASSERT_GT(lines(), 100);
    answer = folder.filePath("cinsler.txt");
    action("actionSaveList")->trigger();
    const QByteArray bytes = saved("cinsler.txt");
    ASSERT_TRUE(bytes.endsWith('\n'));
    const QStringList saved = QString::fromUtf8(bytes.chopped(1)).split('\n');
    ASSERT_EQ(saved.size(), lines());
    for (int row = 0; row < lines(); ++row)
        ASSERT_EQ(saved[row], line(row)) << row;
}

TEST_F(Saving, ActionsSpeakTheWindowsLanguageAndWaitForAList) {
    EXPECT_EQ(list()->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(list()->actions().contains(action("actionSaveScl")));
    EXPECT_TRUE(list()->actions().contains(action("actionSaveList")));
    EXPECT_EQ(action("actionSaveScl")->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_FALSE(action("actionSaveScl")->isEnabled());
    EXPECT_FALSE(action("actionSaveList")->isEnabled());

    struct Case {
        const char* name;
        bool english;
        const char* action;
        const char* caption;
        const char* title;
        const char* file;
        const char* filter;
    };
    const Case cases[] = {
        {"genus", false, "actionSaveScl", "Scala dosyası olarak kaydet...",
         "Scala dosyası olarak kaydet", "B-T-T_261.63.scl", "Scala dosyaları (*.scl)"},
        {"list", false, "actionSaveList", "Listeyi kaydet...", "Listeyi kaydet", "cinsler.txt",
         "Metin dosyaları (*.txt)"},
        {"genus in English", true, "actionSaveScl", "Save as Scala file...", "Save as Scala file",
         "B-T-T_261.63.scl", "Scala files (*.scl)"},
        {"list in English", true, "actionSaveList", "Save list...", "Save list", "genera.txt",
         "Text files (*.txt)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        if (c.english)
            click("obpDil(1)");
        createAndCompute();
        selectLine(3);
        EXPECT_EQ(action(c.action)->text(), QString::fromUtf8(c.caption));
        EXPECT_TRUE(action(c.action)->isEnabled());
        action(c.action)->trigger(); // answered with nothing: cancelled
        EXPECT_EQ(title, QString::fromUtf8(c.title));
        EXPECT_EQ(QFileInfo(suggested).fileName(), c.file);
        EXPECT_EQ(filter, QString::fromUtf8(c.filter));
        type("txbAra", "21");
        EXPECT_FALSE(action(c.action)->isEnabled());
    }
}

// Ctrl+S wherever the focus is in the window saves the selected genus; before there is a list
// it does nothing.
TEST_F(Saving, CtrlSSavesTheSelectedGenus) {
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    answer = folder.filePath("line4.scl");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(asked, 0);
    createAndCompute();
    selectLine(3);
    box("txbKrr")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(saved("line4.scl"), QByteArray(lineFourScl).replace("B-T-T_261.63.scl", "line4.scl"));
}

TEST_F(Saving, AFailedSaveNamesTheFileAndItsReasonAndWritesNothing) {
    struct Case {
        const char* name;
        const char* action;
        const char* target;
        bool english;
        const char* says;
    };
    const Case cases[] = {
        {"genus into a missing folder", "actionSaveScl", "missing/a.scl", false,
         " kaydedilemedi: "},
        {"list over a folder", "actionSaveList", "taken", false, " kaydedilemedi: "},
        {"genus over a folder, in English", "actionSaveScl", "taken", true,
         " could not be saved: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        ASSERT_TRUE(QDir(folder.path()).mkpath("taken"));
        if (c.english)
            click("obpDil(1)");
        createAndCompute();
        answer = folder.filePath(c.target);
        platform::MessageRecorder messages;
        action(c.action)->trigger();
        ASSERT_EQ(messages.messages.size(), 1);
        const QString prefix = QDir::toNativeSeparators(answer) + QString::fromUtf8(c.says);
        EXPECT_TRUE(messages.messages.first().startsWith(prefix))
            << messages.messages.first().toStdString();
        EXPECT_GT(messages.messages.first().size(), prefix.size()); // the reason
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"taken"});
        EXPECT_TRUE(QDir(folder.filePath("taken")).isEmpty());
    }
}

TEST_F(Saving, NothingIsSavedWhenCancelledOrTheTonicIsNoPitch) {
    struct Case {
        const char* name;
        const char* tonic;
        int asked;
        const char* message;
    };
    const Case cases[] = {
        {"cancelled", "261.6255653005986346778499935233", 1, nullptr},
        {"tonic 0", "0", 0, "Karar Sesi (Hz) 0'dan büyük bir sayı olmalı."},
        {"tonic not a number", "abc", 0, "Karar Sesi (Hz) 0'dan büyük bir sayı olmalı."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        createAndCompute();
        type("txbKrr", c.tonic);
        platform::MessageRecorder messages;
        action("actionSaveScl")->trigger();
        EXPECT_EQ(asked, c.asked);
        ASSERT_EQ(messages.messages.size(), c.message != nullptr ? 1 : 0);
        if (c.message != nullptr) {
            EXPECT_EQ(messages.messages.first(), QString::fromUtf8(c.message));
        }
        EXPECT_TRUE(QDir(folder.path()).isEmpty());
    }
}

} // namespace
} // namespace genus
