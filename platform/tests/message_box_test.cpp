#include "message_box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <gtest/gtest.h>

TEST(MessageBox, showsTheExactTextWithOkAndNoIcon) {
    const QString text = QString::fromUtf8("pay ve payda arasına  /  işareti kullanın");
    auto box = platform::makeMessageBox(nullptr, text);
    EXPECT_EQ(box->text(), text);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

TEST(MessageBox, aRecorderTakesTheMessagesOfItsScope) {
    {
        platform::MessageRecorder outer;
        {
            platform::MessageRecorder inner;
            platform::showMessage(nullptr, "one");
            EXPECT_EQ(inner.messages, QStringList{"one"});
        }
        platform::showMessage(nullptr, "two");
        EXPECT_EQ(outer.messages, QStringList{"two"});
    }
}
