#include <fw/Events.h>
#include <fw/Exceptions.h>
#include <fw/Thread.h>

#include <string>

namespace fw {

namespace {

// The record of event `index` of the class; nil for a class that lacks it, or none.
const EventRecord* eventRecord(const ClassRecord* cls, std::int32_t index) noexcept
{
    if (!cls || index < 0 || static_cast<std::size_t>(index) >= cls->events.size())
        return nullptr;
    return &cls->events[static_cast<std::size_t>(index)];
}

[[noreturn]] void raiseNoEvent(std::string_view className, std::int32_t index)
{
    Raise<RuntimeException>("class " + std::string(className) + " has no event " + std::to_string(index));
}

} // namespace

void EventHandlers::bind(std::int32_t index, EventThunk thunk, Ref<Delegate> delegate)
{
    assert(index >= 0);
    auto slot = static_cast<std::size_t>(index);
    if (slot >= records_.size())
        records_.resize(slot + 1);
    records_[slot] = Record { thunk, std::move(delegate) };
}

const EventHandlers::Record* EventHandlers::find(std::int32_t index) const noexcept
{
    if (index < 0 || static_cast<std::size_t>(index) >= records_.size())
        return nullptr;
    auto& record = records_[static_cast<std::size_t>(index)];
    return record.thunk ? &record : nullptr;
}

void EventHandlers::clear() noexcept
{
    // Dropping a delegate may release objects whose destruction reaches back here.
    auto records = std::move(records_);
    records_.clear();
}

void RuntimeAddEventHandler(Object* control, std::int32_t index, EventThunk thunk, Delegate* delegate)
{
    RequireUIThread();
    if (!control || !delegate)
        RaiseNilObjectException();
    auto* handlers = control->eventHandlers();
    auto* cls = control->classRecord();
    std::string className = cls ? std::string(cls->registeredName) : std::string("an unregistered class");
    if (!handlers)
        Raise<RuntimeException>("an object of " + className + " raises no events to bind a handler to");
    if (!eventRecord(cls, index))
        raiseNoEvent(className, index);
    if (!thunk)
        Raise<RuntimeException>(
            "the handler of event " + std::to_string(index) + " of " + className + " has no event thunk");
    handlers->bind(index, thunk, Ref<Delegate>::retain(delegate));
}

Delegate* HandlerDelegate(Object* control, std::int32_t index)
{
    if (!control)
        RaiseNilObjectException();
    auto* handlers = control->eventHandlers();
    auto* record = handlers ? handlers->find(index) : nullptr;
    return record ? record->delegate.get() : nullptr;
}

const EventRecord& RaisedEvent(const Object& object, std::int32_t index, std::string_view signature)
{
    const ClassRecord* cls = object.classRecord();
    if (!cls)
        Raise<RuntimeException>("an object that no class record describes raises no events");
    const EventRecord* event = eventRecord(cls, index);
    if (!event)
        raiseNoEvent(cls->registeredName, index);
    if (!SignatureFits(event->signature, signature))
        Raise<RuntimeException>("event " + std::string(event->name) + " of class " + std::string(cls->registeredName)
            + " has the signature " + std::string(event->signature) + ", not " + std::string(signature));
    return *event;
}

bool ImplementsEvent(const Object& object, std::int32_t index) noexcept
{
    const EventRecord* event = eventRecord(object.classRecord(), index);
    return event && event->hook;
}

} // namespace fw
