#include "calculators/W_Pari.h"

#include "shell/menubar/MenuBar1.h"
#include "shell/menubar/MenuItemAccessors.h"

void W_Pari::Layout(fw::Window& self)
{
    self.setMenuBar(MenuBar1::ImplicitInstance());
    ApplyWindowStream(self);
}

std::span<const MethodDeclaration> W_Pari::OtherMethods() { return MenuItemAccessorMethods(); }
