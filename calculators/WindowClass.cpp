#include "calculators/WindowClass.h"

#include <fw/RectControl.h>

namespace calculators::detail {

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

} // namespace calculators::detail
