#include "NativeClass.h"

#include <fw/Exceptions.h>

#include <string>
#include <vector>

namespace fw::detail {

namespace {
constexpr AttributeEntry kPublic[] = { { "__Scope", "Public", 1 } };
constexpr AttributeEntry kPublicHidden[] = { { "__Scope", "Public", 1 }, { "Hidden", "", 0 } };

std::int32_t count(std::size_t n) { return static_cast<std::int32_t>(n); }

// The method rows, then the accessor records of the properties in their order.
std::vector<const NativeMethod*> methodRecords(const NativeClassFacts& facts)
{
    std::vector<const NativeMethod*> records;
    for (auto& method : facts.methods)
        records.push_back(&method);
    for (auto& property : facts.properties.rows)
        for (auto* accessor : { &property.get, &property.set })
            if (!accessor->name.empty())
                records.push_back(accessor);
    return records;
}

// Own record k of an array lies after the superclass's records; `fill` writes
// it and gives the attributes for its attribute table.
template <class Record, class Own, class Fill>
void fillOwnRecords(
    std::vector<Record>& records, std::int32_t recordSize, std::size_t inherited, const Own& own, Fill fill)
{
    for (std::size_t k = 0; k < own.size(); ++k) {
        auto position = inherited + k;
        std::span<const AttributeEntry> attributes = fill(records[position], own[k]);
        std::copy(attributes.begin(), attributes.end(),
            RuntimeAllocateAttributeTable(records, count(position) * recordSize, count(attributes.size())));
    }
}

// The method table: the superclass's entries, overrides in place, new methods after.
// Checked before any record is made.
std::vector<MethodEntry> methodTable(
    const NativeClassFacts& facts, const ClassRecord* super, const std::vector<const NativeMethod*>& methods)
{
    std::vector<MethodEntry> table;
    if (super)
        table.assign(super->methodTable, super->methodTable + super->methodTableCount);
    for (auto* method : methods) {
        if (!method->inMethodTable)
            continue;
        std::int32_t slot = method->slot;
        if (method->overrides) {
            if (!super)
                Raise<RuntimeException>("class " + std::string(facts.name) + ", method " + std::string(method->name)
                    + ": overrides an entry, and the class has no superclass");
            RequireInheritedAt(super, slot, facts.name, method->name, method->signature);
        } else {
            if (slot != kNoSlot && slot != count(table.size()))
                Raise<RuntimeException>("class " + std::string(facts.name) + ", method " + std::string(method->name)
                    + ": its slot constant " + std::to_string(slot) + " is not its position "
                    + std::to_string(table.size()));
            slot = count(table.size());
            table.push_back(nullptr);
        }
        table[static_cast<std::size_t>(slot)] = method->entry();
    }
    return table;
}

// A table's rows follow the records it says its class inherits: they hold only if the
// superclass has that many.
void requireFollows(std::string_view className, std::string_view table, std::string_view records, std::size_t stated,
    std::size_t actual)
{
    if (stated != actual)
        Raise<RuntimeException>("the " + std::string(table) + " table of " + std::string(className) + " follows "
            + std::to_string(stated) + " inherited " + std::string(records) + ", but its superclass has "
            + std::to_string(actual));
}

} // namespace

ClassRecord* RegisterNativeClass(const NativeClassFacts& facts)
{
    ClassRecord* super = facts.superclass ? facts.superclass() : nullptr;
    auto inherited = [&](auto ClassRecord::*records) { return super ? (super->*records).size() : 0; };
    if (!facts.events.rows.empty())
        requireFollows(facts.name, "event", "events", static_cast<std::size_t>(facts.events.first),
            inherited(&ClassRecord::events));
    if (facts.properties.inherited)
        requireFollows(
            facts.name, "property", "properties", *facts.properties.inherited, inherited(&ClassRecord::properties));
    auto methods = methodRecords(facts);
    auto table = methodTable(facts, super, methods);
    ClassRecord* cls = RuntimeNewClass(super, count(inherited(&ClassRecord::methods) + methods.size()),
        count(facts.interfaces.size()), count(inherited(&ClassRecord::events) + facts.events.rows.size()), 0,
        count(inherited(&ClassRecord::properties) + facts.properties.rows.size()), 0);
    cls->registeredName = facts.name;
    cls->kind = facts.kind;
    cls->instanceSize = facts.instanceSize;
    if (facts.construct) {
        cls->construct = facts.construct;
        cls->nativeSize = facts.instanceSize;
    }

    cls->methodTableCount = count(table.size());
    cls->methodTable = RuntimeNewVtable(cls->methodTableCount);
    std::copy(table.begin(), table.end(), cls->methodTable);

    fillOwnRecords(cls->methods, kMethodRecordSize, inherited(&ClassRecord::methods), methods,
        [](MethodRecord& record, const NativeMethod* method) {
            record.name = method->name;
            record.flags = kMethodFlagPublic;
            record.signature = method->signature;
            record.entry = method->entry ? method->entry() : nullptr;
            record.invoker = method->invoker;
            return method->hidden ? std::span<const AttributeEntry>(kPublicHidden)
                                  : std::span<const AttributeEntry>(kPublic);
        });

    auto firstEvent = inherited(&ClassRecord::events);
    for (std::size_t k = 0; k < facts.events.rows.size(); ++k)
        cls->events[firstEvent + k]
            = EventRecord { facts.events.rows[k].name, facts.events.rows[k].signature, nullptr };

    fillOwnRecords(cls->properties, kPropertyRecordSize, inherited(&ClassRecord::properties), facts.properties.rows,
        [](PropertyRecord& record, const NativeProperty& property) {
            record.name = property.name;
            record.flags = kPropertyFlagsPublic;
            record.typeCode = property.typeCode;
            record.getInvoker = property.getInvoker;
            record.setInvoker = property.setInvoker;
            return std::span<const AttributeEntry>(kPublic);
        });

    // Interfaces: the class's implementations, its rows in the interface's order.
    for (std::size_t k = 0; k < facts.interfaces.size(); ++k) {
        const NativeInterface& implemented = facts.interfaces[k];
        ClassRecord* interface = implemented.interface();
        auto& entry = cls->interfaces[k];
        entry.interface = interface;
        entry.methodCount = count(interface->methods.size());
        entry.methodTable = RuntimeNewVtable(entry.methodCount);
        for (std::size_t m = 0; m < interface->methods.size(); ++m)
            entry.methodTable[m] = facts.methods[implemented.first + m].entry();
    }
    return cls;
}

} // namespace fw::detail
