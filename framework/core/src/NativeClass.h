// How the framework registers its own classes: one declarative table per class,
// from which the class record, its method table and its records are made through
// the same RuntimeNewClass, RuntimeNewVtable and RuntimeAllocateAttributeTable
// that the program's classes use.
//
// A native class is one the framework implements in C++; `construct` makes its
// object. Properties are bound to member functions; their type codes follow from
// the C++ types.
#pragma once

#include <fw/Abi.h>
#include <fw/ClassRecord.h>
#include <fw/Variant.h>

#include <span>
#include <string_view>
#include <type_traits>

namespace fw::detail {

using ClassAccessor = ClassRecord* (*)();

struct NativeMethod {
    std::string_view name;
    std::string_view signature;
    MethodEntry entry = nullptr;
    MethodInvoker invoker = nullptr;
    bool inMethodTable = true; // false: a record only, reached by name
};

struct NativeEvent {
    std::string_view name;
    std::string_view signature;
};

struct NativeProperty {
    std::string_view name;
    std::string_view typeCode;
    PropertyGetInvoker getInvoker = nullptr;
    PropertySetInvoker setInvoker = nullptr;
};

struct NativeClassFacts {
    std::string_view name;
    ClassAccessor superclass = nullptr;
    std::int32_t kind = kKindClass;
    std::span<const NativeMethod> methods;
    std::span<const NativeEvent> events;
    std::span<const NativeProperty> properties;
    std::int32_t instanceSize = 0;
    Object* (*construct)() = nullptr;
    std::span<const ClassAccessor> interfaces;
};

ClassRecord* RegisterNativeClass(const NativeClassFacts& facts);

template <class T> Object* Construct() { return new T; }

template <auto F> NativeMethod Method(std::string_view name, std::string_view signature)
{
    return { name, signature, EntryOf<F>(), InvokerOf<F>() };
}

// A method record without a method table entry.
template <auto F> NativeMethod RecordOnly(std::string_view name, std::string_view signature)
{
    return { name, signature, EntryOf<F>(), InvokerOf<F>(), false };
}

// Property values as they pass through Variants, by C++ type.
template <class T> struct PropertyType;

template <> struct PropertyType<std::int32_t> {
    static constexpr std::string_view code = "i4";
    static Variant to(std::int32_t v) { return Int32ToVariant(v); }
    static std::int32_t from(const Variant& v) { return VariantToInt32(v); }
};
template <> struct PropertyType<bool> {
    static constexpr std::string_view code = "b";
    static Variant to(bool v) { return BooleanToVariant(v); }
    static bool from(const Variant& v) { return VariantToBoolean(v); }
};
template <> struct PropertyType<double> {
    static constexpr std::string_view code = "f8";
    static Variant to(double v) { return DoubleToVariant(v); }
    static double from(const Variant& v) { return VariantToDouble(v); }
};
template <> struct PropertyType<float> {
    static constexpr std::string_view code = "f4";
    static Variant to(float v) { return DoubleToVariant(v); }
    static float from(const Variant& v) { return static_cast<float>(VariantToDouble(v)); }
};
template <> struct PropertyType<std::uint8_t> {
    static constexpr std::string_view code = "u1";
    static Variant to(std::uint8_t v) { return Int32ToVariant(v); }
    static std::uint8_t from(const Variant& v) { return static_cast<std::uint8_t>(VariantToInt32(v)); }
};
template <> struct PropertyType<Color> {
    static constexpr std::string_view code = "c";
    static Variant to(Color v) { return ColorToVariant(v); }
    static Color from(const Variant& v) { return VariantToColor(v); }
};
template <> struct PropertyType<std::string_view> {
    static constexpr std::string_view code = "s";
    static Variant to(std::string_view v)
    {
        auto string = NewString(v);
        return StringToVariant(string.get());
    }
    static StringRef from(const Variant& v) { return VariantToString(v); }
};
// An object property "o<Class>" of a native class that names its own type code
// (`static constexpr std::string_view kTypeCode`); a value of another class is refused.
template <class T>
requires std::is_base_of_v<Object, T> && requires { T::kTypeCode; }
struct PropertyType<Ref<T>> {
    static constexpr std::string_view code = T::kTypeCode;
    static Variant to(const Ref<T>& v) { return ObjectToVariant(v.get()); }
    static Ref<T> from(const Variant& v)
    {
        auto checked = RuntimeCheckCast(VariantToObject(v).get(), T::Class());
        return Ref<T>::adopt(native_cast<T>(checked.release()));
    }
};

template <class M> struct MemberTraits;
template <class C, class T> struct MemberTraits<T (C::*)() const> {
    using Class = C;
    using Value = std::remove_cvref_t<T>;
};
template <class C, class T> struct MemberTraits<T (C::*)() const noexcept> : MemberTraits<T (C::*)() const> {
};
template <class C, class T> struct MemberTraits<void (C::*)(T)> {
    using Class = C;
    using Value = std::remove_cvref_t<T>;
};

template <auto Getter, auto Setter> struct BoundProperty {
    using Class = typename MemberTraits<decltype(Getter)>::Class;
    using Value = typename MemberTraits<decltype(Getter)>::Value;
    using Type = PropertyType<Value>;

    static Class* target(Object* object)
    {
        if (!object)
            RaiseNilObjectException();
        return native_cast<Class>(object);
    }
    static Variant get(const PropertyRecord&, Object* object) { return Type::to((target(object)->*Getter)()); }
    static void set(const PropertyRecord&, Object* object, const Variant& value)
    {
        auto* self = target(object);
        if constexpr (std::is_same_v<Value, std::string_view>) {
            auto string = Type::from(value);
            (self->*Setter)(Text(string));
        } else {
            (self->*Setter)(Type::from(value));
        }
    }
};

// A property read and written through member functions.
template <auto Getter, auto Setter> NativeProperty Property(std::string_view name)
{
    using Bound = BoundProperty<Getter, Setter>;
    return { name, Bound::Type::code, &Bound::get, &Bound::set };
}

} // namespace fw::detail
