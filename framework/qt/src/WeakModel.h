// How a widget, or a connection to one of its signals, reaches its model: a
// weak reference that yields a counted one of the model's own class while the
// model lives, and nil once it has gone, or the model's peer while both are
// there. A widget may outlive its model, and its peer, until Qt deletes it, and a
// model may close from inside one of its widget's events.
#pragma once

#include <fw/Object.h>
#include <fw/Ref.h>

namespace fw::qt {

template <class Model> class WeakModel {
public:
    explicit WeakModel(Model* model)
        : ref_(model)
    {
    }

    Ref<Model> get() const { return Ref<Model>::retain(static_cast<Model*>(ref_.get())); }
    // The model's peer of class P (whose `of` finds a model's peer), nullptr once either has gone.
    template <class P> P* peer() const noexcept { return dynamic_cast<P*>(P::of(ref_.get())); }

private:
    WeakRef ref_;
};

} // namespace fw::qt
