// The framework's generic accessors of the fields that classes declare, one set
// per field type, shared by every property of that type. A getter takes the
// instance and the field's byte offset; a setter also the new value. Strings and
// objects are reference-counted: the getter returns one reference for the
// caller, the setter keeps one of its own and drops the old value's.
//
// A field's accessors follow from the C++ type of its value (`FieldAccessorsOf`):
// the getter and setter are those of its field type, and the set invoker takes
// the value from a Variant as that type crosses the calling convention, so an
// object field's set invoker casts to the field's class.
#pragma once

#include <fw/ClassRecord.h>
#include <fw/Convention.h>
#include <fw/Exceptions.h>

#include <cstdint>
#include <type_traits>

namespace fw {

struct FieldAccessors {
    MethodEntry getter;
    MethodEntry setter;
    PropertyGetInvoker getInvoker;
    PropertySetInvoker setInvoker;
};

std::int32_t Int32FieldGet(Object* instance, std::int32_t offset);
void Int32FieldSet(Object* instance, std::int32_t offset, std::int32_t value);
StringRef StringFieldGet(Object* instance, std::int32_t offset);
void StringFieldSet(Object* instance, std::int32_t offset, String* value);
Ref<Object> ObjectFieldGet(Object* instance, std::int32_t offset);
void ObjectFieldSet(Object* instance, std::int32_t offset, Object* value);

namespace detail {

// The getter and setter of the field type whose values pass into a setter as `Param`.
template <class Param> struct FieldType {
    static_assert(!std::is_same_v<Param, Param>, "a declared field holds an Int32, a String or an object");
};
template <> struct FieldType<std::int32_t> {
    static constexpr auto get = &Int32FieldGet;
    static constexpr auto set = &Int32FieldSet;
};
template <> struct FieldType<String*> {
    static constexpr auto get = &StringFieldGet;
    static constexpr auto set = &StringFieldSet;
};
template <> struct FieldType<Object*> {
    static constexpr auto get = &ObjectFieldGet;
    static constexpr auto set = &ObjectFieldSet;
};

template <class T> struct FieldInvokers {
    using Type = FieldType<typename Convention<T>::Param>;

    static Object* checkedTarget(Object* target)
    {
        if (!target)
            RaiseNilObjectException();
        return target;
    }
    static Variant get(const PropertyRecord& property, Object* target)
    {
        auto value = Type::get(checkedTarget(target), property.fieldOffset);
        return Convention<decltype(value)>::toVariant(value);
    }
    static void set(const PropertyRecord& property, Object* target, const Variant& value)
    {
        auto held = Convention<T>::hold(value);
        Type::set(checkedTarget(target), property.fieldOffset, Convention<T>::pass(held));
    }
};

} // namespace detail

// The accessors of a field whose value has the C++ type T: std::int32_t,
// String*, or a pointer to an object's class (`Window*`).
template <class T> FieldAccessors FieldAccessorsOf() noexcept
{
    using Invokers = detail::FieldInvokers<T>;
    return { reinterpret_cast<MethodEntry>(Invokers::Type::get), reinterpret_cast<MethodEntry>(Invokers::Type::set),
        &Invokers::get, &Invokers::set };
}

} // namespace fw
