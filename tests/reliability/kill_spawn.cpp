#include "reliability/kill_spawn.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

extern char** environ;

namespace testutil {

namespace {

// The test program's environment with `overrides` ("NAME=VALUE") replacing or adding names.
std::vector<std::string> MergedEnvironment(const std::vector<std::string>& overrides) {
    std::vector<std::string> merged;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('=') + 1);
        bool replaced = false;
        for (const std::string& o : overrides) replaced = replaced || o.rfind(name, 0) == 0;
        if (!replaced) merged.push_back(text);
    }
    merged.insert(merged.end(), overrides.begin(), overrides.end());
    return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& t : texts) pointers.push_back(t.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

BackgroundCli::BackgroundCli(const CliFixture& fixture, const std::vector<std::string>& args,
                             const std::string& output, int steps) {
    std::vector<std::string> argv = {testutil::CliPath()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<std::string> env = MergedEnvironment(fixture.Environment());
    std::vector<char*> argp = Pointers(argv), envp = Pointers(env);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::unique_ptr<posix_spawn_file_actions_t, int (*)(posix_spawn_file_actions_t*)> cleanup(
        &actions, posix_spawn_file_actions_destroy);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.empty() ? "/dev/null" : output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    if (steps >= 0) posix_spawn_file_actions_adddup2(&actions, steps, 3);
    pid_t pid = -1;
    if (posix_spawn(&pid, argp[0], &actions, nullptr, argp.data(), envp.data()) == 0) pid_ = pid;
}

BackgroundCli::~BackgroundCli() {
    if (Started() && !reaped_) Kill();
}

bool BackgroundCli::Running() {
    if (!Started() || reaped_) return false;
    if (waitpid(pid_, &status_, WNOHANG) != pid_) return true;
    reaped_ = true;
    return false;
}

bool BackgroundCli::Kill() {
    if (!Started()) return false;
    if (!reaped_) kill(pid_, SIGKILL);
    Wait();
    return WIFSIGNALED(status_) && WTERMSIG(status_) == SIGKILL;
}

void BackgroundCli::Pause() {
    if (!Started() || reaped_) return;
    kill(pid_, SIGSTOP);
    // Returns once the program has stopped, or has ended.
    int status = 0;
    if (waitpid(pid_, &status, WUNTRACED) == pid_ && !WIFSTOPPED(status)) {
        status_ = status;
        reaped_ = true;
    }
}

void BackgroundCli::Resume() {
    if (Started() && !reaped_) kill(pid_, SIGCONT);
}

int BackgroundCli::Wait() {
    if (!Started()) return -1;
    if (!reaped_ && waitpid(pid_, &status_, 0) == pid_) reaped_ = true;
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
}

}  // namespace testutil
