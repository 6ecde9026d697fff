// The application object: its method table, menu handlers by entry Name, the quit
// action of a QuitMenuItem, events through the class's hooks (its own and a menu
// entry's, whose Action comes before the handler), the event pump, and its properties.
#include "OffThread.h"

#include <fw/Abi.h>
#include <fw/Application.h>
#include <fw/Exceptions.h>
#include <fw/FolderItem.h>
#include <fw/MenuItem.h>
#include <fw/Variant.h>

#include <fw/Timer.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace fw;

std::string_view slotName(const ClassRecord* cls, std::int32_t slot)
{
    for (auto& method : cls->methods)
        if (method.entry && method.entry == cls->methodTable[slot])
            return method.name;
    return "?";
}

template <class T> Ref<T> make()
{
    auto object = RuntimeNewObject(T::Class());
    return Ref<T>::adopt(native_cast<T>(object.release()));
}

Ref<MenuItem> entry(ClassRecord* cls, std::string_view name)
{
    auto object = RuntimeNewObject(cls);
    auto item = Ref<MenuItem>::adopt(native_cast<MenuItem>(object.release()));
    item->setName(name);
    return item;
}

std::vector<std::string> calls;
bool handlerResult = false;

bool recordingHandler(Object* application)
{
    calls.push_back("handler on " + std::string(application->classRecord()->registeredName));
    return handlerResult;
}

class ApplicationObject : public testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        application = make<Application>();
        RuntimeRegisterAppObject(application.get());
        previousQuit = SetQuitHook([] { calls.push_back("quit"); });
    }
    void TearDown() override
    {
        RuntimeRegisterAppObject(nullptr);
        SetQuitHook(std::move(previousQuit));
    }

    Ref<Application> application;
    std::function<void()> previousQuit;
};

TEST(ApplicationClass, MethodTableHoldsTheTwelveEntriesInOrder)
{
    auto* cls = Application::Class();
    std::vector<std::string_view> names;
    for (std::int32_t slot = 0; slot < cls->methodTableCount; ++slot)
        names.push_back(slotName(cls, slot));
    EXPECT_EQ(names,
        (std::vector<std::string_view> { "AddTrayItem", "DoEvents", "NewDocument", "OpenDocument", "RemoveTrayItem",
            "SleepCurrentThread", "YieldToNextThread", "_AddMenuHandler", "_AddPollableObject", "_DependencyList",
            "_DoSingleEvent", "_RemovePollableObject" }));

    auto* addHandler = FindMethod(cls, "_AddMenuHandler", "%%sp");
    ASSERT_NE(addHandler, nullptr);
    ASSERT_EQ(addHandler->attributes.size(), 2u);
    EXPECT_EQ(addHandler->attributes[0].name, "__Scope");
    EXPECT_EQ(addHandler->attributes[1].name, "Hidden");
    EXPECT_EQ(addHandler->attributes[1].hasValue, 0);
    EXPECT_EQ(MethodTableSlot(cls, "_AddMenuHandler", "%%sp"), 7);
}

TEST_F(ApplicationObject, IsHeldByTheFrameworkOnceRegistered)
{
    auto* raw = application.get();
    application = nullptr;
    auto held = getAppObject();
    EXPECT_EQ(held.get(), raw);
    EXPECT_EQ(raw->referenceCount(), 2) << "the register's reference and the caller's";
}

TEST_F(ApplicationObject, MenuChoiceCallsTheHandlerRegisteredUnderTheEntrysName)
{
    // Registered through the method table, as the program does.
    auto slot = MethodTableSlot(Application::Class(), "_AddMenuHandler", "%%sp");
    CallSlot<void, String*, MenuHandler>(application.get(), slot, Literal<"M_BRIX">(), &recordingHandler);

    handlerResult = true;
    bool result = false;
    EXPECT_TRUE(DispatchMenuChoice(entry(MenuItem::Class(), "M_BRIX").get(), &result));
    EXPECT_TRUE(result) << "the handler's own result is handed back";
    EXPECT_EQ(calls, (std::vector<std::string> { "handler on Application" }));

    calls.clear();
    EXPECT_FALSE(DispatchMenuChoice(entry(MenuItem::Class(), "M_Carb").get())) << "no handler under that Name";
    EXPECT_FALSE(DispatchMenuChoice(entry(MenuItem::Class(), "").get()));
    EXPECT_FALSE(DispatchMenuChoice(nullptr));
    EXPECT_TRUE(calls.empty());
    EXPECT_THROW(application->AddMenuHandler(Literal<"M_Carb">(), nullptr), Raised);
}

