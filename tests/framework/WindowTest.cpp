// Windows: their method-table slots and event numbers (the class figures are
// ClassFiguresTest's), construction through the class's own event hooks, the
// register of open windows, closing, peers and the user-interface thread.
#include "EventBinding.h"
#include "OffThread.h"

#include <fw/Canvas.h>
#include <fw/Interfaces.h>
#include <fw/Label.h>
#include <fw/Peer.h>
#include <fw/PopupMenu.h>
#include <fw/Slider.h>
#include <fw/TextField.h>
#include <fw/Timer.h>
#include <fw/Window.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace fw;

// What happened, in order: hooks, handlers and peers all write here.
std::vector<std::string> journal;

constexpr std::string_view kTestWindowKey = "TestWindow.TestWindow";

// A window class registered the way the program registers one: its own methods
// follow Window's, and those that implement an event are that event's hook.
ClassRecord* RegisterWindowClass(std::string_view name, std::vector<std::pair<std::int32_t, MethodEntry>> hooks)
{
    ClassRecord* super = Window::Class();
    auto own = static_cast<std::int32_t>(hooks.size());
    auto inherited = static_cast<std::int32_t>(super->methods.size());
    auto* cls = RuntimeNewClass(super, inherited + own, 0, static_cast<std::int32_t>(super->events.size()), 0,
        static_cast<std::int32_t>(super->properties.size()), 1);
    cls->registeredName = name;
    cls->instanceSize = super->instanceSize;
    cls->methodTableCount = super->methodTableCount + own;
    cls->methodTable = RuntimeNewVtable(cls->methodTableCount);
    std::copy(super->methodTable, super->methodTable + super->methodTableCount, cls->methodTable);
    for (std::int32_t k = 0; k < own; ++k) {
        auto [event, entry] = hooks[static_cast<std::size_t>(k)];
        auto& record = cls->methods[static_cast<std::size_t>(inherited + k)];
        record.name = cls->events[static_cast<std::size_t>(event)].name;
        record.flags = kMethodFlagPublic;
        record.signature = "%%";
        record.entry = entry;
        cls->methodTable[super->methodTableCount + k] = entry;
        cls->events[static_cast<std::size_t>(event)].hook = entry;
    }
    return cls;
}

template <class F> MethodEntry AsEntry(F* function) { return reinterpret_cast<MethodEntry>(function); }

void controlOpened(Object* bound, Object* control)
{
    auto* window = native_cast<Window>(bound);
    bool registered = RuntimeGetImplicitWindow(Literal<"TestWindow.TestWindow">()).get() == window;
    journal.push_back("Open " + std::string(native_cast<Control>(control)->name()) + " of "
        + std::to_string(window->controlCount()) + (registered ? ", registered" : ""));
}

// The program's creation sequence for one control, with an Open handler bound to the window.
void createControl(Window& window, ClassRecord* cls, String* name)
{
    auto control = window.New(cls);
    CallSlot<void>(control.get(), RectControlSlot::kConstructor);
    window.AddControl(name, control.get());
    auto found = window.ControlByName(name);
    test_binding::Bind<ControlEvent::kOpen>(found.get(), &controlOpened, &window);
}

void testLayout(Object* self)
{
    journal.push_back("Layout");
    native_cast<Window>(self)->setTitle("Test Tool");
}

void testCreateControls(Object* self)
{
    journal.push_back("CreateControls");
    createControl(*native_cast<Window>(self), TextField::Class(), Literal<"TF_Input">());
    createControl(*native_cast<Window>(self), Label::Class(), Literal<"Label1">());
}

void testOpen(Object*) { journal.push_back("Window Open"); }

ClassRecord* TestWindowClass()
{
    static ClassRecord* cls = RegisterWindowClass(kTestWindowKey,
        { { WindowEvent::kLayout, AsEntry(&testLayout) },
            { WindowEvent::kCreateControls, AsEntry(&testCreateControls) },
            { WindowEvent::kOpen, AsEntry(&testOpen) } });
    return cls;
}

