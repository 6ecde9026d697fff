// Event binding as the program does it: an event thunk per event reads the
// control's delegate back and calls its invoke function, which calls the target
// method on the bound object with the control, or raises NilObjectException when
// the bound object is gone.
#pragma once

#include <fw/Abi.h>
#include <fw/Delegate.h>
#include <fw/Events.h>
#include <fw/Exceptions.h>

#include <cstdint>

namespace test_binding {

using Handler = void (*)(fw::Object* bound, fw::Object* control);

inline void InvokeControlDelegate(fw::Delegate* delegate, fw::Object* control)
{
    fw::Object* bound = delegate->boundObject();
    if (!bound)
        fw::RaiseNilObjectException();
    fw::EntryAs<Handler>(delegate->target())(bound, control);
}

template <std::int32_t Index> void EventThunk(fw::Object* control)
{
    fw::Delegate* delegate = fw::HandlerDelegate(control, Index);
    fw::EntryAs<void (*)(fw::Delegate*, fw::Object*)>(delegate->invokeFunction())(delegate, control);
}

template <std::int32_t Index>
void Bind(fw::Object* control, Handler handler, fw::Object* bound, std::int32_t flag = fw::kDelegateBindsWeakly)
{
    auto delegate = fw::RuntimeCreateDelegate(reinterpret_cast<fw::InvokeFunction>(&InvokeControlDelegate),
        reinterpret_cast<fw::MethodEntry>(handler), bound, "( Control )", flag);
    fw::RuntimeAddEventHandler(control, Index, &EventThunk<Index>, delegate.get());
}

} // namespace test_binding
