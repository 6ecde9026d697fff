// The program's road from start-up to exit, with the real framework on Qt's
// offscreen platform: class registration order, the run with its splash and
// default window, the menu handlers, and the failures the road must survive.
#include "shell/Startup.h"
#include "about/AquaAboutBoxLarge.h"
#include "calculators/BrixFormulas.h"
#include "calculators/W_BRIX.h"
#include "calculators/W_BoilCalc.h"
#include "shell/Quillfen.h"
#include "shell/menubar/MenuBar1.h"

#include "FreshProgram.h"

#include <fw/Application.h>
#include <fw/FrameworkClasses.h>
#include <fw/Libraries.h>
#include <fw/MenuItem.h>
#include <fw/ObjCRuntime.h>
#include <fw/Window.h>
#include <fw/qt/Run.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

class Startup : public program_testing::FreshProgram {
protected:
    void SetUp() override
    {
        FreshProgram::SetUp();
        previousPanel_ = fw::SetAboutPanelHook([this] { ++panelsShown; });
    }
    void TearDown() override
    {
        fw::SetAboutPanelHook(previousPanel_);
        FreshProgram::TearDown();
    }

    // Runs `check` inside the event loop once the default window is open, then quits
    // through the File menu's Quit item.
    void runUntilDefaultWindow(std::function<void()> check)
    {
        OnceTheDefaultWindowIsOpen(std::move(check));
        SetUpAndRun();
    }

    int panelsShown = 0;

private:
    std::function<void()> previousPanel_;
};

std::ptrdiff_t registeredAt(fw::ClassRecord* cls)
{
    auto classes = fw::RegisteredClasses();
    return std::find(classes.begin(), classes.end(), cls) - classes.begin();
}

TEST_F(Startup, RegistersEveryClassInTheListsOrderAndSetsTheModuleValues)
{
    InitClassesAndModules();
    std::vector<fw::ClassRecord*> order { Quillfen::Class(), MenuBar1::Class(), W_BoilCalc::Class(),
        AquaAboutBoxLarge::Class(), stStaticURL::Class(), W_BRIX::Class() };
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LT(registeredAt(order[i - 1]), registeredAt(order[i])) << order[i]->registeredName;
    for (fw::ClassAccessor framework : fw::FrameworkClassAccessors())
        EXPECT_LT(registeredAt(framework()), registeredAt(Quillfen::Class())) << framework()->registeredName;

    EXPECT_EQ(BrixFormulas::WCF, 1.04);
    for (double value : { BrixFormulas::OB, BrixFormulas::FB, BrixFormulas::OG, BrixFormulas::FG, BrixFormulas::AA,
             BrixFormulas::RA, BrixFormulas::ABV, BrixFormulas::RE })
        EXPECT_EQ(value, 0.0);
}

TEST_F(Startup, RunsTheSplashThenTheDefaultWindowAndEachToolsItemOpensOneWindow)
{
    InitClassesAndModules();
    runUntilDefaultWindow([&] {
        EXPECT_EQ(fw::RuntimeGetImplicitWindow(fw::Literal<"AquaAboutBoxLarge.AquaAboutBoxLarge">()), nullptr)
            << "the splash has closed itself";
        fw::Ref<fw::Window> brix = fw::RuntimeGetImplicitWindow(fw::Literal<"W_BRIX.W_BRIX">());
        EXPECT_TRUE(brix->visible());

        fw::Ref<fw::MenuBar> bar = fw::getAppObject()->menuBar();
        EXPECT_EQ(bar, MenuBar1::ImplicitInstance()) << "the application carries the shared bar";
        struct Tool {
            const char* item;
            const char* title;
        };
        for (Tool tool : { Tool { "M_Boil_Calc", "Boil Calc" }, Tool { "M_Carb", "Carbonation Tool" },
                 Tool { "M_Bottles", "Bottle Tool" }, Tool { "M_BRIX", "BRIX Tool" },
                 Tool { "M_Parti_Gyle", "Parti Gyle Tool" } }) {
            SCOPED_TRACE(tool.item);
            fw::Ref<fw::MenuItem> item = bar->Lookup(fw::NewString(tool.item).get());
            for (int choice = 0; choice < 2; ++choice) {
                bool result = true;
                EXPECT_TRUE(fw::DispatchMenuChoice(item.get(), &result));
                EXPECT_FALSE(result);
            }
            int windows = 0;
            for (auto& window : fw::OpenWindows())
                windows += window->title() == tool.title;
            EXPECT_EQ(windows, 1);
        }

        bool copied = false;
        EXPECT_TRUE(fw::DispatchMenuChoice(bar->Lookup(fw::Literal<"EditCopy">()).get(), &copied));
        EXPECT_TRUE(copied);

        bool about = false;
        EXPECT_TRUE(fw::DispatchMenuChoice(bar->Lookup(fw::Literal<"About_Quillfen">()).get(), &about));
        EXPECT_TRUE(about);
        EXPECT_EQ(panelsShown, 1);
        EXPECT_EQ(fw::RuntimeGetImplicitWindow(fw::Literal<"AquaAboutBoxLarge.AquaAboutBoxLarge">()), nullptr)
            << "the About item never shows the About window";
    });
    EXPECT_TRUE(reports.empty()) << reports.front().className << ": " << reports.front().message;
    fw::Ref<fw::MenuBar> bar = MenuBar1::ImplicitInstance();
    auto held = bar->referenceCount();
    ReleaseGlobalsAtExit();
    EXPECT_EQ(bar->referenceCount(), held - 1);
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

// What a step of start-up may raise, and what the report then says.
struct Fault {
    const char* row;
    void (*raise)();
    const char* reportedClass;
    const char* reportedMessage;
};

const Fault kFaults[] = {
    { "FrameworkException", [] { fw::Raise<fw::NilObjectException>("no menu font"); }, "NilObjectException",
        "no menu font" },
    { "StandardException", [] { throw std::length_error("too many menus"); }, "RuntimeException", "too many menus" },
    { "OutOfMemory", [] { throw std::bad_alloc(); }, "RuntimeException", "std::bad_alloc" },
    { "NotAnException", [] { throw 42; }, "RuntimeException", "an exception of unknown type" },
};

TEST_F(Startup, AFailureWhileTheApplicationIsMadeIsReportedAndShutDownStillRuns)
{
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE(fault.row);
        reports.clear();
        fw::SetNewObjectHook([&fault](fw::ClassRecord* cls) {
            if (cls == MenuBar1::Class())
                fault.raise();
        });
        OnceTheDefaultWindowIsOpen([] { ADD_FAILURE() << "the event loop ran"; });
        EXPECT_EQ(ProgramMain(), fw::kExitStatusAfterEscape)
            << "set-up returned, shut-down ran, and the exit status tells the start-up failed";
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].className, fault.reportedClass);
        EXPECT_EQ(reports[0].message, fault.reportedMessage);
        EXPECT_EQ(fw::getAppObject(), nullptr) << "the application object was never registered";
        EXPECT_TRUE(fw::OpenWindows().empty()) << "no default window";
    }
}

