// How each of the program's classes registers itself with the framework.
//
// A class states its facts once, in a `ClassDeclaration`: superclass, registered
// name, class scope, own methods in method order (signature, scope, the Hidden
// marker, whether it overrides an inherited entry), own properties, the events
// it implements, its `__Init` and `__Exit` hooks and its interfaces. `ClassInit`
// derives every count, position, field offset and size from those facts and the
// superclass's record, and fills the records that RuntimeNewClass allocates.
// A `ClassStorage` is a class's record storage: nil until the class registers,
// on first use of its accessor or when start-up's initialisation list reaches it,
// whichever comes first; registering again does nothing.
#pragma once

#include <fw/Abi.h>
#include <fw/ClassRecord.h>
#include <fw/Fields.h>

#include <cstdint>
#include <span>
#include <string_view>

enum class Scope : std::uint8_t { Public, Protected, Private };

struct MethodDeclaration {
    std::string_view name;
    std::string_view signature;
    fw::MethodEntry entry = nullptr;
    fw::MethodInvoker invoker = nullptr;
    Scope scope = Scope::Public;
    bool hidden = false;
    bool overrides = false; // written over the inherited entry of the same name and signature
};

// A method of the class, typed: `Method<&W_Carb::Layout>("Layout", "%%")`.
template <auto F>
MethodDeclaration Method(std::string_view name, std::string_view signature, Scope scope = Scope::Public)
{
    return { name, signature, fw::EntryOf<F>(), fw::InvokerOf<F>(), scope };
}

template <auto F> MethodDeclaration HiddenMethod(std::string_view name, std::string_view signature)
{
    auto method = Method<F>(name, signature);
    method.hidden = true;
    return method;
}

template <auto F> MethodDeclaration Override(std::string_view name, std::string_view signature)
{
    auto method = Method<F>(name, signature);
    method.overrides = true;
    return method;
}

struct PropertyDeclaration {
    std::string_view name;
    std::string_view typeCode; // "i4", "s" or "o<Class>"
    fw::FieldAccessors (*accessors)() noexcept = nullptr;
    Scope scope = Scope::Public;
};

// A property of the class kept in a field of its own, whose value has the C++
// type T: `FieldProperty<fw::Window*>("ownerWindow", Scope::Private)`. Its type
// code and accessors follow from T; an object field's set invoker casts to T's
// class.
template <class T> constexpr PropertyDeclaration FieldProperty(std::string_view name, Scope scope = Scope::Public)
{
    return { name, fw::Convention<T>::code, &fw::FieldAccessorsOf<T>, scope };
}

// The class's own implementation of an event of its superclass, by event number.
struct EventHook {
    std::int32_t event;
    std::string_view method; // the name of one of the class's own methods
};

struct InterfaceDeclaration {
    fw::ClassRecord* (*interface)();
    std::span<const std::string_view> implementations; // method names, in the interface's order
};

struct ClassDeclaration {
    fw::ClassRecord* (*superclass)();
    std::string_view registeredName;
    bool hasClassScope = false;
    Scope classScope = Scope::Public;
    std::span<const MethodDeclaration> methods;
    std::span<const PropertyDeclaration> properties;
    std::span<const EventHook> eventHooks;
    fw::InstanceHook initHook = nullptr;
    fw::InstanceHook exitHook = nullptr;
    std::span<const InterfaceDeclaration> interfaces;
};

std::string_view ScopeName(Scope scope) noexcept;

// Registers the class once: does nothing when the storage already holds its record.
void ClassInit(fw::ClassRecord*& storage, const ClassDeclaration& declaration);

// A class's record storage and accessor. `declare` builds the declaration on the
// first registration only.
template <const ClassDeclaration& (*Declare)()> struct ClassStorage {
    static inline fw::ClassRecord* record = nullptr;

    static void Init() { ClassInit(record, Declare()); }

    static fw::ClassRecord* Accessor()
    {
        if (!record)
            Init();
        return record;
    }
};
