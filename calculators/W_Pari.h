// The parti-gyle tool's placeholder window: one note, the shared menu bar, and
// the accessors of that bar's entries.
#pragma once

#include "calculators/WindowClass.h"

struct W_Pari : calculators::WindowClass<W_Pari> {
    static constexpr std::string_view kRegisteredName = "W_Pari.W_Pari";

    static constexpr WindowDesign kWindow { .width = 600, .height = 400, .title = "Parti Gyle Tool" };

    // clang-format off
    static constexpr std::tuple kControls{
        Row(LabelDesign{.name = "Label1", .left = 142, .top = 64, .width = 374, .height = 147, .tabIndex = 0, .text = "Future home of the new Parti Gyle tool", .textAlign = 0, .transparent = true}),
    };
    // clang-format on

    static void Layout(fw::Window& self);
    static std::span<const MethodDeclaration> OtherMethods();
};
