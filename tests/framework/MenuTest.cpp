// Menu trees: building them, finding entries by Name, the method table that the
// program's menu bar class extends, and what the peers hear.
#include <fw/Abi.h>
#include <fw/Exceptions.h>
#include <fw/MenuItem.h>
#include <fw/Variant.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace fw;

Ref<MenuItem> entry(ClassRecord* cls, std::string_view name, std::string_view text = {})
{
    auto object = RuntimeNewObject(cls);
    auto item = Ref<MenuItem>::adopt(native_cast<MenuItem>(object.release()));
    item->setName(name);
    item->setText(text);
    return item;
}

Ref<MenuBar> newBar()
{
    auto object = RuntimeNewObject(MenuBar::Class()); // no constructor runs, as for the program's bar
    return Ref<MenuBar>::adopt(native_cast<MenuBar>(object.release()));
}

std::vector<std::string_view> names(const MenuItem& menu)
{
    std::vector<std::string_view> result;
    for (std::int32_t k = 0; k < menu.entryCount(); ++k)
        result.push_back(menu.entryAt(k)->name());
    return result;
}

// bar: FileMenu (FileQuit), EditMenu (EditCopy, Sub (Deep, Twin)), Twin
class MenuTree : public testing::Test {
protected:
    void SetUp() override
    {
        bar = newBar();
        auto file = entry(MenuItem::Class(), "FileMenu", "&File");
        auto quit = entry(QuitMenuItem::Class(), "FileQuit", "&Quit");
        quit->setKeyboardShortcut("Cmd+Q");
        file->Append(quit.get());
        bar->Append(file.get());
        auto edit = entry(MenuItem::Class(), "EditMenu", "&Edit");
        edit->Append(entry(MenuItem::Class(), "EditCopy", "&Copy").get());
        auto sub = entry(MenuItem::Class(), "Sub");
        sub->Append(entry(MenuItem::Class(), "Deep").get());
        sub->Append(entry(MenuItem::Class(), "Twin", "below").get());
        edit->Append(sub.get());
        bar->Append(edit.get());
        bar->Append(entry(MenuItem::Class(), "Twin", "on the bar").get());
    }

    Ref<MenuBar> bar;
};

TEST_F(MenuTree, ABarBuildsWithoutAnyConstructorAndKeepsItsEntries)
{
    EXPECT_EQ(names(*bar), (std::vector<std::string_view> { "FileMenu", "EditMenu", "Twin" }));
    auto* file = bar->entryAt(0);
    EXPECT_EQ(file->referenceCount(), 1) << "the bar holds the only reference";
    EXPECT_EQ(file->menu(), bar.get());
    EXPECT_EQ(names(*bar->entryAt(1)), (std::vector<std::string_view> { "EditCopy", "Sub" }));
}

struct Search {
    const char* row;
    bool lookup; // _Lookup anywhere below, or Child among the bar's own entries
    String* name;
    const char* expectedText; // nullptr: nil
};

class MenuSearch : public MenuTree, public testing::WithParamInterface<Search> { };

TEST_P(MenuSearch, FindsByName)
{
    auto& search = GetParam();
    auto found = search.lookup ? bar->Lookup(search.name) : bar->Child(search.name);
    if (!search.expectedText) {
        EXPECT_EQ(found, nullptr);
        return;
    }
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->text(), search.expectedText);
    EXPECT_EQ(found->referenceCount(), 2) << "one reference for the caller";
}

INSTANTIATE_TEST_SUITE_P(Names, MenuSearch,
    testing::Values(Search { "ChildFindsAMenuOnTheBar", false, Literal<"EditMenu">(), "&Edit" },
        Search { "ChildIgnoresEntriesBelowTheBar", false, Literal<"FileQuit">(), nullptr },
        Search { "ChildOfAMissingName", false, Literal<"Tools">(), nullptr },
        Search { "ChildOfTheEmptyName", false, Literal<"">(), nullptr },
        Search { "LookupFindsADeepEntry", true, Literal<"Deep">(), "" },
        Search { "LookupFindsAnItemOfAMenu", true, Literal<"FileQuit">(), "&Quit" },
        Search { "LookupGoesDepthFirstInOrder", true, Literal<"Twin">(), "below" },
        Search { "LookupOfAMissingName", true, Literal<"M_BRIX">(), nullptr },
        Search { "LookupOfNil", true, nullptr, nullptr }),
    [](const testing::TestParamInfo<Search>& info) { return info.param.row; });

