// tonewright-cli killed with SIGKILL at a random moment of a batch. Whatever the moment,
// every target name holds nothing, the file it held before byte for byte, or a complete
// conversion; anything else left is a temporary file of the documented form, and the next
// run into the folder removes those and nothing else.
//
// A few kills by default; TONEWRIGHT_LONG_TESTS=1 (scripts/test.sh --long) makes it 50 and
// prints the tally. Each kill comes after a random share of the batch's measured duration;
// TONEWRIGHT_KILL_SEED=N repeats the shares of an earlier run.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <thread>

#include "engine/temporaryfile.h"
#include "reliability/kill_spawn.h"

using namespace testutil;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultKills = 4;
constexpr int kLongKills = 50;
constexpr double kDurationTolerance = 0.1;  // seconds; encoder padding and priming

struct SourceFile {
    const char* name;
    int rate;
    int channels;
    double seconds;
    bool targetExists;  // a file under the target's name is there before the batch
};

const SourceFile kSources[] = {
    {"a.wav", 44100, 2, 3.0, true},
    {"b.flac", 48000, 2, 2.0, false},
    {"c.aiff", 22050, 1, 4.0, true},
    {"d.wav", 32000, 2, 2.5, false},
};

const char* const kFormats[] = {"wav", "mp3", "ogg", "m4a"};

// Files of the user's that the cleaner must not take for leftovers.
const char* const kUserFiles[] = {"notes.txt", ".notes.part-1", ".a.wav.part-0123456789ABCDEF",
                                  "a.mp3.part-0123456789abcdef"};

struct Tally {
    int kills = 0;          // the signal ended the program
    int midWrite = 0;       // ... while a temporary file was there
    int finishedFirst = 0;  // the batch ended before the signal came
    int absent = 0, previous = 0, complete = 0, leftovers = 0;
};

std::string Stem(const std::string& name) { return name.substr(0, name.rfind('.')); }

std::vector<uint8_t> PreviousContent(const std::string& name) {
    std::vector<uint8_t> bytes;
    for (int i = 0; i < 200; ++i)
        for (char c : "earlier " + name + "\n") bytes.push_back(static_cast<uint8_t>(c));
    return bytes;
}

std::map<std::string, std::vector<uint8_t>> Snapshot(const std::string& folder) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        files[e.path().filename().string()] = ReadBytes(e.path().string());
    return files;
}

class KillTest : public ::testing::Test, protected CliFixture {
protected:
    void SetUp() override {
        for (const SourceFile& s : kSources)
            MakeToneWithSox(dir.file(s.name), s.rate, s.channels, s.seconds, s.name[0] == 'b' ? "" : "-b 16");
        MakeToneWithSox(dir.file("tiny.wav"), 8000, 1, 0.1, "-b 16");
    }

    std::vector<std::string> BatchArgs(const std::string& format, int jobs, const std::string& out) const {
        std::vector<std::string> args = {"-q", "-j", std::to_string(jobs), "-f", format, "-o", out,
                                         "--if-exists", "overwrite"};
        for (const SourceFile& s : kSources) args.push_back(dir.file(s.name));
        return args;
    }

    // The wall time of the whole batch, run once to the end; every row must convert.
    double BatchSeconds(const std::string& format, int jobs) {
        const std::string key = format + std::to_string(jobs);
        if (durations_.count(key)) return durations_[key];
        const std::string out = dir.file("measure-" + key);
        const auto start = Clock::now();
        const auto r = Cli(BatchArgs(format, jobs, out));
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        std::filesystem::remove_all(out);
        return durations_[key] = seconds;
    }

    // Checks a target name after the kill and counts what it holds.
    void CheckTarget(const std::string& path, const SourceFile& source, Tally& tally) {
        if (!Exists(path)) {
            EXPECT_FALSE(source.targetExists) << path << ": the file it was to replace is gone";
            ++tally.absent;
            return;
        }
        if (source.targetExists && ReadBytes(path) == PreviousContent(source.name)) {
            ++tally.previous;
            return;
        }
        const Pcm16 pcm = DecodeWithFfmpeg(path);
        ASSERT_GT(pcm.sampleRate, 0) << path;
        EXPECT_NEAR(static_cast<double>(pcm.frames()) / pcm.sampleRate, source.seconds, kDurationTolerance)
            << path << " is not a complete conversion";
        ++tally.complete;
    }

