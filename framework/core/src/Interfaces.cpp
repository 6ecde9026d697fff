#include "NativeClass.h"

#include <fw/Interfaces.h>
#include <fw/ObjectOf.h>
#include <fw/Window.h>

namespace fw {

using namespace detail;

namespace {
ClassRecord* registerInterface(std::string_view name, std::span<const NativeMethod> methods)
{
    return RegisterNativeClass({ .name = name, .kind = kKindInterface, .methods = methods });
}
} // namespace

ClassRecord* ActionSourceInterface()
{
    static constexpr NativeMethod methods[] = {
        Declared<void(ObjectOf<ActionNotificationReceiver>)>("addActionNotificationReceiver"),
        Declared<void(ObjectOf<ActionNotificationReceiver>)>("removeActionNotificationReceiver"),
    };
    static ClassRecord* cls = registerInterface("actionSource", methods);
    return cls;
}

ClassRecord* ActionNotificationReceiverInterface()
{
    static constexpr NativeMethod methods[] = {
        Declared<void()>("PerformAction"),
    };
    static_assert(methods[ActionNotificationReceiverSlot::kPerformAction].name == "PerformAction",
        "the slot constant names PerformAction's position in the interface's methods");
    static ClassRecord* cls = registerInterface(ActionNotificationReceiver::kClassName, methods);
    return cls;
}

ClassRecord* PaneChildInterface()
{
    static constexpr NativeMethod methods[] = {
        Declared<void(Window*)>("_SetWindow"),
        Declared<Ref<Window>()>("Window"),
        Declared<std::int32_t()>("_Index"),
        Declared<void(std::int32_t)>("_SetIndex"),
    };
    static_assert(methods[PaneChildSlot::kSetWindow].name == "_SetWindow",
        "the slot constant names _SetWindow's position in the interface's methods");
    static ClassRecord* cls = registerInterface("_PaneChild", methods);
    return cls;
}

const InterfaceEntry* FindInterfaceEntry(const Object* object, const ClassRecord* interface) noexcept
{
    if (!object)
        return nullptr;
    for (auto* cls = object->classRecord(); cls; cls = cls->superclass)
        for (auto& entry : cls->interfaces)
            if (entry.interface == interface)
                return &entry;
    return nullptr;
}

} // namespace fw
