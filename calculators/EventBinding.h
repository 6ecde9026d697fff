// How a control's event reaches a window's handler.
//
// A window binds each handler with a delegate: the invoke function of the
// handler's parameter class, the handler as the window's method table holds it,
// the window (bound weakly), and the signature text of that parameter class.
// When the event fires, the framework calls the event's thunk with the control;
// the thunk reads the delegate back from the control's record for that event and
// calls its invoke function, which calls the handler with the window as receiver
// and the control as its argument, or raises NilObjectException when the window
// is gone. Nothing here keeps any state.
#pragma once

#include <fw/Abi.h>
#include <fw/Delegate.h>
#include <fw/Events.h>
#include <fw/Exceptions.h>

#include <cstdint>

namespace calculators {

// The real type of a control event delegate's invoke function.
using ControlInvokeFunction = void (*)(fw::Delegate* delegate, fw::Object* control);

// The thunk of the event with index `Index`, whatever the control's class.
template <std::int32_t Index> void EventThunkFor(fw::Object* control)
{
    fw::Delegate* delegate = fw::HandlerDelegate(control, Index);
    if (!delegate)
        fw::RaiseNilObjectException();
    reinterpret_cast<ControlInvokeFunction>(delegate->invokeFunction())(delegate, control);
}

// The invoke function of handlers taking a control of class `Control`.
template <class Control> void InvokeDelegateOf(fw::Delegate* delegate, fw::Object* control)
{
    fw::Object* window = delegate->boundObject();
    if (!window)
        fw::RaiseNilObjectException();
    fw::Ref<fw::Object> sender = fw::RuntimeCheckCast(control, Control::Class());
    fw::EntryAs<void (*)(fw::Object*, fw::Object*)>(delegate->target())(window, sender.get());
}

// Binds a handler of the window, taking a `Control`, to event `Index` of one of its controls.
template <class Control, std::int32_t Index>
void BindHandler(fw::Object* window, fw::Object* control, fw::MethodEntry handler)
{
    fw::Ref<fw::Delegate> delegate
        = fw::RuntimeCreateDelegate(reinterpret_cast<fw::InvokeFunction>(&InvokeDelegateOf<Control>), handler, window,
            fw::kDelegateSignature<void(Control*)>, fw::kDelegateBindsWeakly);
    fw::RuntimeAddEventHandler(control, Index, &EventThunkFor<Index>, delegate.get());
}

} // namespace calculators
