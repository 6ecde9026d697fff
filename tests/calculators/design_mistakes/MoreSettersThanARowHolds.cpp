// Must not compile with DESIGN_MISTAKE: a row gives a fourth setter, one more than a row holds.
// Without it the row gives three, and it compiles.
#include "calculators/WindowClass.h"

struct W_Mistake : calculators::WindowClass<W_Mistake> {
    static constexpr std::string_view kRegisteredName = "W_Mistake.W_Mistake";
    static constexpr WindowDesign kWindow { .width = 300, .height = 120, .title = "Mistake" };
    static constexpr std::tuple kControls {
#ifdef DESIGN_MISTAKE
        Row(TextAreaDesign { .name = "TA_Notes" }, { TextUnit(0), TextSize(12), LineSpacing(1.5), TextUnit(1) }),
#else
        Row(TextAreaDesign { .name = "TA_Notes" }, { TextUnit(0), TextSize(12), LineSpacing(1.5) }),
#endif
    };
};

void Register() { W_Mistake::ClassInit(); }
