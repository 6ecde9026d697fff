// A class's event table, and the event constants that come from it by name.
//
// The table holds the rows of the class's own events (name and signature), in the
// order of its event records, after the events it inherits: it is made from its
// superclass's table, which says how many those are.
//
//   inline constexpr auto kTable = EventsOf<Timer>(kObjectEvents, { { "Action", "%%" } });
//   inline constexpr auto kAction = EventNamed<kTable, "Action">();
//
// A class has constants for the events that code raises or binds by name; its table
// holds every event. A constant that names an event the table lacks, or holds twice,
// does not compile.
// The registration declares the same table, and refuses one whose inherited count
// is not its superclass's.
#pragma once

#include <fw/Events.h>
#include <fw/String.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace fw {

struct EventRow {
    std::string_view name;
    std::string_view signature;
};

template <class C, std::size_t N> struct EventTable {
    using Class = C;
    std::int32_t first = 0; // the number of inherited events
    std::array<EventRow, N> rows {};

    // Where a subclass's own events begin.
    constexpr std::int32_t end() const noexcept { return first + static_cast<std::int32_t>(N); }
    constexpr std::size_t count(std::string_view name) const noexcept
    {
        std::size_t found = 0;
        for (auto& row : rows)
            found += row.name == name ? 1 : 0;
        return found;
    }
    constexpr std::int32_t indexOf(std::string_view name) const noexcept
    {
        std::int32_t index = first;
        for (auto& row : rows) {
            if (row.name == name)
                break;
            ++index;
        }
        return index;
    }
};

// Object raises no events: the classes below it follow this table.
inline constexpr EventTable<Object, 0> kObjectEvents {};

template <class Class, class Super, std::size_t M, std::size_t N>
consteval EventTable<Class, N> EventsOf(const EventTable<Super, M>& superclass, const std::array<EventRow, N>& rows)
{
    return { superclass.end(), rows };
}

template <class Class, class Super, std::size_t M, std::size_t N>
consteval EventTable<Class, N> EventsOf(const EventTable<Super, M>& superclass, const EventRow (&rows)[N])
{
    return EventsOf<Class>(superclass, std::to_array(rows));
}

// The constant of the event `Name` of the table's class.
template <const auto& Table, FixedText Name> consteval auto EventNamed()
{
    static_assert(Table.count(kTextOf<Name>) != 0, "an event constant names an event that its class's table lacks");
    static_assert(
        Table.count(kTextOf<Name>) < 2, "an event constant names an event that its class's table holds twice");
    return Event<typename std::remove_cvref_t<decltype(Table)>::Class> { Table.indexOf(kTextOf<Name>) };
}

} // namespace fw
