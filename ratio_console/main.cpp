// Tolvane: measures frequencies against a base frequency and lists fractions
// near their ratio. Runs until an interrupt ends it.

#include "command_line.h"
#include "dialogue.h"

#include <csignal>
#include <cstddef>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// Set once before the handlers are installed: on a terminal the echoed "^C"
// leaves the cursor mid-line, so the notice starts on a line of its own.
volatile std::sig_atomic_t g_errorOnTerminal = 0;

constexpr char kControlC[] = "\nprogram aborting due to control-C event\n";
constexpr char kControlBreak[] = "\nprogram aborting due to control-BREAK event\n";
constexpr char kMenuClose[] = "\nprogram aborting due to menu-CLOSE event\n";

// Only write and _exit in here: the interrupt may land in the middle of any
// stream operation, so nothing buffered is touched and nothing is flushed.
extern "C" void abortOnEvent(int signal) {
    const char* text = kMenuClose;
    std::size_t length = sizeof kMenuClose - 1;
    if (signal == SIGINT) {
        text = kControlC;
        length = sizeof kControlC - 1;
    } else if (signal == SIGQUIT) {
        text = kControlBreak;
        length = sizeof kControlBreak - 1;
    }
    if (!g_errorOnTerminal) {
        ++text;
        --length;
    }
    while (length > 0) {
        const ssize_t written = ::write(STDERR_FILENO, text, length);
        if (written <= 0) {
            break;
        }
        text += written;
        length -= static_cast<std::size_t>(written);
    }
    ::_exit(128 + signal);
}

void installInterruptHandlers() {
    g_errorOnTerminal = ::isatty(STDERR_FILENO) ? 1 : 0;
    const int signals[] = {SIGINT, SIGQUIT, SIGHUP, SIGTERM};

    struct sigaction action {};
    action.sa_handler = abortOnEvent;
    sigemptyset(&action.sa_mask);
    for (const int signal : signals) {
        sigaddset(&action.sa_mask, signal);
    }
    for (const int signal : signals) {
        struct sigaction previous {};
        sigaction(signal, nullptr, &previous);
        // A signal ignored by whoever started us (nohup, a background job) stays ignored.
        if (previous.sa_handler != SIG_IGN) {
            sigaction(signal, &action, nullptr);
        }
    }
}

const runtime::ProgramInfo program{
    "tolvane", "Asks for a base frequency f_1, then again and again for a frequency f, and\n"
               "prints both, their ratio as a number and in cents, and the fractions near\n"
               "the ratio with their errors. Reads one number a line from standard input;\n"
               "ends at the end of the input (exit status 1) or on an interrupt."};

} // namespace

int main(int argc, char** argv) {
    if (const auto status =
            runtime::answerCommandLine({argv + 1, argv + argc}, program, std::cout, std::cerr))
        return *status;
    installInterruptHandlers();
    std::ios::sync_with_stdio(false);
    return tolvane::runDialogue(std::cin, std::cout, std::cerr);
}
