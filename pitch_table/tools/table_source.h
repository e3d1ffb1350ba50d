#pragma once
// The readable source of the pitch table (UTF-8, one record a line) and what
// the generator makes of it.

#include "pitch_record.h"

#include <stdexcept>
#include <string>

namespace pitch_table {

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/**
 * Parses the table text: "index | name | note | octave | key | upper | lower"
 * per line, "#" lines and blank lines skipped. Every index 1..229 exactly once.
 * Frequencies come from the frequency rule. Throws SourceError naming the line.
 */
PitchTable parseTableSource(const std::string& utf8Text);

} // namespace pitch_table
