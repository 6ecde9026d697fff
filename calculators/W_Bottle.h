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

    static constexpr calculators::WindowDesign kWindow { .width = 600, .height = 400, .title = "Bottle Tool" };

    using L = calculators::LabelDesign;
    using T = calculators::TextFieldDesign;
    using S = calculators::SliderDesign;
    static constexpr auto kTextChange = calculators::BoundEvent::TextChange;
    static constexpr auto kOpen = calculators::BoundEvent::Open;
    static constexpr auto kValueChanged = calculators::BoundEvent::ValueChanged;

    // clang-format off
    static constexpr std::tuple kControls{
        calculators::Row(T{.name = "Gal_Btl",    .left = 152, .top = 165, .width = 80, .height = 22, .tabIndex = 0, .text = "5"},
                         calculators::ControlKind<T>::kSetters,
                         calculators::Bindings{{kTextChange, "Gal_Btl_TextChange"}, {kOpen, "Gal_Btl_Open"}}),
        calculators::Row(T{.name = "TF_Reg_Btl", .left = 348, .top = 131, .width = 80, .height = 22, .tabIndex = 1, .text = ""}),
        calculators::Row(T{.name = "TF_Lrg_Btl", .left = 348, .top = 200, .width = 80, .height = 22, .tabIndex = 2, .text = ""}),
        calculators::Row(T{.name = "TF_LftOver", .left = 348, .top = 279, .width = 80, .height = 22, .tabIndex = 3, .text = ""}),
        calculators::Row(S{.name = "S_Split",    .left = 281, .top = 131, .width = 16, .height = 91, .tabIndex = 4, .maximum = 100, .pageStep = 20, .tickStyle = 1},
                         calculators::ControlKind<S>::kSetters,
                         calculators::Bindings{{kValueChanged, "S_Split_ValueChanged"}}),
        calculators::Row(L{.name = "Label1",     .left = 152, .top = 132, .width = 100, .height = 20, .tabIndex = 5,  .text = "Gallons",       .textAlign = 0}),
        calculators::Row(L{.name = "Label2",     .left = 348, .top = 99,  .width = 100, .height = 20, .tabIndex = 6,  .text = "12 Oz Bottles", .textAlign = 0}),
        calculators::Row(L{.name = "Label3",     .left = 348, .top = 167, .width = 100, .height = 20, .tabIndex = 7,  .text = "22 Oz Bottles", .textAlign = 0}),
        calculators::Row(L{.name = "Label4",     .left = 348, .top = 247, .width = 100, .height = 20, .tabIndex = 8,  .text = "Left over",     .textAlign = 0}),
        calculators::Row(L{.name = "Label5",     .left = 255, .top = 234, .width = 68,  .height = 20, .tabIndex = 9,  .text = "Split slider",  .textAlign = 0}),
        calculators::Row(L{.name = "Label6",     .left = 440, .top = 280, .width = 100, .height = 20, .tabIndex = 10, .text = "Oz.",           .textAlign = 0}),
    };
    // clang-format on

    // Volume path: 12 oz bottles first. The two handlers run the same steps.
    static void Gal_Btl_TextChange(fw::Window& self, fw::TextField* sender);
    static void Gal_Btl_Open(fw::Window& self, fw::TextField* sender);
    // Slider path: 22 oz bottles first.
    static void S_Split_ValueChanged(fw::Window& self, fw::Slider* sender);

    static std::span<const MethodDeclaration> OwnMethods();

    // Three Int32 fields that only the initialiser writes and nothing reads; the
    // counts live in the result fields' texts.
    static std::span<const PropertyDeclaration> Properties();
    static void InitFields(fw::Object* instance);
    static constexpr fw::InstanceHook kInitHook = &InitFields;
};
