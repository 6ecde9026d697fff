// How methods are called through their type-erased entry points.
//
// Every method entry point has a uniform calling convention that follows from
// its signature text alone: the receiver as `Object*`, object parameters as
// `Object*`, "i4" as `std::int32_t`, "b" as `bool`, "s" as `String*`; an object
// result comes back as `Ref<Object>` (one reference for the caller). `Entry<F>`
// adapts a typed function `R F(Self&, Args...)` to that convention: it raises
// NilObjectException for a nil receiver, holds a reference to the receiver for
// the whole call, and downcasts to the native classes. `Invoke<Fn>` is the
// method invoker of a convention, shared by every method with that signature.
#pragma once

#include <fw/ClassRecord.h>
#include <fw/Exceptions.h>
#include <fw/Variant.h>

#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

namespace fw {

template <class T> struct AbiType {
    using type = T;
    static T from(T value) { return value; }
};

template <> struct AbiType<void> {
    using type = void;
};

template <class T>
requires std::is_base_of_v<Object, T>
struct AbiType<T*> {
    using type = Object*;
    static T* from(Object* value) { return native_cast<T>(value); }
};

template <class T>
requires std::is_base_of_v<Object, T>
struct AbiType<Ref<T>> {
    using type = Ref<Object>;
};

template <auto F> struct Entry;

template <class R, class Self, class... Args, R (*F)(Self&, Args...)> struct Entry<F> {
    using Result = typename AbiType<R>::type;
    using Function = Result (*)(Object*, typename AbiType<Args>::type...);

    static Result call(Object* self, typename AbiType<Args>::type... args)
    {
        if (!self)
            RaiseNilObjectException();
        Ref<Object> hold = Ref<Object>::retain(self);
        return F(*native_cast<Self>(self), AbiType<Args>::from(args)...);
    }

    static MethodEntry entry() noexcept { return reinterpret_cast<MethodEntry>(&call); }
};

// The entry point of a typed method, in the uniform convention.
template <auto F> MethodEntry EntryOf() noexcept { return Entry<F>::entry(); }

template <class Function> Function EntryAs(MethodEntry entry) noexcept { return reinterpret_cast<Function>(entry); }

// Calls position `slot` of the receiver's method table.
template <class Result, class... Args> Result CallSlot(Object* self, std::int32_t slot, Args... args)
{
    if (!self)
        RaiseNilObjectException();
    auto* cls = self->classRecord();
    assert(slot >= 0 && slot < cls->methodTableCount);
    return EntryAs<Result (*)(Object*, Args...)>(cls->methodTable[slot])(self, args...);
}

template <class T> T ArgumentFromVariant(const Variant& value);
template <> inline std::int32_t ArgumentFromVariant<std::int32_t>(const Variant& value)
{
    return VariantToInt32(value);
}
template <> inline bool ArgumentFromVariant<bool>(const Variant& value) { return VariantToBoolean(value); }

// Object arguments are checked against the parameter's class by the caller of an
// invoker that knows it; here they pass as objects.
template <> inline Object* ArgumentFromVariant<Object*>(const Variant& value)
{
    auto object = VariantToObject(value);
    return object.get(); // the argument list keeps it alive
}

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

template <class Function> struct Invoke;

template <class R, class... Args> struct Invoke<R (*)(Object*, Args...)> {
    static Variant invoke(MethodEntry method, Object* target, const std::vector<Variant>* arguments)
    {
        CheckInvocation(target, arguments, sizeof...(Args));
        auto function = EntryAs<R (*)(Object*, Args...)>(method);
        return call(function, target, arguments, std::index_sequence_for<Args...> {});
    }

private:
    template <std::size_t... I>
    static Variant call(R (*function)(Object*, Args...), Object* target, const std::vector<Variant>* arguments,
        std::index_sequence<I...>)
    {
        if constexpr (std::is_void_v<R>) {
            function(target, ArgumentFromVariant<Args>((*arguments)[I])...);
            return {};
        } else if constexpr (std::is_same_v<R, bool>) {
            return BooleanToVariant(function(target, ArgumentFromVariant<Args>((*arguments)[I])...));
        } else if constexpr (std::is_same_v<R, std::int32_t>) {
            return Int32ToVariant(function(target, ArgumentFromVariant<Args>((*arguments)[I])...));
        } else {
            Ref<Object> result = function(target, ArgumentFromVariant<Args>((*arguments)[I])...);
            return ObjectToVariant(result.get());
        }
    }
};

// The invoker of a typed method's convention.
template <auto F> MethodInvoker InvokerOf() noexcept { return &Invoke<typename Entry<F>::Function>::invoke; }

} // namespace fw