TEST_F(MenuTree, AppendMovesAnEntryAndRefusesCyclesAndNil)
{
    auto sub = bar->Lookup(Literal<"Sub">());
    auto file = bar->Child(Literal<"FileMenu">());
    file->Append(sub.get());
    EXPECT_EQ(names(*file), (std::vector<std::string_view> { "FileQuit", "Sub" }));
    EXPECT_EQ(names(*bar->entryAt(1)), (std::vector<std::string_view> { "EditCopy" }));
    EXPECT_EQ(sub->menu(), file.get());

    bar->Append(file.get());
    EXPECT_EQ(names(*bar), (std::vector<std::string_view> { "EditMenu", "Twin", "FileMenu" })) << "moved to the end";

    EXPECT_THROW(sub->Append(file.get()), Raised) << "a menu cannot hold its own ancestor";
    EXPECT_THROW(sub->Append(sub.get()), Raised);
    EXPECT_THROW(bar->Append(nullptr), Raised);
    EXPECT_THROW(bar->Insert(9, entry(MenuItem::Class(), "Far").get()), Raised);
    EXPECT_EQ(names(*file), (std::vector<std::string_view> { "FileQuit", "Sub" }))
        << "a refused append changes nothing";
}

TEST_F(MenuTree, EntriesOutliveTheirMenuWithoutDanglingParents)
{
    auto quit = bar->Lookup(Literal<"FileQuit">());
    bar = nullptr;
    EXPECT_EQ(quit->menu(), nullptr);
    EXPECT_EQ(quit->referenceCount(), 1);
}

TEST_F(MenuTree, CloneCopiesTheTreeWithItsClasses)
{
    auto file = bar->Child(Literal<"FileMenu">());
    auto copy = file->Clone();
    EXPECT_EQ(copy->menu(), nullptr);
    EXPECT_EQ(copy->classRecord(), MenuItem::Class());
    ASSERT_EQ(copy->entryCount(), 1);
    EXPECT_NE(copy->entryAt(0), file->entryAt(0));
    EXPECT_EQ(copy->entryAt(0)->classRecord(), QuitMenuItem::Class());
    EXPECT_EQ(copy->entryAt(0)->keyboardShortcut(), "Cmd+Q");
}

TEST(MenuClasses, ConstructorsAreInheritedEntriesAndABarOverridesInPlace)
{
    auto* item = MenuItem::Class();
    auto* bar = MenuBar::Class();
    auto plain = MethodTableSlot(item, "Constructor", "%%");
    auto withText = MethodTableSlot(item, "Constructor", "%%s");
    auto withTag = MethodTableSlot(item, "Constructor", "%%si4");
    EXPECT_GE(plain, 0);
    EXPECT_NE(plain, withText);
    EXPECT_NE(withText, withTag);
    EXPECT_EQ(MethodTableSlot(bar, "Constructor", "%%"), plain) << "a subclass of MenuBar overrides this slot";

    // MenuBar's own Popup takes MenuItem's slot instead of a new one: one method record
    // more, no table entry more; its one new method takes the one new entry.
    auto popup = MethodTableSlot(item, "Popup", "%o<MenuItem>%");
    ASSERT_GE(popup, 0);
    EXPECT_EQ(MethodTableSlot(bar, "Popup", "%o<MenuItem>%"), popup);
    EXPECT_NE(bar->methodTable[popup], item->methodTable[popup]);
    EXPECT_EQ(bar->methodTableCount, item->methodTableCount + 1);
    EXPECT_EQ(MethodTableSlot(bar, "_FindShortcut", "%o<MenuItem>%s"), item->methodTableCount);
    for (auto* entryClass : { AppleMenuItem::Class(), QuitMenuItem::Class() }) {
        EXPECT_EQ(entryClass->superclass, item);
        EXPECT_EQ(entryClass->methodTableCount, item->methodTableCount);
    }

    auto object = RuntimeNewObject(item);
    CallSlot<void, String*, std::int32_t>(object.get(), withTag, Literal<"Cu&t">(), 7);
    auto* entry = native_cast<MenuItem>(object.get());
    EXPECT_EQ(entry->text(), "Cu&t");
    EXPECT_EQ(entry->tag(), 7);
    auto child = CallSlot<Ref<Object>, String*>(
        object.get(), MethodTableSlot(item, "Child", "%o<MenuItem>%s"), Literal<"none">());
    EXPECT_EQ(child, nullptr);
}

