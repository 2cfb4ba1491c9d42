#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "cli/clitest.h"

namespace testutil {

// tonewright-cli started in the background (output to /dev/null, or standard output to the
// file `output`), for tests that stop it from outside or run another beside it. A
// descriptor `steps` other than -1 is handed to the program as its descriptor 3 (for
// TONEWRIGHT_FAULT's "pause=3"). Still running when the object goes, it is killed. Until it
// is reaped its process id cannot be reused, so a kill always reaches this program.
class BackgroundCli {
public:
    BackgroundCli(const CliFixture& fixture, const std::vector<std::string>& args, const std::string& output = "",
                  int steps = -1);
    ~BackgroundCli();
    BackgroundCli(const BackgroundCli&) = delete;
    BackgroundCli& operator=(const BackgroundCli&) = delete;

    bool Started() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    // True while the program has not ended.
    bool Running();
    // Sends SIGKILL and waits for the end. True when the signal ended the program, false
    // when it had ended on its own before.
    bool Kill();
    // SIGSTOP (returning once it took effect) and SIGCONT: a paused program keeps its
    // files open and locked.
    void Pause();
    void Resume();
    // Waits for the end: the exit status, or 128 + the signal's number.
    int Wait();

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
    int status_ = 0;
};

}  // namespace testutil
