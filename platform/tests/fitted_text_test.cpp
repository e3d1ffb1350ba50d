#include "fitted_text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

TEST(FittedText, condensesOnlyWhatWouldNotFitAndNeverBelowHalf) {
    struct Case {
        const char* name;
        const char* text;
        int width;
        int lowest, highest; // stretch
    };
    const Case cases[] = {
        {"fits as it is", " 1.5", 65, 100, 100},
        {"a long number", " 3.40282346638529E+38", 89, 50, 99},
        {"far too long", " 3.40282346638529E+38 3.40282346638529E+38", 40, 50, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QFont f = platform::fittedFont(QApplication::font(), c.text, c.width);
        const int stretch = f.stretch() == 0 ? 100 : f.stretch();
        EXPECT_GE(stretch, c.lowest);
        EXPECT_LE(stretch, c.highest);
        if (c.lowest > 50) {
            EXPECT_LE(QFontMetrics(f).horizontalAdvance(c.text), c.width);
        }
        EXPECT_EQ(f.pixelSize(), QApplication::font().pixelSize()); // the height stays
    }
}

TEST(FittedText, aLabelShowsEachValueWholeAndShortOnesUncondensed) {
    QLabel label;
    label.resize(65, 17);
    for (const char* text : {" 1.00000002004088E+20", " 1.5"}) {
        SCOPED_TRACE(text);
        platform::showFitted(&label, text);
        EXPECT_EQ(label.text(), text);
        EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text()),
                  label.contentsRect().width());
    }
    EXPECT_EQ(label.font().stretch(), int(QFont::Unstretched));
}

} // namespace
