// Must not compile with DESIGN_MISTAKE: a row binds a third event, one more than a row holds.
// Without it the row binds two, and it compiles.
#include "calculators/WindowClass.h"

struct W_Mistake : calculators::WindowClass<W_Mistake> {
    static constexpr std::string_view kRegisteredName = "W_Mistake.W_Mistake";

    static void TF_In_Changed(fw::Window&, fw::TextField*) { }
    static constexpr std::tuple kHandlers { calculators::Handler { "TF_In_Changed", &TF_In_Changed } };

    static constexpr WindowDesign kWindow { .width = 300, .height = 120, .title = "Mistake" };
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
