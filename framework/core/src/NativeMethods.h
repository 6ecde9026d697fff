// Method records of native classes: routines bound to member functions, and the
// record-only accessors of a property.
//
// A framework class keeps the read and the write of its properties by name as
// well ("Text.Get", "Text.Set"), so the program can call them like any method.
// `AccessorRecords` makes both records from the member functions the property
// record is bound to: the names, the signatures ("%s%", "%%s", "%i4%", ...) and
// the entry points follow from the property's name and C++ type. Entry points
// and invokers follow Abi.h's convention.
#pragma once

#include "NativeClass.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace fw::detail {

// A method bound to a member function; a method that takes a "p" has no invoker.
template <auto M> NativeMethod Routine(std::string_view name, std::string_view signature, bool inMethodTable = true)
{
    return { name, signature, EntryOf<M>(), InvokerOf<M>(), inMethodTable };
}

template <FixedText A, FixedText B> struct JoinedText {
    static constexpr auto chars = [] {
        std::array<char, A.size + B.size> text {};
        std::copy(A.chars, A.chars + A.size, text.begin());
        std::copy(B.chars, B.chars + B.size, text.begin() + A.size);
        return text;
    }();
    static constexpr std::string_view view { chars.data(), chars.size() };
};

// The record-only method "Name.Get" of a property that can be read only.
template <FixedText Name, auto Getter> NativeMethod GetterRecord()
{
    return Routine<Getter>(JoinedText<Name, ".Get">::view, kSignature<decltype(Getter)>, false);
}

// The record-only methods "Name.Get" and "Name.Set" of a property bound to these member functions.
template <FixedText Name, auto Getter, auto Setter> std::array<NativeMethod, 2> AccessorRecords()
{
    static_assert(
        std::is_same_v<typename MemberTraits<decltype(Getter)>::Value, typename MemberTraits<decltype(Setter)>::Value>,
        "a property's setter takes what its getter gives");
    return { { GetterRecord<Name, Getter>(),
        Routine<Setter>(JoinedText<Name, ".Set">::view, kSignature<decltype(Setter)>, false) } };
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
