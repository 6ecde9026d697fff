#include "calculators/WindowClass.h"

#include <fw/RectControl.h>

#include <cassert>

namespace calculators::detail {

fw::EventThunk ThunkFor(BoundEvent event) noexcept
{
    switch (event) {
    case BoundEvent::Open:
        return OpenEventThunk;
    case BoundEvent::TextChange:
        return TextChangeEventThunk;
    case BoundEvent::Change:
        return ChangeEventThunk;
    case BoundEvent::ValueChanged:
        return ValueChangedEventThunk;
    case BoundEvent::Action:
        return ActionEventThunk;
    }
    return nullptr;
}

std::int32_t IndexFor(BoundEvent event) noexcept
{
    switch (event) {
    case BoundEvent::Open:
        return EventIndex::kOpen;
    case BoundEvent::TextChange:
        return EventIndex::kTextChange;
    case BoundEvent::Change:
        return EventIndex::kChange;
    case BoundEvent::ValueChanged:
        return EventIndex::kValueChanged;
    case BoundEvent::Action:
        return EventIndex::kAction;
    }
    return -1;
}

void ApplySetter(fw::Object* control, const Setter& setter)
{
    if (!control)
        fw::RaiseNilObjectException();
    switch (setter.kind) {
    case Setter::Kind::TextUnit:
        fw::native_cast<fw::TextFontControl>(control)->setTextUnit(static_cast<std::uint8_t>(setter.value));
        break;
    case Setter::Kind::TextSize:
        fw::native_cast<fw::TextFontControl>(control)->setTextSize(static_cast<float>(setter.value));
        break;
    case Setter::Kind::LineSpacing:
        fw::native_cast<fw::TextArea>(control)->setLineSpacing(setter.value);
        break;
    case Setter::Kind::Backdrop: {
        fw::Ref<fw::Picture> picture = setter.picture();
        fw::native_cast<fw::Canvas>(control)->setBackdrop(picture);
        break;
    }
    }
}

fw::MethodEntry OwnMethodEntry(const fw::ClassRecord* cls, std::string_view name)
{
    for (auto it = cls->methods.rbegin(); it != cls->methods.rend(); ++it)
        if (it->name == name)
            return it->entry;
    assert(false && "a binding names one of the window's own methods");
    return nullptr;
}

std::int32_t ConstructorSlot(const fw::ClassRecord* cls)
{
    auto slot = fw::MethodTableSlot(cls, "Constructor", "%%");
    assert(slot >= 0 && "every control class has a no-argument constructor");
    return slot;
}

} // namespace calculators::detail
