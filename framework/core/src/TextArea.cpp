#include "NativeClass.h"

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
    using T = TextArea;
    static constexpr NativeProperty properties[] = {
        Property<"Multiline", &T::multiline, &T::setMultiline>(),
        Property<"Styled", &T::styled, &T::setStyled>(),
        Property<"HideSelection", &T::hideSelection, &T::setHideSelection>(),
        Property<"ScrollbarVertical", &T::scrollbarVertical, &T::setScrollbarVertical>(),
        Property<"ScrollbarHorizontal", &T::scrollbarHorizontal, &T::setScrollbarHorizontal>(),
        Property<"LineSpacing", &T::lineSpacing, &T::setLineSpacing>(),
    };
    static ClassRecord* cls = RegisterNativeClass<TextArea>(
        { .superclass = &TextEdit::Class, .properties = properties, .instanceSize = kTextAreaSize });
    return cls;
}

} // namespace fw
