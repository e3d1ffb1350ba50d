#include "pitch_record.h"
#include "staff.h"
#include "table_source.h"
#include "workbook_writer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>

using namespace pitch_table;

namespace {

std::string dataFile(const char* name) {
    return std::string(RUVIZEZO_DATA_DIR) + "/" + name;
}

PitchTable shippedTable() {
    return decodeTable(readFileBytes(dataFile("arel.dat")).value());
}

/** A table whose main pitches are the given indices, every other record between two of them. */
PitchTable tableWithMains(std::initializer_list<int> mains) {
    PitchTable t;
    for (int i = 1; i <= pitchCount; ++i) {
        t.at(i).name = fieldText<24>("");
        t.at(i).upperMain = 1;
        t.at(i).lowerMain = 2;
    }
    for (int m : mains) {
        t.at(m).name = fieldText<24>("Perde " + std::to_string(m));
        t.at(m).upperMain = t.at(m).lowerMain = 0;
    }
    return t;
}

} // namespace

TEST(FrequencyRule, GivesTheSinglesOfTheTable) {
    struct Case {
        const char* name;
        int index;
        const char* frequency;
    };
    const Case cases[] = {
        {"highest", 1, "1465.5316"},          {"top of view", 9, "1319.9476"},
        {"octave up", 40, "879.99976"},       {"anchor", 93, "440"},
        {"octave down", 146, "220.00003"},    {"two down", 199, "110.00002"},
        {"bottom of view", 221, "82.496773"}, {"lowest", 229, "74.301651"},
    };
    PitchTable t;
    applyFrequencyRule(t);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The figures are the singles shown to 8 significant digits.
        char shown[32];
        std::snprintf(shown, sizeof shown, "%.8g", double(t.at(c.index).frequency));
        EXPECT_STREQ(shown, c.frequency);
    }
}

TEST(PitchTableAccess, RefusesIndicesOutsideTheTable) {
    PitchTable t;
    EXPECT_THROW(t.at(0), std::out_of_range);
    EXPECT_THROW(t.at(230), std::out_of_range);
    EXPECT_NO_THROW(t.at(229));
}

TEST(DataFile, RoundTripsEveryField) {
    PitchTable t = shippedTable();
    t.at(7).name = fieldText<24>("\xDE\x65hnaz \xFD\xF0"); // Şehnaz ığ, one byte each
    t.at(7).pianoKey = 255;
    const std::string bytes = encodeTable(t);
    ASSERT_EQ(bytes.size(), 8244u);
    EXPECT_EQ(decodeTable(bytes), t);
    // Record 93: name, then 440 as a little-endian single at offset 24.
    EXPECT_EQ(bytes.substr(36 * 92, 4), "Neva");
    EXPECT_EQ(bytes.substr(36 * 92 + 24, 4), std::string("\x00\x00\xDC\x43", 4));
    EXPECT_EQ(bytes.substr(36 * 92 + 28, 5), "A  4 ");
    EXPECT_EQ(bytes[36 * 92 + 33], char(49));
}

TEST(DataFile, ShortFileHoldsItsWholeRecordsOnlyAndLongFileIsCut) {
    const std::string full = encodeTable(shippedTable());
    const PitchTable shortTable = decodeTable(full.substr(0, 36 * 10 + 30));
    EXPECT_EQ(shortTable.at(10), shippedTable().at(10));
    // The partly held record 11 is as empty as record 12: no name, no frequency.
    for (int i : {11, 12, 229}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(shortTable.at(i), emptyRecord());
    }
    EXPECT_FALSE(emptyRecord().isNamed());
    EXPECT_FALSE(emptyRecord().hasFrequency());
    EXPECT_EQ(decodeTable(full + "extra bytes"), shippedTable());
}

