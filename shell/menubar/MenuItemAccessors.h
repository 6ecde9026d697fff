// The menu-item accessors of a window that carries the shared menu bar: one
// window method per entry of the bar, named like the entry, that finds the entry
// in the window's menu bar and returns it typed as its class.
#pragma once

#include "calculators/ClassDeclaration.h"

#include <span>

// One accessor per entry of the bar's table, in the family's order: the menus from
// last to first, each followed by its own items from last to first.
std::span<const MethodDeclaration> MenuItemAccessorMethods();
