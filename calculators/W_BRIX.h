// The refractometer tool, the program's default window. Three inputs (original
// and final Brix, wort correction factor) and six read-only results. An edit of
// any input stores all three inputs, as their fields show them, in their
// BrixFormulas module values, runs the six formulas and rewrites the six results
// and the factor field, in that order; opening the window computes nothing. The
// window keeps no state: the numbers live in BrixFormulas and outlive it.
#pragma once

#include "calculators/WindowClass.h"

#include <fw/TextField.h>

#include <span>
#include <string_view>

struct W_BRIX : calculators::WindowClass<W_BRIX> {
    static constexpr std::string_view kRegisteredName = "W_BRIX.W_BRIX";

    static void TF_OB_TextChange(fw::Window& self, fw::TextField* sender);
    static void TF_FB_TextChange(fw::Window& self, fw::TextField* sender);
    static void TF_WCF_TextChange(fw::Window& self, fw::TextField* sender);
    static constexpr std::tuple kHandlers { calculators::Handler { "TF_OB_TextChange", &TF_OB_TextChange },
        calculators::Handler { "TF_FB_TextChange", &TF_FB_TextChange },
        calculators::Handler { "TF_WCF_TextChange", &TF_WCF_TextChange } };

    static constexpr WindowDesign kWindow { .width = 505, .height = 347, .title = "BRIX Tool" };

    // This window's labels leave TabStop out of their streams.
    // clang-format off
    static constexpr std::tuple kControls{
        Row(LabelDesign{.name = "Label1",     .left = -258, .top = 160, .width = 100, .height = 20, .tabIndex = 0,  .text = "Untitled",                  .textAlign = 0, .storesTabStop = false}),
        Row(LabelDesign{.name = "LabelOB",    .left = 10,   .top = 58,  .width = 100, .height = 20, .tabIndex = 1,  .text = "Orig. BRIX",                .textAlign = 1, .storesTabStop = false}),
        Row(TextFieldDesign{.name = "TF_OB",  .left = 21,   .top = 36,  .width = 80,  .height = 22, .tabIndex = 2,  .text = "0"}).On(fw::TextEditEvent::kTextChange, &TF_OB_TextChange),
        Row(LabelDesign{.name = "LabelFB",    .left = 131,  .top = 58,  .width = 114, .height = 20, .tabIndex = 3,  .text = "Final BRIX",                .textAlign = 1, .storesTabStop = false}),
        Row(TextFieldDesign{.name = "TF_FB",  .left = 148,  .top = 36,  .width = 80,  .height = 22, .tabIndex = 4,  .text = "0"}).On(fw::TextEditEvent::kTextChange, &TF_FB_TextChange),
        Row(TextFieldDesign{.name = "TF_OG",  .left = 20,   .top = 158, .width = 80,  .height = 22, .tabIndex = 5,  .text = "", .readOnly = true}),
        Row(LabelDesign{.name = "LabelOG",    .left = 11,   .top = 181, .width = 100, .height = 20, .tabIndex = 6,  .text = "O. G.",                     .textAlign = 1, .storesTabStop = false}),
        Row(LabelDesign{.name = "LabelFG",    .left = 138,  .top = 181, .width = 100, .height = 20, .tabIndex = 7,  .text = "F. G.",                     .textAlign = 1, .storesTabStop = false}),
        Row(TextFieldDesign{.name = "TF_FG",  .left = 148,  .top = 159, .width = 80,  .height = 22, .tabIndex = 8,  .text = "", .readOnly = true}),
        Row(TextFieldDesign{.name = "TF_AA",  .left = 261,  .top = 158, .width = 80,  .height = 22, .tabIndex = 9,  .text = "", .readOnly = true}),
        Row(LabelDesign{.name = "LabelAA",    .left = 261,  .top = 171, .width = 79,  .height = 50, .tabIndex = 10, .text = "Apperent \rAttenuation",    .textAlign = 1, .storesTabStop = false}),
        Row(LabelDesign{.name = "LabelA",     .left = 366,  .top = 180, .width = 80,  .height = 47, .tabIndex = 11, .text = "Real\rAttenuation",         .textAlign = 1, .storesTabStop = false}),
        Row(TextFieldDesign{.name = "TF_A",   .left = 366,  .top = 159, .width = 80,  .height = 22, .tabIndex = 12, .text = "", .readOnly = true}),
        Row(TextFieldDesign{.name = "TF_ABV", .left = 148,  .top = 253, .width = 80,  .height = 22, .tabIndex = 13, .text = "", .readOnly = true}),
        Row(LabelDesign{.name = "LabelABV",   .left = 148,  .top = 274, .width = 80,  .height = 20, .tabIndex = 14, .text = "ABV",                       .textAlign = 1, .storesTabStop = false}),
        Row(TextFieldDesign{.name = "TF_WCF", .left = 366,  .top = 36,  .width = 80,  .height = 22, .tabIndex = 15, .text = "1.040"}).On(fw::TextEditEvent::kTextChange, &TF_WCF_TextChange),
        Row(LabelDesign{.name = "LabelFB1",   .left = 353,  .top = 55,  .width = 113, .height = 43, .tabIndex = 16, .text = "Wort Correction \rFactor",  .textAlign = 1, .storesTabStop = false}),
        Row(LabelDesign{.name = "Label2",     .left = 0,    .top = 319, .width = 505, .height = 20, .tabIndex = 17, .text = "Brix to SG formulas based on the work of Dalvric and Morleth", .textAlign = 1, .storesTabStop = false},
            {TextSize(12), TextUnit(0)}),
        Row(TextFieldDesign{.name = "TF_RE",  .left = 369,  .top = 253, .width = 80,  .height = 22, .tabIndex = 19, .text = "", .readOnly = true}),
        Row(LabelDesign{.name = "LabelA2",    .left = 360,  .top = 274, .width = 100, .height = 20, .tabIndex = 21, .text = "Real Extract Bx",           .textAlign = 1, .storesTabStop = false}),
    };
    // clang-format on

    // The window's Open event: nothing to do, the results stay empty until the first edit.
    static void Event_Open(fw::Window& self);

    static std::span<const MethodDeclaration> OtherMethods();
};
