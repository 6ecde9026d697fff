#include "NativeClass.h"

#include <fw/Label.h>
#include <fw/PropertyTables.h>

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
    static ClassRecord* cls = RegisterNativeClass<Label>({ .superclass = &RectControl::Class,
        .methods = methods,
        .events = LabelEvent::kTable,
        .properties = LabelProperty::kTable,
        .instanceSize = kLabelSize });
    return cls;
}

} // namespace fw