TEST_F(Startup, AFailureWhoseReportCannotBeMadeStillEndsWithTheEscapeStatus)
{
    // Memory runs out while the application is made, and again for the exception
    // that would carry the failure to the reporter.
    fw::SetNewObjectHook([](fw::ClassRecord* cls) {
        if (cls == MenuBar1::Class() || cls == fw::RuntimeException::Class())
            throw std::bad_alloc();
    });
    OnceTheDefaultWindowIsOpen([] { ADD_FAILURE() << "the event loop ran"; });
    testing::internal::CaptureStderr();
    const std::int32_t status = ProgramMain();
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, fw::kExitStatusAfterEscape) << "a start-up that failed never exits as a success";
    EXPECT_TRUE(reports.empty()) << "the reporter had no exception to show";
    EXPECT_NE(printed.find("Unhandled RuntimeException: std::bad_alloc\n"), std::string::npos) << printed;
    EXPECT_TRUE(fw::OpenWindows().empty()) << "no default window";
}

TEST_F(Startup, AFailureWhileTheDefaultWindowOpensEndsTheRunAndShutDownStillRuns)
{
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE(fault.row);
        reports.clear();
        fw::Ref<fw::MenuBar> bar;
        std::int32_t held = 0;
        fw::SetNewObjectHook([&](fw::ClassRecord* cls) {
            if (cls != W_BRIX::Class())
                return;
            bar = MenuBar1::ImplicitInstance();
            held = bar->referenceCount();
            fault.raise();
        });
        EXPECT_EQ(ProgramMain(), fw::kExitStatusAfterEscape);
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].className, fault.reportedClass);
        EXPECT_EQ(reports[0].message, fault.reportedMessage);
        ASSERT_TRUE(bar) << "the run came as far as the default window";
        EXPECT_EQ(bar->referenceCount(), held - 1) << "shut-down released the shared menu bar";
        EXPECT_TRUE(fw::OpenWindows().empty()) << "the splash closed, and no default window came";
    }
}

TEST_F(Startup, TheAboutItemNeedsTheClassLookupOfItsLibrary)
{
    InitClassesAndModules();
    CreateApplicationObject();
    void* lookup = fw::SetLibraryFunction("Cocoa", "NSClassFromString", nullptr);
    fw::Ref<fw::Application> app = ApplicationInstance();
    try {
        Quillfen::_About_Quillfen_Action(*app);
        ADD_FAILURE() << "expected FunctionNotFoundException";
    } catch (const fw::Raised& raised) {
        EXPECT_TRUE(fw::RuntimeObjectIsa(raised.exception(), fw::FunctionNotFoundException::Class()));
        EXPECT_NE(std::string(raised.exception()->message()).find("NSClassFromString"), std::string::npos);
    }
    EXPECT_EQ(panelsShown, 0) << "no message was sent";
    fw::SetLibraryFunction("Cocoa", "NSClassFromString", lookup);
    EXPECT_TRUE(Quillfen::_About_Quillfen_Action(*app));
    EXPECT_EQ(panelsShown, 1);
}

void raisesNothing(void*) { }
void raisesNil(void*) { fw::RaiseNilObjectException(); }
void raisesForeign(void*) { throw std::runtime_error("not a framework exception"); }

TEST_F(Startup, TheExceptionHelperHandsBackRuntimeExceptionsAndRaisesAnythingElse)
{
    EXPECT_EQ(ExceptionHelper(reinterpret_cast<void*>(&raisesNothing), nullptr), nullptr);
    fw::Ref<fw::Object> caught
        = fw::Ref<fw::Object>::adopt(ExceptionHelper(reinterpret_cast<void*>(&raisesNil), nullptr));
    EXPECT_TRUE(fw::RuntimeObjectIsa(caught.get(), fw::NilObjectException::Class()));
    EXPECT_EQ(caught->referenceCount(), 1) << "one reference, the caller's";
    EXPECT_THROW(ExceptionHelper(reinterpret_cast<void*>(&raisesForeign), nullptr), std::runtime_error);
}

} // namespace
