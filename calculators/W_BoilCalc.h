// The boil-off calculator: from the pot's diameter in inches, the gallons of
// water and the vigour of the boil, the expected boil-off in gallons per hour
// and in percent of the water. `Boil_Off` computes both from what the fields
// show; the group box's Open (once every control exists), each edit of an input
// and each change of the vigour run it. The window carries the shared menu bar.
#pragma once

#include "calculators/WindowClass.h"

#include <fw/GroupBox.h>
#include <fw/PopupMenu.h>
#include <fw/TextField.h>

#include <span>
#include <string_view>

struct W_BoilCalc : calculators::WindowClass<W_BoilCalc> {
    static constexpr std::string_view kRegisteredName = "W_BoilCalc.W_BoilCalc";

    static void GB_main_Open(fw::Window& self, fw::GroupBox* sender);
    static void TE_Gallons_TextChange(fw::Window& self, fw::TextField* sender);
    static void TE_Diameter_TextChange(fw::Window& self, fw::TextField* sender);
    static void PM_Boil_Change(fw::Window& self, fw::PopupMenu* sender);
    static constexpr std::tuple kHandlers { calculators::Handler { "GB_main_Open", &GB_main_Open },
        calculators::Handler { "TE_Gallons_TextChange", &TE_Gallons_TextChange },
        calculators::Handler { "TE_Diameter_TextChange", &TE_Diameter_TextChange },
        calculators::Handler { "PM_Boil_Change", &PM_Boil_Change } };

    static constexpr WindowDesign kWindow { .width = 600, .height = 400, .title = "Boil Calc" };

    static constexpr std::string_view kInGroup = "GB_main"; // every control but the group box lies inside it

    // clang-format off
    static constexpr std::tuple kControls{
        Row(GroupBoxDesign{.name = "GB_main", .left = 20, .top = 16, .width = 505, .height = 329, .tabIndex = 7, .caption = "Boil Off Calculator"})
            .On(fw::ControlEvent::kOpen, &GB_main_Open),
        Row(TextFieldDesign{.name = "TE_Gallons", .left = 79, .top = 94, .width = 101, .height = 25, .tabIndex = 2, .text = "5", .alignment = 2, .limitText = 5, .initialParent = kInGroup})
            .On(fw::TextEditEvent::kTextChange, &TE_Gallons_TextChange),
        Row(LineDesign{.name = "Line1", .left = 48, .top = 237, .width = 100, .height = 50, .x1 = 48, .y1 = 237, .x2 = 463, .y2 = 237, .tabIndex = 1, .initialParent = kInGroup}),
        Row(TextFieldDesign{.name = "TF_GalPerHr", .left = 79, .top = 267, .width = 101, .height = 25, .tabIndex = 0, .tabStop = false, .useFocusRing = false, .text = "", .alignment = 2, .readOnly = true, .initialParent = kInGroup}),
        Row(TextFieldDesign{.name = "TE_Diameter", .left = 79, .top = 60, .width = 101, .height = 25, .tabIndex = 0, .text = "15", .alignment = 2, .initialParent = kInGroup})
            .On(fw::TextEditEvent::kTextChange, &TE_Diameter_TextChange),
        Row(PopupMenuDesign{.name = "PM_Boil", .left = 65, .top = 153, .width = 200, .height = 20, .tabIndex = 3,
                            .initialValue = "Just boiling\rRolling Boil\rVigorus Boil\rMaximum Boil\rForced Boil", .listIndex = 0,
                            .helpTag = "This is a rough aproximation compensation factor if you are boiling more vigorusly than necessary.\r\rThis factor will get more refined in future versions.",
                            .initialParent = kInGroup})
            .On(fw::PopupMenuEvent::kChange, &PM_Boil_Change),
        Row(LabelDesign{.name = "Label1", .left = 217, .top = 62, .width = 203, .height = 20, .tabIndex = 5, .text = "Diameter of Brewpot in Inches", .textAlign = 0, .initialParent = kInGroup}),
        Row(LabelDesign{.name = "Label2", .left = 217, .top = 267, .width = 135, .height = 20, .tabIndex = 6, .text = "Boil off in Gal/ Hr", .textAlign = 0, .initialParent = kInGroup}),
        Row(LabelDesign{.name = "Label3", .left = 217, .top = 304, .width = 135, .height = 20, .tabIndex = 7, .text = "Boil off in Percent", .textAlign = 0, .initialParent = kInGroup}),
        Row(TextFieldDesign{.name = "TF_BO_Percent", .left = 79, .top = 304, .width = 101, .height = 25, .tabIndex = 8, .tabStop = false, .useFocusRing = false, .text = "", .alignment = 2, .readOnly = true, .initialParent = kInGroup}),
        Row(LabelDesign{.name = "Gallons", .left = 217, .top = 96, .width = 150, .height = 20, .tabIndex = 9, .text = "Gallons of water", .textAlign = 0, .initialParent = kInGroup}),
    };
    // clang-format on

    // The shared menu bar first, then the window's stream.
    static void Layout(fw::Window& self);

    // Gallons per hour = pi x (diameter / 2)^2 / 150 x the vigour factor: the area
    // of the pot's opening in square inches over 150. The percent is the displayed
    // gallons per hour over the gallons of water, x 100.
    static void Boil_Off(fw::Window& self);

    static std::span<const MethodDeclaration> OtherMethods();
};
