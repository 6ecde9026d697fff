// Must not compile with DESIGN_MISTAKE: the row binds a function the window does not
// register as a handler. Without it the row binds the handler, and it compiles.
#include "MistakeWindow.h"

struct W_Mistake : MistakeWindow<W_Mistake> {
    static void TF_In_Typed(fw::Window&, fw::TextField*) { }

    static constexpr std::tuple kControls {
#ifdef DESIGN_MISTAKE
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TextEditEvent::kTextChange, &TF_In_Typed),
#else
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TextEditEvent::kTextChange, &TF_In_Changed),
#endif
    };
};

void Register() { W_Mistake::ClassInit(); }
