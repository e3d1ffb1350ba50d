#include "genus_engine.h"

#include "list_line.h"
#include "value_text.h"

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
    // The columns cannot change while a computation runs, so one reading each serves every test.
    m_v.reserve(static_cast<std::size_t>(m_count));
    for (int i = 0; i < m_count; ++i) {
        m_v.push_back(readValue(input.values[static_cast<std::size_t>(i)]));
        if (input.included[static_cast<std::size_t>(i)])
            m_included.push_back(static_cast<std::int16_t>(i));
    }
    m_span = readValue(input.span);
    m_limit = readValue(input.limit);
    m_list.m_values = std::move(input.values);
    m_list.m_symbols = std::move(input.symbols);
}

void GenusEngine::append(std::int16_t p, std::int16_t q, std::int16_t r, std::int16_t l) {
    if (m_list.m_records.size() >= m_lineLimit) {
        m_tooMany = true;
        return;
    }
    m_list.m_records.push_back({p, q, r, l});
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

const std::vector<std::int16_t>& GenusEngine::closing(double sum) {
    // The last interval only has to bring an integer sum to the span; few sums
    // occur, so each is worked out once per computation.
    for (const auto& entry : m_closing)
        if (entry.first == sum)
            return entry.second;
    std::vector<std::int16_t> columns;
    for (std::int16_t m : m_included)
        if (roundSum(sum + m_v[m]) == m_span)
            columns.push_back(m);
    m_closing.emplace_back(sum, std::move(columns));
    return m_closing.back().second;
}

bool GenusEngine::report(const Progress& progress, double done) {
    if (m_tooMany)
        return false;
    if (!progress)
        return true;
    return progress((m_workDone + done) / m_workTotal);
}

bool GenusEngine::Hesapla_0() {
    for (std::int16_t i : m_included)
        for (std::int16_t j : m_included)
            DahilMi(2, i, j, 0, 0);
    return !m_tooMany;
}

bool GenusEngine::Hesapla_1(const Progress& progress) {
    const double n = static_cast<double>(m_included.size());
    double step = 0;
    for (std::int16_t i : m_included) {
        if (!report(progress, step++ * n * n))
            return false;
        for (std::int16_t j : m_included) {
            if (small(i) && small(j))
                continue; // every genus that starts so is refused
            const double sum2 = roundSum(m_v[j] + m_v[i]);
            if (std::isnan(sum2))
                continue;
            for (std::int16_t k : closing(sum2))
                if (!(small(j) && small(k)))
                    append(i, j, k, -1);
        }
    }
    return !m_tooMany;
}

bool GenusEngine::Hesapla_2(const Progress& progress) {
    const double n = static_cast<double>(m_included.size());
    double step = 0;
    for (std::int16_t i : m_included) {
        for (std::int16_t j : m_included) {
            if (!report(progress, step++ * n * n))
                return false;
            if (small(i) && small(j))
                continue;
            const double sum2 = roundSum(m_v[j] + m_v[i]);
            for (std::int16_t k : m_included) {
                if (small(j) && small(k))
                    continue;
                const double sum3 = roundSum(sum2 + m_v[k]);
                if (std::isnan(sum3))
                    continue;
                for (std::int16_t l : closing(sum3))
                    if (!(small(k) && small(l)))
                        append(i, j, k, l);
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
    m_closing.clear();
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
