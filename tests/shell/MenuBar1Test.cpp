// The shared menu bar: its tree, its storage and its registration.
#include "shell/menubar/MenuBar1.h"

#include <fw/FrameworkClasses.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Entry {
    std::string name;
    std::string text;
    std::string shortcut;
    fw::ClassRecord* (*cls)();
};

std::vector<Entry> entriesOf(const fw::MenuItem& menu)
{
    std::vector<Entry> entries;
    for (std::int32_t i = 0; i < menu.entryCount(); ++i) {
        const fw::MenuItem* item = menu.entryAt(i);
        entries.push_back(
            { std::string(item->name()), std::string(item->text()), std::string(item->keyboardShortcut()), nullptr });
        EXPECT_TRUE(item->autoEnable()) << item->name();
        EXPECT_TRUE(item->visible()) << item->name();
    }
    return entries;
}

std::vector<std::string> field(const std::vector<Entry>& entries, std::string Entry::*member)
{
    std::vector<std::string> values;
    for (auto& entry : entries)
        values.push_back(entry.*member);
    return values;
}

using Texts = std::vector<std::string>;

TEST(MenuBar1, BuildsFileEditAndToolsWithTheirEntries)
{
    fw::Ref<fw::MenuBar> bar = MenuBar1::ImplicitInstance();
    auto menus = entriesOf(*bar);
    EXPECT_EQ(field(menus, &Entry::name), (Texts { "FileMenu", "EditMenu", "M_Tools" }));
    EXPECT_EQ(field(menus, &Entry::text), (Texts { "&File", "&Edit", "Tools" }));

    auto file = entriesOf(*bar->entryAt(0));
    EXPECT_EQ(field(file, &Entry::name), (Texts { "FileQuit" }));
    EXPECT_EQ(field(file, &Entry::shortcut), (Texts { "Cmd+Q" }));
    EXPECT_TRUE(
        fw::RuntimeObjectIsa(const_cast<fw::MenuItem*>(bar->entryAt(0)->entryAt(0)), fw::QuitMenuItem::Class()));

    auto edit = entriesOf(*bar->entryAt(1));
    EXPECT_EQ(field(edit, &Entry::name),
        (Texts { "EditUndo", "UntitledMenu1", "EditCut", "EditCopy", "EditPaste", "EditClear", "UntitledMenu0",
            "EditSelectAll", "About_Quillfen" }));
    EXPECT_EQ(field(edit, &Entry::text),
        (Texts { "&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All", "About" }));
    EXPECT_EQ(field(edit, &Entry::shortcut), (Texts { "Cmd+Z", "", "Cmd+X", "Cmd+C", "Cmd+V", "", "", "Cmd+A", "" }));
    EXPECT_TRUE(
        fw::RuntimeObjectIsa(const_cast<fw::MenuItem*>(bar->entryAt(1)->entryAt(8)), fw::AppleMenuItem::Class()));

    auto tools = entriesOf(*bar->entryAt(2));
    EXPECT_EQ(field(tools, &Entry::name), (Texts { "M_BRIX", "M_Parti_Gyle", "M_Boil_Calc", "M_Carb", "M_Bottles" }));
    EXPECT_EQ(field(tools, &Entry::text),
        (Texts { "Brix Tool", "Parti Gyle Tool", "Boil-off Tool", "Carbonation Tool", "Bottles Tool" }));
}

TEST(MenuBar1, IsOneBarUntilReleased)
{
    fw::Ref<fw::MenuBar> first = MenuBar1::ImplicitInstance();
    EXPECT_EQ(MenuBar1::ImplicitInstance(), first);
    EXPECT_EQ(first->entryCount(), 3u) << "a second request builds no second set of menus";
    auto referencesHeld = first->referenceCount();
    MenuBar1::ReleaseImplicitInstance();
    EXPECT_EQ(first->referenceCount(), referencesHeld - 1) << "the storage dropped its reference";
    fw::Ref<fw::MenuBar> second = MenuBar1::ImplicitInstance();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->entryCount(), 3u);
}

TEST(MenuBar1, RegistersItsOverrideOfTheInheritedConstructor)
{
    fw::ClassRecord* cls = MenuBar1::Class();
    EXPECT_EQ(cls->registeredName, "MenuBar1.MenuBar1");
    EXPECT_EQ(cls->methods.size(), 56u);
    EXPECT_EQ(cls->events.size(), 2u);
    EXPECT_EQ(cls->properties.size(), 16u);
    EXPECT_EQ(cls->classAttributes.size(), 1u);
    EXPECT_EQ(cls->methodTableCount, 29);
    EXPECT_EQ(cls->instanceSize, 52);
    auto slot = fw::MethodTableSlot(fw::MenuBar::Class(), "Constructor", "%%");
    EXPECT_EQ(slot, fw::MenuItemSlot::kConstructor);
    EXPECT_EQ(cls->methodTable[slot], cls->methods[55].entry);
    // One builder per menu, named by its position, in the table after MenuBar's entries.
    const char* own[] = { "Untitled0", "Untitled1", "Untitled2", "Constructor" };
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(cls->methods[52 + k].name, own[k]);
    for (std::int32_t k = 0; k < 3; ++k)
        EXPECT_EQ(cls->methodTable[fw::MenuBar::Class()->methodTableCount + k], cls->methods[52 + k].entry);
}

} // namespace
