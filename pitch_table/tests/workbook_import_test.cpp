#include "workbook_import.h"
#include "workbook_writer.h"

#include "separator.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <optional>

using namespace pitch_table;

namespace {

std::string read(const std::string& path) {
    return readFileBytes(path).value_or("<missing>");
}

void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

PitchTable shippedTable() {
    return decodeTable(read(RUVIZEZO_DATA_DIR "/arel.dat"));
}

constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();

/** The shipped data file with the given frequencies in place. */
std::string withFrequencies(std::initializer_list<std::pair<int, float>> frequencies) {
    PitchTable t = shippedTable();
    for (const auto& [index, frequency] : frequencies)
        t.at(index).frequency = frequency;
    return encodeTable(t);
}

/** A program folder with a workbook and an old data file. */
struct ImportFixture : ::testing::Test {
    std::string file(const char* name) const { return folder.path().toStdString() + "/" + name; }
    void putWorkbook(const Cells& cells) { write(file("arel.xls"), workbookBytes(cells)); }

    QTemporaryDir folder;
    const std::string oldData = "the old data file";
};

} // namespace

TEST_F(ImportFixture, FixtureWorkbookGivesTheShippedDataFile) {
    write(file("arel.xls"), read(KOMA_TEST_DATA_DIR "/arel.xls"));
    write(file("arel.dat"), encodeTable(shippedTable()));
    EXPECT_EQ(TabloOkuExcell(folder.path().toStdString()), "");
    EXPECT_EQ(read(file("arel.dat")), read(RUVIZEZO_DATA_DIR "/arel.dat"));
}

TEST_F(ImportFixture, WithoutAnOldDataFileTheFrequencyRuleGivesTheFrequencies) {
    write(file("arel.xls"), read(KOMA_TEST_DATA_DIR "/arel.xls"));
    EXPECT_EQ(TabloOkuExcell(folder.path().toStdString()), "");
    EXPECT_EQ(read(file("arel.dat")), read(RUVIZEZO_DATA_DIR "/arel.dat"));
}

