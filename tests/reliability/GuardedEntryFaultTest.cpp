// Exceptions raised by handlers that Qt reaches through each guarded entry into
// the program other than control edits, menu choices and the application's Open
// (HandlerFaultTest raises through those): a timer's action, the window's close
// box, resize, move, activation and state, a label's mouse, the mouse entering
// and leaving a control, and a menu about to show. Inside the real run, each is
// reported once, and the program goes on: the same entry reaches its handler
// again, and the run ends through File > Quit as usual.
//
// A change of focus is guarded as well, but it raises no event of a window or a
// control, so no handler of the program runs there.
#include "RunningProgram.h"

#include "Patience.h"
#include "WidgetOf.h"

#include "calculators/ClassDeclaration.h"
#include "calculators/WindowClass.h"

#include <fw/Exceptions.h>
#include <fw/Label.h>
#include <fw/MenuItem.h>
#include <fw/TextField.h>
#include <fw/Timer.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace {

using namespace reliability;

// How often each handler ran, by its event; the armed event's handler raises once.
std::map<std::string, int, std::less<>> reached;
std::string armed;

std::string FailureOf(std::string_view event) { return "the " + std::string(event) + " handler cannot go on"; }

void Reach(std::string_view event)
{
    ++reached[std::string(event)];
    if (armed == event) {
        armed.clear();
        fw::Raise<fw::IllegalCastException>(FailureOf(event));
    }
}

// The window's clock: a Timer with the no-argument constructor that a window's controls need.
struct TickTimer {
    static void Constructor(fw::Timer&) { }

    static const ClassDeclaration& Declaration()
    {
        static const MethodDeclaration methods[] { ConstructorMethod<&TickTimer::Constructor>() };
        static const ClassDeclaration facts {
            .superclass = &fw::Timer::Class, .registeredName = "W_Raising._wrapper_TickTimer", .methods = methods
        };
        return facts;
    }
    using Storage = ClassStorage<&TickTimer::Declaration>;
    static fw::ClassRecord* Class() { return Storage::Accessor(); }
    static std::int32_t ConstructorSlot() { return Storage::ConstructorSlot(); }
};

// A tool window with a handler on every event that a guarded entry raises.
struct W_Raising : calculators::WindowClass<W_Raising> {
    static constexpr std::string_view kRegisteredName = "W_Raising.W_Raising";

    static void Layout(fw::Window& self)
    {
        self.setMenuBar(MenuBar1::ImplicitInstance());
        ApplyWindowStream(self);
    }

    static void TM_Tick_Action(fw::Window&, fw::Timer*) { Reach("Action"); }
    static void LB_Press_MouseDown(fw::Window&, fw::Label*) { Reach("MouseDown"); }
    static void LB_Press_MouseUp(fw::Window&, fw::Label*) { Reach("MouseUp"); }
    static void LB_Drag_MouseDrag(fw::Window&, fw::Label*) { Reach("MouseDrag"); }
    static void TF_Hover_MouseEnter(fw::Window&, fw::TextField*) { Reach("MouseEnter"); }
    static void TF_Hover_MouseExit(fw::Window&, fw::TextField*) { Reach("MouseExit"); }
    static constexpr std::tuple kHandlers { calculators::Handler { "TM_Tick_Action", &TM_Tick_Action },
        calculators::Handler { "LB_Press_MouseDown", &LB_Press_MouseDown },
        calculators::Handler { "LB_Press_MouseUp", &LB_Press_MouseUp },
        calculators::Handler { "LB_Drag_MouseDrag", &LB_Drag_MouseDrag },
        calculators::Handler { "TF_Hover_MouseEnter", &TF_Hover_MouseEnter },
        calculators::Handler { "TF_Hover_MouseExit", &TF_Hover_MouseExit } };

    static constexpr WindowDesign kWindow { .width = 320, .height = 160, .title = "Raising Tool" };

    // clang-format off
    static constexpr std::tuple kControls{
        Row("TM_Tick", TimerDesign{.period = 10, .mode = 0}).AllocatedAs<TickTimer>().On(fw::TimerEvent::kAction, &TM_Tick_Action),
        Row(LabelDesign{.name = "LB_Press", .left = 20, .top = 20, .width = 120, .height = 20, .tabIndex = 0, .text = "Press me", .textAlign = 0})
            .On(fw::LabelEvent::kMouseDown, &LB_Press_MouseDown).On(fw::LabelEvent::kMouseUp, &LB_Press_MouseUp),
        Row(LabelDesign{.name = "LB_Drag", .left = 20, .top = 60, .width = 120, .height = 20, .tabIndex = 1, .text = "Drag me", .textAlign = 0})
            .On(fw::LabelEvent::kMouseDrag, &LB_Drag_MouseDrag),
        Row(TextFieldDesign{.name = "TF_Hover", .left = 180, .top = 20, .width = 100, .height = 22, .tabIndex = 2, .text = "5"})
            .On(fw::RectControlEvent::kMouseEnter, &TF_Hover_MouseEnter).On(fw::RectControlEvent::kMouseExit, &TF_Hover_MouseExit),
    };
    // clang-format on

