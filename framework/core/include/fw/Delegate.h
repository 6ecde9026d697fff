// Delegates: a method bound to an object, as the program hands them to the
// framework for its event handlers and menu handlers.
//
// A delegate keeps, in this order, the invoke function that knows how to call its
// target, the target method (an entry point in the uniform convention), and the
// bound object, plus the signature text of the target's parameters and the flag
// it was made with. Flag 1 binds weakly: the delegate does not keep its object
// alive, so a window that holds a control that holds a delegate bound to the
// window is no cycle; once the object is gone the bound object reads nil, and the
// invoke function raises NilObjectException instead of calling the target.
// Flag 0 keeps a reference to the object.
//
// The invoke function and the event thunks that call it are the program's: the
// framework only stores them. Their real type follows from the signature (for a
// control event handler `void (*)(Delegate*, Object* control)`).
#pragma once

#include <fw/ClassRecord.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// Type-erased like a method entry; see above for its real type.
using InvokeFunction = void (*)();

inline constexpr std::int32_t kDelegateKeepsObject = 0;
inline constexpr std::int32_t kDelegateBindsWeakly = 1;

class Delegate : public Object {
public:
    static ClassRecord* Class();
    static constexpr std::string_view kClassName = "Delegate";

    InvokeFunction invokeFunction() const noexcept { return invoke_; }
    MethodEntry target() const noexcept { return target_; }
    // The bound object, borrowed; nil when none was bound or a weakly bound one is gone.
    Object* boundObject() const noexcept { return flag_ == kDelegateBindsWeakly ? weak_.get() : strong_.get(); }
    std::string_view signature() const noexcept { return signature_; }
    std::int32_t flag() const noexcept { return flag_; }

private:
    friend Ref<Delegate> RuntimeCreateDelegate(InvokeFunction, MethodEntry, Object*, std::string_view, std::int32_t);

    InvokeFunction invoke_ = nullptr;
    MethodEntry target_ = nullptr;
    Ref<Object> strong_;
    WeakRef weak_;
    std::string signature_;
    std::int32_t flag_ = kDelegateKeepsObject;
};

// A new delegate with one reference for the caller. Any flag other than 1 keeps the object.
Ref<Delegate> RuntimeCreateDelegate(
    InvokeFunction invoke, MethodEntry target, Object* bound, std::string_view signature, std::int32_t flag);

} // namespace fw
