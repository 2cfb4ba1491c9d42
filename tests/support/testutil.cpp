#include "support/testutil.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace testutil {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tonewright-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    if (!made) throw std::runtime_error("mkdtemp failed");
    path_ = made;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Folders made read-only by a test must be writable again before removal.
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ec))
        if (entry.is_directory(ec)) chmod(entry.path().c_str(), 0700);
    std::filesystem::remove_all(path_, ec);
}

CommandResult Run(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
    TempDir scratch;
    const std::string outPath = scratch.file("out"), errPath = scratch.file("err");
    pid_t pid = fork();
    if (pid == 0) {
        FILE* out = fopen(outPath.c_str(), "w");
        FILE* err = fopen(errPath.c_str(), "w");
        if (!out || !err) _exit(127);
        dup2(fileno(out), 1);
        dup2(fileno(err), 2);
        FILE* in = fopen("/dev/null", "r");
        if (in) dup2(fileno(in), 0);
        for (const auto& e : env) putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> args;
        for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    CommandResult result;
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::ifstream o(outPath, std::ios::binary), e(errPath, std::ios::binary);
    result.out.assign(std::istreambuf_iterator<char>(o), {});
    result.err.assign(std::istreambuf_iterator<char>(e), {});
    return result;
}

std::string Quote(const std::string& word) {
    std::string q = "'";
    for (char c : word) {
        if (c == '\'') q += "'\\''";
        else q += c;
    }
    return q + "'";
}

void Shell(const std::string& commandLine) {
    const std::string full = commandLine + " >/dev/null 2>&1";
    int rc = std::system(full.c_str());
    ASSERT_EQ(rc, 0) << "command failed: " << commandLine;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

uint64_t FileSize(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
}

namespace {

std::string ProbeValue(const std::string& path, const std::string& entry) {
    auto r = Run({"ffprobe", "-v", "error", "-select_streams", "a:0", "-show_entries", "stream=" + entry,
                  "-of", "default=nw=1:nk=1", path});
    std::string v = r.out;
    while (!v.empty() && (v.back() == '\n' || v.back() == '\r')) v.pop_back();
    return v;
}

}  // namespace

Pcm16 DecodeWithFfmpeg(const std::string& path, int channels) {
    Pcm16 pcm;
    pcm.channels = channels ? channels : std::atoi(ProbeValue(path, "channels").c_str());
    pcm.sampleRate = std::atoi(ProbeValue(path, "sample_rate").c_str());
    TempDir scratch;
    const std::string raw = scratch.file("decoded.raw");
    std::vector<std::string> args = {"ffmpeg", "-v", "error", "-y", "-i", path, "-map", "0:a:0", "-f", "s16le",
                                      "-acodec", "pcm_s16le"};
    // Asking for the file's own channel count would make ffmpeg remix layouts it reads
    // differently (quad as 4.0); only a different count is asked for.
    if (channels) args.insert(args.end(), {"-ac", std::to_string(channels)});
    args.push_back(raw);
    auto r = Run(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    auto bytes = ReadBytes(raw);
    pcm.samples.resize(bytes.size() / 2);
    for (size_t i = 0; i < pcm.samples.size(); ++i)
        pcm.samples[i] = static_cast<int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return pcm;
}

std::vector<uint8_t> DecodeWithFfmpegU8(const std::string& path, int channels) {
    TempDir scratch;
    const std::string raw = scratch.file("decoded.raw");
    auto r = Run({"ffmpeg", "-v", "error", "-y", "-i", path, "-map", "0:a:0", "-f", "u8", "-acodec", "pcm_u8",
                  "-ac", std::to_string(channels), raw});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return ReadBytes(raw);
}

int MaxAbsDiff(const std::vector<int16_t>& a, const std::vector<int16_t>& b) {
    if (a.size() != b.size()) return INT_MAX;
    int worst = 0;
    for (size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::abs(int(a[i]) - int(b[i])));
    return worst;
}

void MakeToneWithSox(const std::string& path, int rate, int channels, double seconds,
                     const std::string& extraSoxArgs) {
    std::string cmd = "sox -n -r " + std::to_string(rate) + " -c " + std::to_string(channels) + " " +
                      extraSoxArgs + " " + Quote(path) + " synth " + std::to_string(seconds) +
                      " sine 440 sine 1000 vol 0.7";
    Shell(cmd);
}

}  // namespace testutil