    static void Event_Close(fw::Window&) { Reach("Close"); }
    static void Event_Resized(fw::Window&) { Reach("Resized"); }
    static void Event_Moved(fw::Window&) { Reach("Moved"); }
    static void Event_Activate(fw::Window&) { Reach("Activate"); }
    static void Event_Deactivate(fw::Window&) { Reach("Deactivate"); }
    static void Event_Maximize(fw::Window&) { Reach("Maximize"); }

    static std::span<const MethodDeclaration> OtherMethods()
    {
        static const MethodDeclaration methods[] {
            Method<&W_Raising::Event_Close>("Event_Close").Hooks(fw::WindowEvent::kClose),
            Method<&W_Raising::Event_Resized>("Event_Resized").Hooks(fw::WindowEvent::kResized),
            Method<&W_Raising::Event_Moved>("Event_Moved").Hooks(fw::WindowEvent::kMoved),
            Method<&W_Raising::Event_Activate>("Event_Activate").Hooks(fw::WindowEvent::kActivate),
            Method<&W_Raising::Event_Deactivate>("Event_Deactivate").Hooks(fw::WindowEvent::kDeactivate),
            Method<&W_Raising::Event_Maximize>("Event_Maximize").Hooks(fw::WindowEvent::kMaximize)
        };
        return methods;
    }
};

// A menu entry whose EnableMenu event, raised as its menu is about to show, reaches a handler.
struct RaisingMenuItem {
    static void Event_EnableMenu(fw::MenuItem&) { Reach("EnableMenu"); }

    static const ClassDeclaration& Declaration()
    {
        static const MethodDeclaration methods[] {
            Method<&RaisingMenuItem::Event_EnableMenu>("Event_EnableMenu").Hooks(fw::MenuItemEvent::kEnableMenu)
        };
        static const ClassDeclaration facts {
            .superclass = &fw::MenuItem::Class, .registeredName = "RaisingMenuItem", .methods = methods
        };
        return facts;
    }
    using Storage = ClassStorage<&RaisingMenuItem::Declaration>;
};

// The raising tool, open, shown and active, at the screen's top left corner: the
// mouse reaches the first window that holds its position, so no other may overlap it.
fw::Ref<fw::Window> OpenRaisingTool()
{
    fw::Ref<fw::Window> window = W_Raising::ImplicitInstance();
    QWidget* top = WindowWidgetOf(*window);
    EXPECT_TRUE(top && QTest::qWaitForWindowExposed(top, patience::kLimitMs));
    if (top) {
        top->move(0, 0);
        top->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(top, patience::kLimitMs));
    }
    return window;
}

void MakeActive(const fw::Window& window)
{
    QWidget* top = WindowWidgetOf(window);
    ASSERT_TRUE(top);
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top, patience::kLimitMs));
}

QWidget* ControlWidget(const fw::Window& window, std::string_view control)
{
    return fw::qt::WidgetOf(window.findControl(control));
}

constexpr QPoint kBesideTheControls(300, 140);

// From beside the controls onto the field: Qt tells only a move that changes the position.
void MoveTheMouseOverTheField(fw::Window& tool)
{
    QTest::mouseMove(fw::qt::ContentOf(&tool), kBesideTheControls);
    QTest::mouseMove(ControlWidget(tool, "TF_Hover"), QPoint(10, 10));
}

// The Tools menu of the window's own bar.
QMenu* ToolsMenuOf(fw::Window& window)
{
    QMenuBar* bar = fw::qt::MenuBarOf(&window);
    if (!bar)
        return nullptr;
    for (QAction* action : bar->actions())
        if (action->menu() && action->text() == "Tools")
            return action->menu();
    return nullptr;
}

// One guarded entry: the event whose handler raises, and what a user (or the
// clock) does that makes Qt call in, with the raising tool and another window open.
struct GuardedEntry {
    const char* row;
    const char* event;
    std::function<void(fw::Window& tool, fw::Window& other)> act;
};

