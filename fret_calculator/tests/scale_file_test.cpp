#include "scala_reader.h"
#include "scale_file.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString fixture(const char* name) {
    return QStringLiteral(KOMA_TEST_DATA_DIR "/") + QString::fromUtf8(name);
}

TEST(ScaleFile, GoodFiles) {
    struct Case {
        const char* name;
        const char* file;
        const char* shownName;
        const char* description;
        std::vector<double> ratios;
        const char* lastLine;
    };
    const std::vector<double> just = {16.0 / 15, 9.0 / 8, 6.0 / 5, 5.0 / 4, 4.0 / 3,  45.0 / 32,
                                      3.0 / 2,   8.0 / 5, 5.0 / 3, 9.0 / 5, 15.0 / 8, 2.0};
    const Case cases[] = {
        {"usual layout, CR LF", "a.scl", "a.scl", "Just intonation, twelve degrees", just, "2/1"},
        {"LF line ends", "line_ends_lf.scl", "a.scl", "Just intonation, twelve degrees", just,
         "2/1"},
        {"CR line ends", "line_ends_cr.scl", "a.scl", "Just intonation, twelve degrees", just,
         "2/1"},
        {"comment between pitch lines",
         "comment_between.scl",
         "comment_between.scl",
         "A comment between pitch lines",
         {9.0 / 8, 1.5, 2.0},
         "2/1"},
        {"bare whole numbers",
         "bare_numbers.scl",
         "bare_numbers.scl",
         "Bare whole numbers are ratios over 1",
         {2.0, 700.0},
         "700"},
        {"cents",
         "cents.scl",
         "cents.scl",
         "Cents in every form",
         {1.499999999250199, 1.4983070768766815, 1.4983070768766815, std::pow(2.0, -100.0 / 1200),
          1.0594630943592953},
         "100.0"},
        {"trailing text",
         "trailing_text.scl",
         "trailing_text.scl",
         "Text after the values",
         {1.25, 555.0 / 524, 2.0},
         "1200.0 ! octave"},
        {"blank description", "blank_description.scl", "blank_description.scl", "", {2.0}, "2/1"},
        {"count with blanks and tabs",
         "count_blanks.scl",
         "count_blanks.scl",
         "Count with blanks around it",
         {1.5, 2.0},
         "2/1"},
        {"first line not a comment: the file's name",
         "no_name_line.scl",
         "no_name_line.scl",
         "Description on the first line",
         {2.0},
         "2/1"},
        {"UTF-8",
         "utf8.scl",
         "utf8.scl",
         "Uşşak dizisi, Hüseyni ağırlıklı — İstanbul",
         {2.0},
         "2/1 ! oktav: çğışöü"},
        {"UTF-8 with a byte order mark",
         "utf8_bom.scl",
         "utf8_bom.scl",
         "Uşşak dizisi, Hüseyni ağırlıklı — İstanbul",
         {2.0},
         "2/1"},
        {"Windows-1254",
         "cp1254.scl",
         "cp1254.scl",
         "Uşşak dizisi, Hüseyni ağırlıklı - İstanbul",
         {2.0},
         "2/1 ! oktav: çğışöü"},
        {"name line without a blank after the mark",
         "name_without_blank.scl",
         "eptenarian53well.scl",
         "Name line without a blank after the mark",
         {2.0},
         "2/1"},
        {"name line with a tab after the mark",
         "name_after_tab.scl",
         "tab_name.scl",
         "Name line with a tab after the mark",
         {2.0},
         "2/1"},
        {"no pitches", "zero_pitches.scl", "zero_pitches.scl", "No pitches at all", {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const mirefa::ScaleLoad load = mirefa::loadScaleFile(fixture(c.file));
        ASSERT_TRUE(load.scale.has_value()) << load.message.toStdString();
        const mirefa::LoadedScale& s = *load.scale;
        EXPECT_EQ(s.name, QString::fromUtf8(c.shownName));
        EXPECT_EQ(s.description, QString::fromUtf8(c.description));
        EXPECT_EQ(s.eleman_sayisi, static_cast<int>(c.ratios.size()));
        EXPECT_EQ(mirefa::OndalikDonustur(s.dizi_eleman), c.ratios);
        if (c.lastLine) {
            ASSERT_FALSE(s.dizi_eleman.empty());
            EXPECT_EQ(s.dizi_eleman.back(), c.lastLine);
        }
    }
}

TEST(ScaleFile, NameLineShorterThanThreeCharacters) {
    const auto load = mirefa::loadScaleBytes("!\r\n!\r\nd\r\n1\r\n2/1\r\n", "x.scl");
    ASSERT_TRUE(load.scale.has_value());
    EXPECT_EQ(load.scale->name, QString());
}

TEST(ScaleFile, FilesThatCannotBeUsed) {
    struct Case {
        const char* name;
        const char* file;
        const char* detail;
    };
    const Case cases[] = {
        {"missing", "bad/missing.scl", "Dosya açılamadı."},
        {"a folder", "bad", "Dosya açılamadı."},
        {"empty", "bad/empty.scl", "Satır 1: dosya, tanımlama satırından önce bitiyor."},
        {"only comments", "bad/only_comments.scl",
         "Satır 4: dosya, tanımlama satırından önce bitiyor."},
        {"too few pitches", "bad/too_few.scl",
         "Satır 8: dosya 3 perde bekleniyorken 2 perdeden sonra bitiyor."},
        {"count is a word", "bad/count_word.scl",
         "Satır 4: perde sayısı bir tam sayı değil: \" twelve\""},
        {"count is a decimal", "bad/count_decimal.scl",
         "Satır 4: perde sayısı bir tam sayı değil: \" 1.5\""},
        {"negative count", "bad/count_negative.scl",
         "Satır 4: perde sayısı sıfırdan küçük olamaz: \" -2\""},
        {"count beyond 16 bits", "bad/count_large.scl",
         "Satır 4: perde sayısı en çok 32767 olabilir: \" 40000\""},
        {"pitch is a word", "bad/pitch_word.scl",
         "Satır 7: perde satırı ne sent ne de oran: \"octave\""},
        {"zero denominator", "bad/zero_denominator.scl",
         "Satır 6: oranın payı ve paydası sıfırdan büyük olmalı: \"3/0\""},
        {"negative ratio", "bad/negative_ratio.scl",
         "Satır 6: oranın payı ve paydası sıfırdan büyük olmalı: \"-3/2\""},
        {"zero ratio", "bad/zero_ratio.scl",
         "Satır 6: oranın payı ve paydası sıfırdan büyük olmalı: \"0/5\""},
        {"cents with a decimal comma", "bad/cents_comma.scl",
         "Satır 7: sent değeri virgülle değil, noktayla yazılmalı: \"701,955\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const mirefa::ScaleLoad load = mirefa::loadScaleFile(fixture(c.file));
        EXPECT_FALSE(load.scale.has_value());
        const QString fileName = QString::fromUtf8(c.file).section(QLatin1Char('/'), -1);
        EXPECT_EQ(load.message.toStdString(), "\"" + fileName.toStdString() +
                                                  "\" dosyası dizi olarak okunamadı.\n" + c.detail +
                                                  "\nÖnceki dizi olduğu gibi kaldı.");
    }
}

TEST(ScaleFile, MessageShowsControlCharactersAndCutsLongLines) {
    const std::string longLine(80, 'x');
    const auto load =
        mirefa::loadScaleBytes(QByteArray::fromStdString("d\n1\n\x01" + longLine), "long.scl");
    ASSERT_FALSE(load.scale.has_value());
    EXPECT_TRUE(load.message.contains(QStringLiteral("\"?") + QString(59, QLatin1Char('x')) +
                                      QStringLiteral("...\"")));
}

} // namespace