// The implicit instance, as a window class of the program reaches its window.
Ref<Window> ImplicitTestWindow()
{
    if (auto window = RuntimeGetImplicitWindow(Literal<"TestWindow.TestWindow">()))
        return window;
    auto object = RuntimeNewObject(TestWindowClass());
    CallSlot<void>(object.get(), WindowSlot::kConstructor);
    return Ref<Window>::retain(native_cast<Window>(object.get()));
}

template <class T> T* controlOf(Window& window, std::string_view name)
{
    return native_cast<T>(window.findControl(name));
}

class WindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        journal.clear();
        TestWindowClass();
        liveBefore = LiveObjectCount();
    }
    void TearDown() override
    {
        for (auto& window : OpenWindows())
            window->Close();
        InstallPeerFactory(nullptr);
    }

    std::int64_t liveBefore = 0;
};

// The name and signature of the method whose entry fills a slot of the class's method table.
std::pair<std::string_view, std::string_view> slotMethod(const ClassRecord* cls, std::int32_t slot)
{
    for (auto& method : cls->methods)
        if (method.entry && method.entry == cls->methodTable[slot])
            return { method.name, method.signature };
    return {};
}

TEST(WindowClasses, LabelTableHoldsTheInheritedEntriesFirst)
{
    const std::pair<std::string_view, std::string_view> expected[] = {
        { "Close", "%%" },
        { "AcceptFileDrop", "%%s" },
        { "AcceptMacDataDrop", "%%s" },
        { "AcceptPictureDrop", "%%" },
        { "AcceptRawDataDrop", "%%s" },
        { "AcceptTextDrop", "%%" },
        { "Constructor", "%%" },
        { "DrawInto", "%%o<Graphics>i4i4" },
        { "Invalidate", "%%" },
        { "Invalidate", "%%b" },
        { "RectControl", "%%" },
        { "Refresh", "%%" },
        { "RefreshRect", "%%i4i4i4i4" },
        { "SetFocus", "%%" },
        { "TrueWindow", "%o<Window>%" },
        { "_AddMenuHandler", "%%sp" },
        { "_DependencyList", "%o<Object>%" },
        { "_Move", "%%i4i4" },
        { "Event_CreatePane", "%%" },
        { "setString", "%%s" },
    };
    ClassRecord* cls = Label::Class();
    ASSERT_EQ(cls->methodTableCount, static_cast<std::int32_t>(std::size(expected)));
    for (std::int32_t slot = 0; slot < cls->methodTableCount; ++slot)
        EXPECT_EQ(slotMethod(cls, slot), expected[slot]) << "slot " << slot;
    EXPECT_EQ(MethodTableSlot(cls, "Constructor", "%%"), RectControlSlot::kConstructor);
}

TEST(WindowClasses, EventConstantsNameTheirEvents)
{
    ClassRecord* window = Window::Class();
    EXPECT_EQ(window->events[WindowEvent::kCreateControls].name, "CreateControls");
    EXPECT_EQ(window->events[WindowEvent::kLayout].name, "Layout");
    EXPECT_EQ(window->events[WindowEvent::kOpen].name, "Open");
    EXPECT_EQ(TextField::Class()->events[21].name, "TextChange");
}

