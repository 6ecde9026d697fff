#include "shell/menubar/MenuBar1.h"

#include "calculators/ClassDeclaration.h"

#include <fw/Abi.h>
#include <fw/Exceptions.h>

#include <array>
#include <span>
#include <string_view>

namespace {

// One entry of the menu tree. A menu hangs on the bar (no parent); an item on
// its menu, which the builder finds on the bar again by Name.
struct MenuEntry {
    fw::ClassRecord* (*cls)();
    fw::String* name;
    fw::String* parent; // nil: the bar
    fw::String* text;
    fw::String* shortcut; // nil: never written (the separators)
};

fw::String* const kBar = nullptr;
fw::String* const kNoShortcut = nullptr;

using fw::Literal;

const std::array<MenuEntry, 2> kFileMenu { {
    { &fw::MenuItem::Class, Literal<"FileMenu">(), kBar, Literal<"&File">(), Literal<"">() },
    { &fw::QuitMenuItem::Class, Literal<"FileQuit">(), Literal<"FileMenu">(), Literal<"&Quit">(), Literal<"Cmd+Q">() },
} };

const std::array<MenuEntry, 10> kEditMenu { {
    { &fw::MenuItem::Class, Literal<"EditMenu">(), kBar, Literal<"&Edit">(), Literal<"">() },
    { &fw::MenuItem::Class, Literal<"EditUndo">(), Literal<"EditMenu">(), Literal<"&Undo">(), Literal<"Cmd+Z">() },
    { &fw::MenuItem::Class, Literal<"UntitledMenu1">(), Literal<"EditMenu">(), Literal<"-">(), kNoShortcut },
    { &fw::MenuItem::Class, Literal<"EditCut">(), Literal<"EditMenu">(), Literal<"Cu&t">(), Literal<"Cmd+X">() },
    { &fw::MenuItem::Class, Literal<"EditCopy">(), Literal<"EditMenu">(), Literal<"&Copy">(), Literal<"Cmd+C">() },
    { &fw::MenuItem::Class, Literal<"EditPaste">(), Literal<"EditMenu">(), Literal<"&Paste">(), Literal<"Cmd+V">() },
    { &fw::MenuItem::Class, Literal<"EditClear">(), Literal<"EditMenu">(), Literal<"&Delete">(), Literal<"">() },
    { &fw::MenuItem::Class, Literal<"UntitledMenu0">(), Literal<"EditMenu">(), Literal<"-">(), kNoShortcut },
    { &fw::MenuItem::Class, Literal<"EditSelectAll">(), Literal<"EditMenu">(), Literal<"Select &All">(),
        Literal<"Cmd+A">() },
    { &fw::AppleMenuItem::Class, Literal<"About_Quillfen">(), Literal<"EditMenu">(), Literal<"About">(),
        Literal<"">() },
} };

const std::array<MenuEntry, 6> kToolsMenu { {
    { &fw::MenuItem::Class, Literal<"M_Tools">(), kBar, Literal<"Tools">(), Literal<"">() },
    { &fw::MenuItem::Class, Literal<"M_BRIX">(), Literal<"M_Tools">(), Literal<"Brix Tool">(), Literal<"">() },
    { &fw::MenuItem::Class, Literal<"M_Parti_Gyle">(), Literal<"M_Tools">(), Literal<"Parti Gyle Tool">(),
        Literal<"">() },
    { &fw::MenuItem::Class, Literal<"M_Boil_Calc">(), Literal<"M_Tools">(), Literal<"Boil-off Tool">(), Literal<"">() },
    { &fw::MenuItem::Class, Literal<"M_Carb">(), Literal<"M_Tools">(), Literal<"Carbonation Tool">(), Literal<"">() },
    { &fw::MenuItem::Class, Literal<"M_Bottles">(), Literal<"M_Tools">(), Literal<"Bottles Tool">(), Literal<"">() },
} };

fw::Ref<fw::MenuBar> storage; // the shared bar; nil until the first request

fw::MenuItem* checked(const fw::Ref<fw::MenuItem>& entry)
{
    if (!entry)
        fw::RaiseNilObjectException();
    return entry.get();
}

// Builds the entries in order: made, constructed, named, set, then appended.
void buildEntries(fw::MenuBar& bar, std::span<const MenuEntry> entries)
{
    fw::Ref<fw::MenuItem> current;
    for (const MenuEntry& entry : entries) {
        {
            fw::ClassRecord* cls = entry.cls();
            fw::Ref<fw::Object> created = fw::RuntimeNewObject(cls);
            fw::CallSlot<void>(created.get(), fw::MethodTableSlot(cls, "Constructor", "%%"));
            current = fw::Ref<fw::MenuItem>::retain(fw::native_cast<fw::MenuItem>(created.get()));
        }
        checked(current)->setName(fw::Text(entry.name));
        checked(current)->setAutoEnable(true);
        checked(current)->setText(fw::Text(entry.text));
        checked(current)->setVisible(true);
        if (entry.shortcut)
            checked(current)->setKeyboardShortcut(fw::Text(entry.shortcut));
        if (!entry.parent) {
            bar.Append(current.get());
        } else {
            fw::Ref<fw::MenuItem> menu = bar.Child(entry.parent);
            checked(menu)->Append(current.get());
        }
    }
}

const ClassDeclaration& declaration()
{
    static const MethodDeclaration methods[] {
        Method<&MenuBar1::Untitled0>("Untitled0"),
        Method<&MenuBar1::Untitled1>("Untitled1"),
        Method<&MenuBar1::Untitled2>("Untitled2"),
        Override<&MenuBar1::Constructor>("Constructor", fw::MenuItemSlot::kConstructor),
    };
    static const ClassDeclaration facts { .superclass = &fw::MenuBar::Class,
        .registeredName = "MenuBar1.MenuBar1",
        .hasClassScope = true,
        .classScope = Scope::Public,
        .methods = methods };
    return facts;
}

using Storage = ClassStorage<&declaration>;

// The builders' positions: MenuBar's entries, then Untitled0, Untitled1, Untitled2.
std::int32_t builderSlot(int builder) { return fw::MenuBar::Class()->methodTableCount + builder; }

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
    for (int builder = 0; builder < 3; ++builder)
        fw::CallSlot<void>(&self, builderSlot(builder));
}

void MenuBar1::Untitled0(fw::MenuBar& self) { buildEntries(self, kFileMenu); }
void MenuBar1::Untitled1(fw::MenuBar& self) { buildEntries(self, kEditMenu); }
void MenuBar1::Untitled2(fw::MenuBar& self) { buildEntries(self, kToolsMenu); }
