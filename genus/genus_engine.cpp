#include "genus_engine.h"

#include "list_line.h"
#include "value_text.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace genus {

namespace {

// Halves to even, as the 16-bit rounding of the running sum; kept in double so
// that sizes far beyond 16 bits compare instead of failing.
double roundSum(double value) {
    return std::nearbyint(value);
}

} // namespace

SpanProblem checkSpanAndLimit(std::string_view span, std::string_view limit) {
    double spanValue = 0;
    try {
        spanValue = readSetting(span);
    } catch (const std::runtime_error&) {
        return SpanProblem::SpanNotANumber;
    }
    try {
        readSetting(limit);
    } catch (const std::runtime_error&) {
        return SpanProblem::LimitNotANumber;
    }
    if (spanValue != std::floor(spanValue))
        return SpanProblem::SpanNotWhole;
    return SpanProblem::None;
}

std::string GenusList::line(std::size_t row) const {
    const auto& record = m_records.at(row);
    std::array<const std::string*, 4> values{};
    std::array<const std::string*, 4> symbols{};
    std::size_t n = 0;
    for (std::int16_t column : record) {
        if (column < 0)
            break;
        values[n] = &m_values[static_cast<std::size_t>(column)];
        symbols[n] = &m_symbols[static_cast<std::size_t>(column)];
        ++n;
    }
    return genusLine(static_cast<std::int64_t>(row) + 1, std::span(values.data(), n),
                     std::span(symbols.data(), n));
}

int GenusList::intervalCount(std::size_t row) const {
    const auto& record = m_records.at(row);
    return record[3] >= 0 ? 4 : record[2] >= 0 ? 3 : 2;
}

GenusEngine::GenusEngine(GenusInput input) {
    m_count = input.lastIndex < 0 ? 0 : input.lastIndex + 1;
    if (static_cast<std::size_t>(m_count) > input.values.size() ||
        static_cast<std::size_t>(m_count) > input.symbols.size() ||
        static_cast<std::size_t>(m_count) > input.included.size())
        m_count = static_cast<int>(
            std::min({input.values.size(), input.symbols.size(), input.included.size()}));
    m_span = readValue(input.span);
    m_limit = readValue(input.limit);
    // The columns cannot change while a computation runs, so one reading each serves every test.
    m_v.reserve(static_cast<std::size_t>(m_count));
    m_small.reserve(static_cast<std::size_t>(m_count));
    for (int i = 0; i < m_count; ++i) {
        const double v = readValue(input.values[static_cast<std::size_t>(i)]);
        m_v.push_back(v);
        m_small.push_back(v <= m_limit ? 1 : 0);
        if (input.included[static_cast<std::size_t>(i)])
            m_included.push_back(static_cast<std::int16_t>(i));
    }
    m_bounded = !m_included.empty();
    if (m_bounded) {
        m_lowest = m_highest = m_v[m_included.front()];
        for (std::int16_t i : m_included) {
            if (!std::isfinite(m_v[i]))
                m_bounded = false;
            m_lowest = std::min(m_lowest, m_v[i]);
            m_highest = std::max(m_highest, m_v[i]);
        }
    }
    m_list.m_values = std::move(input.values);
    m_list.m_symbols = std::move(input.symbols);
}

bool GenusEngine::append(std::int16_t p, std::int16_t q, std::int16_t r, std::int16_t l) {
    if (m_list.m_records.size() >= m_lineLimit) {
        m_tooMany = true;
        return false;
    }
    m_list.m_records.push_back({p, q, r, l});
    return true;
}

void GenusEngine::DahilMi(std::int16_t adet, std::int16_t p, std::int16_t q, std::int16_t r,
                          std::int16_t l) {
    double sum = roundSum(m_v[q] + m_v[p]);
    if (adet >= 3)
        sum = roundSum(sum + m_v[r]);
    if (adet == 4)
        sum = roundSum(sum + m_v[l]);
    if (m_span != sum)
        return;
    if (small(p) && small(q))
        return;
    if (adet >= 3 && small(q) && small(r))
        return;
    if (adet == 4 && small(r) && small(l))
        return;
    append(p, q, adet >= 3 ? r : -1, adet == 4 ? l : -1);
}

bool GenusEngine::reachable(double sum, int remaining) const {
    if (remaining == 0)
        return sum == m_span;
    // Once not a number, the sum stays so and equals nothing.
    if (std::isnan(sum))
        return false;
    // Every sum is rounded to a whole number (or overflows), so a fractional span is never met.
    if (std::isfinite(m_span) && m_span != std::nearbyint(m_span))
        return false;
    if (!m_bounded)
        return true;
    // Addition and rounding never decrease when an addend grows, and with finite
    // addends no step gives NaN; so the final sum of any completion lies between
    // those of the all-smallest and the all-largest completion.
    double low = sum;
    double high = sum;
    for (int n = 0; n < remaining; ++n) {
        low = roundSum(low + m_lowest);
        high = roundSum(high + m_highest);
    }
    return low <= m_span && m_span <= high;
}