TEST(MenuClasses, PropertyRecordsAndAccessorRecordsReachTheSameState)
{
    auto object = RuntimeNewObject(MenuItem::Class());
    auto* item = native_cast<MenuItem>(object.get());
    auto* cls = MenuItem::Class();

    auto* setText = FindMethod(cls, "Text.Set", "%%s");
    ASSERT_NE(setText, nullptr);
    auto text = NewString("Select &All");
    std::vector<Variant> arguments { StringToVariant(text.get()) };
    setText->invoker(setText->entry, object.get(), &arguments);
    auto* textProperty = FindProperty(cls, "Text");
    EXPECT_EQ(Text(VariantToString(textProperty->getInvoker(*textProperty, object.get()))), "Select &All");

    auto* visible = FindProperty(cls, "Visible");
    visible->setInvoker(*visible, object.get(), BooleanToVariant(false));
    auto* getVisible = FindMethod(cls, "Visible.Get", "%b%");
    ASSERT_NE(getVisible, nullptr);
    EXPECT_FALSE(VariantToBoolean(getVisible->invoker(getVisible->entry, object.get(), nullptr)));
    EXPECT_FALSE(item->visible());
    EXPECT_THROW(setText->invoker(setText->entry, object.get(), nullptr), Raised);
}

struct RecordingPeer : Peer {
    explicit RecordingPeer(std::vector<std::string>& log, std::string who)
        : log(log)
        , who(std::move(who))
    {
    }
    void update(Aspect aspect) override { log.push_back(who + " " + std::to_string(static_cast<int>(aspect))); }
    std::vector<std::string>& log;
    std::string who;
};

struct RecordingFactory : PeerFactory {
    std::unique_ptr<Peer> makePeer(Object& object) override
    {
        auto& item = static_cast<MenuItem&>(object);
        log.push_back("peer " + std::string(item.name()));
        return std::make_unique<RecordingPeer>(log, std::string(item.name()));
    }
    std::vector<std::string> log;
};

TEST(MenuPeers, HearOnlyRealChangesAndComeToEntriesJoiningAShownMenu)
{
    RecordingFactory factory;
    InstallPeerFactory(&factory);
    auto menu = entry(MenuItem::Class(), "EditMenu", "&Edit");
    menu->Append(entry(MenuItem::Class(), "EditCopy").get());
    EXPECT_TRUE(factory.log.empty()) << "no peer before the menu is shown";

    menu->attachPeer();
    menu->setText("&Edit");
    menu->setText("Edit");
    menu->Append(entry(MenuItem::Class(), "EditPaste").get());
    InstallPeerFactory(nullptr);

    auto text = std::to_string(static_cast<int>(Aspect::Text));
    auto appended = std::to_string(static_cast<int>(Aspect::Menu));
    EXPECT_EQ(factory.log,
        (std::vector<std::string> {
            "peer EditMenu", "peer EditCopy", "EditMenu " + text, "peer EditPaste", "EditMenu " + appended }));
}

} // namespace
