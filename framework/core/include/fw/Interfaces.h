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
#pragma once

#include <fw/ClassRecord.h>

#include <string_view>

namespace fw {

ClassRecord* ActionSourceInterface();
ClassRecord* ActionNotificationReceiverInterface();
// The interface as a parameter's class: `ObjectOf<ActionNotificationReceiver>`.
struct ActionNotificationReceiver {
    static ClassRecord* Class() { return ActionNotificationReceiverInterface(); }
    static constexpr std::string_view kClassName = "actionNotificationReceiver";
};
// Positions in an actionNotificationReceiver's implementation table.
namespace ActionNotificationReceiverSlot {
inline constexpr std::int32_t kPerformAction = 0;
} // namespace ActionNotificationReceiverSlot

ClassRecord* PaneChildInterface();
// Positions in a _PaneChild's implementation table.
namespace PaneChildSlot {
inline constexpr std::int32_t kSetWindow = 0;
} // namespace PaneChildSlot

// The object's implementation table of the interface, nullptr when its class does not implement it.
const InterfaceEntry* FindInterfaceEntry(const Object* object, const ClassRecord* interface) noexcept;

} // namespace fw
