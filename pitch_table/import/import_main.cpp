// Rebuilds arel.dat from the workbook arel.xls, both in the program's folder.
#include "numbers.h"
#include "workbook_import.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    runtime::setDecimalSeparator(runtime::systemDecimalSeparator());
    const std::string report =
        pitch_table::TabloOkuExcell(QCoreApplication::applicationDirPath().toStdString());
    if (!report.empty()) {
        std::cerr << report << "\n";
        return 1;
    }
    std::cout << "arel.dat yazıldı\n";
    return 0;
}
