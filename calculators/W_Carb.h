// The carbonation tool's placeholder window: one note, no input, no handler.
#pragma once

#include "calculators/PlaceholderWindow.h"

struct W_Carb : calculators::PlaceholderWindow<W_Carb, "W_Carb.W_Carb", "Carbonation Tool",
                    "Future home of the new Carbonation tool"> { };
