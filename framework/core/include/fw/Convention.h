// How a C++ type crosses the calling convention: `Convention<T>`.
//
// Every method entry point is a plain function whose first parameter is the
// receiver as `Object*`; its signature text says the rest. `Convention<T>` is
// the one place that says, for each C++ type that a method, property or event
// uses, how a value of that type crosses:
//  - `code`: its type code in signature texts and property records: "i4"
//    Int32, "b" Boolean, "f8" Double, "f4" Single, "u1" byte, "c" Color, "s"
//    String, "o<Window>" an object of class Window (the class's `kClassName`;
//    `ObjectOf<C>` for a class that no C++ class is, ObjectOf.h),
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
#pragma once

#include <fw/ClassRecord.h>
#include <fw/Color.h>
#include <fw/ObjectOf.h>
#include <fw/Variant.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace fw {

template <class> inline constexpr bool kHasNoConvention = false;

// A C++ type that no type code stands for: no method, property or event may use it.
template <class T> struct Convention {
    static_assert(kHasNoConvention<T>, "a C++ type that no signature type code stands for");
};

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

inline constexpr std::string_view kObjectCodeOpen = "o<";
inline constexpr std::string_view kObjectCodeClose = ">";
inline constexpr std::string_view kAnyObjectName = "Object";

template <class T> constexpr const std::string_view& ClassNameOf()
{
    if constexpr (std::is_same_v<T, Object>)
        return kAnyObjectName;
    else
        return T::kClassName;
}

// "o<Class>" of a class that names itself (`kClassName`); "o<Object>" for any object.
template <class T>
inline constexpr const std::string_view& kObjectTypeCode = kJoined<kObjectCodeOpen, ClassNameOf<T>(), kObjectCodeClose>;

// The object with one reference, cast to the class T (any object for Object).
template <class T> Ref<Object> CastTo(Object* object)
{
    if constexpr (requires { T::Class(); })
        return RuntimeCheckCast(object, T::Class());
    else
        return Ref<Object>::retain(object);
}

template <class T> struct ObjectConvention {
    static constexpr const std::string_view& code = kObjectTypeCode<T>;
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

// The type code of an object of that class, for the program's classes too.
using detail::kObjectTypeCode;

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

// An object of a class that no C++ class is: the entry point checks its class too.
template <class C> struct Convention<ObjectOf<C>> : detail::ObjectConvention<C> {
    static ObjectOf<C> in(Object* value) { return ObjectOf<C>::cast(value); }
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

} // namespace detail

} // namespace fw
