#include "pitch_record.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace pitch_table {

namespace {

void put32(unsigned char* at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k)
        at[k] = static_cast<unsigned char>(v >> (8 * k));
}

std::uint32_t get32(const unsigned char* at) {
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

PitchRecord decodeRecord(const unsigned char* bytes) {
    PitchRecord r;
    std::memcpy(r.name.data(), bytes, 24);
    r.frequency = std::bit_cast<float>(get32(bytes + 24));
    std::memcpy(r.noteName.data(), bytes + 28, 3);
    std::memcpy(r.octave.data(), bytes + 31, 2);
    r.pianoKey = bytes[33];
    r.upperMain = bytes[34];
    r.lowerMain = bytes[35];
    return r;
}

int wholeRecordsOf(std::string_view bytes) {
    return static_cast<int>(std::min<std::size_t>(bytes.size() / recordSize, pitchCount));
}

const unsigned char* recordBytes(std::string_view bytes, int index) {
    return reinterpret_cast<const unsigned char*>(bytes.data()) + recordSize * (index - 1);
}

} // namespace

bool PitchRecord::isNamed() const {
    for (char c : name)
        if (c != ' ')
            return true;
    return false;
}

bool PitchRecord::hasFrequency() const {
    return std::isfinite(frequency) && frequency > 0;
}

PitchRecord& PitchTable::at(int index) {
    if (index < 1 || index > pitchCount)
        throw std::out_of_range("pitch index outside 1..229");
    return m_records[static_cast<std::size_t>(index - 1)];
}

const PitchRecord& PitchTable::at(int index) const {
    return const_cast<PitchTable*>(this)->at(index);
}

void applyFrequencyRule(PitchTable& table) {
    const double koma = std::pow(2.0, 1.0 / 53.0);
    table.at(anchorIndex).frequency = 440.0f;
    // Each step starts from its neighbour's rounded single, as the table always did.
    for (int i = anchorIndex - 1; i >= 1; --i)
        table.at(i).frequency = static_cast<float>(double(table.at(i + 1).frequency) * koma);
    for (int i = anchorIndex + 1; i <= pitchCount; ++i)
        table.at(i).frequency = static_cast<float>(double(table.at(i - 1).frequency) / koma);
}

std::array<unsigned char, recordSize> encodeRecord(const PitchRecord& r) {
    std::array<unsigned char, recordSize> b{};
    std::memcpy(b.data(), r.name.data(), 24);
    put32(b.data() + 24, std::bit_cast<std::uint32_t>(r.frequency));
    std::memcpy(b.data() + 28, r.noteName.data(), 3);
    std::memcpy(b.data() + 31, r.octave.data(), 2);
    b[33] = r.pianoKey;
    b[34] = r.upperMain;
    b[35] = r.lowerMain;
    return b;
}

std::string encodeTable(const PitchTable& table) {
    std::string bytes;
    bytes.reserve(dataFileSize);
    for (int i = 1; i <= pitchCount; ++i) {
        const auto b = encodeRecord(table.at(i));
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return bytes;
}

PitchRecord emptyRecord() {
    PitchRecord r;
    r.name = fieldText<24>("");
    r.noteName = fieldText<3>("");
    r.octave = fieldText<2>("");
    return r;
}

PitchTable decodeTable(std::string_view bytes) {
    // A part of a record is no record: its frequency could be any four bytes.
    const int whole = wholeRecordsOf(bytes);
    PitchTable table;
    for (int i = 1; i <= pitchCount; ++i)
        table.at(i) = i <= whole ? decodeRecord(recordBytes(bytes, i)) : emptyRecord();
    return table;
}

TableDamage findDamage(std::string_view bytes) {
    TableDamage damage;
    damage.wholeRecords = wholeRecordsOf(bytes);
    for (int i = 1; i <= damage.wholeRecords; ++i) {
        if (decodeRecord(recordBytes(bytes, i)).hasFrequency())
            continue;
        if (damage.badFrequencies++ == 0)
            damage.firstBadFrequency = i;
    }
    return damage;
}

std::optional<std::string> readFileBytes(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt; // a folder opens but reads as nothing
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return bytes;
}

std::vector<ListItem> mainPitchList(const PitchTable& table) {
    std::vector<ListItem> items{{"     KARAR SESI", 0}};
    for (int i = firstViewed; i <= lastViewed; ++i) {
        const PitchRecord& r = table.at(i);
        if (r.isMain() && r.isNamed())
            items.push_back({std::string(r.name.data(), r.name.size()), i});
    }
    return items;
}

} // namespace pitch_table
