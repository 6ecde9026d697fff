// Must not compile with DESIGN_MISTAKE: a timer's event on a text field's row, whose index
// would bind the field's Close. Without it the row binds an event of the text field's own.
#include "MistakeWindow.h"

struct W_Mistake : MistakeWindow<W_Mistake> {
    static constexpr std::tuple kControls {
#ifdef DESIGN_MISTAKE
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TimerEvent::kAction, &TF_In_Changed),
#else
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TextEditEvent::kTextChange, &TF_In_Changed),
#endif
    };
};

void Register() { W_Mistake::ClassInit(); }
