#include "message_box.h"
#include "numbers.h"
#include "window_application.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// An error thrown by a handler ends up in one message, and the next event is
// handled as if nothing had happened.
TEST(WindowApplication, anErrorInAHandlerBecomesAMessageAndTheWindowGoesOn) {
    ASSERT_NE(qobject_cast<platform::WindowApplication*>(QCoreApplication::instance()), nullptr);
    struct Case {
        const char* name;
        std::function<void()> fail;
        QString error;
    };
    const Case cases[] = {
        {"runtime error", [] { runtime::toInt16(1e20); },
         QStringLiteral("overflow: 1e+20 outside the 16-bit range")},
        {"standard error", [] { throw std::out_of_range("pitch index outside 1..229"); },
         QStringLiteral("pitch index outside 1..229")},
        {"anything else", [] { throw 42; }, QStringLiteral("?")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget window;
        auto* box = new QLineEdit(QStringLiteral("before"), &window);
        auto* button = new QPushButton(QStringLiteral("go"), &window);
        button->move(0, 40);
        int calls = 0;
        QObject::connect(button, &QPushButton::clicked, [&] {
            if (++calls == 1)
                c.fail();
            box->setText(QStringLiteral("after"));
        });
        window.show();
        platform::MessageRecorder messages;
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_EQ(messages.messages.size(), 1);
        EXPECT_EQ(messages.messages[0].toStdString(),
                  (QString::fromUtf8("Beklenmeyen bir hata oluştu; işlem yapılamadı:\n") + c.error)
                      .toStdString());
        EXPECT_EQ(box->text(), "before");
        EXPECT_FALSE(button->isDown());

        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(calls, 2);
        EXPECT_EQ(box->text(), "after");
        QTest::keyClicks(box, "!");
        EXPECT_EQ(box->text(), "after!");
        EXPECT_EQ(messages.messages.size(), 1);
    }
}

} // namespace
