#include "NativeClass.h"

#include <fw/Exceptions.h>
#include <fw/FrameworkClasses.h>
#include <fw/Interfaces.h>
#include <fw/PropertyTables.h>
#include <fw/Thread.h>
#include <fw/Timer.h>

#include <algorithm>
#include <string>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kTimerSize = 64;
} // namespace

Timer::Timer() noexcept = default;
Timer::~Timer() = default;

void Timer::attachPeer()
{
    RequireUIThread();
    peer_.attach(*this);
}

void Timer::addActionNotificationReceiver(ObjectOf<ActionNotificationReceiver> receiver)
{
    RequireUIThread();
    if (!receiver.get())
        RaiseNilObjectException();
    removeActionNotificationReceiver(receiver);
    receivers_.emplace_back(receiver.get());
}

void Timer::removeActionNotificationReceiver(ObjectOf<ActionNotificationReceiver> receiver)
{
    RequireUIThread();
    std::erase_if(receivers_, [receiver](const WeakRef& held) { return !held.get() || held.get() == receiver.get(); });
}

void Timer::Reset()
{
    RequireUIThread();
    peer_.notify(Aspect::Timer);
}

void Timer::CallAction()
{
    RequireUIThread();
    Ref<Timer> hold = Ref<Timer>::retain(this); // the action may close the window that holds the timer
    RaiseEvent(*this, TimerEvent::kAction);
    auto receivers = receivers_; // a receiver may register or remove receivers
    for (auto& weak : receivers) {
        Ref<Object> receiver = Ref<Object>::retain(weak.get());
        if (!receiver)
            continue;
        auto* entry = FindInterfaceEntry(receiver.get(), ActionNotificationReceiverInterface());
        auto perform = entry ? entry->methodTable[ActionNotificationReceiverSlot::kPerformAction] : nullptr;
        if (perform)
            EntryAs<void (*)(Object*)>(perform)(receiver.get());
    }
}

void Timer::fire()
{
    RequireUIThread();
    if (!running())
        return; // a tick that arrives after the timer stopped
    Ref<Timer> hold = Ref<Timer>::retain(this);
    if (mode_ == TimerMode::Single) {
        mode_ = TimerMode::Off;
        peer_.notify(Aspect::Timer);
    }
    CallAction();
}

std::int32_t Timer::mode() const { return static_cast<std::int32_t>(mode_); }

void Timer::setMode(std::int32_t mode)
{
    RequireUIThread();
    if (mode < static_cast<std::int32_t>(TimerMode::Off) || mode > static_cast<std::int32_t>(TimerMode::Multiple))
        Raise<RuntimeException>("Timer.Mode " + std::to_string(mode) + " is none of 0 (off), 1 (once), 2 (repeating)");
    peer_.change(mode_, static_cast<TimerMode>(mode), Aspect::Timer);
}

std::int32_t Timer::period() const { return period_; }

void Timer::setPeriod(std::int32_t milliseconds)
{
    RequireUIThread();
    if (milliseconds < 0)
        Raise<RuntimeException>("Timer.Period " + std::to_string(milliseconds) + " is negative");
    peer_.change(period_, milliseconds, Aspect::Timer);
}

bool Timer::enabled() const { return enabled_; }

void Timer::setEnabled(bool value) { peer_.change(enabled_, value, Aspect::Timer); }

std::int32_t Timer::tolerance() const { return tolerance_; }

void Timer::setTolerance(std::int32_t milliseconds)
{
    RequireUIThread();
    if (milliseconds < 0)
        Raise<RuntimeException>("Timer.Tolerance " + std::to_string(milliseconds) + " is negative");
    peer_.change(tolerance_, milliseconds, Aspect::Timer);
}

ClassRecord* Timer::Class()
{
    using T = Timer;
    static constexpr NativeMethod methods[] = {
        Routine<&T::addActionNotificationReceiver>("addActionNotificationReceiver"),
        Routine<&T::removeActionNotificationReceiver>("removeActionNotificationReceiver"),
        Routine<&T::Reset>("Reset"),
        Routine<&T::CallAction>("_CallAction"),
    };
    static constexpr NativeInterface interfaces[] = { Implements<ActionSource, methods>() };
    static ClassRecord* cls = RegisterNativeClass<Timer>({ .superclass = &ObjectClass,
        .methods = methods,
        .events = TimerEvent::kTable,
        .properties = TimerProperty::kTable,
        .instanceSize = kTimerSize,
        .interfaces = interfaces });
    return cls;
}

} // namespace fw
