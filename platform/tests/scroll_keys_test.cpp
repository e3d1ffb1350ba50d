#include "scroll_keys.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

struct Bar {
    Bar(Qt::Orientation o, Qt::LayoutDirection direction)
        : bar(o) {
        bar.setLayoutDirection(direction);
        bar.resize(o == Qt::Horizontal ? QSize(300, 17) : QSize(17, 300));
        bar.setRange(0, 100);
        bar.setSingleStep(3);
        bar.setPageStep(10);
        bar.setValue(50);
        platform::installScrollKeys(&bar);
        bar.show();
    }
    /** A point at a fraction of the bar's length from its left or top end. */
    QPoint along(double fraction) const {
        return bar.orientation() == Qt::Horizontal
                   ? QPoint(int(fraction * bar.width()), bar.height() / 2)
                   : QPoint(bar.width() / 2, int(fraction * bar.height()));
    }
    QScrollBar bar;
};

// What a press on the bar did: the value it left and the signals on the way.
struct Moves {
    int value;
    std::vector<int> changes; // values reported
    std::vector<int> actions; // slider actions triggered
};

template <typename Press> Moves movesOf(Bar& b, Press press) {
    b.bar.setValue(50);
    QSignalSpy changes(&b.bar, &QScrollBar::valueChanged);
    QSignalSpy actions(&b.bar, &QScrollBar::actionTriggered);
    press();
    Moves m{b.bar.value(), {}, {}};
    for (const QList<QVariant>& signal : changes)
        m.changes.push_back(signal.at(0).toInt());
    for (const QList<QVariant>& signal : actions)
        m.actions.push_back(signal.at(0).toInt());
    return m;
}

TEST(ScrollKeys, keysMoveTheBarAsItsArrowsAndPageAreasDo) {
    // Where on the bar the mouse does what the key must do: the arrow buttons
    // at the ends, the groove between the handle and an end.
    constexpr double startArrow = 0.02, endArrow = 0.98, startGroove = 0.2, endGroove = 0.8;
    struct Case {
        const char* name;
        Qt::Orientation orientation;
        Qt::LayoutDirection direction;
        Qt::Key key;
        double clickAt;
        int value; // after the move from 50
    };
    const Case cases[] = {
        {"Right, right arrow", Qt::Horizontal, Qt::LeftToRight, Qt::Key_Right, endArrow, 53},
        {"Left, left arrow", Qt::Horizontal, Qt::LeftToRight, Qt::Key_Left, startArrow, 47},
        {"Down raises a horizontal bar", Qt::Horizontal, Qt::LeftToRight, Qt::Key_Down, endArrow,
         53},
        {"Up lowers a horizontal bar", Qt::Horizontal, Qt::LeftToRight, Qt::Key_Up, startArrow, 47},
        {"Page Down, right groove", Qt::Horizontal, Qt::LeftToRight, Qt::Key_PageDown, endGroove,
         60},
        {"Page Up, left groove", Qt::Horizontal, Qt::LeftToRight, Qt::Key_PageUp, startGroove, 40},
        {"Down, bottom arrow", Qt::Vertical, Qt::LeftToRight, Qt::Key_Down, endArrow, 53},
        {"Up, top arrow", Qt::Vertical, Qt::LeftToRight, Qt::Key_Up, startArrow, 47},
        {"Right raises a vertical bar", Qt::Vertical, Qt::LeftToRight, Qt::Key_Right, endArrow, 53},
        {"Left lowers a vertical bar", Qt::Vertical, Qt::LeftToRight, Qt::Key_Left, startArrow, 47},
        {"Page Down, lower groove", Qt::Vertical, Qt::LeftToRight, Qt::Key_PageDown, endGroove, 60},
        {"Page Up, upper groove", Qt::Vertical, Qt::LeftToRight, Qt::Key_PageUp, startGroove, 40},
        {"right to left: Right, right arrow", Qt::Horizontal, Qt::RightToLeft, Qt::Key_Right,
         endArrow, 47},
        {"right to left: Left, left arrow", Qt::Horizontal, Qt::RightToLeft, Qt::Key_Left,
         startArrow, 53},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bar b(c.orientation, c.direction);
        const Moves click =
            movesOf(b, [&] { QTest::mouseClick(&b.bar, Qt::LeftButton, {}, b.along(c.clickAt)); });
        const Moves key = movesOf(b, [&] { QTest::keyClick(&b.bar, c.key); });
        EXPECT_EQ(click.value, c.value);
        EXPECT_EQ(key.value, c.value);
        EXPECT_EQ(key.changes, click.changes);
        EXPECT_EQ(key.actions, click.actions);
    }
}

TEST(ScrollKeys, stopAtTheEndsAndLeaveOtherKeysAlone) {
    Bar b(Qt::Horizontal, Qt::LeftToRight);
    b.bar.setValue(99);
    QTest::keyClick(&b.bar, Qt::Key_Right);
    QTest::keyClick(&b.bar, Qt::Key_Right);
    EXPECT_EQ(b.bar.value(), 100);
    QTest::keyClick(&b.bar, Qt::Key_Home);
    EXPECT_EQ(b.bar.value(), 0);
    QTest::keyClick(&b.bar, Qt::Key_PageUp);
    EXPECT_EQ(b.bar.value(), 0);
    QTest::keyClick(&b.bar, Qt::Key_End);
    EXPECT_EQ(b.bar.value(), 100);
    // Installed twice, a key still makes one step.
    platform::installScrollKeys(&b.bar);
    QTest::keyClick(&b.bar, Qt::Key_Left);
    EXPECT_EQ(b.bar.value(), 97);
}

} // namespace
