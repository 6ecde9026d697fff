// The forms of the control kinds: which keys each kind's streams store, in stored
// order, and the defaults in which the kinds differ. A form is pure data; the
// design that reads it is ControlDesign (StreamDesigns.h). Every kind's keys and
// value types are checked here against the key table when compiled; that the
// class a row's control is made as can set them, where the window makes it
// (SettableKeys.h).
#pragma once

#include "calculators/StreamDesigns.h"

#include <span>

namespace calculators {

inline constexpr StreamForm kTextFieldForm {
    .keys = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Border Password UseFocusRing TextColor BackColor Enabled Format Visible HelpTag AutoDeactivate "
            "TextFont Bold Italic Underline CueText Text Mask ReadOnly LimitText AcceptTabs Alignment "
            "AutomaticallyCheckSpelling DataSource DataField InitialParent",
    .initialParentOnlyWhenGiven = true,
};
inline constexpr StreamForm kLabelForm {
    .keys = "TabStop Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex "
            "Text TextAlign TextColor Multiline Enabled Visible Selectable Transparent HelpTag AutoDeactivate TextFont "
            "Bold Italic Underline DataSource DataField InitialParent",
};
// A label that opens its URL: the URL, then the full label form in reverse order.
inline constexpr StreamForm kLinkLabelForm {
    .keys = "URL InitialParent DataField DataSource Underline Italic Bold TextFont AutoDeactivate HelpTag Transparent "
            "Selectable Visible Enabled Multiline TextColor TextAlign Text TabIndex TabPanelIndex LockBottom LockRight "
            "LockTop LockLeft Height Width Top Left Index Name TabStop",
};
inline constexpr StreamForm kGroupBoxForm {
    .keys = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Caption Enabled Visible HelpTag AutoDeactivate TextFont Bold Italic Underline InitialParent",
};
inline constexpr StreamForm kLineForm {
    .keys = "TabStop TabIndex Name Index Top Left Width Height X1 X2 Y1 Y2 "
            "TabPanelIndex Visible BorderWidth LineColor InitialParent",
};
inline constexpr StreamForm kPopupMenuForm {
    .keys = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Enabled InitialValue ListIndex Visible HelpTag AutoDeactivate TextFont Bold Italic Underline DataSource "
            "DataField InitialParent",
};
inline constexpr StreamForm kSliderForm {
    .keys = "Name Index Left Top Width Height LockLeft LockTop LockRight LockBottom TabPanelIndex TabIndex TabStop "
            "Enabled Visible HelpTag AutoDeactivate Minimum Value Maximum LineStep PageStep LiveScroll TickStyle "
            "InitialParent",
};
inline constexpr StreamForm kCanvasForm {
    .keys
    = "InitialParent Transparent EraseBackground DoubleBuffer AcceptTabs AcceptFocus UseFocusRing Enabled "
      "AutoDeactivate HelpTag Visible TabStop TabIndex TabPanelIndex LockBottom LockRight LockTop LockLeft Height "
      "Width Top Left Index Name",
    .transparent = true,
};
inline constexpr StreamForm kTextAreaForm {
    .keys
    = "InitialParent DataField DataSource AutomaticallyCheckSpelling Alignment AcceptTabs LimitText ReadOnly Mask "
      "Text Underline Italic Bold TextFont HideSelection AutoDeactivate HelpTag Visible Format Enabled BackColor "
      "TextColor UseFocusRing Styled ScrollbarVertical ScrollbarHorizontal Multiline Border TabStop TabIndex "
      "TabPanelIndex LockBottom LockRight LockTop LockLeft Height Width Top Left Index Name",
    .multiline = true,
};

using TextFieldDesign = ControlDesign<kTextFieldForm>;
using LabelDesign = ControlDesign<kLabelForm>;
using LinkLabelDesign = ControlDesign<kLinkLabelForm>;
using GroupBoxDesign = ControlDesign<kGroupBoxForm>;
using LineDesign = ControlDesign<kLineForm>;
using PopupMenuDesign = ControlDesign<kPopupMenuForm>;
using SliderDesign = ControlDesign<kSliderForm>;
using CanvasDesign = ControlDesign<kCanvasForm>;
using TextAreaDesign = ControlDesign<kTextAreaForm>;

// Whether the check holds for the entries of every kind, in every form.
constexpr bool holdsForEveryKind(bool (*check)(std::span<const StreamEntry>))
{
    return check(WindowDesign {}.entries()) && check(TextFieldDesign {}.allEntries())
        && check(TextFieldDesign { .initialParent = "" }.entries()) && check(LabelDesign {}.entries())
        && check(LinkLabelDesign {}.entries()) && check(GroupBoxDesign {}.entries()) && check(LineDesign {}.entries())
        && check(PopupMenuDesign {}.entries()) && check(SliderDesign {}.entries()) && check(CanvasDesign {}.entries())
        && check(TextAreaDesign {}.entries()) && check(TimerDesign {}.entries());
}
static_assert(holdsForEveryKind(&keysAreInTheKeyTable), "a key that the key table lacks");
static_assert(holdsForEveryKind(&valuesHaveTheirKeysTypes), "a value whose type is not its key's");

} // namespace calculators
