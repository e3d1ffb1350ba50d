// The column strip makes a column's controls when it first shows the column or
// the keyboard comes next to it: a column reached any way is the same column,
// in the same place of the tab order.

#include "frm_cns.h"
#include "twips.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace genus {
namespace {

QString columnControl(const char* name, int a) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(a);
}

// Tab and Shift+Tab through 100 columns of which the strip has made only the first and the
// last ones: every column in its order, none skipped, and on to the scroll bar.
TEST_F(Window, TabCrossesColumnsTheStripHasNotShownYet) {
    struct Case {
        const char* name;
        Qt::Key key;
    };
    const Case cases[] = {{"Tab", Qt::Key_Tab}, {"Shift+Tab", Qt::Key_Backtab}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        type("txbMin", "1");
        type("txbMax", "100");
        click("cmdBsl");
        ASSERT_EQ(w->lastIndex(), 99);
        w->show();
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
        auto* bar = w->findChild<QScrollBar*>("hsb");
        // The far end made by the scroll bar, the middle left to the keyboard.
        bar->setValue(bar->maximum());
        bar->setValue(0);
        ASSERT_EQ(w->findChild<QWidget*>("txbKma(50)"), nullptr);

        QStringList order;
        for (int a = 0; a < 100; ++a)
            order << columnControl("txbKma", a) << columnControl("txbSmg", a)
                  << columnControl("chbVar", a);
        order << "hsb";
        if (c.key == Qt::Key_Backtab)
            std::reverse(order.begin(), order.end());
        w->findChild<QWidget*>(order.first())->setFocus(Qt::TabFocusReason);
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), c.key,
                            c.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            ASSERT_EQ(QApplication::focusWidget()->objectName().toStdString(),
                      order[i].toStdString())
                << "after " << order[i - 1].toStdString();
        }
    }
}

TEST_F(Window, ColumnsReachedAnyWayHoldTheirTextsTicksAndPlaces) {
    click("chbVar(0)"); // the further columns start unticked, as column 0 is
    type("txbMin", "1");
    type("txbMax", "1000");
    click("cmdBsl");
    ASSERT_EQ(w->lastIndex(), 999);
    w->show();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    auto* bar = w->findChild<QScrollBar*>("hsb");
    struct Case {
        const char* name;
        std::function<void()> reach;
        int column;
        bool made; ///< by the strip itself, before a test asks for it
    };
    const Case cases[] = {
        {"the last, made with the build", [] {}, 999, true},
        {"scrolled to", [bar] { bar->setValue(600 * 525); }, 601, true},
        {"next to a column with the focus", [this] { get<QWidget>("chbVar(300)")->setFocus(); },
         301, true},
        {"never shown", [] {}, 450, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.reach();
        EXPECT_EQ(w->findChild<QWidget*>(columnControl("txbKma", c.column)) != nullptr, c.made);
        const QLineEdit* value = box(columnControl("txbKma", c.column));
        const QLineEdit* symbol = box(columnControl("txbSmg", c.column));
        const auto* include = get<QCheckBox>(columnControl("chbVar", c.column));
        EXPECT_EQ(value->text().toInt(), c.column + 1);
        EXPECT_EQ(symbol->text(), "A+");
        EXPECT_FALSE(include->isChecked());
        EXPECT_EQ(value->geometry(), platform::twipRect(525 * c.column, 60, 465, 315));
        EXPECT_EQ(symbol->geometry(), platform::twipRect(525 * c.column, 420, 465, 315));
        EXPECT_EQ(include->geometry(), platform::twipRect(150 + 525 * c.column, 780, 165, 225));
        EXPECT_FALSE(value->isHidden());
    }
}

// Making a column the user scrolls to is no edit; editing it is, and a tick the user set stays
// with its column wherever the strip scrolls.
TEST_F(Window, ColumnsMadeByScrollingKeepTheListUntilEdited) {
    selectStep("0.25");
    createAndCompute();
    ASSERT_EQ(lines(), 4001);
    auto* bar = w->findChild<QScrollBar*>("hsb");
    bar->setValue(bar->maximum());
    const State kept = state();
    EXPECT_TRUE(kept.play);
    EXPECT_EQ(kept.lines, 4001);

    auto* include = w->findChild<QCheckBox*>("chbVar(30)"); // 11.5 komas
    ASSERT_NE(include, nullptr);
    include->click();
    bar->setValue(0);
    click("cmdHsp");
    ASSERT_GT(lines(), 0);
    for (int row = 0; row < lines(); ++row)
        ASSERT_FALSE(line(row).contains("11.5")) << line(row).toStdString();

    bar->setValue(bar->maximum());
    type("txbKma(31)", "12");
    const State edited = state();
    EXPECT_TRUE(edited.create);
    EXPECT_FALSE(edited.play);
    EXPECT_EQ(edited.lines, 0);
}

TEST_F(Window, ARebuildLeavesNoColumnOfTheLastOne) {
    type("txbMin", "1");
    type("txbMax", "1000");
    click("cmdBsl");
    auto* bar = w->findChild<QScrollBar*>("hsb");
    bar->setValue(bar->maximum() / 2);
    bar->setValue(bar->maximum());
    type("txbMin", "4");
    type("txbMax", "13");
    click("cmdBsl");
    EXPECT_EQ(w->lastIndex(), 9);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(bar->value(), 0);
    EXPECT_EQ(w->findChildren<QCheckBox*>(QRegularExpression("^chbVar\\(")).size(), 10);
    EXPECT_EQ(box("txbKma(9)")->text(), "13");
}

} // namespace
} // namespace genus
