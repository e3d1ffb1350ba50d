#include "command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(CommandLine, HelpVersionFileAndUsage) {
    const runtime::ProgramInfo tolvane{"tolvane", "Compares frequencies.", false};
    const runtime::ProgramInfo mirefa{"mirefa", "Places frets.", true, "FILE.scl"};
    const std::string version = std::string(runtime::suiteVersion());
    struct Case {
        const char* name;
        const runtime::ProgramInfo& program;
        std::vector<std::string> arguments;
        std::optional<int> status;
        std::string out, err, file;
    };
    const Case cases[] = {
        {"nothing: the program starts", tolvane, {}, std::nullopt, "", "", ""},
        {"version", tolvane, {"--version"}, 0, "tolvane (Koma Suite) " + version + "\n", "", ""},
        {"help",
         tolvane,
         {"--help"},
         0,
         "usage: tolvane [--help | --version]\n\nCompares frequencies.\n\n"
         "  --help     show this text and exit\n"
         "  --version  show the version and exit\n",
         "",
         ""},
        {"a file where none is taken",
         tolvane,
         {"a.scl"},
         2,
         "",
         "usage: tolvane [--help | --version]\n",
         ""},
        {"an unknown option", tolvane, {"-v"}, 2, "", "usage: tolvane [--help | --version]\n", ""},
        {"help among others",
         tolvane,
         {"--help", "x"},
         2,
         "",
         "usage: tolvane [--help | --version]\n",
         ""},
        {"a file", mirefa, {"scales/a.scl"}, std::nullopt, "", "", "scales/a.scl"},
        {"two files",
         mirefa,
         {"a.scl", "b.scl"},
         2,
         "",
         "usage: mirefa [--help | --version | FILE.scl]\n",
         ""},
        {"an option that is no file",
         mirefa,
         {"--open"},
         2,
         "",
         "usage: mirefa [--help | --version | FILE.scl]\n",
         ""},
        {"an empty argument",
         mirefa,
         {""},
         2,
         "",
         "usage: mirefa [--help | --version | FILE.scl]\n",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::ostringstream out, err;
        std::string file;
        EXPECT_EQ(runtime::answerCommandLine(c.arguments, c.program, out, err, &file), c.status);
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.err);
        EXPECT_EQ(file, c.file);
    }
}

} // namespace
