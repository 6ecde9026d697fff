// The carbonation tool's placeholder window: one note, no input, no handler.
#pragma once

#include "calculators/PlaceholderNote.h"
#include "calculators/WindowClass.h"

struct W_Carb : calculators::WindowClass<W_Carb> {
    static constexpr std::string_view kRegisteredName = "W_Carb.W_Carb";

    static constexpr WindowDesign kWindow { .width = 600, .height = 400, .title = "Carbonation Tool" };

    static constexpr std::tuple kControls {
        Row(calculators::PlaceholderNote("Future home of the new Carbonation tool")),
    };
};
