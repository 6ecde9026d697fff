// Exceptions that leave the program's handlers where Qt called in: a control's
// event handler, a menu handler chosen through its QAction, a control's Open
// while its window is built, and the application's Open event during a run.
// Each is reported once, and the program goes on: the loop runs, the windows
// stay open and their controls still work, and no half-built window is left.
#include "RunningProgram.h"

#include "MenuPeer.h"

#include "calculators/ClassDeclaration.h"
#include "calculators/WindowClass.h"

#include <fw/Exceptions.h>
#include <fw/Label.h>
#include <fw/Object.h>
#include <fw/TextField.h>

#include <QAction>
#include <QApplication>
#include <QLatin1String>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using namespace reliability;

// A tool window whose handlers raise: its label's Open while the window is being
// built, as many times as asked, and its input's TextChange on every edit.
struct W_Faulty : calculators::WindowClass<W_Faulty> {
    static constexpr std::string_view kRegisteredName = "W_Faulty.W_Faulty";

    static void Label1_Open(fw::Window&, fw::Label* sender)
    {
        if (openFailuresLeft > 0) {
            --openFailuresLeft;
            fw::Raise<fw::RuntimeException>("the tool's tables are missing");
        }
        sender->setText("Ready");
    }

    static void TF_In_TextChange(fw::Window&, fw::TextField* sender)
    {
        ++edits;
        fw::Raise<fw::IllegalCastException>("the handler cannot read \"" + std::string(sender->text()) + "\"");
    }
    static constexpr std::tuple kHandlers { calculators::Handler { "Label1_Open", &Label1_Open },
        calculators::Handler { "TF_In_TextChange", &TF_In_TextChange } };

    static constexpr WindowDesign kWindow { .width = 300, .height = 120, .title = "Faulty Tool" };

    // clang-format off
    static constexpr std::tuple kControls{
        Row(LabelDesign{.name = "Label1", .left = 20, .top = 60, .width = 200, .height = 20, .tabIndex = 1, .text = "Not ready yet", .textAlign = 0})
            .On(fw::ControlEvent::kOpen, &Label1_Open),
        Row(TextFieldDesign{.name = "TF_In", .left = 20, .top = 20, .width = 120, .height = 22, .tabIndex = 0, .text = "5"})
            .On(fw::TextEditEvent::kTextChange, &TF_In_TextChange),
    };
    // clang-format on

    static inline int openFailuresLeft = 0;
    static inline int edits = 0;
};

bool RaisesFrameworkException(fw::Object*) { fw::Raise<fw::RuntimeException>("the carbonation tool is not ready"); }
bool RaisesForeignException(fw::Object*) { throw std::logic_error("no carbonation table"); }
bool RaisesNoException(fw::Object*) { throw 42; }

struct MenuFault {
    const char* row;
    fw::MenuHandler handler;
    const char* reportedClass;
    const char* reportedMessage;
};

const MenuFault kMenuFaults[] = {
    { "FrameworkException", &RaisesFrameworkException, "RuntimeException", "the carbonation tool is not ready" },
    { "ForeignException", &RaisesForeignException, "RuntimeException", "no carbonation table" },
    { "NotAnException", &RaisesNoException, "RuntimeException", "an exception of unknown type" },
};

class HandlerFaults : public RunningProgram {
protected:
    void SetUp() override
    {
        RunningProgram::SetUp();
        W_Faulty::openFailuresLeft = 0;
        W_Faulty::edits = 0;
    }

    // The refractometer, opened as the user opens it; the shared bar is on screen with it.
    fw::Ref<fw::Window> OpenRefractometer()
    {
        EXPECT_TRUE(fw::DispatchMenuChoice(Item("M_BRIX").get()));
        fw::Ref<fw::Window> window = OpenWindowTitled("BRIX Tool");
        EXPECT_TRUE(window && WindowWidgetOf(*window) && WindowWidgetOf(*window)->isVisible());
        return window;
    }

