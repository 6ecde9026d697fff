// How a C++ type crosses the calling convention, and how methods are called
// through their type-erased entry points.
//
// Every entry point is a plain function whose first parameter is the receiver
// as `Object*`; its signature text ("%b%i4i4": the result's type code between
// two "%", then the parameters' codes) says the rest. `Convention<T>` is the one
// place that says, for each C++ type that a method, property or event uses, how
// a value of that type crosses:
//  - `code`: its type code in signature texts and property records: "i4"
//    Int32, "b" Boolean, "f8" Double, "f4" Single, "u1" byte, "c" Color, "s"
//    String, "o<Window>" an object of class Window (the class's `kClassName`),
//    "p" a pointer that no Variant carries (a class record, a handler), "" no
//    result;
//  - `Param` and `Result`: how it passes into and out of an entry point. An
//    object passes in as `Object*` and out as `Ref<Object>`, a text in as
//    `String*` and out as `StringRef`, each result with one reference for the
//    caller; everything else passes as itself. `in` and `out` convert between
//    these and the typed function's own parameter and result types;
//  - `hold`, `pass` and `toVariant`: how an invoker takes an argument from a
//    Variant (`VariantToInt32` for "i4", `RuntimeCheckCast` to the parameter's
//    class for an object, so that a wrong class raises IllegalCastException
//    before the method runs and nil stays nil), keeps it alive for the call
//    (`Held`), hands it to the entry point, and turns a result into a Variant.
//    A "p" type has none of these: a method that takes one has no invoker.
//
// A typed method is a member function of a native class (`&Window::Show`) or a
// function whose first parameter is the receiver (`void F(Window& self,
// TextField* sender)`). From its C++ types follow its signature text
// (`kSignature`), its entry point (`EntryOf`: raises NilObjectException for a
// nil receiver, holds the receiver for the whole call, and converts through the
// convention) and its invoker (`InvokerOf`: one per signature, shared by every
// method of those types).
#pragma once

#include <fw/ClassRecord.h>
#include <fw/Color.h>
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

template <class T> struct Convention;

namespace detail {

// A number, Boolean or Color: passed as itself; a Variant carries it as `Carried`.
template <class T, FixedText Code, class Carried, Carried (*FromVariant)(const Variant&), Variant (*ToVariant)(Carried)>
struct ValueConvention {
    static constexpr std::string_view code { Code.chars, Code.size };
    using Param = T;
    using Result = T;
    using Held = T;
    static T in(T value) { return value; }
    static T out(T value) { return value; }
    static Held hold(const Variant& value) { return static_cast<T>(FromVariant(value)); }
    static T pass(T value) { return value; }
    static Variant toVariant(T value) { return ToVariant(value); }
};

struct TextConvention {
    static constexpr std::string_view code = "s";
    using Param = String*;
    using Result = StringRef;
    using Held = StringRef;
    static Held hold(const Variant& value) { return VariantToString(value); }
    static String* pass(const Held& held) { return held.get(); }
    static Variant toVariant(const StringRef& value) { return StringToVariant(value.get()); }
};

template <class T>
concept NativeObject = std::is_base_of_v<Object, T>;

// "o<Class>" of a class that names itself (`kClassName`); "o<Object>" for any object.
template <NativeObject T> struct ObjectCode {
    static constexpr std::string_view name = [] {
        if constexpr (std::is_same_v<T, Object>)
            return std::string_view("Object");
        else
            return T::kClassName;
    }();
    static constexpr auto chars = [] {
        std::array<char, name.size() + 3> text {};
        text[0] = 'o';
        text[1] = '<';
        std::copy(name.begin(), name.end(), text.begin() + 2);
        text.back() = '>';
        return text;
    }();
    static constexpr std::string_view view { chars.data(), chars.size() };
};

// The object with one reference, cast to the class T (any object for Object).
template <NativeObject T> Ref<Object> CastTo(Object* object)
{
    if constexpr (requires { T::Class(); })
        return RuntimeCheckCast(object, T::Class());
    else
        return Ref<Object>::retain(object);
}

template <NativeObject T> struct ObjectConvention {
    static constexpr const std::string_view& code = ObjectCode<T>::view;
    using Param = Object*;
    using Result = Ref<Object>;
    using Held = Ref<Object>;
    static Held hold(const Variant& value) { return CastTo<T>(VariantToObject(value).get()); }
    static Object* pass(const Held& held) { return held.get(); }
    static Variant toVariant(const Ref<Object>& value) { return ObjectToVariant(value.get()); }
};

// A pointer that the framework passes on but no Variant carries.
template <class T> struct PointerConvention {
    static constexpr std::string_view code = "p";
    using Param = T;
    using Result = T;
    static T in(T value) { return value; }
    static T out(T value) { return value; }
};

} // namespace detail

