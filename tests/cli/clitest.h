#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/testutil.h"

namespace testutil {

// The tonewright-cli the tests run: the one built beside them, or the one TONEWRIGHT_TEST_CLI
// names (the thread-sanitizer build of the program, run by the ordinary test build).
inline std::string CliPath() {
    const char* other = std::getenv("TONEWRIGHT_TEST_CLI");
    return other && *other ? other : TONEWRIGHT_CLI_PATH;
}

// A mono 8 kHz 16-bit WAV file of `frames` silent samples: the cheapest source, and one
// whose length tells it apart from the others.
inline void WriteTinyWav(const std::string& path, uint32_t frames) {
    auto le = [](std::vector<uint8_t>& b, uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    std::vector<uint8_t> b = {'R', 'I', 'F', 'F'};
    le(b, 36 + frames * 2, 4);
    for (char c : std::string("WAVEfmt ")) b.push_back(static_cast<uint8_t>(c));
    le(b, 16, 4), le(b, 1, 2), le(b, 1, 2), le(b, 8000, 4), le(b, 16000, 4), le(b, 2, 2), le(b, 16, 2);
    for (char c : std::string("data")) b.push_back(static_cast<uint8_t>(c));
    le(b, frames * 2, 4);
    b.resize(b.size() + frames * 2, 0);
    WriteBytes(path, b);
}

// Runs tonewright-cli with its settings store and home folder inside a test folder, so
// no test sees the user's settings or another test's.
class CliFixture {
public:
    TempDir dir;
    // Further "NAME=VALUE" entries; a name given here replaces the same name above.
    std::vector<std::string> extraEnv;

    // The "NAME=VALUE" entries every run of the program gets.
    std::vector<std::string> Environment() const {
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + dir.file("config"), "HOME=" + dir.file("home"),
                                        "TONEWRIGHT_SYSTEM_SOUNDFONT=/nonexistent.sf2"};
        env.insert(env.end(), extraEnv.begin(), extraEnv.end());
        return env;
    }

    CommandResult Cli(std::vector<std::string> args, const std::string& shellPrefix = "") const {
        const std::vector<std::string> env = Environment();
        if (shellPrefix.empty()) {
            args.insert(args.begin(), CliPath());
            return Run(args, env);
        }
        std::string line = shellPrefix + "; exec " + Quote(CliPath());
        for (const auto& a : args) line += " " + Quote(a);
        return Run({"/bin/sh", "-c", line}, env);
    }

    // Converts `source` to the format (its command name, also the target's extension) into
    // the folder "out", with the settings given as NAME=VALUE; returns the target's path.
    std::string Convert(const std::string& format, const std::string& source,
                        const std::vector<std::string>& settings = {}) const {
        std::vector<std::string> args = {"-q", "-f", format, "-o", dir.file("out"), "--if-exists", "overwrite"};
        for (const auto& s : settings) args.insert(args.end(), {"--set", s});
        args.push_back(source);
        const auto r = Cli(args);
        EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
        const std::string name = source.substr(source.rfind('/') + 1);
        return dir.file("out/" + name.substr(0, name.rfind('.')) + "." + format);
    }
};

}  // namespace testutil
