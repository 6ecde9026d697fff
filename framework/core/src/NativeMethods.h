// Method records of native classes beyond NativeClass.h's `Method`: routines that
// take or give Strings, and the record-only accessors of a property.
//
// A framework class keeps the read and the write of its properties by name as
// well ("Text.Get", "Text.Set"), so the program can call them like any method.
// `AccessorRecords` makes both records from the member functions the property
// record is bound to: the names, the signatures ("%s%", "%%s", "%i4%", ...) and
// the entry points follow from the property's name and C++ type. `Routine`
// describes an ordinary method whose parameters may include Strings. Every
// invoker converts its arguments and result through Variants the way Abi.h's do.
#pragma once

#include "NativeClass.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <tuple>
#include <utility>
#include <vector>

namespace fw::detail {

// An argument taken from a Variant, kept alive for the call; an object argument is
// checked against its parameter's class.
template <class T> struct HeldArgument {
    using Held = T;
    static Held hold(const Variant& value) { return ArgumentFromVariant<T>(value); }
    static T pass(const Held& held) { return held; }
};
template <> struct HeldArgument<String*> {
    using Held = StringRef;
    static Held hold(const Variant& value) { return VariantToString(value); }
    static String* pass(const Held& held) { return held.get(); }
};
template <class T>
requires std::is_base_of_v<Object, T>
struct HeldArgument<T*> {
    using Held = Ref<Object>;
    static Held hold(const Variant& value)
    {
        auto object = VariantToObject(value);
        if constexpr (requires { T::Class(); })
            return RuntimeCheckCast(object.get(), T::Class());
        else
            return object;
    }
    static Object* pass(const Held& held) { return held.get(); }
};

template <class R> Variant ResultToVariant(R result)
{
    if constexpr (std::is_same_v<R, bool>)
        return BooleanToVariant(result);
    else if constexpr (std::is_same_v<R, std::int32_t>)
        return Int32ToVariant(result);
    else if constexpr (std::is_same_v<R, StringRef>)
        return StringToVariant(result.get());
    else if constexpr (std::is_same_v<R, Ref<Object>>)
        return ObjectToVariant(result.get());
    else
        return PropertyType<R>::to(result);
}

// The invoker of an entry point in the uniform convention, described by the typed
// parameters `Args` that its arguments are converted to.
template <class Function, class... Args> struct ConventionInvoke;

template <class R, class... AbiArgs, class... Args> struct ConventionInvoke<R (*)(Object*, AbiArgs...), Args...> {
    static_assert(sizeof...(AbiArgs) == sizeof...(Args));
    using Function = R (*)(Object*, AbiArgs...);

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
        std::tuple<typename HeldArgument<Args>::Held...> held { HeldArgument<Args>::hold((*arguments)[I])... };
        if constexpr (std::is_void_v<R>) {
            function(target, HeldArgument<Args>::pass(std::get<I>(held))...);
            return {};
        } else {
            return ResultToVariant<R>(function(target, HeldArgument<Args>::pass(std::get<I>(held))...));
        }
    }
};

// The uniform convention's types of a member function's parameters and result:
// objects pass as `Object*`, object results as `Ref<Object>`.
template <class T> struct ConventionType {
    using type = T;
};
template <class T>
requires std::is_base_of_v<Object, T>
struct ConventionType<T*> {
    using type = Object*;
};
template <class T>
requires std::is_base_of_v<Object, T>
struct ConventionType<Ref<T>> {
    using type = Ref<Object>;
};

template <class T> T FromConvention(typename ConventionType<T>::type value)
{
    if constexpr (std::is_pointer_v<T> && std::is_base_of_v<Object, std::remove_pointer_t<T>>)
        return native_cast<std::remove_pointer_t<T>>(value);
    else
        return value;
}

template <class C, class R, class... Args> struct MemberCall {
    using Result = typename ConventionType<R>::type;
    using Function = Result (*)(Object*, typename ConventionType<Args>::type...);
    using Invoke = ConventionInvoke<Function, Args...>;

    // Raises NilObjectException for a nil receiver and holds it for the whole call.
    template <auto M> static Result call(Object* self, typename ConventionType<Args>::type... arguments)
    {
        if (!self)
            RaiseNilObjectException();
        Ref<Object> hold = Ref<Object>::retain(self);
        return (native_cast<C>(self)->*M)(FromConvention<Args>(arguments)...);
    }
};

// A member function as an entry point in the uniform convention.
template <auto M> struct Member;
template <class C, class R, class... Args, R (C::*M)(Args...)> struct Member<M> : MemberCall<C, R, Args...> {
    static constexpr auto entry = &MemberCall<C, R, Args...>::template call<M>;
};
template <class C, class R, class... Args, R (C::*M)(Args...) const> struct Member<M> : MemberCall<C, R, Args...> {
    static constexpr auto entry = &MemberCall<C, R, Args...>::template call<M>;
};

// A method bound to a member function; its parameters and result may include Strings.
template <auto M> NativeMethod Routine(std::string_view name, std::string_view signature, bool inMethodTable = true)
{
    return { name, signature, reinterpret_cast<MethodEntry>(Member<M>::entry), &Member<M>::Invoke::invoke,
        inMethodTable };
}

