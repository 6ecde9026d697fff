#include <fw/Application.h>
#include <fw/Exceptions.h>
#include <fw/MenuItem.h>
#include <fw/Thread.h>

#include <cassert>
#include <string>
#include <utility>

namespace fw {

namespace {
constexpr std::string_view kSeparatorText = "-";
} // namespace

void MenuItem::attachPeer()
{
    RequireUIThread();
    peer_.attach(*this);
    for (auto& entry : entries_)
        entry->attachPeer();
}

MenuItem::MenuItem() noexcept = default;
MenuItem::MenuItem(MenuRole role) noexcept
    : role_(role)
{
}

MenuItem::~MenuItem()
{
    for (auto& entry : entries_)
        entry->parent_ = nullptr;
}

void MenuItem::Constructor() { RequireUIThread(); }

void MenuItem::Constructor(String* text)
{
    Constructor();
    setText(Text(text));
}

void MenuItem::Constructor(String* text, std::int32_t tag)
{
    Constructor(text);
    setTag(tag);
}

bool MenuItem::isAncestorOrSelf(const MenuItem* entry) const noexcept
{
    for (auto* menu = this; menu; menu = menu->parent_)
        if (menu == entry)
            return true;
    return false;
}

void MenuItem::detach(std::size_t index)
{
    Ref<MenuItem> entry = std::move(entries_[index]);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    entry->parent_ = nullptr;
    peer_.notify(Aspect::Menu);
}

void MenuItem::Append(MenuItem* entry)
{
    RequireUIThread();
    Insert(entryCount() - (entry && entry->parent_ == this ? 1 : 0), entry);
}

void MenuItem::AddSeparator()
{
    RequireUIThread();
    auto object = RuntimeNewObject(MenuItem::Class());
    auto* separator = native_cast<MenuItem>(object.get());
    separator->setText(kSeparatorText);
    Append(separator);
}

void MenuItem::Insert(std::int32_t index, MenuItem* entry)
{
    RequireUIThread();
    if (!entry)
        RaiseNilObjectException();
    if (isAncestorOrSelf(entry))
        Raise<RuntimeException>(
            "menu entry \"" + entry->name_ + "\" cannot become an entry of itself or of one of its own entries");
    // An entry that moves within this menu leaves its old place first.
    auto positions = entryCount() - (entry->parent_ == this ? 1 : 0);
    if (index < 0 || index > positions)
        Raise<RuntimeException>("menu \"" + name_ + "\" has no position " + std::to_string(index) + " (it holds "
            + std::to_string(positions) + " other entries)");
    Ref<MenuItem> hold = Ref<MenuItem>::retain(entry);
    if (entry->parent_)
        entry->parent_->detach(static_cast<std::size_t>(entry->parent_->IndexOf(entry)));
    entries_.insert(entries_.begin() + index, std::move(hold));
    entry->parent_ = this;
    if (peer_)
        entry->attachPeer();
    peer_.notify(Aspect::Menu);
}

void MenuItem::Remove(std::int32_t index)
{
    RequireUIThread();
    if (index < 0 || index >= entryCount())
        Raise<RuntimeException>("menu \"" + name_ + "\" has no entry " + std::to_string(index) + " (it holds "
            + std::to_string(entryCount()) + " entries)");
    detach(static_cast<std::size_t>(index));
}

void MenuItem::Remove(MenuItem* entry)
{
    RequireUIThread();
    if (!entry)
        RaiseNilObjectException();
    auto index = IndexOf(entry);
    if (index >= 0)
        detach(static_cast<std::size_t>(index));
}

void MenuItem::RemoveAll()
{
    RequireUIThread();
    auto entries = std::exchange(entries_, {});
    for (auto& entry : entries)
        entry->parent_ = nullptr;
    if (!entries.empty())
        peer_.notify(Aspect::Menu);
}

Ref<MenuItem> MenuItem::Child(String* name) const
{
    RequireUIThread();
    auto wanted = Text(name);
    if (wanted.empty())
        return nullptr;
    for (auto& entry : entries_)
        if (entry->name_ == wanted)
            return entry;
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(String* name) const
{
    RequireUIThread();
    auto wanted = Text(name);
    if (wanted.empty())
        return nullptr;
    for (auto& entry : entries_) {
        if (entry->name_ == wanted)
            return entry;
        if (auto found = entry->Lookup(name))
            return found;
    }
    return nullptr;
}

Ref<MenuItem> MenuItem::Item(std::int32_t index) const
{
    RequireUIThread();
    return Ref<MenuItem>::retain(entryAt(index));
}

MenuItem* MenuItem::entryAt(std::int32_t index) const noexcept
{
    return index >= 0 && index < entryCount() ? entries_[static_cast<std::size_t>(index)].get() : nullptr;
}

std::int32_t MenuItem::Count() const
{
    RequireUIThread();
    return entryCount();
}

std::int32_t MenuItem::IndexOf(MenuItem* entry) const
{
    RequireUIThread();
    for (std::size_t k = 0; k < entries_.size(); ++k)
        if (entries_[k].get() == entry)
            return static_cast<std::int32_t>(k);
    return -1;
}

Ref<MenuItem> MenuItem::Parent() const
{
    RequireUIThread();
    return Ref<MenuItem>::retain(parent_);
}

void MenuItem::copyInto(MenuItem& copy) const
{
    copy.name_ = name_;
    copy.text_ = text_;
    copy.shortcut_ = shortcut_;
    copy.helpTag_ = helpTag_;
    copy.textFont_ = textFont_;
    copy.tag_ = tag_;
    copy.textSize_ = textSize_;
    copy.shortcutModifiers_ = shortcutModifiers_;
    copy.autoEnable_ = autoEnable_;
    copy.visible_ = visible_;
    copy.enabled_ = enabled_;
    copy.checked_ = checked_;
    copy.bold_ = bold_;
    copy.italic_ = italic_;
    copy.underline_ = underline_;
    for (auto& entry : entries_)
        copy.Append(entry->Clone().get());
}

Ref<MenuItem> MenuItem::Clone() const
{
    RequireUIThread();
    assert(classRecord() && "menu entries are made by RuntimeNewObject");
    auto object = RuntimeNewObject(classRecord());
    auto copy = Ref<MenuItem>::adopt(native_cast<MenuItem>(object.release()));
    copyInto(*copy);
    copy->peer_.notify(Aspect::Text);
    return copy;
}

Ref<MenuItem> MenuItem::Popup()
{
    RequireUIThread();
    return nullptr;
}

Ref<MenuItem> MenuItem::Popup(std::int32_t, std::int32_t)
{
    RequireUIThread();
    return nullptr;
}

bool MenuItem::Choose()
{
    RequireUIThread();
    Ref<MenuItem> hold = Ref<MenuItem>::retain(this);
    if (RaiseEvent<bool>(*this, MenuItemEvent::kAction))
        return true;
    return DispatchMenuChoice(this);
}

void MenuItem::EnableMenu()
{
    RequireUIThread();
    Ref<MenuItem> hold = Ref<MenuItem>::retain(this);
    RaiseEvent(*this, MenuItemEvent::kEnableMenu);
    auto entries = entries_; // a hook may change the menu
    for (auto& entry : entries)
        entry->EnableMenu();
}

void MenuItem::Refresh()
{
    RequireUIThread();
    peer_.notify(Aspect::Text);
    peer_.notify(Aspect::Menu);
    auto entries = entries_;
    for (auto& entry : entries)
        entry->Refresh();
}

void MenuItem::Enable() { setEnabled(true); }
void MenuItem::Disable() { setEnabled(false); }

void MenuItem::Close()
{
    RequireUIThread();
    if (parent_)
        parent_->Remove(this);
}

Ref<Object> MenuItem::DependencyList() const
{
    RequireUIThread();
    return nullptr;
}

std::string_view MenuItem::name() const { return name_; }
// Neither the name nor the tag is shown.
void MenuItem::setName(std::string_view name)
{
    RequireUIThread();
    name_ = name;
}
std::string_view MenuItem::text() const { return text_; }
void MenuItem::setText(std::string_view text) { peer_.change(text_, text, Aspect::Text); }
std::string_view MenuItem::keyboardShortcut() const { return shortcut_; }
void MenuItem::setKeyboardShortcut(std::string_view shortcut) { peer_.change(shortcut_, shortcut, Aspect::Shortcut); }
bool MenuItem::autoEnable() const { return autoEnable_; }
void MenuItem::setAutoEnable(bool value) { peer_.change(autoEnable_, value, Aspect::Enabled); }
bool MenuItem::visible() const { return visible_; }
void MenuItem::setVisible(bool value) { peer_.change(visible_, value, Aspect::Visible); }
bool MenuItem::enabled() const { return enabled_; }
void MenuItem::setEnabled(bool value) { peer_.change(enabled_, value, Aspect::Enabled); }
bool MenuItem::checked() const { return checked_; }
void MenuItem::setChecked(bool value) { peer_.change(checked_, value, Aspect::Style); }
std::int32_t MenuItem::tag() const { return tag_; }
void MenuItem::setTag(std::int32_t tag)
{
    RequireUIThread();
    tag_ = tag;
}
std::string_view MenuItem::helpTag() const { return helpTag_; }
void MenuItem::setHelpTag(std::string_view text) { peer_.change(helpTag_, text, Aspect::HelpTag); }
bool MenuItem::bold() const { return bold_; }
void MenuItem::setBold(bool value) { peer_.change(bold_, value, Aspect::Font); }
bool MenuItem::italic() const { return italic_; }
void MenuItem::setItalic(bool value) { peer_.change(italic_, value, Aspect::Font); }
bool MenuItem::underline() const { return underline_; }
void MenuItem::setUnderline(bool value) { peer_.change(underline_, value, Aspect::Font); }
std::string_view MenuItem::textFont() const { return textFont_; }
void MenuItem::setTextFont(std::string_view font) { peer_.change(textFont_, font, Aspect::Font); }
std::int32_t MenuItem::textSize() const { return textSize_; }
void MenuItem::setTextSize(std::int32_t size) { peer_.change(textSize_, size, Aspect::Font); }
std::int32_t MenuItem::shortcutModifiers() const { return shortcutModifiers_; }
void MenuItem::setShortcutModifiers(std::int32_t modifiers)
{
    peer_.change(shortcutModifiers_, modifiers, Aspect::Shortcut);
}

Ref<MenuItem> MenuBar::Popup()
{
    RequireUIThread();
    return nullptr;
}

Ref<MenuItem> MenuBar::Popup(std::int32_t, std::int32_t)
{
    RequireUIThread();
    return nullptr;
}

namespace {
MenuItem* findShortcut(const MenuItem& menu, std::string_view shortcut)
{
    for (std::int32_t k = 0; k < menu.entryCount(); ++k) {
        auto* entry = menu.entryAt(k);
        if (entry->keyboardShortcut() == shortcut)
            return entry;
        if (auto* found = findShortcut(*entry, shortcut))
            return found;
    }
    return nullptr;
}
} // namespace

Ref<MenuItem> MenuBar::FindShortcut(String* shortcut) const
{
    RequireUIThread();
    auto wanted = Text(shortcut);
    return wanted.empty() ? nullptr : Ref<MenuItem>::retain(findShortcut(*this, wanted));
}

AppleMenuItem::AppleMenuItem() noexcept
    : MenuItem(MenuRole::About)
{
}
QuitMenuItem::QuitMenuItem() noexcept
    : MenuItem(MenuRole::Quit)
{
}

} // namespace fw