TEST(DataFile, FrequencyMustBeFiniteAndAboveZero) {
    struct Case {
        const char* name;
        float frequency;
        bool usable;
    };
    const Case cases[] = {
        {"440", 440.0f, true},
        {"smallest subnormal", std::numeric_limits<float>::denorm_min(), true},
        {"largest finite", std::numeric_limits<float>::max(), true},
        {"zero", 0.0f, false},
        {"negative zero", -0.0f, false},
        {"negative", -440.0f, false},
        {"NaN", std::numeric_limits<float>::quiet_NaN(), false},
        {"infinity", std::numeric_limits<float>::infinity(), false},
        {"negative infinity", -std::numeric_limits<float>::infinity(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PitchTable t = shippedTable();
        t.at(93).frequency = c.frequency;
        EXPECT_EQ(t.at(93).hasFrequency(), c.usable);
        const TableDamage expected = c.usable ? TableDamage{} : TableDamage{229, 93, 1};
        EXPECT_EQ(findDamage(encodeTable(t)), expected);
    }
}

TEST(DataFile, DamageCountsWholeRecordsAndTheBadFrequenciesInThem) {
    const std::string full = encodeTable(shippedTable());
    const auto withBad = [&](std::initializer_list<int> indices, std::size_t size) {
        PitchTable t = shippedTable();
        for (int i : indices)
            t.at(i).frequency = std::numeric_limits<float>::quiet_NaN();
        return encodeTable(t).substr(0, size);
    };
    struct Case {
        const char* name;
        std::string bytes;
        TableDamage damage;
    };
    const Case cases[] = {
        {"whole file", full, {229, 0, 0}},
        {"longer file", full + "extra", {229, 0, 0}},
        {"one byte short", full.substr(0, 8243), {228, 0, 0}},
        {"4000 bytes", full.substr(0, 4000), {111, 0, 0}},
        {"empty file", "", {0, 0, 0}},
        {"bad frequencies", withBad({221, 5, 100}, 8244), {229, 5, 3}},
        {"bad frequency past the end is not counted", withBad({50, 120}, 4000), {111, 50, 1}},
        {"last whole record", withBad({111}, 4000), {111, 111, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(findDamage(c.bytes), c.damage);
    }
}

TEST(DataFile, MissingOrUnreadableFileGivesNothing) {
    EXPECT_FALSE(readFileBytes(dataFile("no_such_file.dat")));
    EXPECT_FALSE(readFileBytes(RUVIZEZO_DATA_DIR)); // a folder
    const auto shortFixture = readFileBytes(std::string(KOMA_TEST_DATA_DIR) + "/bad/short.dat");
    ASSERT_TRUE(shortFixture);
    EXPECT_EQ(shortFixture->size(), 100u);
}

TEST(MainPitchList, ListsTheMainPitchesOfTheViewedRange) {
    const PitchTable t = tableWithMains({5,   9,   18,  27,  31,  40,  49,  53,  62,  71,  80,
                                         84,  93,  102, 106, 115, 124, 133, 137, 146, 155, 159,
                                         168, 177, 186, 190, 199, 208, 212, 221, 225});
    const std::vector<ListItem> items = mainPitchList(t);
    ASSERT_EQ(items.size(), 30u); // 5 and 225 lie outside the view
    EXPECT_EQ(items[0], (ListItem{"     KARAR SESI", 0}));
    EXPECT_EQ(items[1].data, 9);
    EXPECT_EQ(items[1].text, "Perde 9                 ");
    EXPECT_EQ(items[29].data, 221);
    for (std::size_t k = 1; k < items.size(); ++k)
        EXPECT_EQ(staffStep(items[k].data), int(k)) << items[k].data;
}

TEST(MainPitchList, HeaderAloneWhenTheViewHoldsNoMainPitch) {
    EXPECT_EQ(mainPitchList(tableWithMains({5, 225})).size(), 1u);
}

TEST(MainPitchList, LeavesOutTheEmptyRecordsOfAShortFile) {
    const std::string full = encodeTable(shippedTable());
    std::vector<ListItem> held = mainPitchList(shippedTable());
    std::erase_if(held, [](const ListItem& item) { return item.data > 111; });
    EXPECT_EQ(mainPitchList(decodeTable(full.substr(0, 4000))), held);
    EXPECT_EQ(mainPitchList(decodeTable("")).size(), 1u);
}

TEST(ShippedData, IsWhatTheGeneratorMakesFromTheTable) {
    const PitchTable fromSource =
        parseTableSource(readFileBytes(dataFile("arel_table.txt")).value());
    EXPECT_EQ(encodeTable(fromSource), readFileBytes(dataFile("arel.dat")).value());
    EXPECT_EQ(workbookBytes(fromSource), readFileBytes(dataFile("arel.xls")).value());
}

TEST(ShippedData, MainPitchesAreTheStaffStepsAndEveryOtherPitchLiesBetweenTwo) {
    const PitchTable t = shippedTable();
    int mains = 0;
    for (int i = firstViewed; i <= lastViewed; ++i) {
        SCOPED_TRACE(i);
        const PitchRecord& r = t.at(i);
        EXPECT_EQ(r.isMain(), staffStep(i) != 0);
        if (r.isMain()) {
            ++mains;
            EXPECT_TRUE(r.isNamed());
            continue;
        }
        EXPECT_LT(r.upperMain, i);
        EXPECT_GT(r.lowerMain, i);
        EXPECT_NE(staffStep(r.upperMain), 0);
        EXPECT_EQ(staffStep(r.lowerMain), staffStep(r.upperMain) + 1);
    }
    EXPECT_EQ(mains, 29);
    EXPECT_EQ(std::string(t.at(93).name.data(), 4), "Neva");
    EXPECT_EQ(std::string(t.at(93).noteName.data(), 3), "A  ");
    EXPECT_EQ(std::string(t.at(93).octave.data(), 2), "4 ");
    EXPECT_EQ(t.at(93).pianoKey, 49);
    // Records outside the view are never main pitches: they would not be listed anyway.
    for (int i : {1, 8, 222, 229})
        EXPECT_FALSE(t.at(i).isMain()) << i;
}

TEST(TableSource, RefusesBrokenLines) {
    struct Case {
        const char* name;
        std::string line;
    };
    const std::string full = readFileBytes(dataFile("arel_table.txt")).value();
    const Case cases[] = {
        {"index twice", full + "93 | Neva | | | 0 | 0 | 0\n"},
        {"index outside", full + "230 | x | | | 0 | 0 | 0\n"},
        {"too few fields", full + "5 | x | | 0 | 0 | 0\n"},
        {"byte too large", full + "5 | x | | | 256 | 0 | 0\n"},
        {"name too long", full + "5 | Kaba Kaba Kaba Nim Zirgüle | | | 0 | 0 | 0\n"},
        {"not in the code page", full + "5 | Перде | | | 0 | 0 | 0\n"},
        {"missing index", "93 | Neva | A | 4 | 49 | 0 | 0\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(parseTableSource(c.line), SourceError);
    }
}
