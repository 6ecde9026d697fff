#include "ControlTables.h"

#include <fw/Label.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kLabelSize = 160;
}

void Label::EventCreatePane()
{
    RequireUIThread();
    attachPeer();
}

void Label::setString(String* text) { setText(Text(text)); }

bool Label::mouseDown(std::int32_t x, std::int32_t y)
{
    RequireUIThread();
    mouseAt(x, y);
    return RaiseEvent<bool>(*this, LabelEvent::kMouseDown, x, y);
}

void Label::mouseDrag(std::int32_t x, std::int32_t y)
{
    RequireUIThread();
    mouseAt(x, y);
    RaiseEvent(*this, LabelEvent::kMouseDrag, x, y);
}

void Label::mouseUp(std::int32_t x, std::int32_t y)
{
    RequireUIThread();
    mouseAt(x, y);
    RaiseEvent(*this, LabelEvent::kMouseUp, x, y);
}

void Label::setText(std::string_view text) { change(text_, text, Aspect::Text); }
void Label::setTextAlign(std::int32_t align) { change(textAlign_, align, Aspect::Style); }
void Label::setTextColor(Color color) { change(textColor_, color, Aspect::Colors); }
void Label::setMultiline(bool value) { change(multiline_, value, Aspect::Style); }
void Label::setSelectable(bool value) { change(selectable_, value, Aspect::Style); }
void Label::setTransparent(bool value) { change(transparent_, value, Aspect::Colors); }

ClassRecord* Label::Class()
{
    using L = Label;
    static const auto methods = JoinArrays(
        std::array {
            Routine<&L::EventCreatePane>("Event_CreatePane", "%%"),
            Routine<&L::setString>("setString", "%%s"),
        },
        Accessors<"Text", &L::text, &L::setText>(), Accessors<"TextAlign", &L::textAlign, &L::setTextAlign>(),
        Accessors<"TextColor", &L::textColor, &L::setTextColor>(),
        Accessors<"Multiline", &L::multiline, &L::setMultiline>(),
        Accessors<"Selectable", &L::selectable, &L::setSelectable>(),
        Accessors<"Transparent", &L::transparent, &L::setTransparent>(),
        Accessors<"TextFont", &L::textFont, &L::setTextFont>(), Accessors<"Bold", &L::bold, &L::setBold>(),
        Accessors<"Italic", &L::italic, &L::setItalic>(), Accessors<"Underline", &L::underline, &L::setUnderline>(),
        Accessors<"TextUnit", &L::textUnit, &L::setTextUnit>(), Accessors<"TextSize", &L::textSize, &L::setTextSize>());
    static constexpr NativeEvent events[] = {
        { "AcceleratorKey", "%b%s" },
        { "MouseDown", "%b%i4i4" },
        { "MouseDrag", "%%i4i4" },
        { "MouseUp", "%%i4i4" },
    };
    static_assert(events[LabelEvent::kMouseDown - RectControlEvent::kFirstOwn].name == "MouseDown");
    static_assert(events[LabelEvent::kMouseUp - RectControlEvent::kFirstOwn].name == "MouseUp");
    static const NativeProperty properties[] = {
        Property<&L::text, &L::setText>("Text"),
        Property<&L::textAlign, &L::setTextAlign>("TextAlign"),
        Property<&L::textColor, &L::setTextColor>("TextColor"),
        Property<&L::multiline, &L::setMultiline>("Multiline"),
        Property<&L::selectable, &L::setSelectable>("Selectable"),
        Property<&L::transparent, &L::setTransparent>("Transparent"),
        Property<&L::textFont, &L::setTextFont>("TextFont"),
        Property<&L::bold, &L::setBold>("Bold"),
        Property<&L::italic, &L::setItalic>("Italic"),
        Property<&L::underline, &L::setUnderline>("Underline"),
        Property<&L::textUnit, &L::setTextUnit>("TextUnit"),
        Property<&L::textSize, &L::setTextSize>("TextSize"),
    };
    static ClassRecord* cls = RegisterNativeClass({ .name = kClassName,
        .superclass = &RectControl::Class,
        .methods = methods,
        .events = events,
        .properties = properties,
        .instanceSize = kLabelSize,
        .construct = &Construct<Label> });
    return cls;
}

} // namespace fw
