// Must not compile with DESIGN_MISTAKE: a row gives a fourth setter, one more than a row holds.
// Without it the row gives three, and it compiles.
#include "MistakeWindow.h"

struct W_Mistake : MistakeWindow<W_Mistake> {
    static constexpr std::tuple kControls {
#ifdef DESIGN_MISTAKE
        Row(TextAreaDesign { .name = "TA_Notes" }, { TextUnit(0), TextSize(12), LineSpacing(1.5), TextUnit(1) }),
#else
        Row(TextAreaDesign { .name = "TA_Notes" }, { TextUnit(0), TextSize(12), LineSpacing(1.5) }),
#endif
    };
};

void Register() { W_Mistake::ClassInit(); }
