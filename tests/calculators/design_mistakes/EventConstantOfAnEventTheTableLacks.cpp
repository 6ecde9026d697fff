// Must not compile with DESIGN_MISTAKE: a constant names "Tick", an event that a timer's
// table lacks, so no index could stand for it. Without it the constant names the timer's
// "Action", and it compiles.
#include <fw/Timer.h>

#ifdef DESIGN_MISTAKE
inline constexpr auto kTick = fw::EventNamed<fw::TimerEvent::kTable, "Tick">();
#else
inline constexpr auto kTick = fw::EventNamed<fw::TimerEvent::kTable, "Action">();
#endif
