// The record of the sequence being played, and the report a mismatch makes of
// it: the seed and sequence count that repeat the run, the state the sequence
// started from, every step with what the fields took, and what differed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace soak {

// A text as the report shows it: quoted, with its line ends and tabs visible.
std::string Quoted(std::string_view text);

// Thrown by a mismatch; it ends the soak of its window.
struct Mismatch {
    std::string report;
};

class Journal {
public:
    void begin(int sequence);
    void startedFrom(std::string state) { start_ = std::move(state); }
    void note(std::string step);
    // Adds to the last step what came of it.
    void amend(std::string_view outcome);
    [[noreturn]] void fail(std::string_view what, std::string_view differences = {}) const;

    long steps() const noexcept { return steps_; }

private:
    int sequence_ = 0;
    std::string start_;
    std::vector<std::string> sequenceSteps_;
    long steps_ = 0;
};

} // namespace soak
