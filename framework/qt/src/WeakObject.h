// How a widget, or a connection to one of its signals, reaches its object: a
// weak reference that yields a counted one of the object's own class while the
// object lives, and nil once it has gone, or the object's peer while both are
// there. A widget may outlive its object, and its peer, until Qt deletes it, and an
// object may close from inside one of its widget's events.
#pragma once

#include <fw/Object.h>
#include <fw/Ref.h>

namespace fw::qt {

template <class ObjectType> class WeakObject {
public:
    explicit WeakObject(ObjectType* object)
        : ref_(object)
    {
    }

    Ref<ObjectType> get() const { return Ref<ObjectType>::retain(static_cast<ObjectType*>(ref_.get())); }
    // The object's peer of class P (whose `of` finds an object's peer), nullptr once either has gone.
    template <class P> P* peer() const noexcept { return dynamic_cast<P*>(P::of(ref_.get())); }

private:
    WeakRef ref_;
};

} // namespace fw::qt
