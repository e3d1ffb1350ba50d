#include "code_page.h"

#include <gtest/gtest.h>

TEST(Windows1254, turkishLettersBothWays) {
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* utf8;
    };
    const Case cases[] = {
        {"lower case", QByteArray("\xFD\xFE\xF0\xFC\xF6\xE7"), "ışğüöç"},
        {"upper case", QByteArray("\xDD\xDE\xD0\xDC\xD6\xC7"), "İŞĞÜÖÇ"},
        {"ascii", QByteArray("Perde tablosu"), "Perde tablosu"},
        {"euro and quotes", QByteArray("\x80\x93\x94"), "€“”"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::fromWindows1254(c.bytes), QString::fromUtf8(c.utf8));
        EXPECT_EQ(platform::toWindows1254(QString::fromUtf8(c.utf8)), c.bytes);
    }
    // Every byte survives the round trip but those the code page leaves undefined.
    for (int b = 0; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8E || b == 0x8F || b == 0x90 || b == 0x9D || b == 0x9E)
            continue;
        const QByteArray one(1, char(b));
        EXPECT_EQ(platform::toWindows1254(platform::fromWindows1254(one)), one) << b;
    }
    EXPECT_EQ(platform::toWindows1254(QString::fromUtf8("ж")), QByteArray("?"));
}
