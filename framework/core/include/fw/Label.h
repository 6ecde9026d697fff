// A label: a text shown in the window, one line or several (CR separates lines).
// Its peer reports the mouse through the entry points below, which raise the
// label's events so that a subclass (a link label) can implement them.
#pragma once

#include <fw/Color.h>
#include <fw/RectControl.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

class Label;

namespace LabelEvent {
inline constexpr auto kTable = EventsOf<Label>(
    RectControlEvent::kTable, Joined(std::array { EventRow { "AcceleratorKey", "%b%s" } }, kMouseButtonEvents));
inline constexpr auto kAcceleratorKey = EventNamed<kTable, "AcceleratorKey">();
inline constexpr auto kMouseDown = EventNamed<kTable, "MouseDown">();
inline constexpr auto kMouseDrag = EventNamed<kTable, "MouseDrag">();
inline constexpr auto kMouseUp = EventNamed<kTable, "MouseUp">();
} // namespace LabelEvent

class Label : public TextFontControl {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Label";

    // The label's own response to CreatePane: it gets its peer now if it has none.
    void EventCreatePane();
    void setString(String* text);

    // From the peer, in the label's coordinates. A press gives the MouseDown
    // event's answer; the peer reports the release whatever that was.
    bool mouseDown(std::int32_t x, std::int32_t y);
    void mouseDrag(std::int32_t x, std::int32_t y);
    void mouseUp(std::int32_t x, std::int32_t y);

    std::string_view text() const noexcept { return text_; }
    void setText(std::string_view text);
    // 0 left, 1 centre, 2 right.
    std::int32_t textAlign() const noexcept { return textAlign_; }
    void setTextAlign(std::int32_t align);
    Color textColor() const noexcept { return textColor_; }
    void setTextColor(Color color);
    bool multiline() const noexcept { return multiline_; }
    void setMultiline(bool value);
    bool selectable() const noexcept { return selectable_; }
    void setSelectable(bool value);
    bool transparent() const noexcept { return transparent_; }
    void setTransparent(bool value);

private:
    std::string text_;
    std::int32_t textAlign_ = 0;
    Color textColor_ {};
    bool multiline_ = false;
    bool selectable_ = false;
    bool transparent_ = false;
};

} // namespace fw
