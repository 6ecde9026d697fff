// Must not compile with DESIGN_MISTAKE: the window's stream stores a Caption, which a
// Window has no property for, so that applying it would be refused. Without it the
// stream stores a Title, which a Window sets.
#include "MistakeWindow.h"

#include <array>

struct TitleOnlyDesign {
    constexpr auto entries() const
    {
#ifdef DESIGN_MISTAKE
        return std::to_array<calculators::StreamEntry>({ { "Caption", "Mistake" } });
#else
        return std::to_array<calculators::StreamEntry>({ { "Title", "Mistake" } });
#endif
    }
};

struct W_Mistake : MistakeWindow<W_Mistake> {
    static constexpr TitleOnlyDesign kWindow {};
    static constexpr std::tuple<> kControls {};
};

void Register() { W_Mistake::ClassInit(); }
