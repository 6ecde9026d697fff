// The rectangle that a window or a visual control covers, in pixels (a window's
// on the screen, a control's in its window), whether it shows, whether it waits
// to be drawn anew, and the mouse over it as its peer last reported. The owner's
// peer hears of every change it shows.
#pragma once

#include <fw/Peer.h>

#include <cstdint>

namespace fw {

class ScreenArea {
public:
    std::int32_t left() const noexcept { return left_; }
    void setLeft(std::int32_t left) { ownerPeer().change(left_, left, Aspect::Geometry); }
    std::int32_t top() const noexcept { return top_; }
    void setTop(std::int32_t top) { ownerPeer().change(top_, top, Aspect::Geometry); }
    std::int32_t width() const noexcept { return width_; }
    void setWidth(std::int32_t width) { ownerPeer().change(width_, width, Aspect::Geometry); }
    std::int32_t height() const noexcept { return height_; }
    void setHeight(std::int32_t height) { ownerPeer().change(height_, height, Aspect::Geometry); }
    std::int32_t right() const noexcept { return left_ + width_; }
    std::int32_t bottom() const noexcept { return top_ + height_; }
    bool visible() const noexcept { return visible_; }
    void setVisible(bool value) { ownerPeer().change(visible_, value, Aspect::Visible); }

    // Asks for the area to be drawn anew (the peer hears Aspect::Picture).
    void Invalidate();
    void Refresh() { Invalidate(); }
    void RefreshRect(std::int32_t, std::int32_t, std::int32_t, std::int32_t) { Invalidate(); }
    bool invalidated() const noexcept { return invalidated_; }

    bool hovered() const noexcept { return hovered_; }
    std::int32_t mouseX() const noexcept { return mouseX_; }
    std::int32_t mouseY() const noexcept { return mouseY_; }
    double scaleFactor() const noexcept { return 1.0; }

protected:
    ScreenArea(std::int32_t width, std::int32_t height) noexcept
        : width_(width)
        , height_(height)
    {
    }
    ~ScreenArea() = default;

    // From a peer's mouse report: where the mouse is, relative to the area.
    void mouseAt(std::int32_t x, std::int32_t y) noexcept
    {
        mouseX_ = x;
        mouseY_ = y;
    }

    std::int32_t left_ = 0;
    std::int32_t top_ = 0;
    std::int32_t width_;
    std::int32_t height_;
    std::int32_t mouseX_ = 0;
    std::int32_t mouseY_ = 0;
    bool visible_ = true;
    bool invalidated_ = false;
    bool hovered_ = false;

private:
    // The owner's link to its peer, which hears what changed. Asked for at each change,
    // not kept: an owner may build its link after this area.
    virtual const PeerLink& ownerPeer() const noexcept = 0;
};

} // namespace fw
