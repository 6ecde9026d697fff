// The bottling tool: splits a volume in gallons between 12 oz and 22 oz bottles
// and shows both counts and the ounces left over. The slider sets the share, in
// percent, meant for 22 oz bottles. An edit of the volume (and the volume
// field's Open) counts the 12 oz bottles first; a move of the slider counts the
// 22 oz bottles first. Each later result is computed from the displayed text of
// the earlier ones, so the three fields are the window's only state.
#pragma once

#include "calculators/WindowClass.h"

#include <fw/Slider.h>
#include <fw/TextField.h>

#include <span>
#include <string_view>

struct W_Bottle : calculators::WindowClass<W_Bottle> {
    static constexpr std::string_view kRegisteredName = "W_Bottle.W_Bottle";

    // Volume path: 12 oz bottles first. The two handlers run the same steps.
    static void Gal_Btl_TextChange(fw::Window& self, fw::TextField* sender);
    static void Gal_Btl_Open(fw::Window& self, fw::TextField* sender);
    // Slider path: 22 oz bottles first.
    static void S_Split_ValueChanged(fw::Window& self, fw::Slider* sender);
    static constexpr std::tuple kHandlers { calculators::Handler { "Gal_Btl_TextChange", &Gal_Btl_TextChange },
        calculators::Handler { "Gal_Btl_Open", &Gal_Btl_Open },
        calculators::Handler { "S_Split_ValueChanged", &S_Split_ValueChanged } };

    static constexpr WindowDesign kWindow { .width = 600, .height = 400, .title = "Bottle Tool" };

    // clang-format off
    static constexpr std::tuple kControls{
        Row(TextFieldDesign{.name = "Gal_Btl",    .left = 152, .top = 165, .width = 80, .height = 22, .tabIndex = 0, .text = "5"})
            .On(fw::TextEditEvent::kTextChange, &Gal_Btl_TextChange).On(fw::ControlEvent::kOpen, &Gal_Btl_Open),
        Row(TextFieldDesign{.name = "TF_Reg_Btl", .left = 348, .top = 131, .width = 80, .height = 22, .tabIndex = 1, .text = ""}),
        Row(TextFieldDesign{.name = "TF_Lrg_Btl", .left = 348, .top = 200, .width = 80, .height = 22, .tabIndex = 2, .text = ""}),
        Row(TextFieldDesign{.name = "TF_LftOver", .left = 348, .top = 279, .width = 80, .height = 22, .tabIndex = 3, .text = ""}),
        Row(SliderDesign{.name = "S_Split",       .left = 281, .top = 131, .width = 16, .height = 91, .tabIndex = 4, .maximum = 100, .pageStep = 20, .tickStyle = 1})
            .On(fw::SliderEvent::kValueChanged, &S_Split_ValueChanged),
        Row(LabelDesign{.name = "Label1",         .left = 152, .top = 132, .width = 100, .height = 20, .tabIndex = 5,  .text = "Gallons",       .textAlign = 0}),
        Row(LabelDesign{.name = "Label2",         .left = 348, .top = 99,  .width = 100, .height = 20, .tabIndex = 6,  .text = "12 Oz Bottles", .textAlign = 0}),
        Row(LabelDesign{.name = "Label3",         .left = 348, .top = 167, .width = 100, .height = 20, .tabIndex = 7,  .text = "22 Oz Bottles", .textAlign = 0}),
        Row(LabelDesign{.name = "Label4",         .left = 348, .top = 247, .width = 100, .height = 20, .tabIndex = 8,  .text = "Left over",     .textAlign = 0}),
        Row(LabelDesign{.name = "Label5",         .left = 255, .top = 234, .width = 68,  .height = 20, .tabIndex = 9,  .text = "Split slider",  .textAlign = 0}),
        Row(LabelDesign{.name = "Label6",         .left = 440, .top = 280, .width = 100, .height = 20, .tabIndex = 10, .text = "Oz.",           .textAlign = 0}),
    };
    // clang-format on

    // Three Int32 fields that only the initialiser writes and nothing reads; the
    // counts live in the result fields' texts.
    static std::span<const PropertyDeclaration> Properties();
    static void InitFields(fw::Object* instance);
    static constexpr fw::InstanceHook kInitHook = &InitFields;
};