// Each event constant is typed by the class whose own event records hold it: the
// class has the event at that index and its superclass has no event there.
TEST(WindowClasses, EventConstantsAreTypedByTheClassThatDeclaresThem)
{
    struct Declared {
        std::string_view name;
        ClassRecord* (*cls)();
        std::int32_t index;
    };
    const auto declared = []<class Class>(std::string_view name, Event<Class> event) {
        return Declared { name, &Class::Class, event };
    };
    const Declared rows[] = {
        declared("Close", ControlEvent::kClose),
        declared("Open", ControlEvent::kOpen),
        declared("MouseEnter", RectControlEvent::kMouseEnter),
        declared("MouseWheel", RectControlEvent::kMouseWheel),
        declared("TextChange", TextEditEvent::kTextChange),
        declared("GotFocus", TextEditEvent::kGotFocus),
        declared("Change", PopupMenuEvent::kChange),
        declared("ValueChanged", SliderEvent::kValueChanged),
        declared("Paint", CanvasEvent::kPaint),
        declared("MouseDown", LabelEvent::kMouseDown),
        declared("MouseUp", LabelEvent::kMouseUp),
        declared("Action", TimerEvent::kAction),
        declared("Open", WindowEvent::kOpen),
        declared("SetupBindings", WindowEvent::kSetupBindings),
    };
    for (const Declared& row : rows) {
        const ClassRecord* cls = row.cls();
        const auto at = static_cast<std::size_t>(row.index);
        ASSERT_LT(at, cls->events.size()) << cls->registeredName << " " << row.name;
        EXPECT_EQ(cls->events[at].name, row.name) << cls->registeredName;
        EXPECT_LE(cls->superclass->events.size(), at) << cls->registeredName << " " << row.name;
    }
}

TEST(WindowClasses, SlotConstantsNameTheirMethods)
{
    struct Row {
        std::string_view name, signature;
        std::int32_t slot;
    };
    const Row rows[] = {
        { "Constructor", "%%", WindowSlot::kConstructor },
        { "Close", "%%", WindowSlot::kClose },
        { "Show", "%%", WindowSlot::kShow },
        { "ShowModal", "%%", WindowSlot::kShowModal },
        { "__New", "%o<Object>%p", WindowSlot::kNew },
        { "_AddControl", "%%so<Object>", WindowSlot::kAddControl },
        { "_ControlByName", "%o<Object>%s", WindowSlot::kControlByName },
    };
    for (auto& row : rows)
        EXPECT_EQ(MethodTableSlot(Window::Class(), row.name, row.signature), row.slot) << row.name;
}

TEST_F(WindowTest, ConstructorLaysOutCreatesControlsThenOpensThemAllAfterRegistering)
{
    auto window = ImplicitTestWindow();
    EXPECT_EQ(journal,
        (std::vector<std::string> { "Layout", "CreateControls", "Open TF_Input of 2, registered",
            "Open Label1 of 2, registered", "Window Open" }));
    EXPECT_EQ(window->title(), "Test Tool");
    EXPECT_EQ(window->controlName(0), "TF_Input");
    EXPECT_EQ(controlOf<TextField>(*window, "TF_Input")->window(), window.get());
    EXPECT_TRUE(controlOf<Label>(*window, "Label1")->opened());
    EXPECT_EQ(window->ControlByName(Literal<"Missing">()), nullptr);
}

TEST_F(WindowTest, ImplicitWindowStaysOpenAndIsFoundOnceUnderItsKey)
{
    Window* first = ImplicitTestWindow().get(); // the caller's reference is gone at once
    auto again = ImplicitTestWindow();
    EXPECT_EQ(again.get(), first);
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "Layout"), 1) << "the second request constructs nothing";
    EXPECT_TRUE(again->implicitInstance());
    EXPECT_EQ(RuntimeGetImplicitWindow(Literal<"Other.Other">()), nullptr);
    EXPECT_EQ(OpenWindows().size(), 1u);
}

TEST_F(WindowTest, CloseUnregistersAndReleasesTheControls)
{
    WeakRef field, label;
    {
        auto window = ImplicitTestWindow();
        field = WeakRef(window->findControl("TF_Input"));
        label = WeakRef(window->findControl("Label1"));
        CallSlot<void>(window.get(), WindowSlot::kClose);
        EXPECT_EQ(RuntimeGetImplicitWindow(Literal<"TestWindow.TestWindow">()), nullptr);
        EXPECT_EQ(field.get(), nullptr) << "the window released its controls";
        EXPECT_EQ(window->controlCount(), 0u);
        window->Show(); // a closed window does nothing
        EXPECT_FALSE(window->opened());
    }
    EXPECT_EQ(label.get(), nullptr);
    EXPECT_EQ(LiveObjectCount(), liveBefore);

    journal.clear();
    auto fresh = ImplicitTestWindow();
    EXPECT_EQ(journal.front(), "Layout") << "the next request builds a new window";
}

