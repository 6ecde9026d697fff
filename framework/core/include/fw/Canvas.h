// A canvas: an area that shows its backdrop picture, or nothing.
#pragma once

#include <fw/Picture.h>
#include <fw/RectControl.h>

#include <cstdint>
#include <string_view>

namespace fw {

class Canvas;

namespace CanvasEvent {
inline constexpr auto kTable = EventsOf<Canvas>(RectControlEvent::kTable,
    Joined(kFocusEvents, kMouseButtonEvents, std::array { EventRow { "Paint", "%%o<Graphics>" } }));
inline constexpr auto kPaint = EventNamed<kTable, "Paint">();
} // namespace CanvasEvent

class Canvas : public RectControl {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Canvas";

    // Nil: no backdrop.
    Ref<Picture> backdrop() const { return backdrop_; }
    void setBackdrop(Ref<Picture> picture);
    bool transparent() const noexcept { return transparent_; }
    void setTransparent(bool value);
    bool eraseBackground() const noexcept { return eraseBackground_; }
    void setEraseBackground(bool value);
    bool doubleBuffer() const noexcept { return doubleBuffer_; }
    void setDoubleBuffer(bool value);
    bool acceptTabs() const noexcept { return acceptTabs_; }
    void setAcceptTabs(bool value);
    bool acceptFocus() const noexcept { return acceptFocus_; }
    void setAcceptFocus(bool value);
    bool useFocusRing() const noexcept { return useFocusRing_; }
    void setUseFocusRing(bool value);

private:
    Ref<Picture> backdrop_;
    bool transparent_ = true;
    bool eraseBackground_ = true;
    bool doubleBuffer_ = false;
    bool acceptTabs_ = false;
    bool acceptFocus_ = false;
    bool useFocusRing_ = true;
};

} // namespace fw
