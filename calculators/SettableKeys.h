// Whether the class that a stream is applied to can set every key the stream
// stores, known when compiled: the mass property setter refuses, at run time, a
// key for which the class has no settable property. A framework class's
// properties are its property table (fw/PropertyTables.h); a class of the
// program's own adds those it declares as its `kProperties`, each one a field
// that a stream can set.
#pragma once

#include "calculators/PropertyStreamWriter.h"

#include <fw/PropertyRows.h>

#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>

namespace calculators {

// Whether the class of the program's own declares a property of that name; a class
// that is none of the program's declares none.
template <class Class> constexpr bool declaresProperty(std::string_view name)
{
    if constexpr (requires { Class::kProperties; })
        return std::any_of(std::begin(Class::kProperties), std::end(Class::kProperties),
            [&](const auto& property) { return property.name == name; });
    else
        return false;
}

// Whether a class of the framework's table, or of the program's own below it, can set every key.
template <class Class>
constexpr bool setsEveryKey(const fw::PropertyTable& properties, std::span<const StreamEntry> entries)
{
    return std::all_of(entries.begin(), entries.end(),
        [&](const StreamEntry& entry) { return declaresProperty<Class>(entry.key) || properties.sets(entry.key); });
}

} // namespace calculators
