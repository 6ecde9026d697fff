// The run on Qt: start-up order inside the event loop, the ways a run ends and
// its exit status, exceptions that escape or are reported, and the standard
// About panel at the end of the About road.
#include <fw/Application.h>
#include <fw/Exceptions.h>
#include <fw/MenuItem.h>
#include <fw/ObjCRuntime.h>
#include <fw/qt/Run.h>

#include "QtTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace fw;

constexpr int kSoon = 10; // milliseconds: long enough for the loop to be running
constexpr int kGuard = patience::kLimitMs; // a run that has not ended by then never will
constexpr std::int32_t kGuardStatus = 99;

std::vector<std::string> events;
std::function<void()> onOpen;
std::function<void()> onDefaultWindow;

void openHook(Object*)
{
    events.push_back("Open");
    if (onOpen)
        onOpen();
}

void defaultWindowCallback()
{
    events.push_back("default window");
    if (onDefaultWindow)
        onDefaultWindow();
}

// An application class that implements Open, registered the way the program's is.
ClassRecord* testApplicationClass()
{
    static ClassRecord* cls = qt_test::Subclass(
        Application::Class(), "RunTestApplication", { { ApplicationEvent::kOpen.index, qt_test::AsEntry(&openHook) } });
    return cls;
}

Ref<RuntimeException> makeException(ClassRecord* cls, std::string_view message)
{
    auto object = RuntimeNewObject(cls);
    auto exception = Ref<RuntimeException>::retain(native_cast<RuntimeException>(object.get()));
    exception->setMessage(message);
    return exception;
}

// What the reporter was handed: class and message.
std::string describe(RuntimeException* exception)
{
    return std::string(exception->classRecord()->registeredName) + ": " + std::string(exception->message());
}

void chooseQuit()
{
    auto object = RuntimeNewObject(QuitMenuItem::Class());
    auto item = Ref<MenuItem>::adopt(native_cast<MenuItem>(object.release()));
    item->setName("FileQuit");
    events.push_back("quit");
    DispatchMenuChoice(item.get());
}

// The test's timers go with the test.
QObject* timerContext = nullptr;

// Calls from timers go through GuardQtCall, as every call from Qt does.
void after(int milliseconds, std::function<void()> call)
{
    QTimer::singleShot(milliseconds, timerContext, [call = std::move(call)] { GuardQtCall(call); });
}

class Run : public testing::Test {
protected:
    void SetUp() override
    {
        RuntimeInit();
        events.clear();
        reported.clear();
        onOpen = nullptr;
        onDefaultWindow = nullptr;
        previousReporter
            = SetUnhandledExceptionReporter([this](RuntimeException* e) { reported.push_back(describe(e)); });
        auto object = RuntimeNewObject(testApplicationClass());
        RuntimeRegisterAppObject(native_cast<Application>(object.get()));
        RunFrameworkInitialization(&defaultWindowCallback);
        timers = std::make_unique<QObject>();
        timerContext = timers.get();
        after(kGuard, [] {
            events.push_back("guard");
            RequestQuit(kGuardStatus);
        });
    }
    void TearDown() override
    {
        timers.reset();
        timerContext = nullptr;
        windows.clear();
        RunFrameworkInitialization(nullptr);
        RuntimeRegisterAppObject(nullptr);
        SetUnhandledExceptionReporter(std::move(previousReporter));
    }

    QWidget* openWindow()
    {
        auto& window = windows.emplace_back(std::make_unique<QWidget>());
        window->resize(200, 100);
        window->show();
        return window.get();
    }

    std::vector<std::string> reported;
    std::vector<std::unique_ptr<QWidget>> windows;
    UnhandledExceptionReporter previousReporter;
    std::unique_ptr<QObject> timers;
};

TEST_F(Run, RaisesOpenBeforeTheDefaultWindowAndEndsWhenTheQuitHookRuns)
{
    onDefaultWindow = [this] {
        openWindow();
        after(kSoon, &chooseQuit);
    };
    RuntimeRun();
    EXPECT_EQ(events, (std::vector<std::string> { "Open", "default window", "quit" }));
    EXPECT_EQ(RuntimeExit(), 0);
    EXPECT_TRUE(reported.empty());

    events.clear();
    chooseQuit(); // outside a run the quit hook has nothing to end
    EXPECT_EQ(events, (std::vector<std::string> { "quit" }));
}

