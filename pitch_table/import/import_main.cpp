// Rebuilds arel.dat from the workbook arel.xls, both in the program's folder.
#include "command_line.h"
#include "numbers.h"
#include "workbook_import.h"

#include <QCoreApplication>

#include <iostream>
#include <string>
#include <vector>

namespace {
const runtime::ProgramInfo program{
    "ruvizezo_import",
    "Rebuilds the pitch table's data file arel.dat from the workbook arel.xls,\n"
    "both in the program's folder. A workbook that would give a table the\n"
    "viewer cannot use is refused, and the old arel.dat is kept (exit status 1)."};
} // namespace

int main(int argc, char** argv) {
    if (const auto status =
            runtime::answerCommandLine({argv + 1, argv + argc}, program, std::cout, std::cerr))
        return *status;
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
