// The root of every visual control: an area in its window's coordinates,
// anchoring, keyboard order, enabled state, a help tag, the control that
// encloses it, and the entry points through which a peer reports the mouse.
#pragma once

#include <fw/Control.h>
#include <fw/DropTarget.h>
#include <fw/EventTable.h>
#include <fw/Joined.h>
#include <fw/MenuHandlerList.h>
#include <fw/ObjectOf.h>
#include <fw/ScreenArea.h>
#include <fw/UnimplementedClasses.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class RectControl;

namespace RectControlEvent {
inline constexpr auto kTable = EventsOf<RectControl>(ControlEvent::kTable,
    {
        { "ConstructContextualMenu", "%b%o<MenuItem>i4i4" },
        { "ContextualMenuAction", "%b%o<MenuItem>" },
        { "DragEnter", "%b%o<DragItem>i4" },
        { "DragExit", "%%o<DragItem>i4" },
        { "DragOver", "%b%i4i4o<DragItem>i4" },
        { "DropObject", "%%o<DragItem>i4" },
        { "KeyDown", "%b%s" },
        { "KeyUp", "%%s" },
        { "MouseEnter", "%%" },
        { "MouseExit", "%%" },
        { "MouseMove", "%%i4i4" },
        { "MouseWheel", "%b%i4i4i4i4" },
    });
inline constexpr auto kConstructContextualMenu = EventNamed<kTable, "ConstructContextualMenu">();
inline constexpr auto kContextualMenuAction = EventNamed<kTable, "ContextualMenuAction">();
inline constexpr auto kDragEnter = EventNamed<kTable, "DragEnter">();
inline constexpr auto kDragExit = EventNamed<kTable, "DragExit">();
inline constexpr auto kDragOver = EventNamed<kTable, "DragOver">();
inline constexpr auto kDropObject = EventNamed<kTable, "DropObject">();
inline constexpr auto kKeyDown = EventNamed<kTable, "KeyDown">();
inline constexpr auto kKeyUp = EventNamed<kTable, "KeyUp">();
inline constexpr auto kMouseEnter = EventNamed<kTable, "MouseEnter">();
inline constexpr auto kMouseExit = EventNamed<kTable, "MouseExit">();
inline constexpr auto kMouseMove = EventNamed<kTable, "MouseMove">();
inline constexpr auto kMouseWheel = EventNamed<kTable, "MouseWheel">();
} // namespace RectControlEvent

// Rows that several visual controls declare alike among their own events, in this order.
inline constexpr auto kFocusEvents = std::to_array<EventRow>({
    { "GotFocus", "%%" },
    { "LostFocus", "%%" },
});
inline constexpr auto kMouseButtonEvents = std::to_array<EventRow>({
    { "MouseDown", "%b%i4i4" },
    { "MouseDrag", "%%i4i4" },
    { "MouseUp", "%%i4i4" },
});

// Positions in the method table of every visual control, after Control's.
namespace RectControlSlot {
inline constexpr std::int32_t kConstructor = 6;
inline constexpr std::int32_t kSetFocus = 13;
inline constexpr std::int32_t kTrueWindow = 14;
} // namespace RectControlSlot

class RectControl : public Control, public ScreenArea, public DropTarget, public MenuHandlerList {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "RectControl";

    // The control is ready: nothing more is needed before its properties are set.
    void Constructor();
    void DrawInto(ObjectOf<Graphics> graphics, std::int32_t x, std::int32_t y);
    using ScreenArea::Invalidate;
    void Invalidate(bool eraseBackground);
    void SetFocus();
    Ref<Window> TrueWindow() const;
    Ref<Object> DependencyList() const;
    // Moves the control by an offset, as its enclosing control moves.
    void Move(std::int32_t dx, std::int32_t dy);

    // From the peer: the mouse entered or left the control.
    void mouseEnter();
    void mouseExit();
    // From the peer: the control has been drawn.
    void drawn() noexcept { invalidated_ = false; }

    // The control whose Name is this control's InitialParent, borrowed; nil when there is none.
    RectControl* enclosingControl() const;

    bool lockLeft() const noexcept { return lockLeft_; }
    void setLockLeft(bool value);
    bool lockTop() const noexcept { return lockTop_; }
    void setLockTop(bool value);
    bool lockRight() const noexcept { return lockRight_; }
    void setLockRight(bool value);
    bool lockBottom() const noexcept { return lockBottom_; }
    void setLockBottom(bool value);
    std::int32_t tabPanelIndex() const noexcept { return tabPanelIndex_; }
    void setTabPanelIndex(std::int32_t index);
    std::int32_t tabIndex() const noexcept { return tabIndex_; }
    void setTabIndex(std::int32_t index);
    bool tabStop() const noexcept { return tabStop_; }
    void setTabStop(bool value);
    bool enabled() const noexcept { return enabled_; }
    void setEnabled(bool value);
    std::string_view helpTag() const noexcept { return helpTag_; }
    void setHelpTag(std::string_view text);
    bool autoDeactivate() const noexcept { return autoDeactivate_; }
    void setAutoDeactivate(bool value);
    std::string_view initialParent() const noexcept { return initialParent_; }
    void setInitialParent(std::string_view name);
    std::string_view dataSource() const noexcept { return dataSource_; }
    void setDataSource(std::string_view name);
    std::string_view dataField() const noexcept { return dataField_; }
    void setDataField(std::string_view name);

    bool hasFocus() const noexcept;
    // True while the window that holds the control is the active one.
    bool active() const noexcept;
    bool acceptsDrops() const noexcept { return !acceptedDrops().empty(); }
    // The control's position among its window's controls, -1 outside a window.
    std::int32_t zOrder() const noexcept;

    // The Parent property: enclosingControl(), with a reference for the caller.
    Ref<RectControl> parentProperty() const;

protected:
    RectControl() noexcept;

private:
    const PeerLink& ownerPeer() const noexcept override { return peerLink(); }
    void legacyConstructor();

    std::int32_t tabPanelIndex_ = 0;
    std::int32_t tabIndex_ = 0;
    bool lockLeft_ = true;
    bool lockTop_ = true;
    bool lockRight_ = false;
    bool lockBottom_ = false;
    bool tabStop_ = true;
    bool enabled_ = true;
    bool autoDeactivate_ = true;
    std::string helpTag_;
    std::string initialParent_;
    std::string dataSource_;
    std::string dataField_;
};

// The font of a control that shows text; not a framework class of its own: its
// properties are the last ones of each class that has a font.
class TextFontControl : public RectControl {
public:
    std::string_view textFont() const noexcept { return textFont_; }
    void setTextFont(std::string_view font);
    // 0: the platform's size.
    float textSize() const noexcept { return textSize_; }
    void setTextSize(float size);
    // The unit of TextSize; 0: the platform's default unit.
    std::uint8_t textUnit() const noexcept { return textUnit_; }
    void setTextUnit(std::uint8_t unit);
    bool bold() const noexcept { return bold_; }
    void setBold(bool value);
    bool italic() const noexcept { return italic_; }
    void setItalic(bool value);
    bool underline() const noexcept { return underline_; }
    void setUnderline(bool value);

protected:
    TextFontControl() noexcept = default;

private:
    std::string textFont_ = "System";
    float textSize_ = 0;
    std::uint8_t textUnit_ = 0;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
};

} // namespace fw
