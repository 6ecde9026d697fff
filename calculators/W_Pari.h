// The parti-gyle tool's placeholder window: one note, the shared menu bar, and
// the accessors of that bar's entries.
#pragma once

#include "calculators/PlaceholderWindow.h"

struct W_Pari : calculators::PlaceholderWindow<W_Pari, "W_Pari.W_Pari", "Parti Gyle Tool",
                    "Future home of the new Parti Gyle tool"> {
    static void Layout(fw::Window& self);
    static std::span<const MethodDeclaration> OtherMethods();
};
