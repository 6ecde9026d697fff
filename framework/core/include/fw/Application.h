// The application object: the one object of an Application subclass that the
// program registers with `RuntimeRegisterAppObject`. The framework holds it from
// then on, raises the application's events on it through the event hooks of its
// class record, and calls on it the menu handlers that the program registered by
// menu entry Name with `_AddMenuHandler`.
//
// A menu choice (`DispatchMenuChoice`, which MenuItem::Choose and the user-interface
// layer call) goes to the handler registered under the chosen entry's Name. A
// QuitMenuItem without a handler asks the installed quit hook to end the
// application; headless the hook does nothing, the user-interface layer installs
// one that ends its event loop.
#pragma once

#include <fw/ClassRecord.h>
#include <fw/EventTable.h>
#include <fw/Events.h>
#include <fw/ObjectOf.h>
#include <fw/UnimplementedClasses.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class FolderItem;
class MenuBar;
class MenuItem;

class Application;

// The application's events, in their numbering.
namespace ApplicationEvent {
inline constexpr auto kTable = EventsOf<Application>(kObjectEvents,
    {
        { "Activate", "%%" },
        { "CancelClose", "%b%" },
        { "Close", "%%" },
        { "Deactivate", "%%" },
        { "EnableMenuItems", "%%" },
        { "HandleAppleEvent", "%b%o<AppleEvent>ss" },
        { "NewDocument", "%%" },
        { "Open", "%%" },
        { "OpenDocument", "%%o<FolderItem>" },
        { "UnhandledException", "%b%o<RuntimeException>" },
    });
inline constexpr auto kActivate = EventNamed<kTable, "Activate">();
inline constexpr auto kCancelClose = EventNamed<kTable, "CancelClose">();
inline constexpr auto kClose = EventNamed<kTable, "Close">();
inline constexpr auto kDeactivate = EventNamed<kTable, "Deactivate">();
inline constexpr auto kEnableMenuItems = EventNamed<kTable, "EnableMenuItems">();
inline constexpr auto kHandleAppleEvent = EventNamed<kTable, "HandleAppleEvent">();
inline constexpr auto kNewDocument = EventNamed<kTable, "NewDocument">();
inline constexpr auto kOpen = EventNamed<kTable, "Open">();
inline constexpr auto kOpenDocument = EventNamed<kTable, "OpenDocument">();
inline constexpr auto kUnhandledException = EventNamed<kTable, "UnhandledException">();
} // namespace ApplicationEvent

// A menu handler's entry point in the uniform convention: the application object in,
// true out when the handler dealt with the choice.
using MenuHandler = bool (*)(Object* application);

class Application : public Object {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Application";

    Application();
    ~Application() override;

    // Raises an event of signature "%%"; true when the application object's class
    // implements it, so that its hook ran.
    bool raiseEvent(Event<Application> event);

    void AddMenuHandler(String* itemName, MenuHandler handler); // "_AddMenuHandler"
    MenuHandler menuHandler(std::string_view itemName) const; // nullptr when none

    void AddTrayItem(ObjectOf<TrayItem> item);
    void RemoveTrayItem(ObjectOf<TrayItem> item);
    void DoEvents(std::int32_t milliseconds);
    void DoSingleEvent();
    void NewDocument();
    void OpenDocument(FolderItem* item);
    void SleepCurrentThread(std::int32_t milliseconds);
    void YieldToNextThread();
    void AddPollableObject(Object* object);
    void RemovePollableObject(Object* object);
    Ref<Object> DependencyList() const; // none

    Ref<MenuBar> menuBar() const;
    void setMenuBar(Ref<MenuBar> bar);
    // The project's version text; the major, minor and bug numbers are read from it.
    std::string_view shortVersion() const;
    void setShortVersion(std::string_view text);
    std::string_view longVersion() const;
    void setLongVersion(std::string_view text);
    std::int32_t majorVersion() const;
    void setMajorVersion(std::int32_t value);
    std::int32_t minorVersion() const;
    void setMinorVersion(std::int32_t value);
    std::int32_t bugVersion() const;
    void setBugVersion(std::int32_t value);
    // 0 development, 1 alpha, 2 beta, 3 final.
    std::int32_t stageCode() const;
    void setStageCode(std::int32_t value);
    std::int32_t nonReleaseVersion() const;
    void setNonReleaseVersion(std::int32_t value);
    std::int32_t buildNumber() const;
    void setBuildNumber(std::int32_t value);
    bool allowAutoQuit() const;
    void setAllowAutoQuit(bool value);
    std::string_view copyright() const;
    void setCopyright(std::string_view text);
    std::string_view identifier() const;
    void setIdentifier(std::string_view text);
    std::string_view name() const;
    void setName(std::string_view text);
    // Milliseconds between two polls of the pollable objects.
    std::int32_t idleInterval() const;
    void setIdleInterval(std::int32_t milliseconds);
    bool active() const;
    bool cursorVisible() const;
    void setCursorVisible(bool value);
    bool debugBuild() const;
    std::string_view executableName() const;

private:
    Ref<MenuBar> menuBar_;
    std::map<std::string, MenuHandler, std::less<>> handlers_;
    std::vector<Ref<Object>> trayItems_;
    std::vector<Ref<Object>> pollables_;
    std::string shortVersion_;
    std::string longVersion_;
    std::string copyright_;
    std::string identifier_;
    std::string name_;
    std::string executableName_;
    std::int32_t majorVersion_ = 0;
    std::int32_t minorVersion_ = 0;
    std::int32_t bugVersion_ = 0;
    std::int32_t stageCode_ = 3;
    std::int32_t nonReleaseVersion_ = 0;
    std::int32_t buildNumber_ = 0;
    std::int32_t idleInterval_ = 0;
    bool allowAutoQuit_ = false;
    bool cursorVisible_ = true;
};

// The framework holds the application object from now on (nil lets the old one go).
void RuntimeRegisterAppObject(Application* application);
// The registered application object, one reference for the caller; nil before registration.
Ref<Application> getAppObject();

// Offers a menu choice to the registered application: calls the handler registered under
// the entry's Name on the application object and returns true; a QuitMenuItem without a
// handler runs the quit hook and returns true; false otherwise. The handler's own Boolean
// result is stored in `*handlerResult` when given.
bool DispatchMenuChoice(MenuItem* item, bool* handlerResult = nullptr);

// Replaceable hooks of the user-interface layer; each setter returns the hook it replaces.
// The quit hook ends the application's event loop; headless it does nothing.
std::function<void()> SetQuitHook(std::function<void()> hook);
// The event pump runs pending events for at most the given milliseconds (0: those that are
// waiting); headless there are none.
std::function<void(std::int32_t)> SetEventPump(std::function<void(std::int32_t)> pump);

} // namespace fw
