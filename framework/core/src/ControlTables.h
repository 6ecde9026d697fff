// Accessor records of the window and control classes, beside NativeMethods.h's:
// "Name.Get" and "Name.Set" for a property of any type a window or control has
// (Int32, Boolean, Single, Double, byte, Color, String, object), and "Name.Get"
// alone for a property the program cannot write. Their entry points follow the
// uniform convention; their invokers take and give Variants.
#pragma once

#include "NativeMethods.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <type_traits>

namespace fw::detail {

// What passes for a property value at the convention: the value itself, a String, an object.
template <class Held> auto PassHeld(const Held& held)
{
    if constexpr (std::is_same_v<Held, StringRef>)
        return held.get();
    else if constexpr (requires { held.get(); })
        return static_cast<Object*>(held.get());
    else
        return held;
}

template <auto Getter, auto Setter> struct SetRecordInvoke {
    using Value = typename MemberTraits<decltype(Getter)>::Value;
    using Param = typename AccessorAbi<Value>::Param;

    static Variant invoke(MethodEntry method, Object* target, const std::vector<Variant>* arguments)
    {
        CheckInvocation(target, arguments, 1);
        auto held = PropertyType<Value>::from((*arguments)[0]);
        EntryAs<void (*)(Object*, Param)>(method)(target, PassHeld(held));
        return {};
    }
};

template <FixedText Name, auto Getter> NativeMethod GetRecord()
{
    using Get = GetAccessor<Getter>;
    using Signatures = AccessorSignatures<typename MemberTraits<decltype(Getter)>::Value>;
    return { JoinedText<Name, ".Get">::view, Signatures::get, reinterpret_cast<MethodEntry>(&Get::call),
        &ConventionInvoke<decltype(&Get::call)>::invoke, false };
}

// "Name.Get" and "Name.Set" of a property bound to these member functions.
template <FixedText Name, auto Getter, auto Setter> std::array<NativeMethod, 2> Accessors()
{
    using Set = SetAccessor<Getter, Setter>;
    using Signatures = AccessorSignatures<typename MemberTraits<decltype(Getter)>::Value>;
    return { {
        GetRecord<Name, Getter>(),
        { JoinedText<Name, ".Set">::view, Signatures::set, reinterpret_cast<MethodEntry>(&Set::call),
            &SetRecordInvoke<Getter, Setter>::invoke, false },
    } };
}

// "Name.Get" of a property that only the framework writes.
template <FixedText Name, auto Getter> std::array<NativeMethod, 1> ReadAccessor()
{
    return { { GetRecord<Name, Getter>() } };
}

// Handles tell windows and controls apart for the whole run.
inline std::int32_t NextHandle() noexcept
{
    static std::atomic<std::int32_t> last { 0 };
    return ++last;
}

} // namespace fw::detail