    // The refractometer still answers what is typed into it.
    static void ExpectRefractometerWorks(const fw::Window& window)
    {
        ASSERT_TRUE(window.opened());
        TypeInto(window, "TF_OB", "12");
        TypeInto(window, "TF_FB", "6");
        EXPECT_EQ(Showing(window, "TF_OG"), "1.046");
        EXPECT_EQ(Showing(window, "TF_FG"), "1.009");
        EXPECT_EQ(Showing(window, "TF_AA"), "80.4%");
        EXPECT_EQ(Showing(window, "TF_ABV"), "5.0");
    }

    // The user chooses Tools > Carbonation Tool, whose handler raises as the row says:
    // the exception is reported once, and the menus and the refractometer go on.
    void ExpectAFaultyMenuHandlerIsReportedOnce(const MenuFault& fault, const fw::Window& refractometer)
    {
        reports.clear();
        ApplicationInstance()->AddMenuHandler(fw::Literal<"M_Carb">(), fault.handler);
        auto* carb = fw::qt::MenuPeer::of(Item("M_Carb").get());
        ASSERT_TRUE(carb && carb->action()) << "the shown bar gave the entry its QAction";
        carb->action()->trigger();
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].className, fault.reportedClass);
        EXPECT_EQ(reports[0].message, fault.reportedMessage);
        EXPECT_EQ(OpenWindowTitled("Carbonation Tool"), nullptr);

        auto* bottles = fw::qt::MenuPeer::of(Item("M_Bottles").get());
        ASSERT_TRUE(bottles && bottles->action());
        bottles->action()->trigger();
        EXPECT_NE(OpenWindowTitled("Bottle Tool"), nullptr) << "another entry still opens its window";
        ExpectRefractometerWorks(refractometer);
        EXPECT_EQ(reports.size(), 1u);
    }
};

TEST_F(HandlerFaults, AControlHandlerThatRaisesIsReportedPerEditAndTheWindowsGoOn)
{
    fw::Ref<fw::Window> refractometer = OpenRefractometer();
    ASSERT_TRUE(refractometer);
    fw::Ref<fw::Window> faulty = W_Faulty::ImplicitInstance();
    faulty->Show();

    TypeInto(*faulty, "TF_In", "7");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].className, "IllegalCastException");
    EXPECT_EQ(reports[0].message, "the handler cannot read \"7\"");

    TypeInto(*faulty, "TF_In", "8");
    EXPECT_EQ(W_Faulty::edits, 2) << "the handler stays bound after it raised";
    EXPECT_EQ(reports.size(), 2u);
    EXPECT_TRUE(faulty->opened());
    EXPECT_TRUE(WindowWidgetOf(*faulty)->isVisible());
    EXPECT_EQ(Showing(*faulty, "TF_In"), "8");
    EXPECT_EQ(fw::native_cast<fw::TextField>(faulty->findControl("TF_In"))->text(), "8");

    ExpectRefractometerWorks(*refractometer);
    EXPECT_EQ(reports.size(), 2u) << "nothing else was reported";
}

TEST_F(HandlerFaults, AMenuHandlerThatRaisesIsReportedOnceAndTheMenusGoOn)
{
    for (const MenuFault& fault : kMenuFaults) {
        SCOPED_TRACE(fault.row);
        CreateApplicationObject();
        InstallMenuHandlers();
        fw::Ref<fw::Window> refractometer = OpenRefractometer();
        ASSERT_TRUE(refractometer);
        ExpectAFaultyMenuHandlerIsReportedOnce(fault, *refractometer);

        for (auto& window : fw::OpenWindows())
            window->Close();
        Settle();
    }
}

TEST_F(HandlerFaults, InsideTheRunAMenuHandlerThatRaisesIsReportedOnceAndTheRunGoesOn)
{
    bool checked = false;
    OnceTheDefaultWindowIsOpen([&] {
        fw::Ref<fw::Window> refractometer = OpenWindowTitled("BRIX Tool");
        ASSERT_TRUE(refractometer);
        for (const MenuFault& fault : kMenuFaults) {
            SCOPED_TRACE(fault.row);
            ExpectAFaultyMenuHandlerIsReportedOnce(fault, *refractometer);
        }
        checked = true;
    });
    SetUpAndRun();
    EXPECT_TRUE(checked) << "the loop ran on after every handler raised";
    EXPECT_EQ(fw::RuntimeExit(), 0) << "the run ended through File > Quit";
}

