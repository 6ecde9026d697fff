#include "NativeClass.h"
#include "UserInterfaceHooks.h"

#include <fw/Application.h>
#include <fw/Exceptions.h>
#include <fw/FolderItem.h>
#include <fw/FrameworkClasses.h>
#include <fw/MenuItem.h>
#include <fw/Thread.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <thread>
#include <utility>

#ifndef QUILLFEN_VERSION
#define QUILLFEN_VERSION "0.1.0"
#endif

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kApplicationSize = 48;
constexpr std::string_view kProjectVersion = QUILLFEN_VERSION;

Ref<Application>& registeredApplication()
{
    static Ref<Application> application;
    return application;
}

// The numbers of a "major.minor.bug" text, as far as it has them.
std::array<std::int32_t, 3> versionNumbers(std::string_view text)
{
    std::array<std::int32_t, 3> numbers {};
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (auto& number : numbers) {
        auto [next, error] = std::from_chars(at, end, number);
        if (error != std::errc {} || next == end || *next != '.')
            break;
        at = next + 1;
    }
    return numbers;
}

void removeFrom(std::vector<Ref<Object>>& objects, Object* object)
{
    std::erase_if(objects, [object](const Ref<Object>& held) { return held.get() == object; });
}
} // namespace

Application::Application()
    : shortVersion_(kProjectVersion)
    , longVersion_(kProjectVersion)
    , executableName_(ApplicationFilePath().filename().string())
{
    auto numbers = versionNumbers(kProjectVersion);
    majorVersion_ = numbers[0];
    minorVersion_ = numbers[1];
    bugVersion_ = numbers[2];
}

Application::~Application() = default;

bool Application::raiseEvent(Event<Application> event)
{
    bool implemented = ImplementsEvent(*this, event);
    RaiseEvent(*this, event);
    return implemented;
}

void Application::AddMenuHandler(String* itemName, MenuHandler handler)
{
    RequireUIThread();
    if (!handler)
        RaiseNilObjectException();
    handlers_.insert_or_assign(std::string(Text(itemName)), handler);
}

MenuHandler Application::menuHandler(std::string_view itemName) const
{
    auto found = handlers_.find(itemName);
    return found == handlers_.end() ? nullptr : found->second;
}

void Application::AddTrayItem(ObjectOf<TrayItem> item)
{
    RequireUIThread();
    if (!item.get())
        RaiseNilObjectException();
    removeFrom(trayItems_, item.get());
    trayItems_.push_back(Ref<Object>::retain(item.get()));
}

void Application::RemoveTrayItem(ObjectOf<TrayItem> item)
{
    RequireUIThread();
    removeFrom(trayItems_, item.get());
}

void Application::DoEvents(std::int32_t milliseconds)
{
    RequireUIThread();
    PumpEvents(std::max(milliseconds, 0));
}

void Application::DoSingleEvent()
{
    RequireUIThread();
    PumpEvents(0);
}

void Application::NewDocument()
{
    RequireUIThread();
    RaiseEvent(*this, ApplicationEvent::kNewDocument);
}

void Application::OpenDocument(FolderItem* item)
{
    RequireUIThread();
    if (!item)
        RaiseNilObjectException();
    RaiseEvent(*this, ApplicationEvent::kOpenDocument, static_cast<Object*>(item));
}

void Application::SleepCurrentThread(std::int32_t milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(std::max(milliseconds, 0)));
}

void Application::YieldToNextThread() { std::this_thread::yield(); }

void Application::AddPollableObject(Object* object)
{
    RequireUIThread();
    if (!object)
        RaiseNilObjectException();
    removeFrom(pollables_, object);
    pollables_.push_back(Ref<Object>::retain(object));
}

void Application::RemovePollableObject(Object* object)
{
    RequireUIThread();
    removeFrom(pollables_, object);
}

Ref<Object> Application::DependencyList() const { return nullptr; }

Ref<MenuBar> Application::menuBar() const
{
    RequireUIThread();
    return menuBar_;
}

void Application::setMenuBar(Ref<MenuBar> bar)
{
    RequireUIThread();
    menuBar_ = std::move(bar);
}

