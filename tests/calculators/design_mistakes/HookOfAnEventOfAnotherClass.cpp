// Must not compile with DESIGN_MISTAKE: a window's method hooks a timer's event, whose
// index would make it the window's Activate. Without it the method hooks the window's Open.
#include "MistakeWindow.h"

struct W_Mistake : MistakeWindow<W_Mistake> {
    static constexpr std::tuple kControls { Row(TextFieldDesign { .name = "TF_In" }) };

    static void Event_Open(fw::Window&) { }
    static std::span<const MethodDeclaration> OtherMethods()
    {
#ifdef DESIGN_MISTAKE
        static const MethodDeclaration methods[] { Method<&Event_Open>("Event_Open").Hooks(fw::TimerEvent::kAction) };
#else
        static const MethodDeclaration methods[] { Method<&Event_Open>("Event_Open").Hooks(fw::WindowEvent::kOpen) };
#endif
        return methods;
    }
};

void Register() { W_Mistake::ClassInit(); }
