#include "VirtualDisplay.h"

#include "Deadline.h"
#include "Process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

extern char** environ;

namespace coldstart {

namespace {

constexpr const char* kScreen = "1280x1024x24";
constexpr auto kServerStartLimit = std::chrono::seconds(10);

} // namespace

VirtualDisplay::VirtualDisplay()
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("cannot make a pipe for Xvfb's display number");
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    std::string writeEnd = std::to_string(fds[1]);
    server_ = Spawn({ "Xvfb", "-displayfd", writeEnd.c_str(), "-screen", "0", kScreen, "-nolisten", "tcp", nullptr },
        environ, true, { fds[0] });
    close(fds[1]);

    std::string number;
    auto deadline = Clock::now() + kServerStartLimit;
    for (char c = 0; c != '\n' && Clock::now() < deadline;) {
        pollfd wait { fds[0], POLLIN, 0 };
        if (poll(&wait, 1, kPollSliceMs) <= 0)
            continue;
        if (read(fds[0], &c, 1) != 1)
            break;
        if (c != '\n')
            number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        KillAndReap(server_);
        throw std::runtime_error("Xvfb did not report a display number (is the xvfb package installed?)");
    }
    name_ = ":" + number;
}

VirtualDisplay::~VirtualDisplay()
{
    kill(server_, SIGTERM);
    int status = 0;
    waitpid(server_, &status, 0);
}

} // namespace coldstart
