#include "form1.h"

#include "message_box.h"
#include "sound_output.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace pitch_table;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SaveSclTest : public ::testing::Test {
protected:
    SaveSclTest()
        : form(QStringLiteral(RUVIZEZO_DATA_DIR "/arel.dat"), &sound,
               [this](QWidget*, const QString& title, const QString& filter,
                      const QString& suggested) {
                   asked << title + " | " + filter + " | " + suggested;
                   return answer;
               }) {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QListWidget* list() { return form.findChild<QListWidget*>("List1"); }
    QAction* action() { return form.findChild<QAction*>("actionSaveScl"); }

    /** Clicks the list item of a tonic; index 0 is the header item. */
    void selectTonic(int index) {
        for (int row = 0; row < list()->count(); ++row)
            if (list()->item(row)->data(Qt::UserRole).toInt() == index) {
                list()->scrollToItem(list()->item(row));
                QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                                  list()->visualItemRect(list()->item(row)).center());
                return;
            }
        FAIL() << "no list item for " << index;
    }
    void pressSave() {
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_S, Qt::ControlModifier);
    }
    QStringList filesInDir() const {
        return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }

    QTemporaryDir dir;
    QString answer; // the file "chosen" in the save dialog; empty: cancelled
    QStringList asked;
    platform::RecordingSoundOutput sound;
    Form1 form;
};

TEST_F(SaveSclTest, InTheTonicListsContextMenuWhenATonicIsSelected) {
    ASSERT_NE(action(), nullptr);
    EXPECT_EQ(list()->contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_EQ(list()->actions(), QList<QAction*>{action()});
    EXPECT_EQ(action()->text(), "Scala dosyası olarak kaydet…");
    EXPECT_EQ(action()->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_TRUE(action()->isEnabled()) << "start-up selects the lowest main pitch";
    selectTonic(0);
    EXPECT_FALSE(action()->isEnabled()) << "the header item names no tonic";
    selectTonic(124);
    EXPECT_TRUE(action()->isEnabled());
}

TEST_F(SaveSclTest, SavesTheOctaveAboveTheTonicAsUtf8) {
    selectTonic(124); // Rast
    answer = dir.filePath("rast.scl");
    pressSave();
    EXPECT_EQ(asked,
              QStringList{"Scala dosyası olarak kaydet | Scala dosyaları (*.scl);;Tüm dosyalar (*) "
                          "| Rast.scl"});
    EXPECT_EQ(contents(answer), contents(KOMA_TEST_DATA_DIR "/rast.scl"));
    EXPECT_EQ(filesInDir(), QStringList{"rast.scl"});
}

TEST_F(SaveSclTest, RefusesATonicWhoseOctaveLeavesTheTable) {
    // Tiz Buselik, index 53: the table ends 52 pitches above it.
    selectTonic(53);
    platform::MessageRecorder recorder;
    answer = dir.filePath("x.scl");
    pressSave();
    EXPECT_EQ(recorder.messages,
              QStringList{"\"Tiz Buselik\" karar sesinin bir oktav yukarısı tabloda yok: üstünde "
                          "yalnız 52 perde var. Daha pest bir karar sesi seçin."});
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_TRUE(filesInDir().isEmpty());
}

TEST_F(SaveSclTest, FailedSaveNamesTheFileAndLeavesNoneBehind) {
    selectTonic(124);
    // A folder that cannot be written to, even by an administrator: it is a file.
    QFile notAFolder(dir.filePath("olcek"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    answer = dir.filePath("olcek/rast.scl");
    platform::MessageRecorder recorder;
    action()->trigger();
    ASSERT_EQ(recorder.messages.size(), 1);
    EXPECT_TRUE(recorder.messages.front().startsWith("\"" + QDir::toNativeSeparators(answer) +
                                                     "\" dosyası kaydedilemedi: dosya açılamadı ("))
        << recorder.messages.front().toStdString();
    EXPECT_EQ(filesInDir(), QStringList{"olcek"});
}

} // namespace
