// The shared menu bar's entries, each stated once: its Name, its class, its text and
// its keyboard shortcut, in the order the bar shows them. A menu row puts a menu on
// the bar; the item rows below it, up to the next menu row, are that menu's entries,
// so an item's menu is the menu row above it, never a Name written again.
//
// Everything that needs the entries reads them here: the bar's builders, one per
// menu (MenuBar1), the accessors of the entries in the windows that carry the bar
// (MenuItemAccessors), and the application's menu handlers, each of which names its
// entry and is checked against this table when compiled (MenuHandlerRow.h).
#pragma once

#include <fw/MenuItem.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <tuple>
#include <type_traits>

namespace menubar {

enum class Level : std::uint8_t { Menu, Item };

struct EntryFacts {
    Level level;
    std::string_view name;
    std::string_view text;
    std::optional<std::string_view> shortcut; // none: never set, as on a separator
};

// A row of the table, made as its class: MenuItem or one of its subclasses.
template <class Class> struct EntryRow : EntryFacts {
    static_assert(std::is_base_of_v<fw::MenuItem, Class>, "a menu entry's class is MenuItem or one of its subclasses");
    using EntryClass = Class;
};

// A menu on the bar.
constexpr EntryRow<fw::MenuItem> Menu(std::string_view name, std::string_view text)
{
    return { { Level::Menu, name, text, "" } };
}

// An entry of the menu above it.
template <class Class = fw::MenuItem>
constexpr EntryRow<Class> Item(std::string_view name, std::string_view text, std::string_view shortcut = "")
{
    return { { Level::Item, name, text, shortcut } };
}

inline constexpr std::string_view kSeparatorText = "-";

// A line between the entries of the menu above it.
constexpr EntryRow<fw::MenuItem> Separator(std::string_view name)
{
    return { { Level::Item, name, kSeparatorText, std::nullopt } };
}

// clang-format off
inline constexpr std::tuple kEntries {
    Menu("FileMenu", "&File"),
        Item<fw::QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"),
    Menu("EditMenu", "&Edit"),
        Item("EditUndo", "&Undo", "Cmd+Z"),
        Separator("UntitledMenu1"),
        Item("EditCut", "Cu&t", "Cmd+X"),
        Item("EditCopy", "&Copy", "Cmd+C"),
        Item("EditPaste", "&Paste", "Cmd+V"),
        Item("EditClear", "&Delete"),
        Separator("UntitledMenu0"),
        Item("EditSelectAll", "Select &All", "Cmd+A"),
        Item<fw::AppleMenuItem>("About_Quillfen", "About"),
    Menu("M_Tools", "Tools"),
        Item("M_BRIX", "Brix Tool"),
        Item("M_Parti_Gyle", "Parti Gyle Tool"),
        Item("M_Boil_Calc", "Boil-off Tool"),
        Item("M_Carb", "Carbonation Tool"),
        Item("M_Bottles", "Bottles Tool"),
};
// clang-format on

inline constexpr std::size_t kEntryCount = std::tuple_size_v<decltype(kEntries)>;

// The facts of every row, in table order.
inline constexpr std::array<EntryFacts, kEntryCount> kRows
    = std::apply([](const auto&... row) { return std::array<EntryFacts, kEntryCount> { row... }; }, kEntries);

// The class of row I.
template <std::size_t I> using EntryClass = typename std::tuple_element_t<I, decltype(kEntries)>::EntryClass;

// The Name of row I, as a constant of its own.
template <std::size_t I> inline constexpr std::string_view kEntryName = kRows[I].name;

inline constexpr std::size_t kMenuCount = static_cast<std::size_t>(
    std::count_if(kRows.begin(), kRows.end(), [](const EntryFacts& row) { return row.level == Level::Menu; }));

// The menu that row I belongs to, or is, counted from 0 in the bar's order.
constexpr std::size_t MenuOf(std::size_t row)
{
    std::size_t menus = 0;
    for (std::size_t at = 0; at <= row; ++at)
        menus += kRows[at].level == Level::Menu ? 1 : 0;
    return menus - 1;
}

// The row of the entry of that Name; kEntryCount when there is none.
constexpr std::size_t EntryNamed(std::string_view name)
{
    std::size_t at = 0;
    while (at < kEntryCount && kRows[at].name != name)
        ++at;
    return at;
}

constexpr bool NamesAreUnique()
{
    for (std::size_t at = 0; at < kEntryCount; ++at)
        if (EntryNamed(kRows[at].name) != at)
            return false;
    return true;
}

static_assert(kRows.front().level == Level::Menu, "an entry above the first menu would belong to no menu");
static_assert(NamesAreUnique(), "two entries of one Name: a lookup by Name finds only the first");

} // namespace menubar
