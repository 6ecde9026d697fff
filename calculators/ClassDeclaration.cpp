#include "calculators/ClassDeclaration.h"

#include <fw/Exceptions.h>
#include <fw/Interfaces.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace {

std::int32_t count(std::size_t n) { return static_cast<std::int32_t>(n); }

[[noreturn]] void raiseFor(const ClassDeclaration& declaration, std::string_view method, std::string_view fault)
{
    fw::Raise<fw::RuntimeException>("class " + std::string(declaration.registeredName) + ", method "
        + std::string(method) + ": " + std::string(fault));
}

// Each override's slot holds the inherited method it replaces; checked before any record is made.
void checkOverrides(const fw::ClassRecord* super, const ClassDeclaration& declaration)
{
    for (auto& method : declaration.methods)
        if (method.overriddenSlot)
            fw::RequireInheritedAt(
                super, *method.overriddenSlot, declaration.registeredName, method.name, method.signature);
}

fw::AttributeEntry scopeAttribute(Scope scope) { return { "__Scope", ScopeName(scope), 1 }; }

void fillMethodTable(fw::ClassRecord* cls, const fw::ClassRecord* super, const ClassDeclaration& declaration)
{
    std::int32_t newEntries = 0;
    for (auto& method : declaration.methods)
        newEntries += method.overriddenSlot ? 0 : 1;
    std::int32_t n = super->methodTableCount + newEntries;
    cls->methodTable = fw::RuntimeNewVtable(n);
    cls->methodTableCount = n;
    std::copy(super->methodTable, super->methodTable + super->methodTableCount, cls->methodTable);
    std::int32_t next = super->methodTableCount;
    for (auto& method : declaration.methods) {
        if (method.overriddenSlot) {
            cls->methodTable[*method.overriddenSlot] = method.entry;
        } else {
            cls->methodTable[next++] = method.entry;
        }
    }
}

std::int32_t attributeCount(const MethodDeclaration& method) { return method.hidden ? 2 : 1; }
std::int32_t attributeCount(const PropertyDeclaration&) { return 1; }

// Own record k lies right after the superclass's records. Each gets its attribute
// table, the scope first; `fill` writes the rest from the declaration.
template <class Record, class Declared, class Fill>
void fillOwnRecords(std::vector<Record>& records, std::size_t inherited, std::int32_t recordSize,
    std::span<const Declared> declarations, Fill fill)
{
    for (std::size_t k = 0; k < declarations.size(); ++k) {
        const Declared& declared = declarations[k];
        const std::size_t position = inherited + k;
        fw::AttributeEntry* attributes
            = fw::RuntimeAllocateAttributeTable(records, count(position) * recordSize, attributeCount(declared));
        attributes[0] = scopeAttribute(declared.scope);
        fill(records[position], declared, count(k), attributes);
    }
}

void fillMethodRecords(fw::ClassRecord* cls, const fw::ClassRecord* super, const ClassDeclaration& declaration)
{
    fillOwnRecords(cls->methods, super->methods.size(), fw::kMethodRecordSize, declaration.methods,
        [](fw::MethodRecord& record, const MethodDeclaration& method, std::int32_t, fw::AttributeEntry* attributes) {
            record.name = method.name;
            if (method.scope == Scope::Public)
                record.flags = fw::kMethodFlagPublic;
            record.signature = method.signature;
            record.entry = method.entry;
            record.invoker = method.invoker;
            if (method.hidden)
                attributes[1] = { "Hidden", "", 0 };
        });
}

void fillPropertyRecords(fw::ClassRecord* cls, const fw::ClassRecord* super, const ClassDeclaration& declaration)
{
    fillOwnRecords(cls->properties, super->properties.size(), fw::kPropertyRecordSize, declaration.properties,
        [&](fw::PropertyRecord& record, const PropertyDeclaration& property, std::int32_t k, fw::AttributeEntry*) {
            record.name = property.name;
            record.flags = property.scope == Scope::Public ? fw::kPropertyFlagsPublic : fw::kPropertyFlagsRestricted;
            record.typeCode = property.typeCode;
            record.fieldOffset = super->instanceSize + k * fw::kFieldBytes;
            auto accessors = property.accessors();
            record.getter = accessors.getter;
            record.setter = accessors.setter;
            record.getInvoker = accessors.getInvoker;
            record.setInvoker = accessors.setInvoker;
        });
}

