// A double fork: the middle process exits at once, so the program is reparented and this
// process never has to reap it. A close-on-exec pipe tells whether the exec succeeded.
#include "app/editor/DetachedProcess.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace varnex {

namespace {

// After fork only async-signal-safe calls are allowed: the argument vector is made before.
[[noreturn]] void RunProgram(const char* program, char* const* argv, int reportFd) {
    setsid();
    if (std::string_view(program).find('/') == std::string_view::npos) {
        execvp(program, argv);
    } else {
        execv(program, argv);
    }
    const int error = errno;
    [[maybe_unused]] const ssize_t written = write(reportFd, &error, sizeof error);
    _exit(127);
}

} // namespace

bool StartDetached(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    const pid_t middle = fork();
    if (middle == 0) {
        close(report[0]);
        const pid_t child = fork();
        if (child == 0) RunProgram(program.c_str(), argv.data(), report[1]);
        _exit(child < 0 ? 1 : 0);
    }
    close(report[1]);
    int status = 0;
    const bool forked = middle > 0 && waitpid(middle, &status, 0) == middle && WIFEXITED(status) &&
                        WEXITSTATUS(status) == 0;
    // End of file: the pipe closed on exec. An errno value: the exec failed.
    int error = 0;
    ssize_t got = 0;
    do {
        got = read(report[0], &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    close(report[0]);
    return forked && got == 0;
}

} // namespace varnex
