// Ctrl+C in tonewright-cli acts as the Cancel button.
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

}  // namespace

// The interrupt arrives at a known point: the report goes to a pipe the test does not read
// yet, and the lines of the files that failed to load, due when the first row ends, are
// more than the pipe holds. So the program waits in that report, with the next row not yet
// begun, until the interrupt is in; that row then stops at its first check.
TEST(CliCancelTest, InterruptCancelsTheRunningRowAndLeavesNothingBehind) {
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

    // The first report line means the interrupt handler is in place; the program then
    // waits for the pipe to be read. The deadline only keeps a broken program from hanging
    // the suite.
    pollfd due{report[0], POLLIN, 0};
    ASSERT_EQ(poll(&due, 1, 60000), 1) << "no report line";
    kill(pid, SIGINT);
    const std::string text = ReadToEnd(report[0]);
    close(report[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(text, expected);
    std::vector<std::string> written;
    for (const auto& e : std::filesystem::directory_iterator(out)) written.push_back(e.path().filename().string());
    EXPECT_EQ(written, std::vector<std::string>{"first.wav"}) << "no partial file, nothing of the cancelled rows";
}
