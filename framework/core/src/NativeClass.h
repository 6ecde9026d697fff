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

// A property's get and set invokers, bound to the member functions that read and write it.
template <auto Getter, auto Setter> struct BoundProperty {
    using Class = typename MemberTraits<decltype(Getter)>::Class;
    using Value = typename MemberTraits<decltype(Getter)>::Value;
    using Type = Convention<Value>;

    static Class* target(Object* object)
    {
        if (!object)
            RaiseNilObjectException();
        return native_cast<Class>(object);
    }
    static Variant get(const PropertyRecord&, Object* object)
    {
        return Type::toVariant(Type::out((target(object)->*Getter)()));
    }
    static void set(const PropertyRecord&, Object* object, const Variant& value)
    {
        auto* self = target(object);
        auto held = Type::hold(value);
        (self->*Setter)(Type::in(Type::pass(held)));
    }
};

// A property read and written through member functions.
template <auto Getter, auto Setter> NativeProperty Property(std::string_view name)
{
    using Bound = BoundProperty<Getter, Setter>;
    return { name, Bound::Type::code, &Bound::get, &Bound::set };
}

} // namespace fw::detail