TEST_F(ApplicationObject, QuitEntryWithoutHandlerRunsTheQuitHook)
{
    EXPECT_TRUE(DispatchMenuChoice(entry(QuitMenuItem::Class(), "FileQuit").get()));
    EXPECT_EQ(calls, (std::vector<std::string> { "quit" }));

    calls.clear();
    application->AddMenuHandler(Literal<"FileQuit">(), &recordingHandler);
    EXPECT_TRUE(DispatchMenuChoice(entry(QuitMenuItem::Class(), "FileQuit").get()));
    EXPECT_EQ(calls, (std::vector<std::string> { "handler on Application" })) << "a handler takes the quit's place";

    calls.clear();
    RuntimeRegisterAppObject(nullptr);
    EXPECT_TRUE(DispatchMenuChoice(entry(QuitMenuItem::Class(), "FileQuit").get()));
    EXPECT_EQ(calls, (std::vector<std::string> { "quit" })) << "quitting needs no application object";
}

void openHook(Object* application)
{
    calls.push_back("Open on " + std::string(application->classRecord()->registeredName));
}

// A subclass of `super` that implements the given events with hooks, registered the way
// the program registers its classes.
ClassRecord* subclassWithHooks(
    ClassRecord* super, std::string_view name, std::initializer_list<std::pair<std::int32_t, MethodEntry>> hooks)
{
    auto* record = RuntimeNewClass(super, static_cast<std::int32_t>(super->methods.size()), 0,
        static_cast<std::int32_t>(super->events.size()), 0, static_cast<std::int32_t>(super->properties.size()), 0);
    record->registeredName = name;
    record->instanceSize = super->instanceSize;
    record->methodTableCount = super->methodTableCount;
    record->methodTable = super->methodTable;
    for (auto [index, hook] : hooks)
        record->events[static_cast<std::size_t>(index)].hook = hook;
    return record;
}

TEST_F(ApplicationObject, EventsRunTheHooksOfTheObjectsClass)
{
    // A subclass that implements Open.
    static ClassRecord* cls = subclassWithHooks(Application::Class(), "TestApplication",
        { { ApplicationEvent::kOpen, reinterpret_cast<MethodEntry>(&openHook) } });
    auto object = RuntimeNewObject(cls);
    auto* subclassed = native_cast<Application>(object.get());
    EXPECT_TRUE(subclassed->raiseEvent(ApplicationEvent::kOpen));
    EXPECT_FALSE(subclassed->raiseEvent(ApplicationEvent::kActivate)) << "an event the class does not implement";
    EXPECT_FALSE(application->raiseEvent(ApplicationEvent::kOpen));
    EXPECT_EQ(calls, (std::vector<std::string> { "Open on TestApplication" }));
}

void newDocumentHook(Object* application)
{
    calls.push_back("NewDocument on " + std::string(application->classRecord()->registeredName));
}

void openDocumentHook(Object* application, Object* item)
{
    calls.push_back("OpenDocument on " + std::string(application->classRecord()->registeredName) + " of "
        + native_cast<FolderItem>(item)->path().filename().string());
}

TEST_F(ApplicationObject, DocumentRequestsRaiseTheirEventsWithTheItem)
{
    static ClassRecord* cls = subclassWithHooks(Application::Class(), "TestDocumentApplication",
        { { ApplicationEvent::kNewDocument, reinterpret_cast<MethodEntry>(&newDocumentHook) },
            { ApplicationEvent::kOpenDocument, reinterpret_cast<MethodEntry>(&openDocumentHook) } });
    auto object = RuntimeNewObject(cls);
    auto* subclassed = native_cast<Application>(object.get());
    auto item = FolderItem::ForPath("/tmp/batch.txt");
    subclassed->NewDocument();
    subclassed->OpenDocument(item.get());
    EXPECT_EQ(calls,
        (std::vector<std::string> {
            "NewDocument on TestDocumentApplication", "OpenDocument on TestDocumentApplication of batch.txt" }));

    calls.clear();
    application->NewDocument();
    application->OpenDocument(item.get());
    EXPECT_TRUE(calls.empty()) << "a class without the hooks ignores both";
    EXPECT_THROW(subclassed->OpenDocument(nullptr), Raised);
    EXPECT_TRUE(calls.empty()) << "a nil item raises before the event";
}

bool actionResult = false;

bool actionHook(Object* item)
{
    calls.push_back("Action of " + std::string(native_cast<MenuItem>(item)->name()));
    return actionResult;
}

void enableMenuHook(Object* item)
{
    calls.push_back("EnableMenu of " + std::string(native_cast<MenuItem>(item)->name()));
}

ClassRecord* hookedEntryClass()
{
    static ClassRecord* cls = subclassWithHooks(MenuItem::Class(), "TestMenuItem",
        { { MenuItemEvent::kAction, reinterpret_cast<MethodEntry>(&actionHook) },
            { MenuItemEvent::kEnableMenu, reinterpret_cast<MethodEntry>(&enableMenuHook) } });
    return cls;
}

