// The framework's interfaces: class records of kind kKindInterface that list
// methods by name and signature. A class that implements one carries an
// interface entry with its own implementations in the interface's order, through
// which the framework calls them without knowing the class.
//
// - actionSource: an object that tells receivers of its action (a Timer).
// - actionNotificationReceiver: an object told of a source's action, through its
//   `PerformAction`.
// - _PaneChild: an object that a window holds like a control without being one
//   (a window's timer): the window tells it its window and its place.
//
// Each interface's methods are stated once, in its `kMethods`, from which its
// record is made; a class implementing it names its implementations by their
// position there, and the names and signatures are checked when compiling.
#pragma once

#include <fw/Abi.h>
#include <fw/ClassRecord.h>
#include <fw/ObjectOf.h>
#include <fw/Window.h>

#include <array>
#include <cstdint>
#include <string_view>

namespace fw {

// One method of an interface: its name and the signature its implementations have.
struct InterfaceMethod {
    std::string_view name;
    std::string_view signature;
};

// An interface method whose signature is that of the C++ function type F.
template <class F> consteval InterfaceMethod Declares(std::string_view name) { return { name, kSignature<F> }; }

ClassRecord* ActionSourceInterface();
ClassRecord* ActionNotificationReceiverInterface();
ClassRecord* PaneChildInterface();

// The interface as a parameter's class: `ObjectOf<ActionNotificationReceiver>`.
struct ActionNotificationReceiver {
    static ClassRecord* Class() { return ActionNotificationReceiverInterface(); }
    static constexpr std::string_view kClassName = "actionNotificationReceiver";
    static constexpr std::array kMethods { Declares<void()>("PerformAction") };
};
// Positions in an actionNotificationReceiver's implementation table.
namespace ActionNotificationReceiverSlot {
inline constexpr std::int32_t kPerformAction = 0;
} // namespace ActionNotificationReceiverSlot

struct ActionSource {
    static ClassRecord* Class() { return ActionSourceInterface(); }
    static constexpr std::string_view kClassName = "actionSource";
    static constexpr std::array kMethods {
        Declares<void(ObjectOf<ActionNotificationReceiver>)>("addActionNotificationReceiver"),
        Declares<void(ObjectOf<ActionNotificationReceiver>)>("removeActionNotificationReceiver"),
    };
};

struct PaneChild {
    static ClassRecord* Class() { return PaneChildInterface(); }
    static constexpr std::string_view kClassName = "_PaneChild";
    static constexpr std::array kMethods {
        Declares<void(Window*)>("_SetWindow"),
        Declares<Ref<Window>()>("Window"),
        Declares<std::int32_t()>("_Index"),
        Declares<void(std::int32_t)>("_SetIndex"),
    };
};
// Positions in a _PaneChild's implementation table.
namespace PaneChildSlot {
inline constexpr std::int32_t kSetWindow = 0;
inline constexpr std::int32_t kWindow = 1;
inline constexpr std::int32_t kIndex = 2;
inline constexpr std::int32_t kSetIndex = 3;
} // namespace PaneChildSlot

// The object's implementation table of the interface, nullptr when its class does not implement it.
const InterfaceEntry* FindInterfaceEntry(const Object* object, const ClassRecord* interface) noexcept;
// The class's implementation table of the interface, its own or inherited; nullptr when it has none.
const InterfaceEntry* FindInterfaceEntry(const ClassRecord* cls, const ClassRecord* interface) noexcept;

} // namespace fw
