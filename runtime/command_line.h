#pragma once
// What every program of the suite answers on its command line: --help and
// --version, and a one-line usage for anything it does not take.

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace runtime {

struct ProgramInfo {
    std::string_view name;              ///< "mirefa"
    std::string_view summary;           ///< one or more lines of what it does
    bool takesFile = false;             ///< one argument not starting with "-" names a file
    std::string_view fileName = "FILE"; ///< how the usage calls that file
};

/** The suite's version, from the build. */
std::string_view suiteVersion();

/**
 * Answers the arguments after the program's name. "--help" writes the usage
 * and the summary to `out`, "--version" the name and version: both give exit
 * status 0. Anything else the program does not take writes "usage: ..." to
 * `err` and gives 2. Nothing to answer gives no status: the program starts,
 * with `file` set when it takes one and one was given.
 * {"--version"} for "tolvane" -> 0 and "tolvane (Koma Suite) 0.1\n".
 */
std::optional<int> answerCommandLine(const std::vector<std::string>& arguments,
                                     const ProgramInfo& program, std::ostream& out,
                                     std::ostream& err, std::string* file = nullptr);

} // namespace runtime