std::string_view Application::shortVersion() const { return shortVersion_; }
void Application::setShortVersion(std::string_view text) { shortVersion_ = text; }
std::string_view Application::longVersion() const { return longVersion_; }
void Application::setLongVersion(std::string_view text) { longVersion_ = text; }
std::int32_t Application::majorVersion() const { return majorVersion_; }
void Application::setMajorVersion(std::int32_t value) { majorVersion_ = value; }
std::int32_t Application::minorVersion() const { return minorVersion_; }
void Application::setMinorVersion(std::int32_t value) { minorVersion_ = value; }
std::int32_t Application::bugVersion() const { return bugVersion_; }
void Application::setBugVersion(std::int32_t value) { bugVersion_ = value; }
std::int32_t Application::stageCode() const { return stageCode_; }
void Application::setStageCode(std::int32_t value) { stageCode_ = value; }
std::int32_t Application::nonReleaseVersion() const { return nonReleaseVersion_; }
void Application::setNonReleaseVersion(std::int32_t value) { nonReleaseVersion_ = value; }
std::int32_t Application::buildNumber() const { return buildNumber_; }
void Application::setBuildNumber(std::int32_t value) { buildNumber_ = value; }
bool Application::allowAutoQuit() const { return allowAutoQuit_; }
void Application::setAllowAutoQuit(bool value) { allowAutoQuit_ = value; }
std::string_view Application::copyright() const { return copyright_; }
void Application::setCopyright(std::string_view text) { copyright_ = text; }
std::string_view Application::identifier() const { return identifier_; }
void Application::setIdentifier(std::string_view text) { identifier_ = text; }
std::string_view Application::name() const { return name_; }
void Application::setName(std::string_view text) { name_ = text; }
std::int32_t Application::idleInterval() const { return idleInterval_; }
void Application::setIdleInterval(std::int32_t milliseconds) { idleInterval_ = milliseconds; }
bool Application::active() const { return false; } // headless, never the frontmost
bool Application::cursorVisible() const { return cursorVisible_; }
void Application::setCursorVisible(bool value) { cursorVisible_ = value; }

bool Application::debugBuild() const
{
#ifdef NDEBUG
    return false;
#else
    return true;
#endif
}

std::string_view Application::executableName() const { return executableName_; }

ClassRecord* Application::Class()
{
    using A = Application;
    static constexpr NativeMethod methods[] = {
        Routine<&A::AddTrayItem>("AddTrayItem"),
        Routine<&A::DoEvents>("DoEvents"),
        Routine<&A::NewDocument>("NewDocument"),
        Routine<&A::OpenDocument>("OpenDocument"),
        Routine<&A::RemoveTrayItem>("RemoveTrayItem"),
        Routine<&A::SleepCurrentThread>("SleepCurrentThread"),
        Routine<&A::YieldToNextThread>("YieldToNextThread"),
        Hidden(Routine<&A::AddMenuHandler>("_AddMenuHandler")),
        Routine<&A::AddPollableObject>("_AddPollableObject"),
        Routine<&A::DependencyList>("_DependencyList"),
        Routine<&A::DoSingleEvent>("_DoSingleEvent"),
        Routine<&A::RemovePollableObject>("_RemovePollableObject"),
    };
    static constexpr NativeProperty properties[] = {
        Property<"MenuBar", &A::menuBar, &A::setMenuBar>(),
        Property<"ShortVersion", &A::shortVersion, &A::setShortVersion>(),
        Property<"LongVersion", &A::longVersion, &A::setLongVersion>(),
        Property<"MajorVersion", &A::majorVersion, &A::setMajorVersion>(),
        Property<"MinorVersion", &A::minorVersion, &A::setMinorVersion>(),
        Property<"BugVersion", &A::bugVersion, &A::setBugVersion>(),
        Property<"StageCode", &A::stageCode, &A::setStageCode>(),
        Property<"NonReleaseVersion", &A::nonReleaseVersion, &A::setNonReleaseVersion>(),
        Property<"BuildNumber", &A::buildNumber, &A::setBuildNumber>(),
        Property<"AllowAutoQuit", &A::allowAutoQuit, &A::setAllowAutoQuit>(),
        Property<"Copyright", &A::copyright, &A::setCopyright>(),
        Property<"Identifier", &A::identifier, &A::setIdentifier>(),
        Property<"Name", &A::name, &A::setName>(),
        Property<"IdleInterval", &A::idleInterval, &A::setIdleInterval>(),
        Property<"Active", &A::active>(kNoAccessorRecords),
        Property<"CursorVisible", &A::cursorVisible, &A::setCursorVisible>(kNoAccessorRecords),
        Property<"DebugBuild", &A::debugBuild>(kNoAccessorRecords),
        Property<"ExecutableName", &A::executableName>(kNoAccessorRecords),
    };
    static ClassRecord* cls = RegisterNativeClass<Application>({ .superclass = &ObjectClass,
        .methods = methods,
        .events = ApplicationEvent::kTable,
        .properties = properties,
        .instanceSize = kApplicationSize });
    return cls;
}

void RuntimeRegisterAppObject(Application* application)
{
    registeredApplication() = Ref<Application>::retain(application);
}

Ref<Application> getAppObject() { return registeredApplication(); }

} // namespace fw
