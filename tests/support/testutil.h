#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testutil {

// A fresh folder below the system temp folder, removed with everything in it on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

struct CommandResult {
    int exitCode = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// Runs argv (no shell) with optional extra environment entries "NAME=VALUE".
CommandResult Run(const std::vector<std::string>& argv, const std::vector<std::string>& env = {});
// Runs a shell command line; fails the current test when it exits non-zero.
void Shell(const std::string& commandLine);
// Quotes one word for a shell command line.
std::string Quote(const std::string& word);

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool Exists(const std::string& path);
uint64_t FileSize(const std::string& path);

// Interleaved signed 16-bit PCM as decoded by the ffmpeg program (the independent
// reference decoder of the tests), keeping the file's channel count unless one is given.
struct Pcm16 {
    int channels = 0;
    int sampleRate = 0;
    std::vector<int16_t> samples;  // interleaved
    size_t frames() const { return channels ? samples.size() / channels : 0; }
};
Pcm16 DecodeWithFfmpeg(const std::string& path, int channels = 0);
// The same for an unsigned 8-bit result (u8), used for 8-bit outputs.
std::vector<uint8_t> DecodeWithFfmpegU8(const std::string& path, int channels);

// Largest absolute difference between two equally long sample runs; SIZE_MAX-like huge
// value when the lengths differ.
int MaxAbsDiff(const std::vector<int16_t>& a, const std::vector<int16_t>& b);

// A two-channel test signal: a sine on the left, a different sine on the right, written by
// sox in the given format. extraSoxArgs go before the output file name (e.g. "-e a-law").
void MakeToneWithSox(const std::string& path, int rate, int channels, double seconds,
                     const std::string& extraSoxArgs);

}  // namespace testutil
