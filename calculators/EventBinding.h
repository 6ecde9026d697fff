// How a control's event reaches a window's handler.
//
// A window binds each handler with a delegate: the invoke function of the
// handler's parameter class, the handler as the window's method table holds it,
// and the window (bound weakly). When the event fires, the framework calls the
// event's thunk with the control; the thunk reads the delegate back from the
// control's record for that event and calls its invoke function, which calls the
// handler with the window as receiver and the control as its argument, or raises
// NilObjectException when the window is gone. Nothing here keeps any state.
#pragma once

#include <fw/Abi.h>
#include <fw/Delegate.h>
#include <fw/Events.h>
#include <fw/Exceptions.h>
#include <fw/GroupBox.h>
#include <fw/Label.h>
#include <fw/PopupMenu.h>
#include <fw/Slider.h>
#include <fw/TextField.h>
#include <fw/Timer.h>

#include <cstdint>
#include <string_view>

namespace calculators {

namespace EventIndex {
inline constexpr std::int32_t kOpen = 2;
inline constexpr std::int32_t kChange = 15; // a popup menu's row
inline constexpr std::int32_t kValueChanged = 20; // a slider's value
inline constexpr std::int32_t kTextChange = 21; // a text field's text
inline constexpr std::int32_t kAction = 0; // a timer's
} // namespace EventIndex

// The real type of a control event delegate's invoke function.
using ControlInvokeFunction = void (*)(fw::Delegate* delegate, fw::Object* control);

template <std::int32_t Index> void EventThunkFor(fw::Object* control)
{
    fw::Delegate* delegate = fw::HandlerDelegate(control, Index);
    if (!delegate)
        fw::RaiseNilObjectException();
    reinterpret_cast<ControlInvokeFunction>(delegate->invokeFunction())(delegate, control);
}

inline constexpr fw::EventThunk OpenEventThunk = &EventThunkFor<EventIndex::kOpen>;
inline constexpr fw::EventThunk ChangeEventThunk = &EventThunkFor<EventIndex::kChange>;
inline constexpr fw::EventThunk ValueChangedEventThunk = &EventThunkFor<EventIndex::kValueChanged>;
inline constexpr fw::EventThunk TextChangeEventThunk = &EventThunkFor<EventIndex::kTextChange>;
inline constexpr fw::EventThunk ActionEventThunk = &EventThunkFor<EventIndex::kAction>;

// The invoke function of handlers taking a control of class `Control`.
template <class Control> void InvokeDelegateOf(fw::Delegate* delegate, fw::Object* control)
{
    fw::Object* window = delegate->boundObject();
    if (!window)
        fw::RaiseNilObjectException();
    fw::Ref<fw::Object> sender = fw::RuntimeCheckCast(control, Control::Class());
    fw::EntryAs<void (*)(fw::Object*, fw::Object*)>(delegate->target())(window, sender.get());
}

inline constexpr ControlInvokeFunction InvokeGroupBoxDelegate = &InvokeDelegateOf<fw::GroupBox>;
inline constexpr ControlInvokeFunction InvokeTextFieldDelegate = &InvokeDelegateOf<fw::TextField>;
inline constexpr ControlInvokeFunction InvokePopupMenuDelegate = &InvokeDelegateOf<fw::PopupMenu>;
inline constexpr ControlInvokeFunction InvokeSliderDelegate = &InvokeDelegateOf<fw::Slider>;
inline constexpr ControlInvokeFunction InvokeLabelDelegate = &InvokeDelegateOf<fw::Label>;
inline constexpr ControlInvokeFunction InvokeTimerDelegate = &InvokeDelegateOf<fw::Timer>;

// The signature text of a handler taking a control of that class: "( TextField )".
template <class Control> inline constexpr std::string_view kHandlerSignature = {};
template <> inline constexpr std::string_view kHandlerSignature<fw::GroupBox> = "( GroupBox )";
template <> inline constexpr std::string_view kHandlerSignature<fw::TextField> = "( TextField )";
template <> inline constexpr std::string_view kHandlerSignature<fw::PopupMenu> = "( PopupMenu )";
template <> inline constexpr std::string_view kHandlerSignature<fw::Slider> = "( Slider )";
template <> inline constexpr std::string_view kHandlerSignature<fw::Label> = "( Label )";
template <> inline constexpr std::string_view kHandlerSignature<fw::Timer> = "( Timer )";

// Binds a handler of the window to an event of one of its controls.
template <class Control>
void BindHandler(
    fw::Object* window, fw::Object* control, std::int32_t event, fw::EventThunk thunk, fw::MethodEntry handler)
{
    fw::Ref<fw::Delegate> delegate
        = fw::RuntimeCreateDelegate(reinterpret_cast<fw::InvokeFunction>(&InvokeDelegateOf<Control>), handler, window,
            kHandlerSignature<Control>, fw::kDelegateBindsWeakly);
    fw::RuntimeAddEventHandler(control, event, thunk, delegate.get());
}

} // namespace calculators
