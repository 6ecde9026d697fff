#include "FreshProgram.h"

#include "Patience.h"

#include "about/AboutPictures.h"
#include "shell/menubar/MenuBar1.h"

#include <fw/Application.h>
#include <fw/ClassRecord.h>
#include <fw/MenuItem.h>
#include <fw/Window.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <memory>

namespace program_testing {

namespace {

constexpr int kPollInterval = 20; // milliseconds

// What a run leaves behind in module storage, dropped as the end of a process drops it.
void forgetTheProgram()
{
    for (auto& window : fw::OpenWindows())
        window->Close();
    FreshProgram::Settle();
    fw::RunFrameworkInitialization(nullptr);
    fw::RuntimeRegisterAppObject(nullptr);
    MenuBar1::ReleaseImplicitInstance();
    ForgetAboutPictures();
    fw::SetNewObjectHook(nullptr);
}

// The poll of the run the test starts next; it goes with the test, also when no run came.
std::unique_ptr<QTimer> startUpPoll;

} // namespace

void FreshProgram::SetUp()
{
    fw::RuntimeInit();
    forgetTheProgram();
    previousReporter_ = fw::SetUnhandledExceptionReporter([this](fw::RuntimeException* e) {
        reports.push_back({ std::string(e->classRecord()->registeredName), std::string(e->message()) });
    });
}

void FreshProgram::TearDown()
{
    startUpPoll.reset();
    forgetTheProgram();
    fw::SetUnhandledExceptionReporter(std::move(previousReporter_));
}

void FreshProgram::Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void FreshProgram::OnceTheDefaultWindowIsOpen(std::function<void()> check)
{
    startUpPoll = std::make_unique<QTimer>();
    QTimer* poll = startUpPoll.get();
    const auto started = std::chrono::steady_clock::now();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, started, check = std::move(check)] {
        const bool open = fw::RuntimeGetImplicitWindow(fw::Literal<"W_BRIX.W_BRIX">()) != nullptr;
        if (!open && std::chrono::steady_clock::now() - started < patience::kLimit)
            return;
        poll->stop();
        if (open)
            check();
        else
            ADD_FAILURE() << "the default window never opened";
        fw::Ref<fw::MenuItem> quit = MenuBar1::ImplicitInstance()->Lookup(fw::Literal<"FileQuit">());
        fw::DispatchMenuChoice(quit.get());
    });
    poll->start(kPollInterval);
}

} // namespace program_testing
