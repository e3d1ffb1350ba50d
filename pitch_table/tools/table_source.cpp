#include "table_source.h"

#include "code_page.h"
#include "numbers.h"

#include <QString>
#include <QStringList>

#include <set>
#include <sstream>

namespace pitch_table {

namespace {

int readNumber(const QString& field, int low, int high, const std::string& where) {
    int value = 0;
    try {
        value = runtime::readInt16(field.toStdString());
    } catch (const std::exception&) {
        throw SourceError(where + ": not a whole number: " + field.toStdString());
    }
    if (value < low || value > high)
        throw SourceError(where + ": " + field.toStdString() + " outside " +
                          runtime::numberToText(low) + ".." + runtime::numberToText(high));
    return value;
}

std::string codePageText(const QString& field, int width, const std::string& where) {
    const QByteArray bytes = platform::toWindows1254(field);
    if (bytes.size() > width || bytes.contains('?') != field.contains(u'?'))
        throw SourceError(where + ": text does not fit: " + field.toStdString());
    return bytes.toStdString();
}

} // namespace

PitchTable parseTableSource(const std::string& utf8Text) {
    PitchTable table;
    applyFrequencyRule(table);
    std::set<int> seen;
    std::istringstream lines(utf8Text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        const QString text = QString::fromUtf8(line).trimmed();
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        const std::string where = "line " + runtime::numberToText(number);
        QStringList f = text.split(u'|');
        if (f.size() != 7)
            throw SourceError(where + ": 7 fields expected");
        for (QString& s : f)
            s = s.trimmed();
        const int index = readNumber(f[0], 1, pitchCount, where);
        if (!seen.insert(index).second)
            throw SourceError(where + ": index given twice");
        PitchRecord& r = table.at(index);
        r.name = fieldText<24>(codePageText(f[1], 24, where));
        r.noteName = fieldText<3>(codePageText(f[2], 3, where));
        r.octave = fieldText<2>(codePageText(f[3], 2, where));
        r.pianoKey = static_cast<std::uint8_t>(readNumber(f[4], 0, 255, where));
        r.upperMain = static_cast<std::uint8_t>(readNumber(f[5], 0, 255, where));
        r.lowerMain = static_cast<std::uint8_t>(readNumber(f[6], 0, 255, where));
    }
    if (seen.size() != pitchCount)
        throw SourceError("every index 1..229 needs a line");
    return table;
}

} // namespace pitch_table