TEST_F(Run, QuitEndsNestedLoopsAndGivesItsStatus)
{
    onDefaultWindow = [this] {
        openWindow();
        QDialog dialog;
        after(kSoon, [] { RequestQuit(3); });
        dialog.exec();
        events.push_back("dialog returned");
    };
    RuntimeRun();
    EXPECT_EQ(events, (std::vector<std::string> { "Open", "default window", "dialog returned" }));
    EXPECT_EQ(RuntimeExit(), 3);
}

TEST_F(Run, AQuitDuringOpenSkipsTheDefaultWindow)
{
    onOpen = [] {
        QDialog splash;
        after(kSoon, &chooseQuit);
        splash.exec();
    };
    RuntimeRun();
    EXPECT_EQ(events, (std::vector<std::string> { "Open", "quit" }));
    EXPECT_EQ(RuntimeExit(), 0);
}

TEST_F(Run, EndsWhenTheLastWindowClosesAfterStartUp)
{
    struct Row {
        const char* label;
        bool defaultWindow;
    };
    for (auto row : { Row { "the default window closes", true }, Row { "start-up left no window open", false } }) {
        events.clear();
        // A splash that Open shows and closes does not end the run.
        onOpen = [this] { openWindow()->close(); };
        onDefaultWindow = [this, row] {
            if (!row.defaultWindow)
                return;
            QWidget* window = openWindow();
            after(kSoon, [window] {
                events.push_back("close");
                window->close();
            });
        };
        RuntimeRun();
        auto expected = row.defaultWindow ? std::vector<std::string> { "Open", "default window", "close" }
                                          : std::vector<std::string> { "Open", "default window" };
        EXPECT_EQ(events, expected) << row.label;
        EXPECT_EQ(RuntimeExit(), 0) << row.label;
    }
}

TEST_F(Run, AnExceptionFromOpenIsReportedAndTheRunGoesOn)
{
    onOpen = [] { Raise<IllegalCastException>("not a splash"); };
    onDefaultWindow = [this] {
        openWindow();
        after(kSoon, &chooseQuit);
    };
    testing::internal::CaptureStderr();
    RuntimeRun();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Unhandled IllegalCastException: not a splash\n");
    EXPECT_EQ(reported, (std::vector<std::string> { "IllegalCastException: not a splash" }));
    EXPECT_EQ(events, (std::vector<std::string> { "Open", "default window", "quit" }));
}

TEST_F(Run, AnExceptionThatEndsTheLoopEscapesOnceTheLoopHasReturned)
{
    struct Row {
        const char* label;
        std::function<void()> raise; // in the default-window callback
        const char* escapes; // the framework exception's class, or what()
    };
    const Row rows[] = {
        { "a framework exception from the default-window callback", [] { RaiseNilObjectException(); },
            "NilObjectException" },
        { "a standard exception from the default-window callback", [] { throw std::bad_alloc(); }, "std::bad_alloc" },
        // Qt warns and lets it out of the loop.
        { "an exception from a callback that nobody guarded",
            [] { QTimer::singleShot(0, timerContext, [] { throw std::runtime_error("unguarded"); }); }, "unguarded" },
    };
    for (const auto& row : rows) {
        RuntimeInit(); // the exit status of the run before goes
        events.clear();
        onDefaultWindow = [this, &row] {
            openWindow();
            row.raise();
        };
        std::string escaped = "nothing";
        testing::internal::CaptureStderr();
        try {
            RuntimeRun();
        } catch (const Raised& raised) {
            escaped = raised.exception() ? raised.exception()->classRecord()->registeredName : "a nil exception";
        } catch (const std::exception& failure) {
            escaped = failure.what();
        }
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(escaped, row.escapes) << row.label;
        EXPECT_EQ(events, (std::vector<std::string> { "Open", "default window" })) << row.label;
        EXPECT_EQ(RuntimeExit(), kExitStatusAfterEscape) << row.label;
    }
    EXPECT_TRUE(reported.empty()) << "it escapes instead of being reported";
}

TEST_F(Run, RefusesAnyThreadButTheMainOne)
{
    ClassRecord* raisedClass = nullptr;
    std::thread([&] {
        try {
            RuntimeRun();
        } catch (const Raised& raised) {
            raisedClass = raised.exception()->classRecord();
        }
    }).join();
    EXPECT_EQ(raisedClass, ThreadAccessingUIException::Class());
    EXPECT_TRUE(events.empty());
}