void closeOwnWindow(Object*, Object* control) { native_cast<Control>(control)->window()->Close(); }

TEST_F(WindowTest, HandlerOfItsOwnControlMayCloseTheWindow)
{
    TextField* field = nullptr;
    {
        auto window = ImplicitTestWindow();
        field = controlOf<TextField>(*window, "TF_Input");
        test_binding::Bind<TextEditEvent::kTextChange>(field, &closeOwnWindow, window.get());
    } // only the register keeps the window, and the window the field
    field->userEdited("typed");
    EXPECT_TRUE(OpenWindows().empty());
    EXPECT_EQ(LiveObjectCount(), liveBefore) << "window, controls and delegates are gone";
}

void failingCreateControls(Object* self)
{
    createControl(*native_cast<Window>(self), TextField::Class(), Literal<"TF_Input">());
    Raise<RuntimeException>("the design is broken");
}

TEST_F(WindowTest, WindowWhoseConstructionFailsIsNeitherOpenNorAlive)
{
    static ClassRecord* failing
        = RegisterWindowClass("Failing.Failing", { { WindowEvent::kCreateControls, AsEntry(&failingCreateControls) } });
    {
        auto window = RuntimeNewObject(failing);
        EXPECT_THROW(CallSlot<void>(window.get(), WindowSlot::kConstructor), Raised);
        EXPECT_EQ(RuntimeGetImplicitWindow(Literal<"Failing.Failing">()), nullptr);
        EXPECT_EQ(native_cast<Window>(window.get())->controlCount(), 0u);
    }
    EXPECT_EQ(LiveObjectCount(), liveBefore);
}

TEST_F(WindowTest, UserCloseClosesTheWindow)
{
    ImplicitTestWindow()->userClose();
    EXPECT_TRUE(OpenWindows().empty());
    EXPECT_EQ(LiveObjectCount(), liveBefore);
}

// A timer class that a window holds through the _PaneChild interface, as the program's timer wrapper.
Object* paneChildWindow = nullptr;
void setWindow(Object*, Object* window) { paneChildWindow = window; }

// `listed`: how many of the interface's methods the class's implementation table says it holds.
ClassRecord* NewPaneChildTimerClass(std::string_view name, std::int32_t listed)
{
    ClassRecord* super = Timer::Class();
    auto* record = RuntimeNewClass(super, static_cast<std::int32_t>(super->methods.size()) + 1, 1,
        static_cast<std::int32_t>(super->events.size()), 0, static_cast<std::int32_t>(super->properties.size()), 0);
    record->registeredName = name;
    record->instanceSize = super->instanceSize;
    record->methodTableCount = super->methodTableCount;
    record->methodTable = super->methodTable;
    record->methods.back() = MethodRecord { "_SetWindow", kMethodFlagPublic, "%%o<Window>", AsEntry(&setWindow) };
    ClassRecord* paneChild = PaneChildInterface();
    auto count = static_cast<std::int32_t>(paneChild->methods.size());
    record->interfaces[0] = InterfaceEntry { paneChild, listed, RuntimeNewVtable(count) };
    record->interfaces[0].methodTable[PaneChildSlot::kSetWindow] = AsEntry(&setWindow);
    return record;
}

ClassRecord* PaneChildTimerClass()
{
    static ClassRecord* cls = NewPaneChildTimerClass(
        "TestWindow._wrapper_Timer", static_cast<std::int32_t>(PaneChildInterface()->methods.size()));
    return cls;
}