// A method whose parameters cannot pass through a Variant (an entry point "p"): it has no invoker.
template <auto M> NativeMethod RoutineWithoutInvoker(std::string_view name, std::string_view signature)
{
    return { name, signature, reinterpret_cast<MethodEntry>(Member<M>::entry), nullptr };
}

// How a property's C++ value type passes through the calling convention.
template <class V> struct AccessorAbi {
    using Result = V;
    using Param = V;
    static Result out(V value) { return value; }
    static V in(Param value) { return value; }
};
template <> struct AccessorAbi<std::string_view> {
    using Result = StringRef;
    using Param = String*;
    static Result out(std::string_view value) { return NewString(value); }
    static std::string_view in(Param value) { return Text(value); }
};
template <class T> struct AccessorAbi<Ref<T>> {
    using Result = Ref<Object>;
    using Param = Object*;
    static Result out(Ref<T> value) { return value; }
    static Ref<T> in(Param value)
    {
        auto checked = RuntimeCheckCast(value, T::Class());
        return Ref<T>::adopt(native_cast<T>(checked.release()));
    }
};
template <auto Getter> struct GetAccessor {
    using Class = typename MemberTraits<decltype(Getter)>::Class;
    using Abi = AccessorAbi<typename MemberTraits<decltype(Getter)>::Value>;
    static typename Abi::Result call(Object* self)
    {
        if (!self)
            RaiseNilObjectException();
        Ref<Object> hold = Ref<Object>::retain(self);
        return Abi::out((native_cast<Class>(self)->*Getter)());
    }
};

template <auto Getter, auto Setter> struct SetAccessor {
    using Class = typename MemberTraits<decltype(Getter)>::Class;
    using Abi = AccessorAbi<typename MemberTraits<decltype(Getter)>::Value>;
    static void call(Object* self, typename Abi::Param value)
    {
        if (!self)
            RaiseNilObjectException();
        Ref<Object> hold = Ref<Object>::retain(self);
        (native_cast<Class>(self)->*Setter)(Abi::in(value));
    }
};

template <FixedText A, FixedText B> struct JoinedText {
    static constexpr auto chars = [] {
        std::array<char, A.size + B.size> text {};
        std::copy(A.chars, A.chars + A.size, text.begin());
        std::copy(B.chars, B.chars + B.size, text.begin() + A.size);
        return text;
    }();
    static constexpr std::string_view view { chars.data(), chars.size() };
};

template <class V> struct AccessorSignatures {
    static constexpr std::string_view code = PropertyType<V>::code;
    static constexpr auto getChars = [] {
        std::array<char, code.size() + 2> text {};
        text.front() = '%';
        std::copy(code.begin(), code.end(), text.begin() + 1);
        text.back() = '%';
        return text;
    }();
    static constexpr auto setChars = [] {
        std::array<char, code.size() + 2> text {};
        text[0] = '%';
        text[1] = '%';
        std::copy(code.begin(), code.end(), text.begin() + 2);
        return text;
    }();
    static constexpr std::string_view get { getChars.data(), getChars.size() };
    static constexpr std::string_view set { setChars.data(), setChars.size() };
};

// The record-only methods "Name.Get" and "Name.Set" of a property bound to these member functions.
template <FixedText Name, auto Getter, auto Setter> std::array<NativeMethod, 2> AccessorRecords()
{
    using Get = GetAccessor<Getter>;
    using Set = SetAccessor<Getter, Setter>;
    using Signatures = AccessorSignatures<typename MemberTraits<decltype(Getter)>::Value>;
    return { {
        { JoinedText<Name, ".Get">::view, Signatures::get, reinterpret_cast<MethodEntry>(&Get::call),
            &ConventionInvoke<decltype(&Get::call)>::invoke, false },
        { JoinedText<Name, ".Set">::view, Signatures::set, reinterpret_cast<MethodEntry>(&Set::call),
            &ConventionInvoke<decltype(&Set::call), typename Set::Abi::Param>::invoke, false },
    } };
}

// The record-only method "Name.Get" of a property that can be read only.
template <FixedText Name, auto Getter> NativeMethod GetterRecord()
{
    using Get = GetAccessor<Getter>;
    using Signatures = AccessorSignatures<typename MemberTraits<decltype(Getter)>::Value>;
    return { JoinedText<Name, ".Get">::view, Signatures::get, reinterpret_cast<MethodEntry>(&Get::call),
        &ConventionInvoke<decltype(&Get::call)>::invoke, false };
}

// A property that can be read only: a stream or a set invoker cannot write it.
template <auto Getter> NativeProperty ReadOnlyProperty(std::string_view name)
{
    using Bound = BoundProperty<Getter, nullptr>;
    return { name, Bound::Type::code, &Bound::get, nullptr };
}

template <class T, std::size_t... N> std::array<T, (N + ...)> JoinArrays(const std::array<T, N>&... parts)
{
    std::array<T, (N + ...)> all {};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), all.begin() + static_cast<std::ptrdiff_t>(at)), at += N), ...);
    return all;
}

} // namespace fw::detail
