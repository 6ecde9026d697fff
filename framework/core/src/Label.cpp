#include "NativeClass.h"

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
    static constexpr NativeMethod methods[] = {
        Routine<&L::EventCreatePane>("Event_CreatePane"),
        Routine<&L::setString>("setString"),
    };
    static constexpr NativeEvent events[] = {
        { "AcceleratorKey", "%b%s" },
        { "MouseDown", "%b%i4i4" },
        { "MouseDrag", "%%i4i4" },
        { "MouseUp", "%%i4i4" },
    };
    static_assert(events[LabelEvent::kMouseDown - RectControlEvent::kFirstOwn].name == "MouseDown");
    static_assert(events[LabelEvent::kMouseUp - RectControlEvent::kFirstOwn].name == "MouseUp");
    static constexpr NativeProperty properties[] = {
        Property<"Text", &L::text, &L::setText>(),
        Property<"TextAlign", &L::textAlign, &L::setTextAlign>(),
        Property<"TextColor", &L::textColor, &L::setTextColor>(),
        Property<"Multiline", &L::multiline, &L::setMultiline>(),
        Property<"Selectable", &L::selectable, &L::setSelectable>(),
        Property<"Transparent", &L::transparent, &L::setTransparent>(),
        Property<"TextFont", &L::textFont, &L::setTextFont>(),
        Property<"Bold", &L::bold, &L::setBold>(),
        Property<"Italic", &L::italic, &L::setItalic>(),
        Property<"Underline", &L::underline, &L::setUnderline>(),
        Property<"TextUnit", &L::textUnit, &L::setTextUnit>(),
        Property<"TextSize", &L::textSize, &L::setTextSize>(),
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
