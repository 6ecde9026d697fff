#include "ControlTables.h"

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
    static const auto methods = JoinArrays(Accessors<"Caption", &G::caption, &G::setCaption>(),
        Accessors<"TextFont", &G::textFont, &G::setTextFont>(), Accessors<"Bold", &G::bold, &G::setBold>(),
        Accessors<"Italic", &G::italic, &G::setItalic>(), Accessors<"Underline", &G::underline, &G::setUnderline>(),
        Accessors<"TextUnit", &G::textUnit, &G::setTextUnit>(), Accessors<"TextSize", &G::textSize, &G::setTextSize>());
    static const NativeProperty properties[] = {
        Property<&G::caption, &G::setCaption>("Caption"),
        Property<&G::textFont, &G::setTextFont>("TextFont"),
        Property<&G::bold, &G::setBold>("Bold"),
        Property<&G::italic, &G::setItalic>("Italic"),
        Property<&G::underline, &G::setUnderline>("Underline"),
        Property<&G::textUnit, &G::setTextUnit>("TextUnit"),
        Property<&G::textSize, &G::setTextSize>("TextSize"),
    };
    static ClassRecord* cls = RegisterNativeClass({ .name = kClassName,
        .superclass = &RectControl::Class,
        .methods = methods,
        .properties = properties,
        .instanceSize = kGroupBoxSize,
        .construct = &Construct<GroupBox> });
    return cls;
}

} // namespace fw
