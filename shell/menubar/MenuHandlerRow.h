// The application class's menu handlers, one row each: the entry of the shared bar it
// handles, named once and checked against the bar's table when compiled, and the
// function that handles it, which takes nothing and answers whether it handled the
// choice. The handler's method is named after its entry by rule: "_", the entry's
// Name, "_Action" (`_M_BRIX_Action`).
#pragma once

#include "calculators/ClassDeclaration.h"
#include "shell/menubar/MenuTable.h"

#include <fw/Application.h>
#include <fw/String.h>

#include <array>
#include <span>
#include <string_view>

// A handler as the application registers it: under its entry's Name, as this method.
struct MenuHandlerEntry {
    fw::String* itemName;
    MethodDeclaration method;
};

inline constexpr std::string_view kMenuHandlerPrefix = "_";
inline constexpr std::string_view kMenuHandlerSuffix = "_Action";

template <fw::FixedText Item, bool (*Function)(fw::Application&)> struct MenuHandlerRow {
    static_assert(menubar::EntryNamed(fw::kTextOf<Item>) < menubar::kEntryCount,
        "a menu handler names an entry that the shared menu bar lacks");

    static MenuHandlerEntry entry()
    {
        return { fw::Literal<Item>(),
            Method<Function>(fw::kJoined<kMenuHandlerPrefix, fw::kTextOf<Item>, kMenuHandlerSuffix>) };
    }
};

// The rows in the order given, which is the order of registration.
template <class... Rows> std::span<const MenuHandlerEntry> MenuHandlerTable()
{
    static const std::array<MenuHandlerEntry, sizeof...(Rows)> rows { Rows::entry()... };
    return rows;
}