template <> struct Convention<void> {
    static constexpr std::string_view code = "";
    using Result = void;
};
// Numbers, Booleans and Colors, each with the Variant kind that carries it.
template <>
struct Convention<std::int32_t>
    : detail::ValueConvention<std::int32_t, "i4", std::int32_t, &VariantToInt32, &Int32ToVariant> {
};
template <> struct Convention<bool> : detail::ValueConvention<bool, "b", bool, &VariantToBoolean, &BooleanToVariant> {
};
template <>
struct Convention<double> : detail::ValueConvention<double, "f8", double, &VariantToDouble, &DoubleToVariant> {
};
template <>
struct Convention<float> : detail::ValueConvention<float, "f4", double, &VariantToDouble, &DoubleToVariant> {
};
template <>
struct Convention<std::uint8_t>
    : detail::ValueConvention<std::uint8_t, "u1", std::int32_t, &VariantToInt32, &Int32ToVariant> {
};
template <> struct Convention<Color> : detail::ValueConvention<Color, "c", Color, &VariantToColor, &ColorToVariant> {
};

template <> struct Convention<String*> : detail::TextConvention {
    static String* in(String* value) { return value; }
};
template <> struct Convention<StringRef> : detail::TextConvention {
    static StringRef in(String* value) { return StringRef::retain(value); }
    static StringRef out(StringRef value) { return value; }
};
// A text that the C++ side keeps itself: a new String crosses for it.
template <> struct Convention<std::string_view> : detail::TextConvention {
    static std::string_view in(String* value) { return Text(value); }
    static StringRef out(std::string_view value) { return NewString(value); }
};

// An object the function borrows: not checked at the entry point, only by an invoker.
template <detail::NativeObject T> struct Convention<T*> : detail::ObjectConvention<T> {
    static T* in(Object* value) { return native_cast<T>(value); }
};
// An object the function takes or gives with a reference: an entry point checks its class.
template <detail::NativeObject T> struct Convention<Ref<T>> : detail::ObjectConvention<T> {
    static Ref<Object> out(Ref<T> value) { return value; }
    static Ref<T> in(Object* value)
    {
        auto checked = detail::CastTo<T>(value);
        return Ref<T>::adopt(native_cast<T>(checked.release()));
    }
};

template <> struct Convention<ClassRecord*> : detail::PointerConvention<ClassRecord*> {
};
template <class R, class... Args> struct Convention<R (*)(Args...)> : detail::PointerConvention<R (*)(Args...)> {
};

namespace detail {

template <class T> using Crossing = Convention<std::remove_cvref_t<T>>;
template <class T> using ParamOf = typename Crossing<T>::Param;
template <class T> using ResultOf = typename Crossing<T>::Result;

// Whether an invoker can take the type from a Variant, or give it as one.
template <class T>
concept FromVariant = requires(const Variant& value)
{
    Crossing<T>::hold(value);
};
template <class T>
concept ToVariant = std::is_void_v<T> || requires(const ResultOf<T>& value)
{
    Crossing<T>::toVariant(value);
};

template <class R, class... Args> struct SignatureText {
    static constexpr auto chars = [] {
        std::array<char, 2 + Crossing<R>::code.size() + (std::size_t { 0 } + ... + Crossing<Args>::code.size())>
            text {};
        auto at = text.begin();
        auto put = [&](std::string_view part) { at = std::copy(part.begin(), part.end(), at); };
        put("%");
        put(Crossing<R>::code);
        put("%");
        (put(Crossing<Args>::code), ...);
        return text;
    }();
    static constexpr std::string_view view { chars.data(), chars.size() };
};

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
    using Function = ResultOf<R> (*)(Object*, ParamOf<Args>...);
    static constexpr std::string_view signature = SignatureText<R, Args...>::view;
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

// Whether a written signature text says what the C++ types say: the same codes,
// except that where the types say only "o<Object>" the text may name any class.
constexpr bool SignatureFits(std::string_view written, std::string_view derived) noexcept
{
    constexpr std::string_view anyObject = "o<Object>";
    while (!derived.empty()) {
        if (derived.starts_with(anyObject)) {
            auto end = written.starts_with("o<") ? written.find('>') : std::string_view::npos;
            if (end == std::string_view::npos)
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
    auto* cls = self->classRecord();
    assert(slot >= 0 && slot < cls->methodTableCount);
    return EntryAs<Result (*)(Object*, Args...)>(cls->methodTable[slot])(self, args...);
}

} // namespace fw