TEST_F(WindowTest, PaneChildLearnsItsWindowWhenAdded)
{
    ASSERT_EQ(PaneChildInterface()->methods[0].name, "_SetWindow");
    auto window = ImplicitTestWindow();
    paneChildWindow = nullptr;
    auto timer = window->New(PaneChildTimerClass());
    window->AddControl(Literal<"SplashTimer">(), timer.get());
    EXPECT_EQ(paneChildWindow, window.get());
    EXPECT_EQ(window->ControlByName(Literal<"SplashTimer">()), timer);
}

TEST_F(WindowTest, PaneChildTableIsReadNoFurtherThanItsCount)
{
    static ClassRecord* cls = NewPaneChildTimerClass("TestWindow._wrapper_EmptyTimer", 0);
    auto window = ImplicitTestWindow();
    paneChildWindow = nullptr;
    auto timer = window->New(cls);
    window->AddControl(Literal<"SplashTimer">(), timer.get());
    EXPECT_EQ(paneChildWindow, nullptr) << "a table that lists none of the interface's methods has no _SetWindow";
    EXPECT_EQ(window->ControlByName(Literal<"SplashTimer">()), timer);
}

// Peers that write what they are told to the journal.
class RecordingPeer : public Peer {
public:
    explicit RecordingPeer(std::string name)
        : name_(std::move(name))
    {
    }
    void update(Aspect aspect) override
    {
        journal.push_back(name_ + " update " + std::to_string(static_cast<int>(aspect)));
    }
    void perform(Action action) override
    {
        const char* names[] = { "Show", "ShowModal", "Close" };
        journal.push_back(name_ + " " + names[static_cast<int>(action)]);
    }

private:
    std::string name_;
};

class RecordingFactory : public PeerFactory {
public:
    std::unique_ptr<Peer> makePeer(Object& object) override
    {
        auto* control = dynamic_cast<Control*>(&object);
        std::string name = control ? std::string(control->name()) : std::string("window");
        journal.push_back("peer " + name);
        return std::make_unique<RecordingPeer>(name);
    }
};

TEST_F(WindowTest, PeersComeWithTheFinishedWindowAndHearOnlyChanges)
{
    RecordingFactory factory;
    InstallPeerFactory(&factory);
    auto window = ImplicitTestWindow();
    EXPECT_EQ(journal,
        (std::vector<std::string> { "Layout", "CreateControls", "peer window", "peer TF_Input", "peer Label1",
            "Open TF_Input of 2, registered", "Open Label1 of 2, registered", "Window Open", "window Show" }));
    journal.clear();
    auto* field = controlOf<TextField>(*window, "TF_Input");
    field->setText("12");
    field->setText("12");
    window->ShowModal(); // headless the peer returns at once
    window->Close();
    window->Show();
    const auto text = std::to_string(static_cast<int>(Aspect::Text));
    EXPECT_EQ(journal, (std::vector<std::string> { "TF_Input update " + text, "window ShowModal", "window Close" }));
}

TEST_F(WindowTest, OperationsRefuseAnotherThread)
{
    auto window = ImplicitTestWindow();
    auto* field = controlOf<TextField>(*window, "TF_Input");
    const std::pair<const char*, std::function<void()>> rows[] = {
        { "RuntimeGetImplicitWindow", [] { (void)RuntimeGetImplicitWindow(Literal<"TestWindow.TestWindow">()); } },
        { "Window.Show", [&] { window->Show(); } },
        { "Window.Close", [&] { window->Close(); } },
        { "Window._ControlByName", [&] { (void)window->ControlByName(Literal<"TF_Input">()); } },
        { "TextField.Text", [&] { field->setText("from elsewhere"); } },
        { "RuntimeAddEventHandler",
            [&] { test_binding::Bind<ControlEvent::kOpen>(field, &controlOpened, window.get()); } },
    };
    for (auto& [name, operation] : rows)
        EXPECT_TRUE(test_threads::RefusedOffThread(operation)) << name;
    EXPECT_TRUE(window->opened());
    EXPECT_EQ(field->text(), "");
}

} // namespace
