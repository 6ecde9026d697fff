// What the mistake windows share: a registered name, a window design and one handler of
// a text field, so that each file shows only the rows it gets right or wrong.
#pragma once

#include "calculators/WindowClass.h"

template <class W> struct MistakeWindow : calculators::WindowClass<W> {
    static constexpr std::string_view kRegisteredName = "W_Mistake.W_Mistake";

    static void TF_In_Changed(fw::Window&, fw::TextField*) { }
    static constexpr std::tuple kHandlers { calculators::Handler { "TF_In_Changed", &TF_In_Changed } };

    static constexpr calculators::WindowDesign kWindow { .width = 300, .height = 120, .title = "Mistake" };
};
