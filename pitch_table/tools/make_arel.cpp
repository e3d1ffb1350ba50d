// Writes arel.dat (and arel.xls) from the readable pitch table.
// Usage: make_arel <arel_table.txt> <output folder>
#include "table_source.h"
#include "workbook_writer.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_arel <arel_table.txt> <output folder>\n";
        return 2;
    }
    const auto text = pitch_table::readFileBytes(argv[1]);
    if (!text) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    try {
        const pitch_table::PitchTable table = pitch_table::parseTableSource(*text);
        const std::string folder = argv[2];
        std::ofstream(folder + "/arel.dat", std::ios::binary) << pitch_table::encodeTable(table);
        std::ofstream(folder + "/arel.xls", std::ios::binary) << pitch_table::workbookBytes(table);
    } catch (const std::exception& e) {
        std::cerr << argv[1] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
