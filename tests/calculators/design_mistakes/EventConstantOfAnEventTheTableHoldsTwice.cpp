// Must not compile with DESIGN_MISTAKE: a control's table joins the focus rows to a
// "GotFocus" of its own, so its constant could number either row. Without it the
// table holds each event once, and it compiles.
#include <fw/RectControl.h>

class Dial;

namespace DialEvent {
#ifdef DESIGN_MISTAKE
inline constexpr auto kTable = fw::EventsOf<Dial>(
    fw::RectControlEvent::kTable, fw::Joined(fw::kFocusEvents, std::array { fw::EventRow { "GotFocus", "%%" } }));
#else
inline constexpr auto kTable = fw::EventsOf<Dial>(
    fw::RectControlEvent::kTable, fw::Joined(fw::kFocusEvents, std::array { fw::EventRow { "Turned", "%%" } }));
#endif
inline constexpr auto kGotFocus = fw::EventNamed<kTable, "GotFocus">();
} // namespace DialEvent
