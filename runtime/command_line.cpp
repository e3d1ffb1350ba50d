#include "command_line.h"

#ifndef KOMA_VERSION
#error "KOMA_VERSION must come from the build"
#endif

namespace runtime {

namespace {

std::string usage(const ProgramInfo& program) {
    std::string text = "usage: " + std::string(program.name) + " [--help | --version";
    if (program.takesFile)
        text += " | " + std::string(program.fileName);
    return text + "]";
}

} // namespace

std::string_view suiteVersion() {
    return KOMA_VERSION;
}

std::optional<int> answerCommandLine(const std::vector<std::string>& arguments,
                                     const ProgramInfo& program, std::ostream& out,
                                     std::ostream& err, std::string* file) {
    if (arguments.empty())
        return std::nullopt;
    if (arguments.size() == 1) {
        const std::string& argument = arguments.front();
        if (argument == "--help") {
            out << usage(program) << "\n\n"
                << program.summary << "\n\n"
                << "  --help     show this text and exit\n"
                << "  --version  show the version and exit\n";
            out.flush();
            return 0;
        }
        if (argument == "--version") {
            out << program.name << " (Koma Suite) " << suiteVersion() << "\n";
            out.flush();
            return 0;
        }
        if (program.takesFile && !argument.empty() && argument.front() != '-') {
            if (file != nullptr)
                *file = argument;
            return std::nullopt;
        }
    }
    err << usage(program) << "\n";
    err.flush();
    return 2;
}

} // namespace runtime
