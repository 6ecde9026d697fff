#include "NativeClass.h"

#include <fw/PropertyTables.h>
#include <fw/RectControl.h>
#include <fw/Window.h>

#include <algorithm>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kRectControlSize = 112;
constexpr std::int32_t kNewControlSide = 100; // pixels, width and height
} // namespace

RectControl::RectControl() noexcept
    : ScreenArea(kNewControlSide, kNewControlSide)
{
}

void RectControl::Constructor() { RequireUIThread(); }

// The constructor under its older name; an entry of its own keeps the two slots apart.
void RectControl::legacyConstructor() { Constructor(); }

// Drawing into a graphics context is the user-interface layer's; headless there is nothing to draw.
void RectControl::DrawInto(ObjectOf<Graphics>, std::int32_t, std::int32_t) { RequireUIThread(); }

void RectControl::Invalidate(bool) { Invalidate(); }

void RectControl::SetFocus()
{
    RequireUIThread();
    if (auto* owner = window())
        owner->focusOn(this);
}

Ref<Window> RectControl::TrueWindow() const
{
    RequireUIThread();
    return Ref<Window>::retain(window());
}

Ref<Object> RectControl::DependencyList() const
{
    RequireUIThread();
    return nullptr;
}

void RectControl::Move(std::int32_t dx, std::int32_t dy)
{
    RequireUIThread();
    if (dx == 0 && dy == 0)
        return;
    left_ += dx;
    top_ += dy;
    notify(Aspect::Geometry);
}

void RectControl::mouseEnter()
{
    RequireUIThread();
    hovered_ = true;
    RaiseEvent(*this, RectControlEvent::kMouseEnter);
}

void RectControl::mouseExit()
{
    RequireUIThread();
    hovered_ = false;
    RaiseEvent(*this, RectControlEvent::kMouseExit);
}

RectControl* RectControl::enclosingControl() const
{
    auto* owner = window();
    if (!owner || initialParent_.empty() || initialParent_ == name())
        return nullptr;
    auto* found = owner->findControl(initialParent_);
    return RuntimeObjectIsa(found, RectControl::Class()) ? native_cast<RectControl>(found) : nullptr;
}

Ref<RectControl> RectControl::parentProperty() const { return Ref<RectControl>::retain(enclosingControl()); }

bool RectControl::hasFocus() const noexcept
{
    auto* owner = window();
    return owner && owner->focus() == this;
}

bool RectControl::active() const noexcept
{
    auto* owner = window();
    return owner && owner->active();
}

std::int32_t RectControl::zOrder() const noexcept
{
    auto* owner = window();
    for (std::size_t k = 0; owner && k < owner->controlCount(); ++k)
        if (owner->controlObject(k) == this)
            return static_cast<std::int32_t>(k);
    return -1;
}

void RectControl::setLockLeft(bool value) { change(lockLeft_, value, Aspect::Geometry); }
void RectControl::setLockTop(bool value) { change(lockTop_, value, Aspect::Geometry); }
void RectControl::setLockRight(bool value) { change(lockRight_, value, Aspect::Geometry); }
void RectControl::setLockBottom(bool value) { change(lockBottom_, value, Aspect::Geometry); }
void RectControl::setTabPanelIndex(std::int32_t index) { change(tabPanelIndex_, index, Aspect::Parent); }
void RectControl::setTabIndex(std::int32_t index) { change(tabIndex_, index, Aspect::TabOrder); }
void RectControl::setTabStop(bool value) { change(tabStop_, value, Aspect::TabOrder); }
void RectControl::setEnabled(bool value) { change(enabled_, value, Aspect::Enabled); }
void RectControl::setHelpTag(std::string_view text) { change(helpTag_, text, Aspect::HelpTag); }
void RectControl::setAutoDeactivate(bool value) { change(autoDeactivate_, value, Aspect::Enabled); }
void RectControl::setInitialParent(std::string_view name) { change(initialParent_, name, Aspect::Parent); }

// Data binding is not shown.
void RectControl::setDataSource(std::string_view name) { keep(dataSource_, name); }
void RectControl::setDataField(std::string_view name) { keep(dataField_, name); }

void TextFontControl::setTextFont(std::string_view font) { change(textFont_, font, Aspect::Font); }
void TextFontControl::setTextSize(float size) { change(textSize_, size, Aspect::Font); }
void TextFontControl::setTextUnit(std::uint8_t unit) { change(textUnit_, unit, Aspect::Font); }
void TextFontControl::setBold(bool value) { change(bold_, value, Aspect::Font); }
void TextFontControl::setItalic(bool value) { change(italic_, value, Aspect::Font); }
void TextFontControl::setUnderline(bool value) { change(underline_, value, Aspect::Font); }

ClassRecord* RectControl::Class()
{
    using R = RectControl;
    static constexpr NativeMethod methods[] = {
        Routine<&R::AcceptFileDrop>("AcceptFileDrop"),
        Routine<&R::AcceptMacDataDrop>("AcceptMacDataDrop"),
        Routine<&R::AcceptPictureDrop>("AcceptPictureDrop"),
        Routine<&R::AcceptRawDataDrop>("AcceptRawDataDrop"),
        Routine<&R::AcceptTextDrop>("AcceptTextDrop"),
        Routine<&R::Constructor>("Constructor", RectControlSlot::kConstructor),
        Routine<&R::DrawInto>("DrawInto"),
        Routine<&ScreenArea::Invalidate>("Invalidate"),
        Routine<static_cast<void (R::*)(bool)>(&R::Invalidate)>("Invalidate"),
        Routine<&R::legacyConstructor>("RectControl"),
        Routine<&R::Refresh>("Refresh"),
        Routine<&R::RefreshRect>("RefreshRect"),
        Routine<&R::SetFocus>("SetFocus", RectControlSlot::kSetFocus),
        Routine<&R::TrueWindow>("TrueWindow", RectControlSlot::kTrueWindow),
        Routine<&R::AddMenuHandler>("_AddMenuHandler"),
        Routine<&R::DependencyList>("_DependencyList"),
        Routine<&R::Move>("_Move"),
    };
    static_assert(SlotsFit(methods, ControlSlot::kCount), "a row that names a slot constant sits at that position");
    static ClassRecord* cls = RegisterNativeClass<RectControl>({ .superclass = &Control::Class,
        .methods = methods,
        .events = RectControlEvent::kTable,
        .properties = RectControlProperty::kTable,
        .instanceSize = kRectControlSize });
    return cls;
}

} // namespace fw
