// An editable text: what a text field (one line) and a text area (several)
// share. The text changes by a setter or by the user (the peer reports an edit
// through `userEdited`); either way `TextChange` fires once for every change and
// never for a text that stays the same, so a handler that writes its own field
// ends its nesting as soon as it writes the text already there. A `LimitText`
// above 0 keeps the text to that many characters (Unicode code points, never part
// of a UTF-8 sequence), whoever sets it.
#pragma once

#include <fw/Color.h>
#include <fw/RectControl.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

class TextEdit;

namespace TextEditEvent {
inline constexpr auto kTable = EventsOf<TextEdit>(RectControlEvent::kTable,
    Joined(kFocusEvents, kMouseButtonEvents,
        std::array { EventRow { "SelChange", "%%" }, EventRow { "TextChange", "%%" } }));
inline constexpr auto kGotFocus = EventNamed<kTable, "GotFocus">();
inline constexpr auto kLostFocus = EventNamed<kTable, "LostFocus">();
inline constexpr auto kMouseDown = EventNamed<kTable, "MouseDown">();
inline constexpr auto kMouseDrag = EventNamed<kTable, "MouseDrag">();
inline constexpr auto kMouseUp = EventNamed<kTable, "MouseUp">();
inline constexpr auto kSelChange = EventNamed<kTable, "SelChange">();
inline constexpr auto kTextChange = EventNamed<kTable, "TextChange">();
} // namespace TextEditEvent

// The longest start of a UTF-8 text of at most `limit` code points; a limit of 0 or less keeps it all.
std::string_view LimitCodePoints(std::string_view text, std::int32_t limit) noexcept;

class TextEdit : public TextFontControl {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "TextEdit";

    void AppendText(String* text);

    // From the peer: the user changed the text to this.
    void userEdited(std::string_view text);

    std::string_view text() const noexcept { return text_; }
    void setText(std::string_view text);
    std::int32_t limitText() const noexcept { return limitText_; }
    void setLimitText(std::int32_t limit);
    bool readOnly() const noexcept { return readOnly_; }
    void setReadOnly(bool value);
    // 0 default, 1 left, 2 centre, 3 right.
    std::int32_t alignment() const noexcept { return alignment_; }
    void setAlignment(std::int32_t alignment);
    bool border() const noexcept { return border_; }
    void setBorder(bool value);
    bool useFocusRing() const noexcept { return useFocusRing_; }
    void setUseFocusRing(bool value);
    Color textColor() const noexcept { return textColor_; }
    void setTextColor(Color color);
    Color backColor() const noexcept { return backColor_; }
    void setBackColor(Color color);
    std::string_view format() const noexcept { return format_; }
    void setFormat(std::string_view format);
    std::string_view mask() const noexcept { return mask_; }
    void setMask(std::string_view mask);
    bool acceptTabs() const noexcept { return acceptTabs_; }
    void setAcceptTabs(bool value);
    bool automaticallyCheckSpelling() const noexcept { return automaticallyCheckSpelling_; }
    void setAutomaticallyCheckSpelling(bool value);

protected:
    TextEdit() noexcept = default;

private:
    void changeText(std::string_view text, bool byUser);

    std::string text_;
    std::string format_;
    std::string mask_;
    std::int32_t limitText_ = 0;
    std::int32_t alignment_ = 0;
    Color textColor_ {};
    Color backColor_ { 255, 255, 255 };
    bool readOnly_ = false;
    bool border_ = true;
    bool useFocusRing_ = true;
    bool acceptTabs_ = false;
    bool automaticallyCheckSpelling_ = false;
};

} // namespace fw
