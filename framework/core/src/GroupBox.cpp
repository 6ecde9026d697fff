#include "NativeClass.h"

#include <fw/GroupBox.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kGroupBoxSize = 128;
}

void GroupBox::setCaption(std::string_view caption) { change(caption_, caption, Aspect::Text); }

ClassRecord* GroupBox::Class()
{
    using G = GroupBox;
    static constexpr NativeProperty properties[] = {
        Property<"Caption", &G::caption, &G::setCaption>(),
        Property<"TextFont", &G::textFont, &G::setTextFont>(),
        Property<"Bold", &G::bold, &G::setBold>(),
        Property<"Italic", &G::italic, &G::setItalic>(),
        Property<"Underline", &G::underline, &G::setUnderline>(),
        Property<"TextUnit", &G::textUnit, &G::setTextUnit>(),
        Property<"TextSize", &G::textSize, &G::setTextSize>(),
    };
    static ClassRecord* cls = RegisterNativeClass({ .name = kClassName,
        .superclass = &RectControl::Class,
        .properties = properties,
        .instanceSize = kGroupBoxSize,
        .construct = &Construct<GroupBox> });
    return cls;
}

} // namespace fw
