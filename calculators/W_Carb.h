// The carbonation tool's placeholder window: one note, no input, no handler.
#pragma once

#include "calculators/WindowClass.h"

struct W_Carb : calculators::WindowClass<W_Carb> {
    static constexpr std::string_view kRegisteredName = "W_Carb.W_Carb";

    static constexpr WindowDesign kWindow { .width = 600, .height = 400, .title = "Carbonation Tool" };

    // clang-format off
    static constexpr std::tuple kControls{
        Row(LabelDesign{.name = "Label1", .left = 142, .top = 64, .width = 374, .height = 147, .tabIndex = 0, .text = "Future home of the new Carbonation tool", .textAlign = 0, .transparent = true}),
    };
    // clang-format on
};
