// A class's property rows and its property table, public so that what a class
// can set is known where a stream's design is compiled: the registration
// (NativeClass.h) makes the property records from the rows, and the design
// checks its keys against the table.
//
// A property is one row: `Property<"Left", &RectControl::left,
// &RectControl::setLeft>()` yields the property record (name, type code, get and
// set invokers) and the record-only methods "Left.Get" and "Left.Set" through
// which a call by name reaches it. A property without a setter is read-only: no
// set invoker and no "Set" record. A property that has no accessor records says
// so: `Property<...>(kNoAccessorRecords)`.
//
// A class's table holds its own rows, in the order of its own property records,
// and the table of its superclass, whose rows it inherits (PropertyTables.h):
//
//   inline constexpr auto kTable = PropertiesOf<TextField>(TextEditProperty::kTable, kRows);
//
// The registration refuses a table that follows another number of inherited
// properties than its superclass has.
#pragma once

#include <fw/Abi.h>
#include <fw/ClassRecord.h>
#include <fw/Joined.h>
#include <fw/Variant.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

namespace fw {

class Object;

namespace detail {

using EntryMaker = MethodEntry (*)() noexcept;

inline constexpr std::int32_t kNoSlot = -1;

struct NativeMethod {
    std::string_view name;
    std::string_view signature;
    EntryMaker entry = nullptr; // nil: declared only, as an interface's methods are
    MethodInvoker invoker = nullptr; // nil: the method takes what no Variant carries
    bool inMethodTable = true; // false: a record only, reached by name
    bool hidden = false; // carries the "Hidden" attribute after its scope
    std::int32_t slot = kNoSlot; // the slot constant that names its method table position
    bool overrides = false; // true: `slot` is the inherited entry it is written over
};

template <auto M> constexpr NativeMethod MethodRow(std::string_view name, bool inMethodTable, std::int32_t slot)
{
    return { name, kSignature<decltype(M)>, &EntryOf<M>, InvokerOf<M>(), inMethodTable, false, slot };
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
        return &ReceiverAs<Class>(object);
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

inline constexpr std::string_view kGetSuffix = ".Get";
inline constexpr std::string_view kSetSuffix = ".Set";

struct NativeProperty {
    std::string_view name;
    std::string_view typeCode;
    PropertyGetInvoker getInvoker = nullptr;
    PropertySetInvoker setInvoker = nullptr; // nil: only the framework writes it
    // Whether it has a set invoker, told without comparing function addresses: sanitizer
    // builds cannot compare them in constant expressions.
    bool settable = false;
    NativeMethod get {}; // the record "Name.Get"; no name: the property has none
    NativeMethod set {}; // the record "Name.Set"; no name: the property has none
};

inline constexpr struct NoAccessorRecords {
} kNoAccessorRecords {};

template <FixedText Name, auto Getter, auto Setter> constexpr NativeProperty PropertyRow(bool accessorRecords)
{
    using Bound = BoundProperty<Getter, Setter>;
    NativeProperty property { .name = kTextOf<Name>, .typeCode = Bound::Type::code, .getInvoker = &Bound::get };
    if (accessorRecords)
        property.get = MethodRow<Getter>(kJoined<kTextOf<Name>, kGetSuffix>, false, kNoSlot);
    if constexpr (!std::is_same_v<decltype(Setter), std::nullptr_t>) {
        static_assert(std::is_same_v<typename Bound::Value, typename MemberTraits<decltype(Setter)>::Value>,
            "a property's setter takes what its getter gives");
        property.setInvoker = &Bound::set;
        property.settable = true;
        if (accessorRecords)
            property.set = MethodRow<Setter>(kJoined<kTextOf<Name>, kSetSuffix>, false, kNoSlot);
    }
    return property;
}

// A property read through `Getter` and, unless it is read-only, written through `Setter`.
template <FixedText Name, auto Getter, auto Setter = nullptr> consteval NativeProperty Property()
{
    return PropertyRow<Name, Getter, Setter>(true);
}

template <FixedText Name, auto Getter, auto Setter = nullptr> consteval NativeProperty Property(NoAccessorRecords)
{
    return PropertyRow<Name, Getter, Setter>(false);
}

} // namespace detail

// What a class's properties are: its own rows, in the order of its own property
// records, after the rows of its superclass's table. The chain ends by its count
// of tables, not at a nil pointer: sanitizer builds cannot compare addresses in
// constant expressions.
struct PropertyTable {
    const PropertyTable* superclass = nullptr; // valid only where `above` is not 0
    std::size_t above = 0; // how many tables the class inherits rows from
    std::span<const detail::NativeProperty> rows;

    // How many properties the class inherits.
    constexpr std::size_t inherited() const noexcept
    {
        return above == 0 ? 0 : superclass->inherited() + superclass->rows.size();
    }

    // Whether a property stream can set the property of that name: the nearest
    // declaration, the one FindProperty finds, has a set invoker.
    constexpr bool sets(std::string_view name) const
    {
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            if (row->name == name)
                return row->settable;
        return above != 0 && superclass->sets(name);
    }
};

template <class C> struct ClassPropertyTable : PropertyTable {
    using Class = C;
};

// Object has no properties: the classes below it follow this table.
inline constexpr ClassPropertyTable<Object> kObjectProperties {};

template <class Class, class Super>
consteval ClassPropertyTable<Class> PropertiesOf(
    const ClassPropertyTable<Super>& superclass, std::span<const detail::NativeProperty> rows)
{
    static_assert(std::is_base_of_v<Super, Class>, "a class's property table follows one of its superclass's");
    return { { &superclass, superclass.above + 1, rows } };
}

} // namespace fw
