// Must not compile with DESIGN_MISTAKE: a row binds a third event, one more than a row holds.
// Without it the row binds two, and it compiles.
#include "MistakeWindow.h"

struct W_Mistake : MistakeWindow<W_Mistake> {
    // clang-format off
    static constexpr std::tuple kControls {
#ifdef DESIGN_MISTAKE
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TextEditEvent::kTextChange, &TF_In_Changed)
            .On(fw::TextEditEvent::kLostFocus, &TF_In_Changed).On(fw::TextEditEvent::kGotFocus, &TF_In_Changed),
#else
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TextEditEvent::kTextChange, &TF_In_Changed)
            .On(fw::TextEditEvent::kLostFocus, &TF_In_Changed),
#endif
    };
    // clang-format on
};

void Register() { W_Mistake::ClassInit(); }
