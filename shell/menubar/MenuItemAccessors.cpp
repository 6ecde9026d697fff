#include "shell/menubar/MenuItemAccessors.h"

#include <fw/Exceptions.h>
#include <fw/MenuItem.h>
#include <fw/Window.h>

#include <array>

namespace {

// The accessor of the entry of that Name, typed as its class.
template <fw::FixedText Name, class Item = fw::MenuItem> struct Member {
    static fw::Ref<Item> accessor(fw::Window& self)
    {
        fw::Ref<fw::MenuBar> bar = self.menuBar();
        if (!bar)
            fw::RaiseNilObjectException();
        fw::Ref<fw::MenuItem> found = bar->Lookup(fw::Literal<Name>());
        fw::Ref<fw::Object> cast = fw::RuntimeCheckCast(found.get(), Item::Class());
        return fw::Ref<Item>::retain(fw::native_cast<Item>(cast.get()));
    }

    static MethodDeclaration method() { return Method<&accessor>(fw::kTextOf<Name>); }
};

template <class... Members> std::array<MethodDeclaration, sizeof...(Members)> declare()
{
    return { Members::method()... };
}

} // namespace

std::span<const MethodDeclaration> MenuItemAccessorMethods()
{
    // clang-format off
    static const auto methods = declare<
        Member<"M_Tools">,
        Member<"M_Bottles">,
        Member<"M_Carb">,
        Member<"M_Boil_Calc">,
        Member<"M_Parti_Gyle">,
        Member<"M_BRIX">,
        Member<"EditMenu">,
        Member<"About_Quillfen", fw::AppleMenuItem>,
        Member<"EditSelectAll">,
        Member<"UntitledMenu0">,
        Member<"EditClear">,
        Member<"EditPaste">,
        Member<"EditCopy">,
        Member<"EditCut">,
        Member<"UntitledMenu1">,
        Member<"EditUndo">,
        Member<"FileMenu">,
        Member<"FileQuit", fw::QuitMenuItem>>();
    // clang-format on
    return methods;
}
