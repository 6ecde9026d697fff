#include "calculators/EventBinding.h"

#include <fw/Abi.h>
#include <fw/Exceptions.h>

namespace calculators {

template <std::int32_t Index>
void EventThunkFor(fw::Object* control)
{
    fw::Delegate* delegate = fw::HandlerDelegate(control, Index);
    if (!delegate)
        fw::RaiseNilObjectException();
    reinterpret_cast<ControlInvokeFunction>(delegate->invokeFunction())(delegate, control);
}

template <class Control>
void InvokeDelegateOf(fw::Delegate* delegate, fw::Object* control)
{
    fw::Object* window = delegate->boundObject();
    if (!window)
        fw::RaiseNilObjectException();
    fw::Ref<fw::Object> sender = fw::RuntimeCheckCast(control, Control::Class());
    fw::EntryAs<void (*)(fw::Object*, fw::Object*)>(delegate->target())(window, sender.get());
}

template void EventThunkFor<EventIndex::kOpen>(fw::Object*);
template void EventThunkFor<EventIndex::kChange>(fw::Object*);
template void EventThunkFor<EventIndex::kValueChanged>(fw::Object*);
template void EventThunkFor<EventIndex::kTextChange>(fw::Object*);
template void EventThunkFor<EventIndex::kAction>(fw::Object*);

template void InvokeDelegateOf<fw::GroupBox>(fw::Delegate*, fw::Object*);
template void InvokeDelegateOf<fw::TextField>(fw::Delegate*, fw::Object*);
template void InvokeDelegateOf<fw::PopupMenu>(fw::Delegate*, fw::Object*);
template void InvokeDelegateOf<fw::Slider>(fw::Delegate*, fw::Object*);
template void InvokeDelegateOf<fw::Label>(fw::Delegate*, fw::Object*);
template void InvokeDelegateOf<fw::Timer>(fw::Delegate*, fw::Object*);

} // namespace calculators