// The implementation of the interface's method at the position: the class's own method
// that names it, else the superclass's implementation; nil when there is none.
fw::MethodEntry implementationOf(const fw::ClassRecord* super, const ClassDeclaration& declaration,
    const fw::ClassRecord* interface, std::int32_t position)
{
    for (auto& method : declaration.methods)
        if (method.implements && method.implements() == interface && method.interfaceSlot == position)
            return method.entry;
    const fw::InterfaceEntry* inherited = fw::FindInterfaceEntry(super, interface);
    return inherited && position < inherited->methodCount ? inherited->methodTable[position] : nullptr;
}

// Each declared interface's implementations, in the order of its methods; checked
// before any record is made.
std::vector<std::vector<fw::MethodEntry>> interfaceTables(
    const fw::ClassRecord* super, const ClassDeclaration& declaration)
{
    std::vector<std::vector<fw::MethodEntry>> tables;
    for (auto& declared : declaration.interfaces) {
        auto* interfaceRecord = declared.interface();
        auto& table = tables.emplace_back();
        for (std::size_t m = 0; m < interfaceRecord->methods.size(); ++m) {
            fw::MethodEntry implementation = implementationOf(super, declaration, interfaceRecord, count(m));
            if (!implementation) {
                auto& wanted = interfaceRecord->methods[m];
                raiseFor(declaration, wanted.name,
                    "the interface " + std::string(interfaceRecord->registeredName) + " needs it with the signature "
                        + std::string(wanted.signature) + ", and the class has none");
            }
            table.push_back(implementation);
        }
    }
    return tables;
}

void fillInterfaces(
    fw::ClassRecord* cls, const ClassDeclaration& declaration, const std::vector<std::vector<fw::MethodEntry>>& tables)
{
    for (std::size_t k = 0; k < tables.size(); ++k) {
        auto& entry = cls->interfaces[k];
        entry.interface = declaration.interfaces[k].interface();
        entry.methodCount = count(tables[k].size());
        entry.methodTable = fw::RuntimeNewVtable(entry.methodCount);
        std::copy(tables[k].begin(), tables[k].end(), entry.methodTable);
    }
}

} // namespace

std::string_view ScopeName(Scope scope) noexcept
{
    switch (scope) {
    case Scope::Public:
        return "Public";
    case Scope::Protected:
        return "Protected";
    case Scope::Private:
        return "Private";
    }
    return {};
}

void ClassInit(fw::ClassRecord*& storage, const ClassDeclaration& declaration)
{
    if (storage)
        return;
    fw::ClassRecord* super = declaration.superclass();
    checkOverrides(super, declaration);
    const auto interfaces = interfaceTables(super, declaration);
    fw::ClassRecord* cls = fw::RuntimeNewClass(super, count(super->methods.size() + declaration.methods.size()),
        count(declaration.interfaces.size()), count(super->events.size()), 0,
        count(super->properties.size() + declaration.properties.size()), declaration.hasClassScope ? 1 : 0);
    storage = cls;

    cls->registeredName = declaration.registeredName;
    cls->instanceSize = super->instanceSize + count(declaration.properties.size()) * fw::kFieldBytes;
    cls->kind = fw::kKindClass;
    cls->reserved20 = 0;
    if (declaration.initHook)
        cls->initHook = declaration.initHook;
    if (declaration.exitHook)
        cls->exitHook = declaration.exitHook;

    fillMethodTable(cls, super, declaration);
    fillMethodRecords(cls, super, declaration);
    for (auto& method : declaration.methods)
        if (method.hookedEvent)
            cls->events.at(static_cast<std::size_t>(*method.hookedEvent)).hook = method.entry;
    fillPropertyRecords(cls, super, declaration);
    if (declaration.hasClassScope)
        cls->classAttributes[0] = scopeAttribute(declaration.classScope);
    fillInterfaces(cls, declaration, interfaces);
}

std::int32_t DeclaredConstructorSlot(const ClassDeclaration& declaration)
{
    std::int32_t slot = declaration.superclass()->methodTableCount;
    for (auto& method : declaration.methods) {
        if (method.constructs)
            return slot;
        if (!method.overriddenSlot)
            ++slot;
    }
    raiseFor(declaration, kConstructorName, "the class declares no constructor of its own");
}
