// How the framework registers its own classes: one declarative table per class,
// from which the class record, its method table and its records are made through
// the same RuntimeNewClass, RuntimeNewVtable and RuntimeAllocateAttributeTable
// that the program's classes use. A native class is one the framework implements
// in C++; `construct` makes its object.
//
// A method is one row bound to a member function: `Routine<&Window::Show>("Show")`.
// Its signature text, entry point and invoker follow from the C++ types (Abi.h),
// every object parameter's class too (`ObjectOf<C>` for a class that no C++
// class is, ObjectOf.h). A row whose method table position the framework or the
// program calls by number names its slot constant,
// `Routine<&Window::Show>("Show", WindowSlot::kShow)`; `SlotsFit` checks at
// compile time that the row sits at that position. A row that takes an inherited
// entry names the superclass's slot constant: `Override<&MenuBar::Popup>("Popup",
// MenuItemSlot::kPopup)`; that the inherited method there has the row's name and
// signature is known only when the superclass has registered, and checked then.
//
// An interface's implementations are rows of the class's own, in the interface's
// order from a first one: `Implements<ActionSource, methods>()` checks their
// names and signatures at compile time against the interface's (Interfaces.h).
//
// A property is one row too (PropertyRows.h); its records follow the class's
// routines, in the order of the rows. A class whose properties a stream sets
// keeps its rows in its public property table (PropertyTables.h),
// `.properties = TextFieldProperty::kTable`, so that what it can set is known
// where the stream's design is compiled.
//
// The events are the table beside the class's event constants in its public
// header (EventTable.h), `.events = WindowEvent::kTable`, so that they are written once.
#pragma once

#include <fw/Abi.h>
#include <fw/ClassRecord.h>
#include <fw/EventTable.h>
#include <fw/Joined.h>
#include <fw/PropertyRows.h>
#include <fw/Variant.h>

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

namespace fw::detail {

using ClassAccessor = ClassRecord* (*)();

// A method bound to a member function.
template <auto M> consteval NativeMethod Routine(std::string_view name, std::int32_t slot = kNoSlot)
{
    return MethodRow<M>(name, true, slot);
}

// A method written over the inherited entry at the superclass's slot constant.
template <auto M> consteval NativeMethod Override(std::string_view name, std::int32_t slot)
{
    NativeMethod method = MethodRow<M>(name, true, slot);
    method.overrides = true;
    return method;
}

consteval NativeMethod Hidden(NativeMethod method)
{
    method.hidden = true;
    return method;
}

// A method of an interface: declared only, by name and signature.
constexpr NativeMethod Declared(std::string_view name, std::string_view signature)
{
    return { name, signature, nullptr, nullptr, false };
}

// Whether each row that names a slot constant sits at that position of the
// method table, the new rows' entries following the superclass's `inherited`
// ones, and whether the table then holds `count` entries (unless kNoSlot).
consteval bool SlotsFit(std::span<const NativeMethod> rows, std::int32_t inherited, std::int32_t count = kNoSlot)
{
    std::int32_t position = inherited;
    for (auto& row : rows) {
        if (!row.inMethodTable || row.overrides)
            continue;
        if (row.slot != kNoSlot && row.slot != position)
            return false;
        ++position;
    }
    return count == kNoSlot || position == count;
}

// A class's own event rows and the number of events it inherits, as its table declares them.
struct OwnEvents {
    std::int32_t first = 0;
    std::span<const EventRow> rows;

    constexpr OwnEvents() noexcept = default;
    template <class C, std::size_t N>
    constexpr OwnEvents(const EventTable<C, N>& table) noexcept
        : first(table.first)
        , rows(table.rows)
    {
    }
};

// A class's own property rows and, where they come from its property table, how many
// properties the table says the class inherits.
struct OwnProperties {
    std::span<const NativeProperty> rows;
    std::optional<std::size_t> inherited {};

    constexpr OwnProperties() noexcept = default;
    // Rows of the class's own, as an array or a span of them.
    template <class Rows>
    requires std::convertible_to<const Rows&, std::span<const NativeProperty>>
    constexpr OwnProperties(const Rows& own) noexcept
        : rows(own)
    {
    }
    constexpr OwnProperties(const PropertyTable& table) noexcept
        : rows(table.rows)
        , inherited(table.inherited())
    {
    }
};

// An interface the class implements: its rows from `first` on, in the interface's order.
struct NativeInterface {
    ClassAccessor interface = nullptr;
    std::size_t first = 0;
};

// Whether the class's rows from `first` on are Interface's methods (Interfaces.h), in
// their order, each a method of the class's table with the interface method's name and
// signature.
template <class Interface> consteval bool RowsImplement(std::span<const NativeMethod> rows, std::size_t first)
{
    const auto& wanted = Interface::kMethods;
    if (first > rows.size() || rows.size() - first < wanted.size())
        return false;
    for (std::size_t m = 0; m < wanted.size(); ++m) {
        const NativeMethod& row = rows[first + m];
        if (!row.inMethodTable || row.name != wanted[m].name || row.signature != wanted[m].signature)
            return false;
    }
    return true;
}

// The class's rows `Rows` from `First` on implement Interface.
template <class Interface, const auto& Rows, std::size_t First = 0> consteval NativeInterface Implements()
{
    static_assert(RowsImplement<Interface>(Rows, First),
        "the rows from the first one named are the interface's methods, each with its name and signature");
    return { &Interface::Class, First };
}

struct NativeClassFacts {
    std::string_view name;
    ClassAccessor superclass = nullptr;
    std::int32_t kind = kKindClass;
    std::span<const NativeMethod> methods;
    OwnEvents events;
    OwnProperties properties;
    std::int32_t instanceSize = 0;
    Object* (*construct)() = nullptr;
    std::span<const NativeInterface> interfaces;
};

// Raises RuntimeException, naming the class and the method, before any record is
// made, for an override whose inherited slot holds another method and for a slot
// constant that is not its row's position; and, naming the class, for an event or
// property table that follows another number of inherited records than the
// superclass has.
ClassRecord* RegisterNativeClass(const NativeClassFacts& facts);

template <class T> Object* Construct() { return new T; }

// Registers the native class T under its `kClassName`. Instances of T's classes
// are made as T objects, unless T cannot be made (an abstract root such as
// RectControl, whose constructor is protected).
template <class T> ClassRecord* RegisterNativeClass(NativeClassFacts facts)
{
    facts.name = T::kClassName;
    if constexpr (std::is_default_constructible_v<T>)
        facts.construct = &Construct<T>;
    return RegisterNativeClass(facts);
}

} // namespace fw::detail
