#include "NativeClass.h"

#include <fw/PropertyTables.h>
#include <fw/TextArea.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kTextAreaSize = 188;
} // namespace

void TextArea::setMultiline(bool value) { change(multiline_, value, Aspect::Style); }
void TextArea::setStyled(bool value) { change(styled_, value, Aspect::Style); }
void TextArea::setHideSelection(bool value) { change(hideSelection_, value, Aspect::Style); }
void TextArea::setScrollbarVertical(bool value) { change(scrollbarVertical_, value, Aspect::Style); }
void TextArea::setScrollbarHorizontal(bool value) { change(scrollbarHorizontal_, value, Aspect::Style); }
void TextArea::setLineSpacing(double spacing) { change(lineSpacing_, spacing, Aspect::Font); }

ClassRecord* TextArea::Class()
{
    static ClassRecord* cls = RegisterNativeClass<TextArea>(
        { .superclass = &TextEdit::Class, .properties = TextAreaProperty::kTable, .instanceSize = kTextAreaSize });
    return cls;
}

} // namespace fw
