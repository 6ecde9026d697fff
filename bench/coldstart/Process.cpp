#include "Process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace coldstart {

pid_t Spawn(
    const std::vector<const char*>& argv, char* const* envp, bool searchPath, const std::vector<int>& closeInChild)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    for (int fd : closeInChild)
        posix_spawn_file_actions_addclose(&actions, fd);
    pid_t pid = 0;
    auto* args = const_cast<char* const*>(argv.data());
    int failed = searchPath ? posix_spawnp(&pid, argv[0], &actions, nullptr, args, envp)
                            : posix_spawn(&pid, argv[0], &actions, nullptr, args, envp);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        throw std::runtime_error(std::string("cannot start ") + argv[0] + ": " + std::strerror(failed));
    return pid;
}

void KillAndReap(pid_t pid)
{
    kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
}

ProgramEnvironment::ProgramEnvironment(const std::string& displayName)
{
    for (char** entry = environ; *entry; ++entry) {
        std::string_view variable(*entry);
        if (!variable.starts_with("DISPLAY=") && !variable.starts_with("QT_QPA_PLATFORM="))
            texts_.emplace_back(variable);
    }
    texts_.push_back("DISPLAY=" + displayName);
    texts_.push_back("QT_QPA_PLATFORM=xcb");
    for (auto& text : texts_)
        pointers_.push_back(text.data());
    pointers_.push_back(nullptr);
}

} // namespace coldstart
