#include "SharedRegistrationRows.h"

#include <fw/TextArea.h>
#include <fw/TextEdit.h>
#include <fw/TextField.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kTextEditSize = 176;
constexpr std::int32_t kTextFieldSize = 184;
constexpr std::int32_t kTextAreaSize = 188;

constexpr bool isContinuationByte(char byte) noexcept { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }
} // namespace

std::string_view LimitCodePoints(std::string_view text, std::int32_t limit) noexcept
{
    if (limit <= 0)
        return text;
    std::int32_t codePoints = 0;
    for (std::size_t k = 0; k < text.size(); ++k)
        if (!isContinuationByte(text[k]) && codePoints++ == limit)
            return text.substr(0, k);
    return text;
}

void TextEdit::changeText(std::string_view text, bool byUser)
{
    RequireUIThread();
    auto kept = LimitCodePoints(text, limitText_);
    bool cut = kept.size() != text.size();
    if (kept == text_) {
        if (byUser && cut)
            notify(Aspect::Text); // the peer shows more than the field keeps
        return;
    }
    std::string next(kept); // the text may be a view into text_ itself
    text_ = std::move(next);
    if (!byUser || cut)
        notify(Aspect::Text);
    RaiseEvent(*this, TextEditEvent::kTextChange);
}

void TextEdit::setText(std::string_view text) { changeText(text, false); }
void TextEdit::userEdited(std::string_view text) { changeText(text, true); }

void TextEdit::AppendText(String* text)
{
    RequireUIThread();
    setText(text_ + std::string(Text(text)));
}

void TextEdit::setLimitText(std::int32_t limit)
{
    if (change(limitText_, limit, Aspect::Range))
        changeText(text_, false);
}

void TextEdit::setReadOnly(bool value) { change(readOnly_, value, Aspect::Style); }
void TextEdit::setAlignment(std::int32_t alignment) { change(alignment_, alignment, Aspect::Style); }
void TextEdit::setBorder(bool value) { change(border_, value, Aspect::Style); }
void TextEdit::setUseFocusRing(bool value) { change(useFocusRing_, value, Aspect::Style); }
void TextEdit::setTextColor(Color color) { change(textColor_, color, Aspect::Colors); }
void TextEdit::setBackColor(Color color) { change(backColor_, color, Aspect::Colors); }
void TextEdit::setFormat(std::string_view format) { change(format_, format, Aspect::Text); }
void TextEdit::setMask(std::string_view mask) { change(mask_, mask, Aspect::Style); }
void TextEdit::setAcceptTabs(bool value) { change(acceptTabs_, value, Aspect::Style); }
void TextEdit::setAutomaticallyCheckSpelling(bool value) { change(automaticallyCheckSpelling_, value, Aspect::Style); }

void TextField::setPassword(bool value) { change(password_, value, Aspect::Style); }
void TextField::setCueText(std::string_view text) { change(cueText_, text, Aspect::CueText); }

void TextArea::setMultiline(bool value) { change(multiline_, value, Aspect::Style); }
void TextArea::setStyled(bool value) { change(styled_, value, Aspect::Style); }
void TextArea::setHideSelection(bool value) { change(hideSelection_, value, Aspect::Style); }
void TextArea::setScrollbarVertical(bool value) { change(scrollbarVertical_, value, Aspect::Style); }
void TextArea::setScrollbarHorizontal(bool value) { change(scrollbarHorizontal_, value, Aspect::Style); }
void TextArea::setLineSpacing(double spacing) { change(lineSpacing_, spacing, Aspect::Font); }

ClassRecord* TextEdit::Class()
{
    using T = TextEdit;
    static constexpr NativeMethod methods[] = { Routine<&T::AppendText>("AppendText") };
    static constexpr auto properties = Joined(
        std::array {
            Property<"Text", &T::text, &T::setText>(),
            Property<"LimitText", &T::limitText, &T::setLimitText>(),
            Property<"ReadOnly", &T::readOnly, &T::setReadOnly>(),
            Property<"Alignment", &T::alignment, &T::setAlignment>(),
            Property<"Border", &T::border, &T::setBorder>(),
            Property<"UseFocusRing", &T::useFocusRing, &T::setUseFocusRing>(),
            Property<"TextColor", &T::textColor, &T::setTextColor>(),
            Property<"BackColor", &T::backColor, &T::setBackColor>(),
            Property<"Format", &T::format, &T::setFormat>(),
            Property<"Mask", &T::mask, &T::setMask>(),
            Property<"AcceptTabs", &T::acceptTabs, &T::setAcceptTabs>(),
            Property<"AutomaticallyCheckSpelling", &T::automaticallyCheckSpelling, &T::setAutomaticallyCheckSpelling>(),
        },
        kTextFontProperties);
    static ClassRecord* cls = RegisterNativeClass<TextEdit>({ .superclass = &RectControl::Class,
        .methods = methods,
        .events = TextEditEvent::kTable,
        .properties = properties,
        .instanceSize = kTextEditSize });
    return cls;
}

ClassRecord* TextField::Class()
{
    using T = TextField;
    static constexpr NativeProperty properties[] = {
        Property<"Password", &T::password, &T::setPassword>(),
        Property<"CueText", &T::cueText, &T::setCueText>(),
    };
    static ClassRecord* cls = RegisterNativeClass<TextField>(
        { .superclass = &TextEdit::Class, .properties = properties, .instanceSize = kTextFieldSize });
    return cls;
}

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
