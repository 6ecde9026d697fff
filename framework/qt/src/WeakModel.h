// How a widget, or a connection to one of its signals, reaches its model: a
// weak reference that yields a counted one of the model's own class while the
// model lives, and nil once it has gone. A widget may outlive its model until Qt
// deletes it, and a model may close from inside one of its widget's events.
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

private:
    WeakRef ref_;
};

} // namespace fw::qt
