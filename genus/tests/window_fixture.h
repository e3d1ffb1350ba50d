#pragma once
// The genus window under test, with a recording sound output, a counted beep
// and WAV files in a temporary folder, and the ways a user drives it.

#include "column_strip.h"
#include "frm_cns.h"
#include "sound_output.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace genus {

class Window : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        w = std::make_unique<FrmCns>(&sound);
        w->setWavFolder(folder.path());
        w->setBeep([this] { ++beeps; });
    }

    template <typename T> T* get(const QString& name) const {
        // The strip makes a column's controls once it shows them; a test reaches any column.
        w->findChild<ColumnStrip*>()->control(name);
        T* control = w->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    QPushButton* button(const char* name) const { return get<QPushButton>(name); }
    QLineEdit* box(const QString& name) const { return get<QLineEdit>(name); }
    QListView* list() const { return get<QListView>("lsbSnc"); }
    int lines() const { return list()->model()->rowCount(); }
    QString line(int row) const {
        return list()->model()->data(list()->model()->index(row, 0)).toString();
    }
    void click(const char* name) const {
        auto* control = get<QAbstractButton>(name);
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(4, control->height() / 2));
    }
    void type(const QString& name, const QString& text) const {
        QLineEdit* b = box(name);
        b->clear();
        QTest::keyClicks(b, text);
    }
    void selectStep(const char* step) const {
        auto* steps = get<QListWidget>("lsbAr");
        const auto found = steps->findItems(QString::fromLatin1(step), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        steps->setCurrentItem(found.first());
    }
    void createAndCompute() const {
        click("cmdBsl");
        click("cmdHsp");
    }
    void selectLine(int row) const { list()->setCurrentIndex(list()->model()->index(row, 0)); }
    void leaveDuration() const {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box("txbSre"), &out);
    }

    struct State {
        bool create, compute, play;
        int lines;
    };
    State state() const {
        return {button("cmdBsl")->isEnabled(), button("cmdHsp")->isEnabled(),
                button("cmdCal")->isEnabled(), lines()};
    }

    QTemporaryDir folder;
    platform::RecordingSoundOutput sound;
    std::unique_ptr<FrmCns> w;
    int beeps = 0;
};

} // namespace genus
