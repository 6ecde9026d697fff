// How long a test waits for what it expects to happen. Every wait polls its
// condition and ends as soon as the condition holds; the limit only ends a wait
// for what will never come, so that the test fails instead of hanging. It lies
// far beyond what any wait takes on a loaded machine (every core busy with other
// suites, sanitizers on): a test never fails because the machine was slow.
#pragma once

#include <chrono>

namespace patience {

inline constexpr std::chrono::milliseconds kLimit = std::chrono::seconds(30);
// The same, for Qt's waits, which count milliseconds in an int.
inline constexpr int kLimitMs = static_cast<int>(kLimit.count());

} // namespace patience
