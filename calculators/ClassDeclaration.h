// How each of the program's classes registers itself with the framework.
//
// A class states its facts once, in a `ClassDeclaration`: superclass, registered
// name, class scope, own methods in method order (name and function, whose C++
// types give the signature; scope, the Hidden marker, whether it overrides an
// inherited entry, the event of the superclass it implements as the class's
// hook), own properties, its `__Init` and `__Exit` hooks and its interfaces.
// `ClassInit` derives every count, position, field offset and size from those
// facts and the superclass's record, and fills the records that RuntimeNewClass
// allocates. A method names its function and a hook is stated on the method
// that implements the event, so neither links to a method by its name; the
// event is checked, when compiled, against the class of the method's receiver.
// An override names the slot constant of the inherited entry it takes, which is
// checked against the inherited record there; a class's own constructor is a row
// of its own kind, so its position follows from the declaration; an interface
// method's implementation is a method that names it by the interface's slot
// constant, taking its name from the interface and checked against its signature
// when compiled, or else the superclass's implementation. What only the
// superclass's records can tell is checked when the class registers, and a
// mismatch raises RuntimeException naming the class and the method.
// A `ClassStorage` is a class's record storage: nil until the class registers,
// on first use of its accessor or when start-up's initialisation list reaches it,
// whichever comes first; registering again does nothing.
#pragma once

#include <fw/Abi.h>
#include <fw/ClassRecord.h>
#include <fw/Events.h>
#include <fw/Fields.h>
#include <fw/Interfaces.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

enum class Scope : std::uint8_t { Public, Protected, Private };

struct MethodDeclaration {
    std::string_view name;
    std::string_view signature;
    fw::MethodEntry entry = nullptr;
    fw::MethodInvoker invoker = nullptr;
    Scope scope = Scope::Public;
    bool hidden = false;
    // The inherited method table position the method is written over; none: a new entry.
    std::optional<std::int32_t> overriddenSlot {};
    bool constructs = false; // the class's own no-argument constructor, a new entry
    // The event of the superclass, by event number, that the method implements as the class's hook.
    std::optional<std::int32_t> hookedEvent {};
    // The interface, and the position among its methods, of the method it implements; nil: none.
    fw::ClassRecord* (*implements)() = nullptr;
    std::int32_t interfaceSlot = 0;
};

// A method as `Method` states it, typed by the class its receiver is taken as: the
// class that the declared class extends, or one of that class's superclasses.
template <class Receiver> struct MethodOf : MethodDeclaration {
    // This method as the class's own implementation of the event. The event is one
    // that the receiver's class declares or inherits: an index of another class's
    // events would name a different event of the class's records.
    template <class Declaring> MethodDeclaration Hooks(fw::Event<Declaring> event) const
    {
        static_assert(std::is_base_of_v<Declaring, Receiver>,
            "the hooked event belongs to neither the receiver's class nor its superclasses");
        MethodDeclaration method = *this;
        method.hookedEvent = event.index;
        return method;
    }
};

// A method of the class, typed: `Method<&W_Carb::Layout>("Layout")`. Its signature
// text, entry point and invoker follow from the function's C++ types. A list of
// methods is a `MethodDeclaration[]`, which holds each kind of row.
template <auto F> MethodOf<fw::ReceiverOf<F>> Method(std::string_view name, Scope scope = Scope::Public)
{
    return { { name, fw::kSignature<decltype(F)>, fw::EntryOf<F>(), fw::InvokerOf<F>(), scope } };
}

// A method whose signature text says more than its C++ types: it names the class of
// an object that the types know only as an Object, a class of the program's own
// with no C++ type. The text must fit the types.
template <auto F, const std::string_view& Signature>
MethodOf<fw::ReceiverOf<F>> Method(std::string_view name, Scope scope = Scope::Public)
{
    auto method = Method<F>(name, scope);
    method.signature = fw::kWrittenSignature<decltype(F), Signature>;
    return method;
}

// The method, marked Hidden.
inline MethodDeclaration Hidden(MethodDeclaration method)
{
    method.hidden = true;
    return method;
}

template <auto F> MethodDeclaration HiddenMethod(std::string_view name) { return Hidden(Method<F>(name)); }

// The class's implementation of the interface method at the interface's slot
// constant, named as the interface names it:
// `Implementation<&Wrapper::Window, fw::PaneChild, fw::PaneChildSlot::kWindow>()`.
template <auto F, class Interface, std::int32_t Slot>
MethodOf<fw::ReceiverOf<F>> Implementation(Scope scope = Scope::Public)
{
    static_assert(Slot >= 0 && static_cast<std::size_t>(Slot) < Interface::kMethods.size(),
        "the slot constant numbers none of the interface's methods");
    constexpr fw::InterfaceMethod wanted = Interface::kMethods[static_cast<std::size_t>(Slot)];
    static_assert(fw::kSignature<decltype(F)> == wanted.signature,
        "an implementation has the signature of the interface method it implements");
    auto method = Method<F>(wanted.name, scope);
    method.implements = &Interface::Class;
    method.interfaceSlot = Slot;
    return method;
}

// A method written over the inherited entry at a slot constant of the superclass:
// `Override<&MenuBar1::Constructor>("Constructor", fw::MenuItemSlot::kConstructor)`.
// The inherited method there must have the same name and signature.
template <auto F> MethodDeclaration Override(std::string_view name, std::int32_t slot)
{
    auto method = Method<F>(name);
    method.overriddenSlot = slot;
    return method;
}

inline constexpr std::string_view kConstructorName = "Constructor";

// The class's own no-argument constructor, a new entry of its method table.
template <auto F> MethodDeclaration ConstructorMethod()
{
    static_assert(
        fw::kSignature<decltype(F)> == fw::kSignature<void()>, "a no-argument constructor takes and gives nothing");
    auto method = Method<F>(kConstructorName);
    method.constructs = true;
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

// An interface the class implements: each of its methods is implemented by one of
// the class's `Implementation` methods, or else by the superclass's implementation
// of the same interface.
struct InterfaceDeclaration {
    fw::ClassRecord* (*interface)();
};

struct ClassDeclaration {
    fw::ClassRecord* (*superclass)();
    std::string_view registeredName;
    bool hasClassScope = false;
    Scope classScope = Scope::Public;
    std::span<const MethodDeclaration> methods;
    std::span<const PropertyDeclaration> properties;
    fw::InstanceHook initHook = nullptr;
    fw::InstanceHook exitHook = nullptr;
    std::span<const InterfaceDeclaration> interfaces;
};

std::string_view ScopeName(Scope scope) noexcept;

// Registers the class once: does nothing when the storage already holds its record.
// Raises RuntimeException, naming the class and the method, for an override whose
// slot holds another inherited method, and for an interface method it lacks; either
// before any record is made, so that the class stays unregistered.
void ClassInit(fw::ClassRecord*& storage, const ClassDeclaration& declaration);

// The method table position of the declaration's ConstructorMethod in the class
// registered from it: the superclass's entries come first, then the own methods that
// override nothing, in declaration order. Raises RuntimeException, naming the class,
// when the declaration has none.
std::int32_t DeclaredConstructorSlot(const ClassDeclaration& declaration);

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

    static std::int32_t ConstructorSlot()
    {
        Accessor();
        return DeclaredConstructorSlot(Declare());
    }
};
