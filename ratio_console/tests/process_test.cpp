// Runs the real program: the interrupts under a pseudo-terminal, and the
// prompt-by-prompt flushing through pipes.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
// Only ends a hang: a loaded machine may be slow, never this slow.
constexpr auto kPatience = std::chrono::seconds(60);

// Reads from `fd` into `seen` until `needle` appears; false on timeout or end.
bool readUntil(int fd, std::string& seen, const std::string& needle) {
    const auto deadline = Clock::now() + kPatience;
    while (seen.find(needle) == std::string::npos) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) {
            return seen.find(needle) != std::string::npos;
        }
        seen.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

// The wait status of `pid`, or -1 after killing it when it does not end in time.
int waitEnd(pid_t pid) {
    const auto deadline = Clock::now() + kPatience;
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return status;
        }
        if (done < 0 || Clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Starts the program on a new pseudo-terminal; -1 when that fails.
pid_t startOnTerminal(int& master) {
    const pid_t pid = ::forkpty(&master, nullptr, nullptr, nullptr);
    if (pid == 0) {
        ::execl(TOLVANE_PATH, TOLVANE_PATH, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

void writeAll(int fd, const std::string& text) {
    ASSERT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
}

TEST(Interrupts, EndTheProgramWithANoticeWhileItWaits) {
    struct Case {
        const char* name;
        const char* keys; // typed at the terminal; none: the signal is sent directly
        int signal;
        const char* notice;
    };
    const Case cases[] = {
        {"Ctrl+C", "\x03", SIGINT, "program aborting due to control-C event"},
        {"Ctrl+\\ as Ctrl+Break", "\x1c", SIGQUIT, "program aborting due to control-BREAK event"},
        {"termination as close", nullptr, SIGTERM, "program aborting due to menu-CLOSE event"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int master = -1;
        const pid_t pid = startOnTerminal(master);
        ASSERT_GE(pid, 0);
        std::string seen;
        EXPECT_TRUE(readUntil(master, seen, "temel frekansi giriniz:")) << seen;
        // Waiting in the middle of the dialogue, not only at its start.
        writeAll(master, "440\n");
        EXPECT_TRUE(readUntil(master, seen, "(cikmak icin ctrl+c'ye basiniz)")) << seen;
        if (c.keys != nullptr) {
            writeAll(master, c.keys);
        } else {
            ::kill(pid, c.signal);
        }
        EXPECT_TRUE(readUntil(master, seen, c.notice)) << seen;
        const int status = waitEnd(pid);
        ::close(master);
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 128 + c.signal);
    }
}

TEST(Interrupts, LosingTheTerminalEndsTheProgram) {
    int master = -1;
    const pid_t pid = startOnTerminal(master);
    ASSERT_GE(pid, 0);
    std::string seen;
    EXPECT_TRUE(readUntil(master, seen, "temel frekansi giriniz:")) << seen;
    ::close(master);
    const int status = waitEnd(pid);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 128 + SIGHUP);
}

TEST(Pipes, EachPromptArrivesBeforeTheNextInputIsWritten) {
    int toChild[2];
    int fromChild[2];
    int errorsOfChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(fromChild), 0);
    ASSERT_EQ(::pipe(errorsOfChild), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::dup2(toChild[0], STDIN_FILENO);
        ::dup2(fromChild[1], STDOUT_FILENO);
        ::dup2(errorsOfChild[1], STDERR_FILENO);
        ::close(toChild[1]);
        ::close(fromChild[0]);
        ::close(errorsOfChild[0]);
        ::execl(TOLVANE_PATH, TOLVANE_PATH, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    ::close(errorsOfChild[1]);

    std::string seen;
    EXPECT_TRUE(readUntil(fromChild[0], seen, " temel frekansi giriniz:\n")) << seen;
    writeAll(toChild[1], "440\n");
    EXPECT_TRUE(readUntil(fromChild[0], seen, "(cikmak icin ctrl+c'ye basiniz)\n")) << seen;
    writeAll(toChild[1], "660\n");
    const std::string tableEnd = "      3/     2 |    1.500        |    0.000  |   0.000\n"
                                 " *************************************************************\n"
                                 " *************************************************************\n"
                                 " oranlamak istediginiz frekansi giriniz\n"
                                 " (cikmak icin ctrl+c'ye basiniz)\n";
    EXPECT_TRUE(readUntil(fromChild[0], seen, tableEnd)) << seen;

    ::close(toChild[1]); // end of input
    std::string errors;
    EXPECT_TRUE(readUntil(errorsOfChild[0], errors, " girdi sonu: frekans okunamadi\n")) << errors;
    const int status = waitEnd(pid);
    ::close(fromChild[0]);
    ::close(errorsOfChild[0]);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), EXIT_FAILURE);
}

} // namespace
