// How methods are called through their type-erased entry points.
//
// Every entry point is a plain function whose first parameter is the receiver
// as `Object*`; its signature text ("%b%i4i4": the result's type code between
// two "%", then the parameters' codes) says the rest, and Convention.h says how
// each C++ type crosses. A typed method is a member function of a native class
// (`&Window::Show`) or a function whose first parameter is the receiver
// (`void F(Window& self, TextField* sender)`). From its C++ types follow its
// signature text (`kSignature`), its entry point (`EntryOf`: raises
// NilObjectException for a nil receiver, holds the receiver for the whole call,
// and converts through the convention) and its invoker (`InvokerOf`: one per
// signature, shared by every method of those types).
#pragma once

#include <fw/ClassRecord.h>
#include <fw/Convention.h>
#include <fw/Exceptions.h>
#include <fw/Variant.h>

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw {

namespace detail {
inline constexpr std::string_view kSignatureMark = "%";
} // namespace detail

// The signature text of these type codes: "%", the result's code, "%", the parameters' codes.
template <const std::string_view& Result, const std::string_view&... Parameters>
inline constexpr const std::string_view& kSignatureOfCodes
    = kJoined<detail::kSignatureMark, Result, detail::kSignatureMark, Parameters...>;

namespace detail {

template <class R, class... Args>
inline constexpr const std::string_view& kSignatureText = kSignatureOfCodes<Crossing<R>::code, Crossing<Args>::code...>;

} // namespace detail

[[noreturn]] void RaiseWrongArgumentCount(std::size_t expected, std::size_t given);

// What every invoker checks before it calls: a target, and an argument list that
// holds the method's `count` arguments.
inline void CheckInvocation(Object* target, const std::vector<Variant>* arguments, std::size_t count)
{
    if (!target)
        RaiseNilObjectException();
    if (count == 0)
        return;
    if (!arguments)
        RaiseNilObjectException();
    if (arguments->size() < count)
        RaiseWrongArgumentCount(count, arguments->size());
}

template <class Function> Function EntryAs(MethodEntry entry) noexcept { return reinterpret_cast<Function>(entry); }

// The invoker of the signature of these C++ types: argument i from element i of
// the list, each converted before the method runs.
template <class R, class... Args> struct Invoke {
    using Function = detail::ResultOf<R> (*)(Object*, detail::ParamOf<Args>...);

    static Variant invoke(MethodEntry method, Object* target, const std::vector<Variant>* arguments)
    {
        CheckInvocation(target, arguments, sizeof...(Args));
        return call(EntryAs<Function>(method), target, arguments, std::index_sequence_for<Args...> {});
    }

private:
    template <std::size_t... I>
    static Variant call(Function function, Object* target, [[maybe_unused]] const std::vector<Variant>* arguments,
        std::index_sequence<I...>)
    {
        // Braces convert the arguments in their order.
        std::tuple<typename detail::Crossing<Args>::Held...> held { detail::Crossing<Args>::hold((*arguments)[I])... };
        if constexpr (std::is_void_v<R>) {
            function(target, detail::Crossing<Args>::pass(std::get<I>(held))...);
            return {};
        } else {
            return detail::Crossing<R>::toVariant(function(target, detail::Crossing<Args>::pass(std::get<I>(held))...));
        }
    }
};

namespace detail {

// The receiver as the class the method belongs to: a native class, or a part that
// native classes share (a DropTarget), which a window or control inherits.
template <class Self> Self& ReceiverAs(Object* self)
{
    if constexpr (std::is_base_of_v<Object, Self>) {
        return *native_cast<Self>(self);
    } else {
        auto* part = dynamic_cast<Self*>(self);
        assert(part && "the receiver's class has this part");
        return *part;
    }
}

// The C++ types of a method: its receiver's class, its result and its parameters.
template <class Self, class R, class... Args> struct MethodShape {
    using Receiver = Self;
    using Function = ResultOf<R> (*)(Object*, ParamOf<Args>...);
    static constexpr std::string_view signature = kSignatureText<R, Args...>;
    static constexpr bool invocable = ToVariant<R> && (FromVariant<Args> && ...);
    using Invoker = Invoke<std::remove_cvref_t<R>, std::remove_cvref_t<Args>...>;

    template <auto F> static ResultOf<R> entry(Object* self, ParamOf<Args>... arguments)
    {
        if (!self)
            RaiseNilObjectException();
        Ref<Object> hold = Ref<Object>::retain(self);
        Self& receiver = ReceiverAs<Self>(self);
        if constexpr (std::is_void_v<R>)
            std::invoke(F, receiver, Crossing<Args>::in(arguments)...);
        else
            return Crossing<R>::out(std::invoke(F, receiver, Crossing<Args>::in(arguments)...));
    }
};

template <class F> struct ShapeOf;
template <class R, class Self, class... Args> struct ShapeOf<R (*)(Self&, Args...)> {
    using type = MethodShape<Self, R, Args...>;
};
template <class R, class Self, class... Args>
struct ShapeOf<R (*)(Self&, Args...) noexcept> : ShapeOf<R (*)(Self&, Args...)> {
};
template <class R, class C, class... Args> struct ShapeOf<R (C::*)(Args...)> {
    using type = MethodShape<C, R, Args...>;
};
template <class R, class C, class... Args> struct ShapeOf<R (C::*)(Args...) const> : ShapeOf<R (C::*)(Args...)> {
};
template <class R, class C, class... Args> struct ShapeOf<R (C::*)(Args...) noexcept> : ShapeOf<R (C::*)(Args...)> {
};
template <class R, class C, class... Args>
struct ShapeOf<R (C::*)(Args...) const noexcept> : ShapeOf<R (C::*)(Args...)> {
};
// A method declared without an implementation, such as an interface's.
template <class R, class... Args> struct ShapeOf<R(Args...)> {
    using type = MethodShape<Object, R, Args...>;
};

} // namespace detail

// The signature text of a typed method's C++ type: `kSignature<decltype(&Window::Show)>` is "%%".
template <class F> inline constexpr std::string_view kSignature = detail::ShapeOf<F>::type::signature;

// The class a typed method's receiver is taken as: `ReceiverOf<&Window::Show>` is Window.
template <auto F> using ReceiverOf = typename detail::ShapeOf<decltype(F)>::type::Receiver;

// Whether a written signature text says what the C++ types say: the same codes,
// except that where the types say only "o<Object>" the text may name any class.
constexpr bool SignatureFits(std::string_view written, std::string_view derived) noexcept
{
    constexpr std::string_view anyObject = "o<Object>";
    while (!derived.empty()) {
        if (derived.starts_with(anyObject)) {
            // Scanned by index: GCC cannot fold string_view::find's pointer test under UBSan.
            std::size_t end = 0;
            while (end < written.size() && written[end] != '>')
                ++end;
            if (!written.starts_with("o<") || end == written.size())
                return false;
            written.remove_prefix(end + 1);
            derived.remove_prefix(anyObject.size());
        } else {
            if (written.empty() || written.front() != derived.front())
                return false;
            written.remove_prefix(1);
            derived.remove_prefix(1);
        }
    }
    return written.empty();
}

// A signature text written for a method of type F where its C++ types say less: it
// names the class of an object that the types know only as an Object. It must say
// more than the types and fit them; both are checked when compiled.
template <class F, const std::string_view& Written>
inline constexpr std::string_view kWrittenSignature = [] {
    static_assert(Written != kSignature<F>, "the C++ types say this signature text already");
    static_assert(SignatureFits(Written, kSignature<F>), "the signature text does not fit the function's C++ types");
    return Written;
}();

// A typed method F as an entry point in the uniform convention.
template <auto F> struct Entry {
    using Shape = typename detail::ShapeOf<decltype(F)>::type;
    using Function = typename Shape::Function;
    static constexpr Function call = &Shape::template entry<F>;
};

template <auto F> MethodEntry EntryOf() noexcept { return reinterpret_cast<MethodEntry>(Entry<F>::call); }

// The invoker of a typed method's signature; nil for a method that takes a "p".
template <auto F> constexpr MethodInvoker InvokerOf() noexcept
{
    using Shape = typename Entry<F>::Shape;
    if constexpr (Shape::invocable)
        return &Shape::Invoker::invoke;
    else
        return nullptr;
}

// Calls position `slot` of the receiver's method table.
template <class Result, class... Args> Result CallSlot(Object* self, std::int32_t slot, Args... args)
{
    if (!self)
        RaiseNilObjectException();
    return EntryAs<Result (*)(Object*, Args...)>(SlotEntry(*self, slot))(self, args...);
}

} // namespace fw