const GuardedEntry kEntries[] = {
    { "TimerAction", "Action",
        [](fw::Window& tool, fw::Window&) {
            fw::native_cast<fw::Timer>(tool.findControl("TM_Tick"))
                ->setMode(static_cast<std::int32_t>(fw::TimerMode::Single));
        } },
    { "CloseBox", "Close", [](fw::Window& tool, fw::Window&) { WindowWidgetOf(tool)->close(); } },
    { "Resize", "Resized",
        [](fw::Window& tool, fw::Window&) {
            QWidget* top = WindowWidgetOf(tool);
            top->resize(top->size() + QSize(20, 10));
        } },
    { "Move", "Moved",
        [](fw::Window& tool, fw::Window&) {
            QWidget* top = WindowWidgetOf(tool);
            top->move(top->pos() + QPoint(15, 10));
        } },
    { "Activate", "Activate",
        [](fw::Window& tool, fw::Window& other) {
            MakeActive(other);
            MakeActive(tool);
        } },
    { "Deactivate", "Deactivate", [](fw::Window&, fw::Window& other) { MakeActive(other); } },
    { "Maximize", "Maximize",
        [](fw::Window& tool, fw::Window&) {
            WindowWidgetOf(tool)->showNormal();
            WindowWidgetOf(tool)->showMaximized();
        } },
    { "LabelPress", "MouseDown",
        [](fw::Window& tool, fw::Window&) {
            QTest::mousePress(ControlWidget(tool, "LB_Press"), Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseRelease(ControlWidget(tool, "LB_Press"), Qt::LeftButton, {}, QPoint(5, 5));
        } },
    { "LabelDrag", "MouseDrag",
        [](fw::Window& tool, fw::Window&) {
            QWidget* label = ControlWidget(tool, "LB_Drag");
            QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseMove(label, QPoint(30, 8));
            QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(30, 8));
        } },
    { "LabelRelease", "MouseUp",
        [](fw::Window& tool, fw::Window&) {
            QTest::mousePress(ControlWidget(tool, "LB_Press"), Qt::LeftButton, {}, QPoint(7, 6));
            QTest::mouseRelease(ControlWidget(tool, "LB_Press"), Qt::LeftButton, {}, QPoint(9, 6));
        } },
    { "HoverEnter", "MouseEnter", [](fw::Window& tool, fw::Window&) { MoveTheMouseOverTheField(tool); } },
    { "HoverLeave", "MouseExit",
        [](fw::Window& tool, fw::Window&) {
            MoveTheMouseOverTheField(tool);
            QTest::mouseMove(fw::qt::ContentOf(&tool), kBesideTheControls);
        } },
    { "MenuAboutToShow", "EnableMenu",
        [](fw::Window& tool, fw::Window&) {
            QMenu* tools = ToolsMenuOf(tool);
            ASSERT_TRUE(tools);
            tools->popup(WindowWidgetOf(tool)->mapToGlobal(QPoint(10, 10)));
            tools->hide();
        } },
};

// Runs the event loop until the handler of that event has run more than `before` times.
bool ReachedAfter(const std::string& event, int before)
{
    return QTest::qWaitFor([&] { return reached[event] > before; }, patience::kLimitMs);
}

// Where the other window stands, right of the tool, whatever size it grows to.
constexpr QPoint kClearOfTheTool(1000, 0);

class GuardedEntryFaults : public RunningProgram {
protected:
    void SetUp() override
    {
        RunningProgram::SetUp();
        reached.clear();
        armed.clear();
        fw::Ref<fw::Object> created = fw::RuntimeNewObject(RaisingMenuItem::Storage::Accessor());
        auto* entry = fw::native_cast<fw::MenuItem>(created.get());
        entry->setName("M_Raising");
        entry->setText("Raising Tool");
        Item("M_Tools")->Append(entry);
    }
};

TEST_F(GuardedEntryFaults, AHandlerThatRaisesThroughAnyGuardedEntryIsReportedOnceAndTheProgramGoesOn)
{
    bool checked = false;
    OnceTheDefaultWindowIsOpen([&] {
        fw::Ref<fw::Window> refractometer = OpenWindowTitled("BRIX Tool");
        ASSERT_TRUE(refractometer);
        WindowWidgetOf(*refractometer)->move(kClearOfTheTool);
        for (const GuardedEntry& entry : kEntries) {
            SCOPED_TRACE(entry.row);
            reports.clear();
            for (bool raising : { true, false }) {
                fw::Ref<fw::Window> tool = OpenRaisingTool();
                ASSERT_TRUE(tool && tool->opened());
                const int before = reached[entry.event];
                armed = raising ? entry.event : "";
                entry.act(*tool, *refractometer);
                EXPECT_TRUE(ReachedAfter(entry.event, before))
                    << (raising ? "the entry never reached its handler" : "the entry no longer reaches its handler");
                armed.clear();
                ASSERT_EQ(reports.size(), 1u) << (raising ? "one report of the raise" : "nothing more reported");
                EXPECT_EQ(reports[0].className, "IllegalCastException");
                EXPECT_EQ(reports[0].message, FailureOf(entry.event));
            }
            for (auto& window : fw::OpenWindows())
                if (window->key() == W_Raising::kRegisteredName)
                    window->Close();
            Settle();
        }
        checked = true;
    });
    SetUpAndRun();
    EXPECT_TRUE(checked) << "the loop ran on after every handler raised";
    EXPECT_EQ(fw::RuntimeExit(), 0) << "the run ended through File > Quit";
}

} // namespace