    void KillOnce(const std::string& format, int jobs, std::mt19937& random, Tally& tally) {
        const std::string extension = "." + format;
        const std::string out = dir.file("out-" + std::to_string(++trials_));
        std::filesystem::create_directory(out);
        for (const SourceFile& s : kSources)
            if (s.targetExists) WriteBytes(out + "/" + Stem(s.name) + extension, PreviousContent(s.name));
        for (const char* name : kUserFiles) WriteBytes(out + "/" + name, {'u', 's', 'e', 'r'});

        const double expected = BatchSeconds(format, jobs);
        const auto delay = std::chrono::microseconds(
            static_cast<long>(std::uniform_real_distribution<double>(0, 1)(random) * expected * 1e6));
        SCOPED_TRACE(format + " -j " + std::to_string(jobs) + ", kill after " + std::to_string(delay.count()) +
                     " us of about " + std::to_string(expected) + " s");
        BackgroundCli cli(*this, BatchArgs(format, jobs, out));
        ASSERT_TRUE(cli.Started());
        std::this_thread::sleep_for(delay);
        const bool killed = cli.Kill();

        int leftovers = 0;
        for (const auto& entry : std::filesystem::directory_iterator(out)) {
            const std::string name = entry.path().filename().string();
            bool known = std::count(std::begin(kUserFiles), std::end(kUserFiles), name) > 0;
            for (const SourceFile& s : kSources) {
                const std::string target = Stem(s.name) + extension;
                if (name == target) known = true;
                if (tonewright::IsTemporaryFileName(name) && name.rfind("." + target + ".part-", 0) == 0) {
                    known = true;
                    ++leftovers;
                }
            }
            EXPECT_TRUE(known) << "unexpected file " << name;
        }
        for (const SourceFile& s : kSources) CheckTarget(out + "/" + Stem(s.name) + extension, s, tally);
        for (const char* name : kUserFiles) EXPECT_EQ(ReadBytes(out + "/" + name).size(), 4u) << name;
        if (!killed) {
            EXPECT_EQ(leftovers, 0) << "a batch that ended on its own leaves no temporary file";
            EXPECT_EQ(cli.Wait(), 0);
        }
        tally.kills += killed;
        tally.finishedFirst += !killed;
        tally.midWrite += leftovers > 0;
        tally.leftovers += leftovers;

        // The next run writing into the folder removes the leftovers, and only them.
        auto before = Snapshot(out);
        for (auto it = before.begin(); it != before.end();)
            it = tonewright::IsTemporaryFileName(it->first) ? before.erase(it) : std::next(it);
        const auto next = Cli({"-q", "-j", std::to_string(jobs), "-f", format, "-o", out, dir.file("tiny.wav")});
        EXPECT_EQ(next.exitCode, 0) << next.out << next.err;
        auto after = Snapshot(out);
        EXPECT_EQ(after.erase("tiny" + extension), 1u);
        EXPECT_EQ(after, before) << "the next run removes leftovers and nothing else";
    }

private:
    std::map<std::string, double> durations_;
    int trials_ = 0;
};

}  // namespace

TEST_F(KillTest, KilledBatchLeavesOnlyWholeFilesAndRemovableLeftovers) {
    const char* longRun = std::getenv("TONEWRIGHT_LONG_TESTS");
    const int kills = longRun && std::string(longRun) == "1" ? kLongKills : kDefaultKills;
    const char* seedText = std::getenv("TONEWRIGHT_KILL_SEED");
    const unsigned seed =
        seedText ? static_cast<unsigned>(std::strtoul(seedText, nullptr, 10)) : std::random_device{}();
    SCOPED_TRACE("TONEWRIGHT_KILL_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);

    Tally tally;
    const int formats = static_cast<int>(std::size(kFormats));
    // Every format with -j 1 and with -j 2 in turn.
    for (int i = 0; i < kills && !HasFatalFailure(); ++i)
        KillOnce(kFormats[i % formats], 1 + (i + i / formats) % 2, random, tally);
    if (kills == kLongKills && !HasFailure())
        std::cout << "seed " << seed << ", kills " << kills << ": ended by the signal " << tally.kills
                  << " (mid-write " << tally.midWrite << "), batch finished first " << tally.finishedFirst
                  << "; targets absent " << tally.absent << ", previous file " << tally.previous << ", complete "
                  << tally.complete << "; leftovers " << tally.leftovers << ", all removed by the next run\n";
}
