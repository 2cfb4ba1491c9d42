// Ctrl+C, SIGTERM, SIGHUP and a closed report pipe act as the Cancel button of tonewright-cli.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/clitest.h"

extern char** environ;

using namespace testutil;

namespace {

// Everything the descriptor gives until its end.
std::string ReadToEnd(int fd) {
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) != 0;)
        if (got > 0) text.append(buffer, static_cast<size_t>(got));
        else if (errno != EINTR) break;
    return text;
}

struct CancelCase {
    const char* label;
    int signal;        // sent once the first report line is in; 0: the report's reader goes
    int exitCode;      // the shell's convention: 128 + the signal's number
};

class CliCancelTest : public ::testing::TestWithParam<CancelCase> {};

}  // namespace

// The cancel arrives at a known point: the report goes to a pipe the test does not read
// yet, and the lines of the files that failed to load, due when the first row ends, are
// more than the pipe holds. So the program waits in that report, with the next row not yet
// begun, until the signal is in (or the pipe's reader is gone); that row then stops at its
// first check.
TEST_P(CliCancelTest, CancelsTheRunningRowAndLeavesNothingBehind) {
    const CancelCase& c = GetParam();
    TempDir dir;
    MakeToneWithSox(dir.file("first.wav"), 8000, 1, 0.1, "-b 16");
    MakeToneWithSox(dir.file("long.wav"), 44100, 1, 2, "-b 16");
    std::filesystem::copy_file(dir.file("first.wav"), dir.file("next.wav"));
    const std::string out = dir.file("out");

    int report[2];
    ASSERT_EQ(pipe2(report, O_CLOEXEC), 0);
    fcntl(report[1], F_SETPIPE_SZ, 4096);
    const long holds = fcntl(report[1], F_GETPIPE_SZ);
    ASSERT_GT(holds, 0);

    std::vector<std::string> args = {CliPath(), "-q", "-j", "1", "-f", "wav", "-o", out, dir.file("first.wav")};
    std::string expected = dir.file("first.wav") + "\tfirst.wav\n";
    // Four times what the pipe holds, and more than the program's own output buffer.
    const std::string missing = dir.file(std::string(200, 'm'));
    for (int i = 0; expected.size() < 4 * static_cast<size_t>(holds) + BUFSIZ; ++i) {
        args.push_back(missing + std::to_string(i) + ".wav");
        expected += args.back() + "\tFailed to load (no such file)\n";
    }
    for (const char* name : {"long.wav", "next.wav"}) {
        args.push_back(dir.file(name));
        expected += args.back() + "\tCancelled\n";
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, report[1], 1);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
    setenv("HOME", dir.file("home").c_str(), 1);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(report[1]);

    // The first report line means the handlers are in place; the program then waits for
    // the pipe to be read. The deadline only keeps a broken program from hanging the suite.
    pollfd due{report[0], POLLIN, 0};
    ASSERT_EQ(poll(&due, 1, 60000), 1) << "no report line";
    std::string text;
    if (c.signal) {
        kill(pid, c.signal);
        text = ReadToEnd(report[0]);
    }
    close(report[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), c.exitCode);
    if (c.signal) {
        EXPECT_EQ(text, expected);
    }
    std::vector<std::string> written;
    for (const auto& e : std::filesystem::directory_iterator(out)) written.push_back(e.path().filename().string());
    EXPECT_EQ(written, std::vector<std::string>{"first.wav"}) << "no partial file, nothing of the cancelled rows";
}

INSTANTIATE_TEST_SUITE_P(Signals, CliCancelTest,
                         ::testing::Values(CancelCase{"Interrupt", SIGINT, 130}, CancelCase{"Terminate", SIGTERM, 143},
                                           CancelCase{"HangUp", SIGHUP, 129},
                                           CancelCase{"ReportReaderGone", 0, 128 + SIGPIPE}),
                         [](const auto& info) { return std::string(info.param.label); });

// A report that cannot be written fails the run although the file converted.
TEST(CliReportTest, UnwritableReportIsAFailure) {
    CliFixture cli;
    MakeToneWithSox(cli.dir.file("a.wav"), 8000, 1, 0.1, "-b 16");
    const auto r = cli.Cli({"-q", "-f", "wav", "-o", cli.dir.file("out"), cli.dir.file("a.wav")}, "exec >/dev/full");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("the report could not be written (No space left on device)"), std::string::npos) << r.err;
    EXPECT_TRUE(std::filesystem::exists(cli.dir.file("out/a.wav")));
}
