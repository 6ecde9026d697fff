#include "shell/menubar/MenuItemAccessors.h"

#include <fw/Exceptions.h>
#include <fw/MenuItem.h>
#include <fw/Window.h>

#include <array>
#include <utility>

namespace {

struct Member {
    fw::String* name;
    fw::ClassRecord* (*cls)();
    std::string_view signature;
};

using fw::Literal;

constexpr std::string_view kMenuItem = "%o<MenuItem>%";

const std::array<Member, 18> kFamily { {
    { Literal<"M_Tools">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"M_Bottles">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"M_Carb">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"M_Boil_Calc">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"M_Parti_Gyle">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"M_BRIX">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"EditMenu">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"About_Quillfen">(), &fw::AppleMenuItem::Class, "%o<AppleMenuItem>%" },
    { Literal<"EditSelectAll">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"UntitledMenu0">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"EditClear">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"EditPaste">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"EditCopy">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"EditCut">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"UntitledMenu1">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"EditUndo">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"FileMenu">(), &fw::MenuItem::Class, kMenuItem },
    { Literal<"FileQuit">(), &fw::QuitMenuItem::Class, "%o<QuitMenuItem>%" },
} };

template <std::size_t I> fw::Ref<fw::MenuItem> accessor(fw::Window& self)
{
    fw::Ref<fw::MenuBar> bar = self.menuBar();
    if (!bar)
        fw::RaiseNilObjectException();
    fw::Ref<fw::MenuItem> found = bar->Lookup(kFamily[I].name);
    fw::Ref<fw::Object> cast = fw::RuntimeCheckCast(found.get(), kFamily[I].cls());
    return fw::Ref<fw::MenuItem>::retain(fw::native_cast<fw::MenuItem>(cast.get()));
}

template <std::size_t... I> std::array<MethodDeclaration, sizeof...(I)> declare(std::index_sequence<I...>)
{
    return { Method<&accessor<I>>(fw::Text(kFamily[I].name), kFamily[I].signature)... };
}

} // namespace

std::span<const MethodDeclaration> MenuItemAccessorMethods()
{
    static const auto methods = declare(std::make_index_sequence<kFamily.size()> {});
    return methods;
}
