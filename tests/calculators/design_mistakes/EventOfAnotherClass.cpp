// Must not compile with DESIGN_MISTAKE: a timer's event on a text field's row, whose index
// would bind the field's Close. Without it the row binds an event of the text field's own.
#include "calculators/WindowClass.h"

struct W_Mistake : calculators::WindowClass<W_Mistake> {
    static constexpr std::string_view kRegisteredName = "W_Mistake.W_Mistake";

    static void TF_In_Action(fw::Window&, fw::TextField*) { }
    static constexpr std::tuple kHandlers { calculators::Handler { "TF_In_Action", &TF_In_Action } };

    static constexpr WindowDesign kWindow { .width = 300, .height = 120, .title = "Mistake" };
    static constexpr std::tuple kControls {
#ifdef DESIGN_MISTAKE
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TimerEvent::kAction, &TF_In_Action),
#else
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TextEditEvent::kTextChange, &TF_In_Action),
#endif
    };
};

void Register() { W_Mistake::ClassInit(); }