TEST_F(ImportFixture, DamagedOldDataFileIsRebuiltWithTheRulesFrequencies) {
    struct Case {
        const char* name;
        std::string oldBytes;
    };
    const Case cases[] = {
        {"short", read(KOMA_TEST_DATA_DIR "/bad/short.dat")},
        {"bad frequencies", withFrequencies({{1, notANumber}, {93, 0.0f}, {229, -1.0f}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        write(file("arel.xls"), read(KOMA_TEST_DATA_DIR "/arel.xls"));
        write(file("arel.dat"), c.oldBytes);
        EXPECT_EQ(TabloOkuExcell(folder.path().toStdString()), "");
        EXPECT_EQ(read(file("arel.dat")), read(RUVIZEZO_DATA_DIR "/arel.dat"));
    }
}

TEST_F(ImportFixture, RecordNoRowNamesIsWrittenOnlyWithAFrequency) {
    // Row 30 names record 6 as well, so no row names record 7: it keeps the old file's content.
    Cells cells = workbookCells(shippedTable());
    cells[{30, columnL}] = 6.0;
    const std::string refused =
        "Excel yüklü değil veya dosya bulunamadı: 7. kayıt hiçbir satırda yok ve eski "
        "arel.dat'taki frekansı geçersiz (1 kayıt); arel.dat yazılmadı";
    struct Case {
        const char* name;
        std::optional<std::string> oldBytes; // none: no old file
        std::string report;
    };
    const Case cases[] = {
        {"usable old frequency", withFrequencies({}), ""},
        {"no old file: the rule's frequency", std::nullopt, ""},
        {"NaN", withFrequencies({{7, notANumber}}), refused},
        {"zero", withFrequencies({{7, 0.0f}}), refused},
        {"infinity", withFrequencies({{7, std::numeric_limits<float>::infinity()}}), refused},
        {"old file ending before record 7", withFrequencies({}).substr(0, 36 * 6 + 10), refused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        putWorkbook(cells);
        std::filesystem::remove(file("arel.dat"));
        if (c.oldBytes)
            write(file("arel.dat"), *c.oldBytes);
        EXPECT_EQ(TabloOkuExcell(folder.path().toStdString()), c.report);
        const std::optional<std::string> written = readFileBytes(file("arel.dat"));
        if (!c.report.empty()) {
            EXPECT_EQ(written, c.oldBytes); // kept, or still missing
            continue;
        }
        ASSERT_TRUE(written);
        EXPECT_EQ(findDamage(*written), TableDamage{});
        EXPECT_EQ(decodeTable(*written).at(7).frequency, shippedTable().at(7).frequency);
    }
}

TEST_F(ImportFixture, CellsAreReadAsTheLayoutSays) {
    Cells cells = workbookCells(shippedTable());
    cells[{24 + 92, columnA}] = std::string("Neva perdesinin çok uzun bir adı");
    cells[{24 + 92, columnJ}] = 12.5; // a number as its text
    cells.erase({24 + 92, columnI});  // an empty cell as an empty text
    cells[{30, columnL}] = 6.5;       // halves to even: row 30 fills record 6
    cells[{30, columnA}] = std::string("Yedi");
    cells[{31, columnK}] = 254.5; // row 31 is record 8: 254
    putWorkbook(cells);
    PitchTable table = shippedTable();
    readWorkbook(file("arel.xls"), table);
    const PitchRecord& neva = table.at(93);
    EXPECT_EQ(std::string(neva.name.data(), 24), "Neva perdesinin \xE7ok uzun");
    EXPECT_EQ(std::string(neva.noteName.data(), 3), runtime::testing::localised("12."));
    EXPECT_EQ(std::string(neva.octave.data(), 2), "  ");
    EXPECT_EQ(neva.frequency, 440.0f);
    EXPECT_EQ(std::string(table.at(6).name.data(), 4), "Yedi");
    EXPECT_EQ(table.at(7), shippedTable().at(7)); // no row names it: it keeps its content
    EXPECT_EQ(table.at(8).pianoKey, 254);
}

TEST_F(ImportFixture, EachBadCellIsRefusedAndTheOldFileKept) {
    struct Case {
        const char* name;
        int row, column;
        std::variant<double, std::string> value;
        const char* cell;
    };
    const Case cases[] = {
        {"index 0", 30, columnL, 0.0, "L30"},
        {"index 230", 252, columnL, 230.0, "L252"},
        {"index rounding to 230", 40, columnL, 229.6, "L40"},
        {"index beyond 16 bits", 41, columnL, 1e6, "L41"},
        {"text as index", 24, columnL, std::string("dokuz"), "L24"},
        {"piano key 256", 50, columnK, 256.0, "K50"},
        {"negative upper main", 60, columnM, -1.0, "M60"},
        {"text as lower main", 70, columnN, std::string("x"), "N70"},
        {"lower main 300", 80, columnN, 300.0, "N80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Cells cells = workbookCells(shippedTable());
        cells[{c.row, c.column}] = c.value;
        putWorkbook(cells);
        write(file("arel.dat"), oldData);
        const std::string report = TabloOkuExcell(folder.path().toStdString());
        EXPECT_EQ(report.rfind("Excel yüklü değil veya dosya bulunamadı: ", 0), 0u) << report;
        EXPECT_NE(report.find(c.cell), std::string::npos) << report;
        EXPECT_EQ(read(file("arel.dat")), oldData);
    }
}

TEST_F(ImportFixture, EmptyIndexCellAndMissingRowsAreRefused) {
    Cells cells = workbookCells(shippedTable());
    cells.erase({100, columnL});
    putWorkbook(cells);
    EXPECT_NE(TabloOkuExcell(folder.path().toStdString()).find("L100"), std::string::npos);
    Cells shortSheet;
    for (const auto& [at, value] : workbookCells(shippedTable()))
        if (at.first < 200)
            shortSheet[at] = value;
    putWorkbook(shortSheet);
    EXPECT_NE(TabloOkuExcell(folder.path().toStdString()).find("L200"), std::string::npos);
    EXPECT_FALSE(readFileBytes(file("arel.dat")));
}

TEST_F(ImportFixture, MissingOrBrokenWorkbookIsRefused) {
    write(file("arel.dat"), oldData);
    EXPECT_EQ(TabloOkuExcell(folder.path().toStdString()),
              "Excel yüklü değil veya dosya bulunamadı: arel.xls açılamadı");
    write(file("arel.xls"), "not a workbook at all");
    EXPECT_EQ(TabloOkuExcell(folder.path().toStdString()),
              "Excel yüklü değil veya dosya bulunamadı: arel.xls açılamadı");
    EXPECT_EQ(read(file("arel.dat")), oldData);
}
