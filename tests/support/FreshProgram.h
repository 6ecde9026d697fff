// The fixture of the tests that drive the program's own pieces. A test binary runs
// all its tests in one process, while the program keeps its state in module storage
// for the whole of a run: so each test starts, and leaves, as a new process would,
// with no window open, no application object, the shared menu bar not yet built, the
// About pictures not yet loaded, no default-window callback and no object hook. The
// unhandled-exception box is replaced by a recorder for the test.
#pragma once

#include <fw/qt/Run.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace program_testing {

// An exception as the reporter received it.
struct Report {
    std::string className;
    std::string message;
};

class FreshProgram : public testing::Test {
public:
    // Runs what is waiting, widgets that asked to go with deleteLater included.
    static void Settle();

protected:
    void SetUp() override;
    void TearDown() override;

    // Once the run that the test starts next has opened the default window, runs
    // `check` inside the event loop, then quits through File > Quit. A run that
    // opens no default window fails the test and quits all the same.
    static void OnceTheDefaultWindowIsOpen(std::function<void()> check);

    std::vector<Report> reports;

private:
    fw::UnhandledExceptionReporter previousReporter_;
};

} // namespace program_testing
