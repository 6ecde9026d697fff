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
//
// The signature text follows from the C++ type of what the delegate calls,
// without the bound object (`kDelegateSignature`): its parameters between "( "
// and " )", separated by ", ", then " as " and the result unless it returns
// nothing. An object is named by its class, a Boolean "Boolean", any other
// pointer "Ptr": "( TextField )", "(  ) as Boolean", "( Ptr, Ptr ) as Object".
#pragma once

#include <fw/ClassRecord.h>
#include <fw/Convention.h>
#include <fw/String.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

namespace detail {

inline constexpr std::string_view kDelegateOpen = "( ";
inline constexpr std::string_view kDelegateClose = " )";
inline constexpr std::string_view kDelegateSeparator = ", ";
inline constexpr std::string_view kDelegateResultMark = " as ";
inline constexpr std::string_view kNothing = "";
inline constexpr std::string_view kBooleanName = "Boolean";
inline constexpr std::string_view kPointerName = "Ptr";

// How a delegate's signature text names a type.
template <class T> struct DelegateName;
template <> struct DelegateName<bool> {
    static constexpr const std::string_view& text = kBooleanName;
};
template <NativeObject T> struct DelegateName<T*> {
    static constexpr const std::string_view& text = ClassNameOf<T>();
};
template <class T> struct DelegateName<T*> {
    static constexpr const std::string_view& text = kPointerName;
};

template <class... Args> struct DelegateParameters {
    static constexpr const std::string_view& text = kNothing;
};
template <class A> struct DelegateParameters<A> {
    static constexpr const std::string_view& text = DelegateName<A>::text;
};
template <class A, class B, class... Rest> struct DelegateParameters<A, B, Rest...> {
    static constexpr const std::string_view& text
        = kJoined<DelegateName<A>::text, kDelegateSeparator, DelegateParameters<B, Rest...>::text>;
};

template <class R> struct DelegateResult {
    static constexpr const std::string_view& text = kJoined<kDelegateResultMark, DelegateName<R>::text>;
};
template <> struct DelegateResult<void> {
    static constexpr const std::string_view& text = kNothing;
};

template <class F> struct DelegateText;
template <class R, class... Args> struct DelegateText<R(Args...)> {
    static constexpr const std::string_view& text
        = kJoined<kDelegateOpen, DelegateParameters<Args...>::text, kDelegateClose, DelegateResult<R>::text>;
};

} // namespace detail

// The signature text of a delegate that calls a function of type F: `kDelegateSignature<bool()>`
// is "(  ) as Boolean".
template <class F> inline constexpr const std::string_view& kDelegateSignature = detail::DelegateText<F>::text;

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
