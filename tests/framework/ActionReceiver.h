// A receiver class implementing actionNotificationReceiver, registered by hand:
// its PerformAction counts the calls and remembers the receiver told last.
#pragma once

#include <fw/ClassRecord.h>
#include <fw/FrameworkClasses.h>
#include <fw/Interfaces.h>
#include <fw/Timer.h>

namespace test_receiver {

inline int performed = 0;
inline fw::Object* lastTold = nullptr;

inline void PerformAction(fw::Object* self)
{
    ++performed;
    lastTold = self;
}

inline fw::ClassRecord* ReceiverClass()
{
    static fw::ClassRecord* cls = [] {
        auto* record = fw::RuntimeNewClass(fw::ObjectClass(), 0, 1, 0, 0, 0, 0);
        record->registeredName = "TestReceiver";
        record->construct = [] { return static_cast<fw::Object*>(new fw::Timer); }; // any native object will do
        record->nativeSize = record->instanceSize = 64;
        static fw::MethodEntry table[] = { reinterpret_cast<fw::MethodEntry>(&PerformAction) };
        record->interfaces[0] = fw::InterfaceEntry { fw::ActionNotificationReceiverInterface(), 1, table };
        return record;
    }();
    return cls;
}

} // namespace test_receiver