void GenusEngine::prepare(Followers& followers, int remaining) const {
    followers = Followers{};
    followers.remaining = remaining;
    if (!m_bounded)
        return;
    // The sums that can still reach the span lie near span - (remaining + 1) x size,
    // each rounding moving them by at most a half; those get a slot of their own.
    // Any other sum is still served, from the map.
    const double additions = remaining + 1;
    const double first = std::floor(m_span - additions * m_highest) - additions - 1;
    const double last = std::ceil(m_span - additions * m_lowest) + additions + 1;
    if (std::isfinite(first) && std::isfinite(last) && last - first < 65536) {
        followers.base = first;
        followers.dense.assign(static_cast<std::size_t>(last - first) + 1, -1);
    }
}

const std::vector<std::int16_t>& GenusEngine::followersOf(Followers& followers, double sum) const {
    // sum is a rounded running sum: whole, or infinite, never NaN.
    std::int32_t* slot = nullptr;
    const double offset = sum - followers.base;
    if (offset >= 0 && offset < static_cast<double>(followers.dense.size()))
        slot = &followers.dense[static_cast<std::size_t>(offset)];
    else
        slot = &followers.other.try_emplace(sum, -1).first->second;
    if (*slot < 0) {
        std::vector<std::int16_t> columns;
        for (std::int16_t m : m_included)
            if (reachable(roundSum(sum + m_v[m]), followers.remaining))
                columns.push_back(m);
        *slot = static_cast<std::int32_t>(followers.lists.size());
        followers.lists.push_back(std::move(columns));
    }
    return followers.lists[static_cast<std::size_t>(*slot)];
}

bool GenusEngine::report(const Progress& progress, double done) {
    if (m_tooMany)
        return false;
    if (!progress)
        return true;
    return progress((m_workDone + done) / m_workTotal);
}

bool GenusEngine::Hesapla_0() {
    for (std::int16_t i : m_included) {
        if (!reachable(m_v[i], 1))
            continue;
        for (std::int16_t j : m_included)
            if (roundSum(m_v[j] + m_v[i]) == m_span && !(small(i) && small(j)) &&
                !append(i, j, -1, -1))
                return false;
    }
    return !m_tooMany;
}

bool GenusEngine::Hesapla_1(const Progress& progress) {
    const double n = static_cast<double>(m_included.size());
    Followers last;
    prepare(last, 0);
    double step = 0;
    for (std::int16_t i : m_included) {
        if (!report(progress, step++ * n * n))
            return false;
        if (!reachable(m_v[i], 2))
            continue;
        for (std::int16_t j : m_included) {
            if (small(i) && small(j))
                continue; // every genus that starts so is refused
            const double sum2 = roundSum(m_v[j] + m_v[i]);
            if (!reachable(sum2, 1))
                continue;
            for (std::int16_t k : followersOf(last, sum2))
                if (!(small(j) && small(k)) && !append(i, j, k, -1))
                    return false;
        }
    }
    return !m_tooMany;
}

bool GenusEngine::Hesapla_2(const Progress& progress) {
    const double n = static_cast<double>(m_included.size());
    Followers third;
    Followers last;
    prepare(third, 1);
    prepare(last, 0);
    double step = 0; // pairs (i, j) passed
    for (std::int16_t i : m_included) {
        if (!report(progress, step * n * n))
            return false;
        if (!reachable(m_v[i], 3)) {
            step += n;
            continue;
        }
        for (std::int16_t j : m_included) {
            const double done = step++ * n * n;
            if (small(i) && small(j))
                continue;
            const double sum2 = roundSum(m_v[j] + m_v[i]);
            if (!reachable(sum2, 2))
                continue;
            if (!report(progress, done))
                return false;
            for (std::int16_t k : followersOf(third, sum2)) {
                if (small(j) && small(k))
                    continue;
                for (std::int16_t l : followersOf(last, roundSum(sum2 + m_v[k])))
                    if (!(small(k) && small(l)) && !append(i, j, k, l))
                        return false;
            }
        }
    }
    return !m_tooMany;
}

double GenusEngine::workFor(const std::array<bool, 3>& sizes) const {
    const double n = static_cast<double>(m_included.size());
    double work = 0;
    if (sizes[0])
        work += n * n;
    if (sizes[1])
        work += n * n * n;
    if (sizes[2])
        work += n * n * n * n;
    return work;
}

bool GenusEngine::compute(const std::array<bool, 3>& sizes, const Progress& progress) {
    m_list.m_records.clear();
    m_tooMany = false;
    m_workDone = 0;
    m_workTotal = workFor(sizes);
    if (m_workTotal <= 0)
        m_workTotal = 1;
    const double n = static_cast<double>(m_included.size());
    if (sizes[0]) {
        if (!Hesapla_0())
            return false;
        m_workDone += n * n;
    }
    if (sizes[1]) {
        if (!Hesapla_1(progress))
            return false;
        m_workDone += n * n * n;
    }
    if (sizes[2]) {
        if (!Hesapla_2(progress))
            return false;
    }
    return true;
}

} // namespace genus
