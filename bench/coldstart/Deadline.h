// How the cold start's waits poll: each looks again in short slices until its
// deadline, so that it also sees a started process die.
#pragma once

#include <algorithm>
#include <chrono>

namespace coldstart {

using Clock = std::chrono::steady_clock;

// How often a wait looks whether the started process has died.
inline constexpr int kPollSliceMs = 50;

// The milliseconds a poll may block: a slice, or what is left before the deadline.
inline int PollSliceUntil(Clock::time_point deadline)
{
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, kPollSliceMs));
}

} // namespace coldstart
