#include "NativeClass.h"

#include <fw/Interfaces.h>

#include <initializer_list>
#include <utility>

namespace fw {

using namespace detail;

namespace {

// An interface's record, made from its declared methods.
template <class Interface> ClassRecord* registerInterface()
{
    static constexpr auto methods = [] {
        std::array<NativeMethod, Interface::kMethods.size()> rows {};
        for (std::size_t m = 0; m < rows.size(); ++m)
            rows[m] = Declared(Interface::kMethods[m].name, Interface::kMethods[m].signature);
        return rows;
    }();
    return RegisterNativeClass({ .name = Interface::kClassName, .kind = kKindInterface, .methods = methods });
}

// Whether each slot constant numbers the method it is named for.
template <class Interface>
consteval bool SlotConstantsFit(std::initializer_list<std::pair<std::int32_t, std::string_view>> constants)
{
    for (auto& [slot, name] : constants)
        if (slot < 0 || static_cast<std::size_t>(slot) >= Interface::kMethods.size()
            || Interface::kMethods[static_cast<std::size_t>(slot)].name != name)
            return false;
    return true;
}

static_assert(SlotConstantsFit<ActionNotificationReceiver>(
                  { { ActionNotificationReceiverSlot::kPerformAction, "PerformAction" } }),
    "a slot constant numbers the interface method it is named for");
static_assert(
    SlotConstantsFit<PaneChild>({ { PaneChildSlot::kSetWindow, "_SetWindow" }, { PaneChildSlot::kWindow, "Window" },
        { PaneChildSlot::kIndex, "_Index" }, { PaneChildSlot::kSetIndex, "_SetIndex" } }),
    "a slot constant numbers the interface method it is named for");

} // namespace

ClassRecord* ActionSourceInterface()
{
    static ClassRecord* cls = registerInterface<ActionSource>();
    return cls;
}

ClassRecord* ActionNotificationReceiverInterface()
{
    static ClassRecord* cls = registerInterface<ActionNotificationReceiver>();
    return cls;
}

ClassRecord* PaneChildInterface()
{
    static ClassRecord* cls = registerInterface<PaneChild>();
    return cls;
}

const InterfaceEntry* FindInterfaceEntry(const Object* object, const ClassRecord* interface) noexcept
{
    return object ? FindInterfaceEntry(object->classRecord(), interface) : nullptr;
}

const InterfaceEntry* FindInterfaceEntry(const ClassRecord* cls, const ClassRecord* interface) noexcept
{
    for (; cls; cls = cls->superclass)
        for (auto& entry : cls->interfaces)
            if (entry.interface == interface)
                return &entry;
    return nullptr;
}

} // namespace fw
