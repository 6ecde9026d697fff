// The parti-gyle tool's placeholder window: one note, the shared menu bar, and
// the accessors of that bar's entries.
#pragma once

#include "calculators/PlaceholderNote.h"
#include "calculators/WindowClass.h"

struct W_Pari : calculators::WindowClass<W_Pari> {
    static constexpr std::string_view kRegisteredName = "W_Pari.W_Pari";

    static constexpr WindowDesign kWindow { .width = 600, .height = 400, .title = "Parti Gyle Tool" };

    static constexpr std::tuple kControls {
        Row(calculators::PlaceholderNote("Future home of the new Parti Gyle tool")),
    };

    static void Layout(fw::Window& self);
    static std::span<const MethodDeclaration> OtherMethods();
};
