// Must not compile with DESIGN_MISTAKE: the row binds a function the window does not
// register as a handler. Without it the row binds the handler, and it compiles.
#include "calculators/WindowClass.h"

struct W_Mistake : calculators::WindowClass<W_Mistake> {
    static constexpr std::string_view kRegisteredName = "W_Mistake.W_Mistake";

    static void TF_In_TextChange(fw::Window&, fw::TextField*) { }
    static void TF_In_Typed(fw::Window&, fw::TextField*) { }
    static constexpr std::tuple kHandlers { calculators::Handler { "TF_In_TextChange", &TF_In_TextChange } };

    static constexpr WindowDesign kWindow { .width = 300, .height = 120, .title = "Mistake" };
    static constexpr std::tuple kControls {
#ifdef DESIGN_MISTAKE
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TextEditEvent::kTextChange, &TF_In_Typed),
#else
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TextEditEvent::kTextChange, &TF_In_TextChange),
#endif
    };
};

void Register() { W_Mistake::ClassInit(); }
