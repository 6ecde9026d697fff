#include "shell/menubar/MenuItemAccessors.h"

#include "calculators/StoredLiterals.h"
#include "shell/menubar/MenuTable.h"

#include <fw/Exceptions.h>
#include <fw/MenuItem.h>
#include <fw/Window.h>

#include <array>
#include <cstddef>
#include <utility>

namespace {

// The accessor of row I's entry: found by its Name in the window's bar, typed as its class.
template <std::size_t I> fw::Ref<menubar::EntryClass<I>> accessor(fw::Window& self)
{
    using Item = menubar::EntryClass<I>;
    fw::Ref<fw::MenuBar> bar = self.menuBar();
    if (!bar)
        fw::RaiseNilObjectException();
    fw::Ref<fw::MenuItem> found = bar->Lookup(calculators::TextLiteral<menubar::kEntryName<I>>());
    fw::Ref<fw::Object> cast = fw::RuntimeCheckCast(found.get(), Item::Class());
    return fw::Ref<Item>::retain(fw::native_cast<Item>(cast.get()));
}

// The rows in the accessors' order: the menus from last to first, each followed by
// its own entries from last to first.
constexpr std::array<std::size_t, menubar::kEntryCount> kAccessorOrder = [] {
    std::array<std::size_t, menubar::kEntryCount> order {};
    std::size_t at = 0;
    for (std::size_t end = menubar::kEntryCount; end > 0;) {
        std::size_t menu = end - 1;
        while (menubar::kRows[menu].level != menubar::Level::Menu)
            --menu;
        order[at++] = menu;
        for (std::size_t entry = end - 1; entry > menu; --entry)
            order[at++] = entry;
        end = menu;
    }
    return order;
}();

template <std::size_t... P> auto accessorsOf(std::index_sequence<P...>)
{
    return std::array<MethodDeclaration, sizeof...(P)> { Method<&accessor<kAccessorOrder[P]>>(
        menubar::kEntryName<kAccessorOrder[P]>)... };
}

} // namespace

std::span<const MethodDeclaration> MenuItemAccessorMethods()
{
    static const auto methods = accessorsOf(std::make_index_sequence<menubar::kEntryCount> {});
    return methods;
}
