// Must not compile with DESIGN_MISTAKE: a handler reaches for a control the design does
// not have. Without it the handler reaches for the one it has, and it compiles.
#include "MistakeWindow.h"

struct W_Mistake : MistakeWindow<W_Mistake> {
    static constexpr std::tuple kControls { Row(TextFieldDesign { .name = "TF_In" }) };
};

#ifdef DESIGN_MISTAKE
void Use(fw::Window& self) { W_Mistake::Control<"TF_Out">(self); }
#else
void Use(fw::Window& self) { W_Mistake::Control<"TF_In">(self); }
#endif