bool ShowFaultyTool(fw::Object*)
{
    fw::Ref<fw::Window> window = W_Faulty::ImplicitInstance();
    window->Show();
    return false;
}

bool AnyWidgetTitled(const char* title)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->windowTitle() == QLatin1String(title))
            return true;
    return false;
}

TEST_F(HandlerFaults, AWindowWhoseControlsOpenRaisesIsNotLeftHalfBuilt)
{
    fw::Ref<fw::Window> refractometer = OpenRefractometer();
    ASSERT_TRUE(refractometer);
    ApplicationInstance()->AddMenuHandler(fw::Literal<"M_Carb">(), &ShowFaultyTool);
    auto* carb = fw::qt::MenuPeer::of(Item("M_Carb").get());
    ASSERT_TRUE(carb && carb->action());
    Settle();
    const auto objectsBefore = fw::LiveObjectCount();

    W_Faulty::openFailuresLeft = 2;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE("failed attempt " + std::to_string(attempt));
        carb->action()->trigger();
        Settle();
        EXPECT_EQ(reports.size(), std::size_t(attempt));
        EXPECT_EQ(OpenWindowTitled("Faulty Tool"), nullptr) << "registered nowhere";
        EXPECT_FALSE(AnyWidgetTitled("Faulty Tool")) << "no widget of it stays behind";
        EXPECT_EQ(fw::LiveObjectCount(), objectsBefore) << "its objects have gone";
    }

    carb->action()->trigger();
    fw::Ref<fw::Window> ready = OpenWindowTitled("Faulty Tool");
    ASSERT_TRUE(ready) << "the next request builds the window from the start";
    EXPECT_TRUE(WindowWidgetOf(*ready)->isVisible());
    EXPECT_EQ(Showing(*ready, "Label1"), "Ready");
    EXPECT_EQ(Showing(*ready, "TF_In"), "5");
    EXPECT_EQ(reports.size(), 2u);
    ExpectRefractometerWorks(*refractometer);
}

// An application class whose Open event raises.
struct FaultyOpenApplication {
    static void Event_Open(fw::Application&) { fw::Raise<fw::NilObjectException>("the splash is missing"); }

    static const ClassDeclaration& Declaration()
    {
        static const MethodDeclaration methods[] {
            Method<&FaultyOpenApplication::Event_Open>("Event_Open").Hooks(fw::ApplicationEvent::kOpen)
        };
        static const ClassDeclaration facts {
            .superclass = &fw::Application::Class, .registeredName = "FaultyOpenApplication", .methods = methods
        };
        return facts;
    }
    using Storage = ClassStorage<&FaultyOpenApplication::Declaration>;
};

void OpenDefaultRefractometer() { OpenDefaultWindow(); }

TEST_F(HandlerFaults, AnOpenEventThatRaisesIsReportedOnceAndTheRunGoesOn)
{
    {
        fw::Ref<fw::Object> created = fw::RuntimeNewObject(FaultyOpenApplication::Storage::Accessor());
        auto* app = fw::native_cast<fw::Application>(created.get());
        app->setMenuBar(MenuBar1::ImplicitInstance());
        fw::RuntimeRegisterAppObject(app);
    }
    fw::RunFrameworkInitialization(&OpenDefaultRefractometer);

    bool checked = false;
    OnceTheDefaultWindowIsOpen([&] {
        EXPECT_EQ(reports.size(), 1u) << "Open's exception, once";
        fw::Ref<fw::Window> refractometer = OpenWindowTitled("BRIX Tool");
        ASSERT_TRUE(refractometer);
        ExpectRefractometerWorks(*refractometer);
        checked = true;
    });
    fw::RuntimeRun();
    EXPECT_TRUE(checked) << "the loop ran on after Open raised";
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].className, "NilObjectException");
    EXPECT_EQ(reports[0].message, "the splash is missing");
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

} // namespace
