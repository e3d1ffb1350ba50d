#pragma once
// The pitch table: 229 pitches one koma apart, index 1 the highest, index 93
// at 440 Hz, and its data file of 36-byte records. Texts stay in the file's
// code page (Windows-1254) until a window shows them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pitch_table {

inline constexpr int pitchCount = 229;
inline constexpr int recordSize = 36;
inline constexpr int dataFileSize = pitchCount * recordSize; // 8244
/** The viewed range: four octaves of 53 komas, both ends included. */
inline constexpr int firstViewed = 9;
inline constexpr int lastViewed = 221;
inline constexpr int anchorIndex = 93; // 440 Hz

struct PitchRecord {
    std::array<char, 24> name{};
    float frequency = 0;
    std::array<char, 3> noteName{};
    std::array<char, 2> octave{};
    std::uint8_t pianoKey = 0;
    std::uint8_t upperMain = 0;
    std::uint8_t lowerMain = 0;

    /** A main pitch has neither an upper nor a lower main pitch. */
    bool isMain() const { return upperMain == 0 && lowerMain == 0; }
    /** Named unless the name is 24 blanks; a cleared name (24 zero bytes) counts as named. */
    bool isNamed() const;
    /** A frequency that can be shown and played: finite and above 0 (NaN, 0, -1 are not). */
    bool hasFrequency() const;

    bool operator==(const PitchRecord&) const = default;
};

/** The 229 records, indexed 1 to 229; at() throws std::out_of_range outside. */
class PitchTable {
public:
    PitchRecord& at(int index);
    const PitchRecord& at(int index) const;
    bool operator==(const PitchTable&) const = default;

private:
    std::array<PitchRecord, pitchCount> m_records{};
};

/** Fills every frequency: 440 at index 93, each neighbour one koma away, rounded to single. */
void applyFrequencyRule(PitchTable& table);

/** A text left-justified in a field: filled with blanks or cut. */
template <std::size_t N> std::array<char, N> fieldText(std::string_view text) {
    std::array<char, N> field;
    field.fill(' ');
    for (std::size_t k = 0; k < N && k < text.size(); ++k)
        field[k] = text[k];
    return field;
}

/** The 36 bytes of a record, little-endian. */
std::array<unsigned char, recordSize> encodeRecord(const PitchRecord& record);

/** The data file's bytes: the 229 records in index order, 8244 bytes. */
std::string encodeTable(const PitchTable& table);

/** A record a short file does not hold: blank texts, all numbers 0, so no name and no frequency. */
PitchRecord emptyRecord();

/**
 * A table from a data file's bytes. A short file gives the records it holds
 * whole; the rest, a partly held one included, are empty records. Bytes past
 * the 8244th are ignored.
 */
PitchTable decodeTable(std::string_view bytes);

/** What of a data file the window cannot use. */
struct TableDamage {
    /** The records the file holds whole, at most 229; decodeTable leaves the others empty. */
    int wholeRecords = pitchCount;
    /** The whole records without a frequency (see hasFrequency): the first (0: none), the count. */
    int firstBadFrequency = 0;
    int badFrequencies = 0;

    bool isShort() const { return wholeRecords < pitchCount; }
    bool any() const { return isShort() || badFrequencies != 0; }
    bool operator==(const TableDamage&) const = default;
};

/**
 * The damage of a data file's bytes, read as decodeTable reads them: 4000
 * bytes hold 111 whole records; a NaN frequency in record 93 of a full file
 * gives {229, 93, 1}.
 */
TableDamage findDamage(std::string_view bytes);

/** A whole file's bytes; nothing when it cannot be opened or read. */
std::optional<std::string> readFileBytes(const std::string& path);

/** One item of the tonic list: its text and its item data. */
struct ListItem {
    std::string text; ///< Windows-1254
    int data = 0;
    bool operator==(const ListItem&) const = default;
};

/**
 * The header item "     KARAR SESI" (data 0), then every named main pitch of 9..221 by index:
 * an empty record is a main pitch but is not listed.
 */
std::vector<ListItem> mainPitchList(const PitchTable& table);

} // namespace pitch_table
