#include "shell/menubar/MenuBar1.h"

#include "calculators/ClassDeclaration.h"
#include "shell/menubar/MenuTable.h"

#include <fw/Abi.h>
#include <fw/Exceptions.h>

#include <array>
#include <cstddef>
#include <string_view>
#include <utility>

namespace {

fw::Ref<fw::MenuBar> storage; // the shared bar; nil until the first request

fw::MenuItem* checked(const fw::Ref<fw::MenuItem>& entry)
{
    if (!entry)
        fw::RaiseNilObjectException();
    return entry.get();
}

// Builds row I of the table: made, constructed, named, set, then appended to the bar,
// where it becomes the menu that the rows below it join, or to that menu.
template <std::size_t I> void buildEntry(fw::MenuBar& bar, fw::Ref<fw::MenuItem>& menu)
{
    constexpr const menubar::EntryFacts& row = menubar::kRows[I];
    fw::Ref<fw::MenuItem> current;
    {
        fw::Ref<fw::Object> created = fw::RuntimeNewObject(menubar::EntryClass<I>::Class());
        // Every entry's class is MenuItem's or a subclass's, which keep its constructor where it is.
        fw::CallSlot<void>(created.get(), fw::MenuItemSlot::kConstructor);
        current = fw::Ref<fw::MenuItem>::retain(fw::native_cast<fw::MenuItem>(created.get()));
    }
    checked(current)->setName(row.name);
    checked(current)->setAutoEnable(true);
    checked(current)->setText(row.text);
    checked(current)->setVisible(true);
    if (row.shortcut)
        checked(current)->setKeyboardShortcut(*row.shortcut);
    if constexpr (row.level == menubar::Level::Menu) {
        bar.Append(current.get());
        menu = current;
    } else {
        checked(menu)->Append(current.get());
    }
}

// The builder of menu K: builds the menu's row, then its entries', in table order.
template <std::size_t K> void buildMenu(fw::MenuBar& bar)
{
    fw::Ref<fw::MenuItem> menu;
    [&]<std::size_t... I>(std::index_sequence<I...>)
    {
        (
            [&] {
                if constexpr (menubar::MenuOf(I) == K)
                    buildEntry<I>(bar, menu);
            }(),
            ...);
    }
    (std::make_index_sequence<menubar::kEntryCount> {});
}

// The builders' method names: "Untitled" and the menu's position, from 0.
inline constexpr std::string_view kBuilderStem = "Untitled";

constexpr std::size_t decimalDigits(std::size_t number)
{
    std::size_t digits = 1;
    for (; number >= 10; number /= 10)
        ++digits;
    return digits;
}
template <std::size_t K>
inline constexpr auto kDecimalChars = [] {
    std::array<char, decimalDigits(K)> chars {};
    std::size_t rest = K;
    for (std::size_t at = chars.size(); at-- > 0; rest /= 10)
        chars[at] = static_cast<char>('0' + rest % 10);
    return chars;
}();
template <std::size_t K>
inline constexpr std::string_view kDecimal { kDecimalChars<K>.data(), kDecimalChars<K>.size() };
template <std::size_t K> inline constexpr const std::string_view& kBuilderName = fw::kJoined<kBuilderStem, kDecimal<K>>;

// The builders first, one per menu in the bar's order, then the override of the constructor.
template <std::size_t... K> auto methodsOf(std::index_sequence<K...>)
{
    return std::array<MethodDeclaration, sizeof...(K) + 1> { Method<&buildMenu<K>>(kBuilderName<K>)...,
        Override<&MenuBar1::Constructor>(kConstructorName, fw::MenuItemSlot::kConstructor) };
}

const ClassDeclaration& declaration()
{
    static const auto methods = methodsOf(std::make_index_sequence<menubar::kMenuCount> {});
    static const ClassDeclaration facts { .superclass = &fw::MenuBar::Class,
        .registeredName = "MenuBar1.MenuBar1",
        .hasClassScope = true,
        .classScope = Scope::Public,
        .methods = methods };
    return facts;
}

using Storage = ClassStorage<&declaration>;

// The builders' positions: MenuBar's entries, then the class's first own methods.
std::int32_t builderSlot(std::size_t menu)
{
    return fw::MenuBar::Class()->methodTableCount + static_cast<std::int32_t>(menu);
}

} // namespace

fw::ClassRecord* MenuBar1::Class() { return Storage::Accessor(); }
void MenuBar1::ClassInit() { Storage::Init(); }

fw::Ref<fw::MenuBar> MenuBar1::ImplicitInstance()
{
    if (!storage) {
        fw::Ref<fw::Object> created = fw::RuntimeNewObject(Class());
        fw::CallSlot<void>(created.get(), fw::MenuItemSlot::kConstructor);
        // Stored only once complete: a construction cut short leaves the storage nil.
        storage = fw::Ref<fw::MenuBar>::retain(fw::native_cast<fw::MenuBar>(created.get()));
    }
    return storage;
}

void MenuBar1::InitImplicitInstance() { }

void MenuBar1::ReleaseImplicitInstance()
{
    fw::Ref<fw::MenuBar> held = std::move(storage);
    storage = nullptr;
}

void MenuBar1::Constructor(fw::MenuBar& self)
{
    for (std::size_t menu = 0; menu < menubar::kMenuCount; ++menu)
        fw::CallSlot<void>(&self, builderSlot(menu));
}