TEST_F(Run, UnhandledExceptionsGoToStandardErrorAndTheReporter)
{
    struct Row {
        const char* label;
        Ref<RuntimeException> exception;
        const char* line;
        const char* reported;
    };
    const Row rows[] = {
        { "with a message", makeException(FunctionNotFoundException::Class(), "no Cocoa"),
            "Unhandled FunctionNotFoundException: no Cocoa\n", "FunctionNotFoundException: no Cocoa" },
        { "without a message", makeException(RuntimeException::Class(), ""), "Unhandled RuntimeException\n",
            "RuntimeException: " },
        { "nil", nullptr, "Unhandled NilObjectException: the exception to report was nil\n",
            "NilObjectException: the exception to report was nil" },
    };
    for (const auto& row : rows) {
        reported.clear();
        testing::internal::CaptureStderr();
        RuntimeUnhandledException(row.exception.get());
        EXPECT_EQ(testing::internal::GetCapturedStderr(), row.line) << row.label;
        EXPECT_EQ(reported, (std::vector<std::string> { row.reported })) << row.label;
    }

    // A reporter that fails itself does not take the report road down with it.
    SetUnhandledExceptionReporter([](RuntimeException*) { throw std::runtime_error("reporter broke"); });
    testing::internal::CaptureStderr();
    RuntimeUnhandledException(makeException(RuntimeException::Class(), "first").get());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
        "Unhandled RuntimeException: first\nReporting an unhandled exception failed: reporter broke\n");
}

TEST_F(Run, GuardQtCallReportsWhateverTheCallRaises)
{
    auto raised = makeException(ObjCException::Class(), "NSInvalidArgumentException: nope");
    struct Row {
        const char* label;
        std::function<void()> call;
        bool ranThrough;
        std::vector<std::string> reported;
    };
    const Row rows[] = {
        { "nothing raised", [] {}, true, {} },
        { "a framework exception", [&] { RuntimeRaiseException(raised.get()); }, false,
            { "ObjCException: NSInvalidArgumentException: nope" } },
        { "a standard exception", [] { throw std::runtime_error("disk full"); }, false,
            { "RuntimeException: disk full" } },
        { "anything else", [] { throw 42; }, false, { "RuntimeException: an exception of unknown type" } },
    };
    testing::internal::CaptureStderr();
    for (const auto& row : rows) {
        reported.clear();
        EXPECT_EQ(GuardQtCall(row.call), row.ranThrough) << row.label;
        EXPECT_EQ(reported, row.reported) << row.label;
    }
    testing::internal::GetCapturedStderr();
}

TEST_F(Run, PluginTablesAreZeroFilledAndDistinct)
{
    auto* empty = static_cast<void**>(RuntimeAllocatePluginEntrypointsTable(0));
    auto* three = static_cast<void**>(RuntimeAllocatePluginEntrypointsTable(3));
    ASSERT_NE(empty, nullptr);
    ASSERT_NE(three, nullptr);
    EXPECT_NE(empty, three);
    EXPECT_EQ(three[0], nullptr);
    EXPECT_EQ(three[2], nullptr);
}

QMessageBox* aboutPanel()
{
    for (auto* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == "StandardAboutPanel" && widget->isVisible())
            return qobject_cast<QMessageBox*>(widget);
    return nullptr;
}

TEST_F(Run, TheAboutRoadShowsOneNonModalStandardPanel)
{
    auto application = getAppObject();
    application->setName("Quillfen Test");
    application->setShortVersion("1.2.3");
    static constinit objc::CFConstString name = objc::MakeConstString("NSApplication");
    objc::id shared = objc_msgSend(NSClassFromString(&name), sel_registerName("sharedApplication"));

    objc_msgSend(shared, sel_registerName("orderFrontStandardAboutPanel:"));
    QMessageBox* panel = aboutPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(panel->text().contains("Quillfen Test")) << panel->text().toStdString();
    EXPECT_TRUE(panel->text().contains("Version 1.2.3")) << panel->text().toStdString();

    application->setShortVersion("1.2.4");
    objc_msgSend(shared, sel_registerName("orderFrontStandardAboutPanel:"));
    EXPECT_EQ(aboutPanel(), panel) << "asking again brings the same panel to the front";
    EXPECT_TRUE(panel->text().contains("Version 1.2.4"));
    int panels = 0;
    for (auto* widget : QApplication::topLevelWidgets())
        panels += widget->objectName() == "StandardAboutPanel" && widget->isVisible();
    EXPECT_EQ(panels, 1);
    panel->close();
}

} // namespace
