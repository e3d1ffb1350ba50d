#pragma once
// Test helpers for the regional decimal separator.

#include "numbers.h"

#include <string>

namespace runtime::testing {

/** Applies a --separator=<c> argument, if any, as the run's regional separator. */
void takeSeparatorArgument(int argc, char** argv);

/** Sets the separator for a scope and restores the previous one. */
class ScopedSeparator {
public:
    explicit ScopedSeparator(char separator)
        : m_previous(decimalSeparator()) {
        setDecimalSeparator(separator);
    }
    ~ScopedSeparator() { setDecimalSeparator(m_previous); }
    ScopedSeparator(const ScopedSeparator&) = delete;
    ScopedSeparator& operator=(const ScopedSeparator&) = delete;

private:
    char m_previous;
};

/** Replaces every "." of an expected text by the separator in force. */
std::string localised(std::string text);

} // namespace runtime::testing
