#include "workbook_writer.h"

#include "code_page.h"

#include <QString>

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace pitch_table {

namespace {

class Bytes {
public:
    void u8(unsigned v) { m_b.push_back(static_cast<char>(v)); }
    void u16(unsigned v) {
        u8(v & 0xFF);
        u8(v >> 8 & 0xFF);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void f64(double v) {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        u32(static_cast<std::uint32_t>(bits));
        u32(static_cast<std::uint32_t>(bits >> 32));
    }
    void raw(const std::string& s) { m_b += s; }
    /** A BIFF8 unicode string, always in 16-bit characters. */
    void unicode(const std::string& utf8, bool shortCount) {
        const std::u16string text = QString::fromUtf8(utf8).toStdU16String();
        shortCount ? u8(static_cast<unsigned>(text.size()))
                   : u16(static_cast<unsigned>(text.size()));
        u8(1);
        for (char16_t c : text)
            u16(c);
    }
    void patch32(std::size_t at, std::uint32_t v) {
        for (int k = 0; k < 4; ++k)
            m_b[at + k] = static_cast<char>(v >> (8 * k));
    }
    std::size_t size() const { return m_b.size(); }
    const std::string& str() const { return m_b; }

private:
    std::string m_b;
};

void record(Bytes& out, unsigned type, const Bytes& body) {
    if (body.size() > 8224)
        throw std::length_error("workbook record too long");
    out.u16(type);
    out.u16(static_cast<unsigned>(body.size()));
    out.raw(body.str());
}

Bytes bof(unsigned kind) {
    Bytes b;
    b.u16(0x0600);
    b.u16(kind);
    b.u16(0x0DBB);
    b.u16(0x07CC);
    b.u32(0);
    b.u32(0x0006);
    return b;
}

std::string biffStream(const Cells& cells) {
    std::vector<std::string> strings;
    std::map<std::string, std::uint32_t> stringIndex;
    for (const auto& [at, value] : cells)
        if (const auto* s = std::get_if<std::string>(&value))
            if (stringIndex.emplace(*s, static_cast<std::uint32_t>(strings.size())).second)
                strings.push_back(*s);

    Bytes out;
    record(out, 0x0809, bof(0x0005));
    Bytes codePage;
    codePage.u16(1200); // texts in UTF-16
    record(out, 0x0042, codePage);
    Bytes window;
    for (unsigned v : {0u, 0u, 0x3000u, 0x2000u, 0x38u, 0u, 0u, 1u, 0x258u})
        window.u16(v);
    record(out, 0x003D, window);
    Bytes font;
    font.u16(200);
    font.u16(0);
    font.u16(0x7FFF);
    font.u16(400);
    font.u16(0);
    font.u8(0);
    font.u8(0);
    font.u8(0);
    font.u8(0);
    font.unicode("Arial", true);
    for (int k = 0; k < 4; ++k) // font index 4 does not exist
        record(out, 0x0031, font);
    // Fifteen style formats and one cell format, all General.
    for (int k = 0; k < 16; ++k) {
        Bytes xf;
        xf.u16(0);
        xf.u16(0);
        xf.u16(k < 15 ? 0xFFF5 : 0x0001);
        xf.u16(0x20);
        xf.u32(0);
        xf.u32(0);
        xf.u32(0);
        xf.u16(0x20C0);
        record(out, 0x00E0, xf);
    }
    const std::size_t sheetOffsetAt = out.size() + 4;
    Bytes sheet;
    sheet.u32(0);
    sheet.u8(0);
    sheet.u8(0);
    sheet.unicode("Sayfa1", true);
    record(out, 0x0085, sheet);
    Bytes sst;
    sst.u32(static_cast<std::uint32_t>(strings.size()));
    sst.u32(static_cast<std::uint32_t>(strings.size()));
    for (const std::string& s : strings)
        sst.unicode(s, false);
    record(out, 0x00FC, sst);
    record(out, 0x000A, Bytes());

    out.patch32(sheetOffsetAt, static_cast<std::uint32_t>(out.size()));
    record(out, 0x0809, bof(0x0010));
    int lastRow = 0, lastColumn = 0;
    for (const auto& [at, value] : cells) {
        lastRow = std::max(lastRow, at.first);
        lastColumn = std::max(lastColumn, at.second);
    }
    Bytes dimensions;
    dimensions.u32(0);
    dimensions.u32(static_cast<std::uint32_t>(lastRow));
    dimensions.u16(0);
    dimensions.u16(static_cast<unsigned>(lastColumn));
    dimensions.u16(0);
    record(out, 0x0200, dimensions);
    for (const auto& [at, value] : cells) {
        Bytes cell;
        cell.u16(static_cast<unsigned>(at.first - 1));
        cell.u16(static_cast<unsigned>(at.second - 1));
        cell.u16(15);
        if (const auto* number = std::get_if<double>(&value)) {
            cell.f64(*number);
            record(out, 0x0203, cell);
        } else {
            cell.u32(stringIndex.at(std::get<std::string>(value)));
            record(out, 0x00FD, cell);
        }
    }
    record(out, 0x000A, Bytes());
    return out.str();
}

constexpr std::uint32_t endOfChain = 0xFFFFFFFE, freeSector = 0xFFFFFFFF, fatSector = 0xFFFFFFFD;

void directoryEntry(Bytes& d, const std::u16string& name, unsigned type, std::uint32_t child,
                    std::uint32_t start, std::uint32_t size) {
    for (int k = 0; k < 32; ++k)
        d.u16(k < int(name.size()) ? name[std::size_t(k)] : 0);
    d.u16(name.empty() ? 0 : static_cast<unsigned>(2 * (name.size() + 1)));
    d.u8(type);
    d.u8(1); // black
    d.u32(freeSector);
    d.u32(freeSector);
    d.u32(child);
    for (int k = 0; k < 36; ++k) // class id, state bits, times
        d.u8(0);
    d.u32(start);
    d.u32(size);
    d.u32(0);
}

/** The stream as "Workbook" in a version 3 compound file; it must not be under 4096 bytes. */
std::string compoundFile(std::string stream) {
    if (stream.size() < 4096)
        stream.resize(4096, '\0');
    const std::uint32_t streamSize = static_cast<std::uint32_t>(stream.size());
    const std::uint32_t streamSectors = (streamSize + 511) / 512;
    std::uint32_t fatSectors = 1;
    while (fatSectors * 128 < streamSectors + 1 + fatSectors)
        ++fatSectors;
    if (fatSectors > 109)
        throw std::length_error("workbook too large");
    const std::uint32_t directorySector = streamSectors;

    Bytes header;
    header.raw(std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    for (int k = 0; k < 16; ++k)
        header.u8(0);
    header.u16(0x003E);
    header.u16(0x0003);
    header.u16(0xFFFE);
    header.u16(9);
    header.u16(6);
    for (int k = 0; k < 6; ++k)
        header.u8(0);
    header.u32(0);
    header.u32(fatSectors);
    header.u32(directorySector);
    header.u32(0);
    header.u32(4096);
    header.u32(endOfChain);
    header.u32(0);
    header.u32(endOfChain);
    header.u32(0);
    for (std::uint32_t k = 0; k < 109; ++k)
        header.u32(k < fatSectors ? directorySector + 1 + k : freeSector);

    stream.resize(std::size_t(streamSectors) * 512, '\0');
    Bytes directory;
    directoryEntry(directory, u"Root Entry", 5, 1, endOfChain, 0);
    directoryEntry(directory, u"Workbook", 2, freeSector, 0, streamSize);
    directoryEntry(directory, u"", 0, freeSector, 0, 0);
    directoryEntry(directory, u"", 0, freeSector, 0, 0);

    Bytes fat;
    for (std::uint32_t s = 0; s < streamSectors; ++s)
        fat.u32(s + 1 < streamSectors ? s + 1 : endOfChain);
    fat.u32(endOfChain);
    for (std::uint32_t k = 0; k < fatSectors; ++k)
        fat.u32(fatSector);
    while (fat.size() < std::size_t(fatSectors) * 512)
        fat.u32(freeSector);
    return header.str() + stream + directory.str() + fat.str();
}

std::string utf8(const char* bytes, std::size_t size) {
    return platform::fromWindows1254(QByteArray(bytes, qsizetype(size))).trimmed().toStdString();
}

} // namespace

std::string workbookBytes(const Cells& cells) {
    return compoundFile(biffStream(cells));
}

Cells workbookCells(const PitchTable& table) {
    Cells cells;
    const int titleRow = firstWorkbookRow - 1;
    cells[{titleRow, columnA}] = std::string("perde");
    cells[{titleRow, columnI}] = std::string("oktav");
    cells[{titleRow, columnJ}] = std::string("nota");
    cells[{titleRow, columnK}] = std::string("tuş");
    cells[{titleRow, columnL}] = std::string("derece");
    cells[{titleRow, columnM}] = std::string("üst ana");
    cells[{titleRow, columnN}] = std::string("alt ana");
    for (int i = 1; i <= pitchCount; ++i) {
        const PitchRecord& r = table.at(i);
        const int row = firstWorkbookRow + i - 1;
        const auto text = [&](int column, const std::string& s) {
            if (!s.empty()) // an unnamed pitch is an empty cell
                cells[{row, column}] = s;
        };
        cells[{row, columnL}] = double(i);
        text(columnA, utf8(r.name.data(), r.name.size()));
        text(columnJ, utf8(r.noteName.data(), r.noteName.size()));
        text(columnI, utf8(r.octave.data(), r.octave.size()));
        cells[{row, columnK}] = double(r.pianoKey);
        cells[{row, columnM}] = double(r.upperMain);
        cells[{row, columnN}] = double(r.lowerMain);
    }
    return cells;
}

std::string workbookBytes(const PitchTable& table) {
    return workbookBytes(workbookCells(table));
}

} // namespace pitch_table
