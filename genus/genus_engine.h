#pragma once
// Enumeration of the genera: every ordered sequence of 2, 3 or 4 included
// columns whose rounded running sum fills the span, without two small neighbours.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace genus {

/** What a computation reads from the window, taken once when it starts. */
struct GenusInput {
    std::vector<std::string> values;  ///< value texts of columns 0..lastIndex
    std::vector<std::string> symbols; ///< symbol texts, same indices
    std::vector<bool> included;       ///< include boxes, same indices
    int lastIndex = 0;                ///< below 0: nothing is tried
    std::string span;                 ///< txbAra
    std::string limit;                ///< txbYsk
};

/** Why a span and a limit cannot list anything, found before a computation. */
enum class SpanProblem { None, SpanNotANumber, LimitNotANumber, SpanNotWhole };

/**
 * Checks the texts of the span and the adjacency limit by the strict reading
 * ("." also accepted under ","): each must be a number, and the span a whole
 * one, since the running sum is always rounded to a whole number before it is
 * compared. "22", "5" -> None; "22.5", "5" -> SpanNotWhole; "", "5" -> SpanNotANumber.
 */
SpanProblem checkSpanAndLimit(std::string_view span, std::string_view limit);

/** The found genera; lines are made from the columns' texts when asked for. */
class GenusList {
public:
    std::size_t size() const { return m_records.size(); }
    bool empty() const { return m_records.empty(); }
    /** Line of row 0 upward; row n carries the number n + 1. */
    std::string line(std::size_t row) const;
    /** Number of intervals of a row: 2, 3 or 4. */
    int intervalCount(std::size_t row) const;

private:
    friend class GenusEngine;
    std::vector<std::string> m_values;
    std::vector<std::string> m_symbols;
    /// Column indices, -1 past the last; in blocks, since growing never copies or moves them.
    std::deque<std::array<std::int16_t, 4>> m_records;
};

/**
 * Called now and then during a computation with the share done so far (0 to 1);
 * returning false cancels it.
 */
using Progress = std::function<bool(double done)>;

class GenusEngine {
public:
    explicit GenusEngine(GenusInput input);

    /**
     * Tests one sequence of adet (2 to 4) intervals at the columns p, q, r, l
     * (unused positions 0) and appends it to the list when it passes: the
     * running sum, rounded halves to even after every addition, equals the
     * span, and no two neighbouring intervals are both at or below the limit.
     */
    void DahilMi(std::int16_t adet, std::int16_t p, std::int16_t q, std::int16_t r, std::int16_t l);

    /**
     * Trichords, tetrachords, pentachords: each appends exactly what DahilMi would
     * for every sequence, in the same order, but skips the sequences whose
     * beginning no included sizes can bring to the span; false when cancelled.
     */
    bool Hesapla_0();
    bool Hesapla_1(const Progress& progress = {});
    bool Hesapla_2(const Progress& progress = {});

    /**
     * The compute action: empties the list, then runs Hesapla_0, _1, _2 for the
     * sizes asked for, in that order, numbering on from one size to the next.
     * False when the progress callback cancelled it or the list passed its
     * limit (the list is then partial).
     */
    bool compute(const std::array<bool, 3>& sizes, const Progress& progress = {});

    /**
     * The most lines one computation may list (10 million unless set); past it
     * the computation stops and tooMany() is true.
     */
    void setLimit(std::size_t lines) { m_lineLimit = lines; }
    bool tooMany() const { return m_tooMany; }

    /** The running number of the last listed genus. */
    std::int64_t genusCount() const { return static_cast<std::int64_t>(m_list.size()); }
    const GenusList& list() const { return m_list; }
    GenusList takeList() { return std::move(m_list); }

    /**
     * Sequences the sizes could test: included columns to the power 2, 3, 4; the
     * scale of the progress reports and an upper bound of the work.
     */
    double workFor(const std::array<bool, 3>& sizes) const;

private:
    /**
     * The included columns, ascending, that may follow a running sum when
     * `remaining` more intervals come after them, found once per sum.
     */
    struct Followers {
        int remaining = 0;
        double base = 0;                                ///< the sum of dense[0]
        std::vector<std::int32_t> dense;                ///< list index per whole sum, -1 unknown
        std::unordered_map<double, std::int32_t> other; ///< sums outside dense
        std::deque<std::vector<std::int16_t>> lists;    ///< stable while more are added
    };

    bool small(int column) const { return m_small[static_cast<std::size_t>(column)] != 0; }
    /** False when the line limit is passed. */
    bool append(std::int16_t p, std::int16_t q, std::int16_t r, std::int16_t l);
    /** Whether some `remaining` included intervals can still bring sum to the span. */
    bool reachable(double sum, int remaining) const;
    void prepare(Followers& followers, int remaining) const;
    const std::vector<std::int16_t>& followersOf(Followers& followers, double sum) const;
    bool report(const Progress& progress, double done);

    std::vector<double> m_v;
    std::vector<char> m_small;
    std::vector<std::int16_t> m_included; ///< indices of included columns, ascending
    int m_count = 0;                      ///< lastIndex + 1, or 0
    double m_span = 0;
    double m_limit = 0;
    bool m_bounded = false; ///< every included value finite: the extremes bound every sum
    double m_lowest = 0;    ///< smallest and largest included value
    double m_highest = 0;
    GenusList m_list;
    std::size_t m_lineLimit = 10'000'000;
    bool m_tooMany = false;
    double m_workDone = 0;
    double m_workTotal = 1;
};

} // namespace genus
