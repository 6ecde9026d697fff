#include "NativeClass.h"

#include <cassert>

namespace fw::detail {

namespace {
constexpr AttributeEntry kPublicScope { "__Scope", "Public", 1 };
} // namespace

ClassRecord* RegisterNativeClass(const NativeClassFacts& facts)
{
    ClassRecord* super = facts.superclass ? facts.superclass() : nullptr;
    auto count = [](auto inherited, auto own) { return static_cast<std::int32_t>(inherited + own.size()); };
    ClassRecord* cls = RuntimeNewClass(super, count(super ? super->methods.size() : 0, facts.methods),
        static_cast<std::int32_t>(facts.interfaces.size()), count(super ? super->events.size() : 0, facts.events), 0,
        count(super ? super->properties.size() : 0, facts.properties), 0);
    cls->registeredName = facts.name;
    cls->kind = facts.kind;
    cls->instanceSize = facts.instanceSize;
    if (facts.construct) {
        cls->construct = facts.construct;
        cls->nativeSize = facts.instanceSize;
    }

    // Method table: the superclass's entries, overrides in place, new methods after.
    std::vector<MethodEntry> table;
    if (super)
        table.assign(super->methodTable, super->methodTable + super->methodTableCount);
    for (auto& method : facts.methods) {
        if (!method.inMethodTable)
            continue;
        auto slot = super ? MethodTableSlot(super, method.name, method.signature) : -1;
        if (slot >= 0)
            table[static_cast<std::size_t>(slot)] = method.entry;
        else
            table.push_back(method.entry);
    }
    cls->methodTableCount = static_cast<std::int32_t>(table.size());
    cls->methodTable = RuntimeNewVtable(cls->methodTableCount);
    std::copy(table.begin(), table.end(), cls->methodTable);

    auto firstMethod = super ? super->methods.size() : 0;
    for (std::size_t k = 0; k < facts.methods.size(); ++k) {
        auto& record = cls->methods[firstMethod + k];
        auto& method = facts.methods[k];
        record.name = method.name;
        record.flags = kMethodFlagPublic;
        record.signature = method.signature;
        record.entry = method.entry;
        record.invoker = method.invoker;
        RuntimeAllocateAttributeTable(
            cls->methods, static_cast<std::int32_t>((firstMethod + k) * kMethodRecordSize), 1)[0]
            = kPublicScope;
    }

    auto firstEvent = super ? super->events.size() : 0;
    for (std::size_t k = 0; k < facts.events.size(); ++k)
        cls->events[firstEvent + k] = EventRecord { facts.events[k].name, facts.events[k].signature, nullptr };

    auto firstProperty = super ? super->properties.size() : 0;
    for (std::size_t k = 0; k < facts.properties.size(); ++k) {
        auto& record = cls->properties[firstProperty + k];
        auto& property = facts.properties[k];
        record.name = property.name;
        record.flags = kPropertyFlagsPublic;
        record.typeCode = property.typeCode;
        record.getInvoker = property.getInvoker;
        record.setInvoker = property.setInvoker;
        RuntimeAllocateAttributeTable(
            cls->properties, static_cast<std::int32_t>((firstProperty + k) * kPropertyRecordSize), 1)[0]
            = kPublicScope;
    }

    // Interfaces: the class's implementations, found by name and signature, in the interface's order.
    for (std::size_t k = 0; k < facts.interfaces.size(); ++k) {
        ClassRecord* interface = facts.interfaces[k]();
        auto& entry = cls->interfaces[k];
        entry.interface = interface;
        entry.methodCount = static_cast<std::int32_t>(interface->methods.size());
        entry.methodTable = RuntimeNewVtable(entry.methodCount);
        for (std::size_t m = 0; m < interface->methods.size(); ++m) {
            auto* implementation = FindMethod(cls, interface->methods[m].name, interface->methods[m].signature);
            assert(implementation && "a class implements every method of its interfaces");
            entry.methodTable[m] = implementation->entry;
        }
    }
    return cls;
}

} // namespace fw::detail
