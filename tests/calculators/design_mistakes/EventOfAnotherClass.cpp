// Must not compile: a timer's event on a text field's row; its index would bind the field's Close.
#include "calculators/WindowClass.h"

struct W_Mistake : calculators::WindowClass<W_Mistake> {
    static constexpr std::string_view kRegisteredName = "W_Mistake.W_Mistake";

    static void TF_In_Action(fw::Window&, fw::TextField*) { }
    static constexpr std::tuple kHandlers { calculators::Handler { "TF_In_Action", &TF_In_Action } };

    static constexpr WindowDesign kWindow { .width = 300, .height = 120, .title = "Mistake" };
    static constexpr std::tuple kControls {
        Row(TextFieldDesign { .name = "TF_In" }).On(fw::TimerEvent::kAction, &TF_In_Action),
    };
};

void Register() { W_Mistake::ClassInit(); }
