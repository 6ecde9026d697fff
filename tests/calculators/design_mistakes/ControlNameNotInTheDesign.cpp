// Must not compile: a handler reaches for a control the design does not have.
#include "calculators/WindowClass.h"

struct W_Mistake : calculators::WindowClass<W_Mistake> {
    static constexpr std::string_view kRegisteredName = "W_Mistake.W_Mistake";
    static constexpr WindowDesign kWindow { .width = 300, .height = 120, .title = "Mistake" };
    static constexpr std::tuple kControls { Row(TextFieldDesign { .name = "TF_In" }) };
};

void Use(fw::Window& self) { W_Mistake::Control<"TF_Out">(self); }
