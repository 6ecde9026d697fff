// Events of the framework's objects and the handlers bound to them.
//
// An event is known by its index in the class's event records, where a class's
// own events follow those it inherits. Its constant is an `Event<Class>`, typed by
// the class that declares it, so that a binding can tell whether the event is one
// of its object's class; it is found by name
// in the class's event table (EventTable.h), never numbered by hand. A class may
// implement an event itself: its event hook, word 4 of the event record, an entry
// point in the uniform convention of the event's signature ("%%" is
// `void(Object*)`, "%b%i4i4" `bool(Object*, std::int32_t, std::int32_t)`).
// Besides, each object that raises events keeps one record per event index of
// its own, in `EventHandlers`, holding the event thunk and the delegate that
// `RuntimeAddEventHandler` bound; the thunk, called with the object, reads the
// delegate back with `HandlerDelegate` and calls it.
//
// `RaiseEvent` is how the framework fires an event: the class's own hook first;
// only a class without one reaches the bound handler. An index the object's class
// lacks, or a signature other than the event's, raises RuntimeException before
// anything runs, in every build. Exceptions pass on to whoever raised the event.
// It holds a reference to the object throughout, so a handler may close the window
// that owns the object.
//
// A keystroke's road, from Qt to a window's result fields, and why each hop is there:
// - QLineEdit::textEdited: Qt reports the user's edits only, never a setText, so a
//   program's write never comes back as the user's.
// - TextFieldPeer's connection (framework/qt) finds the peer through a WeakObject
//   of its object, since the widget may outlive both; TextEditPeer::edited marks the
//   field as being edited, so that its own text shows only once the handlers are done.
// - ControlPeer::reportUserChange holds the object: a handler may close its window.
// - GuardQtCall (fw/qt/Run.h): no exception unwinds through Qt's event loop; one
//   that nobody caught is reported there and the program goes on.
// - TextEdit::userEdited keeps the text to LimitText and stores it; only a real
//   change goes on, to RaiseEvent(TextChange).
// - RaiseEvent: the class's own hook first (a text field has none), else the thunk
//   of the record that RuntimeAddEventHandler bound.
// - The thunk and the delegate's invoke function are the program's
//   (calculators/EventBinding.h): the thunk reads the delegate back; the invoke
//   function finds the weakly bound window (nil: NilObjectException), checks the
//   control's class and calls the handler's entry point.
// - The entry point (EntryOf, fw/Abi.h) holds the window and converts the
//   arguments to the handler's C++ types: W_BRIX::TF_OB_TextChange computes.
// - The handler writes each result with TextEdit::setText, which stores it,
//   notifies the peer (Aspect::Text: the text alone) and raises that field's own
//   TextChange (a handler bound there runs nested, and ends once it writes the text
//   the field already has).
// - PeerLink::notify -> ControlPeer::update -> TextFieldPeer::show puts the result in
//   the line edit with its start in view.
// - Back in TextEditPeer::edited, the edited field shows what the handlers left of
//   its text, the caret kept where it stood beside the decimal point
//   (CaretAnchoredToPoint).
#pragma once

#include <fw/Abi.h>
#include <fw/ClassRecord.h>
#include <fw/Delegate.h>

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

namespace fw {

using EventThunk = void (*)(Object* control);

// An event that `Class` declares. A subclass's own events follow its superclass's,
// so the index is the same in the records of `Class` and of every subclass; the
// constant reads as that index wherever an index is wanted.
template <class Class> struct Event {
    std::int32_t index;
    constexpr operator std::int32_t() const noexcept { return index; }
};

class EventHandlers {
public:
    struct Record {
        EventThunk thunk = nullptr;
        Ref<Delegate> delegate;
    };

    // Binds the event; a later binding of the same index replaces the earlier one.
    void bind(std::int32_t index, EventThunk thunk, Ref<Delegate> delegate);
    // The record of an index, or nullptr when nothing is bound to it.
    const Record* find(std::int32_t index) const noexcept;
    void clear() noexcept;

private:
    std::vector<Record> records_;
};

// The control keeps the delegate. Raises NilObjectException for a nil control or
// delegate, RuntimeException for an object that raises no events or an index its
// class lacks.
void RuntimeAddEventHandler(Object* control, std::int32_t index, EventThunk thunk, Delegate* delegate);

// The delegate bound to that event of the control, borrowed; nil when none is.
Delegate* HandlerDelegate(Object* control, std::int32_t index);

// Whether the object's class implements event `index` itself, with a hook that RaiseEvent runs.
bool ImplementsEvent(const Object& object, std::int32_t index) noexcept;

// The record of event `index` of the object's class. Raises RuntimeException, naming the
// class, for an object that no class record describes, an index its class lacks, or an
// event whose signature is not the one the caller raises it with.
const EventRecord& RaisedEvent(const Object& object, std::int32_t index, std::string_view signature);

// Fires event `index` of the object; gives the hook's result, or the default
// value when a bound handler (which returns nothing) or nobody handled it.
template <class R = void, class... Args> R RaiseEvent(Object& object, std::int32_t index, Args... args)
{
    Ref<Object> hold = Ref<Object>::retain(&object);
    const EventRecord& event = RaisedEvent(object, index, kSignature<R(Args...)>);
    if (event.hook)
        return EntryAs<R (*)(Object*, Args...)>(event.hook)(&object, args...);
    if (auto* handlers = object.eventHandlers())
        if (auto* record = handlers->find(index))
            record->thunk(&object);
    if constexpr (!std::is_void_v<R>)
        return R {};
}

} // namespace fw