TEST_F(ApplicationObject, AChoiceGoesToTheEntrysOwnActionBeforeTheHandler)
{
    struct Case {
        bool actionHandles;
        bool handlerRegistered;
        bool chosen;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        { true, true, true, { "Action of EditCopy" } },
        { false, true, true, { "Action of EditCopy", "handler on Application" } },
        { false, false, false, { "Action of EditCopy" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(
            testing::Message() << "action handles: " << c.actionHandles << ", handler: " << c.handlerRegistered);
        calls.clear();
        auto app = make<Application>();
        RuntimeRegisterAppObject(app.get());
        if (c.handlerRegistered)
            app->AddMenuHandler(Literal<"EditCopy">(), &recordingHandler);
        actionResult = c.actionHandles;
        EXPECT_EQ(entry(hookedEntryClass(), "EditCopy")->Choose(), c.chosen);
        EXPECT_EQ(calls, c.calls);
    }
}

TEST_F(ApplicationObject, EnableMenuRaisesOnTheMenuThenOnEachEntryDepthFirst)
{
    auto edit = entry(hookedEntryClass(), "Edit");
    auto copy = entry(hookedEntryClass(), "EditCopy");
    auto paste = entry(hookedEntryClass(), "EditPaste");
    copy->Append(entry(MenuItem::Class(), "EditCopyPlain").get()); // no hook of its own
    copy->Append(entry(hookedEntryClass(), "EditCopyRich").get());
    edit->Append(copy.get());
    edit->Append(paste.get());
    edit->EnableMenu();
    EXPECT_EQ(calls,
        (std::vector<std::string> {
            "EnableMenu of Edit", "EnableMenu of EditCopy", "EnableMenu of EditCopyRich", "EnableMenu of EditPaste" }));
}

TEST_F(ApplicationObject, DoEventsRunsTheInstalledPumpForNoNegativeTime)
{
    application->DoEvents(10); // headless: no pump, nothing to run
    std::vector<std::int32_t> pumped;
    auto previous = SetEventPump([&](std::int32_t milliseconds) { pumped.push_back(milliseconds); });
    application->DoEvents(25);
    application->DoEvents(-5);
    application->DoSingleEvent();
    SetEventPump(std::move(previous));
    EXPECT_EQ(pumped, (std::vector<std::int32_t> { 25, 0, 0 }));
}

TEST_F(ApplicationObject, PropertiesReadAndWriteThroughTheirRecords)
{
    auto* cls = Application::Class();
    auto* shortVersion = FindProperty(cls, "ShortVersion");
    ASSERT_NE(shortVersion, nullptr);
    auto version = VariantToString(shortVersion->getInvoker(*shortVersion, application.get()));
    EXPECT_FALSE(Text(version).empty());
    EXPECT_EQ(Text(version),
        std::to_string(application->majorVersion()) + "." + std::to_string(application->minorVersion()) + "."
            + std::to_string(application->bugVersion()))
        << "the numbers are read from the version text";

    auto* menuBar = FindProperty(cls, "MenuBar");
    ASSERT_NE(menuBar, nullptr);
    EXPECT_EQ(menuBar->typeCode, "o<MenuBar>");
    auto bar = make<MenuBar>();
    menuBar->setInvoker(*menuBar, application.get(), ObjectToVariant(bar.get()));
    EXPECT_EQ(application->menuBar(), bar);
    EXPECT_EQ(bar->referenceCount(), 2) << "the application keeps a reference of its own";

    auto notABar = make<MenuItem>();
    EXPECT_THROW(menuBar->setInvoker(*menuBar, application.get(), ObjectToVariant(notABar.get())), Raised);
    EXPECT_EQ(application->menuBar(), bar);

    // The record-only accessor carries the same property.
    auto* get = FindMethod(cls, "MenuBar.Get", "%o<MenuBar>%");
    ASSERT_NE(get, nullptr);
    EXPECT_EQ(VariantToObject(get->invoker(get->entry, application.get(), nullptr)).get(), bar.get());
    EXPECT_EQ(FindProperty(cls, "ExecutableName")->setInvoker, nullptr) << "read-only";
}

TEST_F(ApplicationObject, UserInterfaceOperationsRefuseOtherThreads)
{
    auto bar = make<MenuBar>();
    auto timer = make<Timer>();
    std::vector<std::pair<const char*, std::function<void()>>> operations {
        { "_AddMenuHandler", [&] { application->AddMenuHandler(Literal<"EditCopy">(), &recordingHandler); } },
        { "Application.MenuBar.Set", [&] { application->setMenuBar(bar); } },
        { "MenuItem.Append", [&] { bar->Append(make<MenuItem>().get()); } },
        { "MenuItem._Lookup", [&] { (void)bar->Lookup(Literal<"EditCopy">()); } },
        { "Timer.Mode.Set", [&] { timer->setMode(1); } },
    };
    for (auto& [name, operation] : operations)
        EXPECT_TRUE(test_threads::RefusedOffThread(operation)) << name;
    EXPECT_EQ(application->menuBar(), nullptr);
    EXPECT_EQ(bar->entryCount(), 0);
    EXPECT_EQ(timer->mode(), 0);
}

} // namespace
