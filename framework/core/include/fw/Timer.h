// A timer: raises its Action event once its Period has passed (Mode 1, after
// which it is off), or every Period (Mode 2), while it is Enabled; Mode 0 is off.
//
// The timer keeps its settings and tells its peer when they change; the peer
// (the user-interface layer's clock) calls `fire` on the main thread each time a
// period has passed. Headless nothing fires by itself. A window holds a timer
// like a control, so the timer keeps the handlers bound to its events. Besides
// its own Action, each firing tells the receivers registered through the
// actionSource interface (they implement actionNotificationReceiver); the timer
// does not keep them alive.
#pragma once

#include <fw/ClassRecord.h>
#include <fw/EventTable.h>
#include <fw/Events.h>
#include <fw/Interfaces.h>
#include <fw/ObjectOf.h>
#include <fw/Peer.h>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace fw {

enum class TimerMode : std::int32_t {
    Off = 0,
    Single = 1, // fires once when the period has passed, then is off
    Multiple = 2, // fires every period
};

class Timer;

namespace TimerEvent {
inline constexpr auto kTable = EventsOf<Timer>(kObjectEvents,
    {
        { "Action", "%%" },
    });
inline constexpr auto kAction = EventNamed<kTable, "Action">();
} // namespace TimerEvent

class Timer : public Object {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Timer";

    Timer() noexcept;
    ~Timer() override;

    // Raises NilObjectException for nil.
    void addActionNotificationReceiver(ObjectOf<ActionNotificationReceiver> receiver);
    void removeActionNotificationReceiver(ObjectOf<ActionNotificationReceiver> receiver);
    // Starts the period anew.
    void Reset();
    // Raises Action and tells the receivers, whatever the mode.
    void CallAction(); // "_CallAction"

    // From the peer: a period has passed. Does nothing unless the timer runs.
    void fire();
    bool running() const noexcept { return mode_ != TimerMode::Off && enabled_; }

    // Raises RuntimeException for a mode other than 0, 1 and 2.
    std::int32_t mode() const;
    void setMode(std::int32_t mode);
    // Milliseconds; raises RuntimeException for a negative period.
    std::int32_t period() const;
    void setPeriod(std::int32_t milliseconds);
    bool enabled() const;
    void setEnabled(bool value);
    // Milliseconds by which a firing may come late, to spare the system wake-ups.
    std::int32_t tolerance() const;
    void setTolerance(std::int32_t milliseconds);

    EventHandlers* eventHandlers() noexcept override { return &handlers_; }
    Peer* peer() const noexcept { return peer_.get(); }
    // Makes the timer's peer with the installed factory, unless it has one.
    void attachPeer();

private:
    TimerMode mode_ = TimerMode::Off;
    std::int32_t period_ = 1000;
    std::int32_t tolerance_ = 0;
    bool enabled_ = true;
    std::vector<WeakRef> receivers_;
    EventHandlers handlers_;
    PeerLink peer_;
};

} // namespace fw
