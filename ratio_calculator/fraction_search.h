#pragma once
// The fraction search: keeps the whole part W of a ratio and walks the proper
// fractions F/H of the rest, numerator first, up to a bound. Every candidate
// W + F/H whose relative error is below the tolerance becomes a row, reduced or
// not (6/4 as well as 3/2), and the walk ends at the first candidate that
// matches the ratio to four decimals.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace bexaro {

/** One row of the list. */
struct sonuc {
    double pay = 0;            // numerator W * H + F
    double payda = 0;          // denominator H
    float deger = 0;           // pay / payda as a single
    std::int16_t centhata = 0; // cent error, whole cents
    float bagilhata = 0;       // abs(ratio - deger) / ratio, a plain fraction
};

/** The cent error of a row, given its value. */
using CentErrorRule = std::function<std::int16_t(float deger)>;

/**
 * The interval between the ratio and the row's value in whole cents, halves to
 * even: abs(ln ratio - ln deger) / ln(centadim).
 */
CentErrorRule fractionCentError(float ratio, float centadim);

/**
 * The distance in whole cents (halves to even) between the first pitch and the
 * pitch that lies the row's interval below the second one: herz1 / deger as a
 * single, placed in cents above MIDI note 0 as a single.
 */
CentErrorRule pitchCentError(float herz1, float midicent0, float bazfrekans, float centadim);

/** The largest bound the 16-bit counters of the walk allow. */
inline constexpr int maxBound = 32766;

/**
 * The rows of the last search. Rows are kept as runs: a numerator F of the
 * fractional part with consecutive accepted denominators H. A row is rebuilt
 * on reading with the same arithmetic the search used, so it reads back bit
 * for bit as found. A numerator's accepted denominators mostly form one run,
 * so even 50 million rows take a few hundred kilobytes.
 */
class Sonuclar {
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    /** Row i, counted from 0; std::out_of_range past the end. */
    sonuc at(std::size_t i) const;
    /** The runs kept, for a look at the memory a list takes. */
    std::size_t runCount() const { return m_runs.size(); }

private:
    friend std::size_t kesirara(Sonuclar&, float, float, int, bool, CentErrorRule);
    struct Run {
        std::size_t first; ///< the row number of its first row
        std::int32_t count;
        std::int16_t F;
        std::int16_t H; ///< its first denominator
    };
    /** Appends rows (F, H) to (F, H + count - 1), joining them to the last run where they follow
     * it. */
    void append(int F, int H, int count);
    void clear();

    std::vector<Run> m_runs;
    std::size_t m_size = 0;
    float m_ratio = 1;
    float m_whole = 1;
    CentErrorRule m_centhata;
};

/**
 * Replaces sonuclar by the rows of the walk over F = 0..bound, H = F+1..bound
 * and returns their count. With tightening, each accepted row's relative error
 * becomes the tolerance. Visits only the narrow band of denominators around
 * F / (ratio - W) that can pass either test, and within it tests one by one
 * only the candidates near the edges of the tolerance and near the stop: the
 * others are accepted as whole runs. The worst case of 50,005,000 candidates
 * takes milliseconds, with exactly the rows and the stop of the full walk. Throws
 * std::invalid_argument for a bound outside 0..maxBound or a ratio that is not positive and finite.
 */
std::size_t kesirara(Sonuclar& sonuclar, float ratio, float tolerance, int bound, bool tightening,
                     CentErrorRule centhata);

} // namespace bexaro
