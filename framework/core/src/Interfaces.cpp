#include "NativeClass.h"

#include <fw/Interfaces.h>

namespace fw {

using namespace detail;

namespace {
// An interface's methods are records only: it has no entry points of its own.
constexpr NativeMethod declared(std::string_view name, std::string_view signature)
{
    return { name, signature, nullptr, nullptr, false };
}

ClassRecord* registerInterface(std::string_view name, std::span<const NativeMethod> methods)
{
    return RegisterNativeClass({ .name = name, .kind = kKindInterface, .methods = methods });
}
} // namespace

ClassRecord* ActionSourceInterface()
{
    static const NativeMethod methods[] = {
        declared("addActionNotificationReceiver", "%%o<actionNotificationReceiver>"),
        declared("removeActionNotificationReceiver", "%%o<actionNotificationReceiver>"),
    };
    static ClassRecord* cls = registerInterface("actionSource", methods);
    return cls;
}

ClassRecord* ActionNotificationReceiverInterface()
{
    static const NativeMethod methods[] = {
        declared("PerformAction", "%%"),
    };
    static ClassRecord* cls = registerInterface("actionNotificationReceiver", methods);
    return cls;
}

ClassRecord* PaneChildInterface()
{
    static const NativeMethod methods[] = {
        declared("_SetWindow", "%%o<Window>"),
        declared("Window", "%o<Window>%"),
        declared("_Index", "%i4%"),
        declared("_SetIndex", "%%i4"),
    };
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
