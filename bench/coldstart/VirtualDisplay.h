// One Xvfb, from construction to destruction. The server picks a free display
// number and reports it through -displayfd, so the benchmark needs no display
// and ignores DISPLAY.
#pragma once

#include <sys/types.h>

#include <string>

namespace coldstart {

class VirtualDisplay {
public:
    // Starts the server and waits until it reports its display; throws when it does not.
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // The display's name, ":" and its number.
    const std::string& name() const { return name_; }

private:
    pid_t server_ = -1;
    std::string name_;
};

} // namespace coldstart
