// Starting and ending the processes the cold start times: each spawned with an
// environment of its own, its output thrown away, killed and reaped at the end.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace coldstart {

// Spawns the program with that environment; standard output and error go to
// /dev/null, and the child closes the descriptors given. Throws when it cannot start.
pid_t Spawn(const std::vector<const char*>& argv, char* const* envp, bool searchPath,
    const std::vector<int>& closeInChild = {});

void KillAndReap(pid_t pid);

// The environment of a started program: ours, on that X display, on Qt's X platform.
class ProgramEnvironment {
public:
    explicit ProgramEnvironment(const std::string& displayName);
    char* const* get() const { return const_cast<char* const*>(pointers_.data()); }

private:
    std::vector<std::string> texts_;
    std::vector<const char*> pointers_;
};

} // namespace coldstart
