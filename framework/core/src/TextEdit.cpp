#include "NativeClass.h"

#include <fw/PropertyTables.h>
#include <fw/TextEdit.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kTextEditSize = 176;

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

ClassRecord* TextEdit::Class()
{
    using T = TextEdit;
    static constexpr NativeMethod methods[] = { Routine<&T::AppendText>("AppendText") };
    static ClassRecord* cls = RegisterNativeClass<TextEdit>({ .superclass = &RectControl::Class,
        .methods = methods,
        .events = TextEditEvent::kTable,
        .properties = TextEditProperty::kTable,
        .instanceSize = kTextEditSize });
    return cls;
}

} // namespace fw
