// Ctrl+C in tonewright-cli acts as the Cancel button.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "cli/clitest.h"
#include "encoders/wav/wavwriter.h"

extern char** environ;

using namespace testutil;

namespace {

bool PartialFileIn(const std::string& folder) {
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        if (e.path().filename().string().find(".part-") != std::string::npos) return true;
    return false;
}

}  // namespace

TEST(CliCancelTest, InterruptCancelsTheRunningRowAndLeavesNothingBehind) {
    TempDir dir;
    // Ten minutes of audio resampled: long enough to be caught in the middle.
    {
        tonewright::WavWriter writer;
        ASSERT_EQ(writer.Open(dir.file("long.wav"), 1, 16, 44100), 1);
        std::vector<int16_t> block(44100, 1000);
        for (int second = 0; second < 600; ++second) writer.WriteSamples16(block.data(), block.data(), 44100);
        ASSERT_EQ(writer.Close(), 1);
    }
    MakeToneWithSox(dir.file("next.wav"), 8000, 1, 0.1, "-b 16");
    const std::string out = dir.file("out");
    std::filesystem::create_directories(out);

    const std::string outFile = dir.file("stdout");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> args = {testutil::CliPath(), "-q", "-j", "1", "-f", "wav", "-o", out,
                                     "--set", "AutoDestWAVEncodingParam=0", "--set", "WAVSampleRate=48000",
                                     dir.file("long.wav"), dir.file("next.wav")};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    setenv("XDG_CONFIG_HOME", dir.file("config").c_str(), 1);
    setenv("HOME", dir.file("home").c_str(), 1);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!PartialFileIn(out) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ASSERT_TRUE(PartialFileIn(out)) << "the conversion never started";
    kill(pid, SIGINT);
    int status = 0;
    waitpid(pid, &status, 0);

    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const auto text = ReadBytes(outFile);
    EXPECT_EQ(std::string(text.begin(), text.end()),
              dir.file("long.wav") + "\tCancelled\n" + dir.file("next.wav") + "\tCancelled\n");
    EXPECT_FALSE(PartialFileIn(out));
    EXPECT_FALSE(Exists(out + "/long.wav"));
    EXPECT_FALSE(Exists(out + "/next.wav"));
}
