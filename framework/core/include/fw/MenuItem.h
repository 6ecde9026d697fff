// Menus. A MenuItem is an entry of a menu and, once it has entries of its own, a
// menu; a MenuBar is the root of a menu tree, and its own entries are the menus
// shown on the bar. AppleMenuItem and QuitMenuItem are entries with a role that
// the user-interface layer places where the platform expects them.
//
// A menu holds a reference to each of its entries, in order; an entry knows its
// menu without holding it. Entries are found by Name: `Child` among a menu's own
// entries, `Lookup` anywhere below it, depth-first in order. A choice of an entry
// (`Choose`, which the user-interface layer calls) goes to the entry's own Action
// first and then to the application's menu handler registered under the entry's
// Name (Application.h). A MenuBar is ready as soon as it exists: nothing needs
// its inherited constructor to run.
//
// Entries keep their state themselves and tell their peer, if they have one, what
// changed. Peers are made on demand: the user-interface layer attaches them to a
// menu tree when it shows it (`attachPeer`), the peer reads the whole state then,
// and an entry that joins a menu with a peer gets its own at once.
#pragma once

#include <fw/ClassRecord.h>
#include <fw/EventTable.h>
#include <fw/Events.h>
#include <fw/Peer.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// Where the platform puts an entry.
enum class MenuRole : std::int32_t {
    Normal = 0,
    About = 1, // AppleMenuItem
    Quit = 2, // QuitMenuItem
};

class MenuItem;

// The events of every entry, in their numbering.
namespace MenuItemEvent {
inline constexpr auto kTable = EventsOf<MenuItem>(kObjectEvents,
    {
        { "Action", "%b%" }, // true when the entry handled its choice itself
        { "EnableMenu", "%%" }, // the menu is about to be shown
    });
inline constexpr auto kAction = EventNamed<kTable, "Action">();
inline constexpr auto kEnableMenu = EventNamed<kTable, "EnableMenu">();
} // namespace MenuItemEvent

// Positions in the method table of every entry's class; a subclass's own methods follow them.
namespace MenuItemSlot {
inline constexpr std::int32_t kConstructor = 0; // the one without arguments
inline constexpr std::int32_t kPopup = 15; // the one without arguments
inline constexpr std::int32_t kPopupAt = 16; // at a point of the screen
} // namespace MenuItemSlot

class MenuItem : public Object {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "MenuItem";

    MenuItem() noexcept;
    ~MenuItem() override;

    // The three constructors of the method table.
    void Constructor();
    void Constructor(String* text);
    void Constructor(String* text, std::int32_t tag);

    // The entry becomes this menu's last entry; an entry already in a menu moves.
    // Raises NilObjectException for nil and RuntimeException for a cycle.
    void Append(MenuItem* entry);
    void AddSeparator();
    void Insert(std::int32_t index, MenuItem* entry);
    void Remove(std::int32_t index);
    void Remove(MenuItem* entry);
    void RemoveAll();
    // The first own entry of that Name, nil when there is none (an empty Name finds nothing).
    Ref<MenuItem> Child(String* name) const;
    // The first entry of that Name anywhere below this one, depth-first in order; nil when none.
    Ref<MenuItem> Lookup(String* name) const;
    Ref<MenuItem> Item(std::int32_t index) const; // nil outside 0 ..< Count
    std::int32_t Count() const;
    std::int32_t IndexOf(MenuItem* entry) const; // -1 when it is not an own entry
    Ref<MenuItem> Parent() const;
    // A copy of the entry and everything below it, of the same class, in no menu.
    Ref<MenuItem> Clone() const;
    // The entry chosen from the entries shown as a contextual menu: nil, since no
    // contextual menu is shown.
    virtual Ref<MenuItem> Popup();
    virtual Ref<MenuItem> Popup(std::int32_t x, std::int32_t y);
    // A choice of the entry: its own Action first, then the application's handler.
    bool Choose();
    // Raises EnableMenu on the entry and on every entry below it.
    void EnableMenu();
    void Enable();
    void Disable();
    void Close(); // takes the entry out of its menu
    void Refresh(); // tells the peers of the entry and of everything below it to show it anew
    Ref<Object> DependencyList() const; // the objects the entry depends on: none

    // For the user-interface layer: the own entries, borrowed.
    std::int32_t entryCount() const noexcept { return static_cast<std::int32_t>(entries_.size()); }
    MenuItem* entryAt(std::int32_t index) const noexcept;
    MenuItem* menu() const noexcept { return parent_; }

    std::string_view name() const;
    void setName(std::string_view name);
    std::string_view text() const;
    void setText(std::string_view text);
    bool isSeparator() const noexcept { return text_ == "-"; }
    // As written, "Cmd+Q" style; Cmd reads as the platform's primary modifier.
    std::string_view keyboardShortcut() const;
    void setKeyboardShortcut(std::string_view shortcut);
    bool autoEnable() const;
    void setAutoEnable(bool value);
    bool visible() const;
    void setVisible(bool value);
    bool enabled() const;
    void setEnabled(bool value);
    bool checked() const;
    void setChecked(bool value);
    std::int32_t tag() const;
    void setTag(std::int32_t tag);
    std::string_view helpTag() const;
    void setHelpTag(std::string_view text);
    bool bold() const;
    void setBold(bool value);
    bool italic() const;
    void setItalic(bool value);
    bool underline() const;
    void setUnderline(bool value);
    std::string_view textFont() const;
    void setTextFont(std::string_view font);
    std::int32_t textSize() const;
    void setTextSize(std::int32_t size);
    // Extra modifiers beyond the shortcut's own: 1 Shift, 2 Alt, 4 the secondary modifier.
    std::int32_t shortcutModifiers() const;
    void setShortcutModifiers(std::int32_t modifiers);
    std::int32_t role() const { return static_cast<std::int32_t>(role_); }
    MenuRole menuRole() const noexcept { return role_; }

    Peer* peer() const noexcept { return peer_.get(); }
    // Makes the peers of the entry and of every entry below it with the installed
    // factory, for those that have none.
    void attachPeer();

protected:
    explicit MenuItem(MenuRole role) noexcept;

private:
    void detach(std::size_t index);
    bool isAncestorOrSelf(const MenuItem* entry) const noexcept;
    void copyInto(MenuItem& copy) const;

    std::vector<Ref<MenuItem>> entries_;
    MenuItem* parent_ = nullptr;
    std::string name_;
    std::string text_;
    std::string shortcut_;
    std::string helpTag_;
    std::string textFont_ = "System";
    std::int32_t tag_ = 0;
    std::int32_t textSize_ = 0;
    std::int32_t shortcutModifiers_ = 0;
    MenuRole role_ = MenuRole::Normal;
    bool autoEnable_ = true;
    bool visible_ = true;
    bool enabled_ = true;
    bool checked_ = false;
    bool bold_ = false;
    bool italic_ = false;
    bool underline_ = false;
    PeerLink peer_;
};

class MenuBar : public MenuItem {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "MenuBar";

    // A bar is never shown as a contextual menu.
    Ref<MenuItem> Popup() override;
    Ref<MenuItem> Popup(std::int32_t x, std::int32_t y) override;
    // The first entry below the bar carrying this shortcut text, nil when none.
    Ref<MenuItem> FindShortcut(String* shortcut) const;
};

class AppleMenuItem : public MenuItem {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "AppleMenuItem";
    AppleMenuItem() noexcept;
};

class QuitMenuItem : public MenuItem {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "QuitMenuItem";
    QuitMenuItem() noexcept;
};

} // namespace fw
