#include <fw/ClassRecord.h>
#include <fw/Exceptions.h>

#include <cassert>
#include <deque>
#include <memory>
#include <string>
#include <utility>

namespace fw {

namespace {
// Class records and method tables live for the whole run, through the destruction
// of other static objects too (an object released at exit still runs its class's
// __Exit hook): their stores are never destroyed.
std::deque<std::unique_ptr<ClassRecord>>& classStore()
{
    static auto* store = new std::deque<std::unique_ptr<ClassRecord>>;
    return *store;
}

std::vector<ClassRecord*>& registrationOrder()
{
    static auto* order = new std::vector<ClassRecord*>;
    return *order;
}

std::deque<std::unique_ptr<MethodEntry[]>>& tableStore()
{
    static auto* store = new std::deque<std::unique_ptr<MethodEntry[]>>;
    return *store;
}

template <class Record>
std::vector<Record> inheritedRecords(const std::vector<Record>* superRecords, std::int32_t count)
{
    std::vector<Record> records(static_cast<std::size_t>(count));
    if (superRecords) {
        assert(superRecords->size() <= records.size());
        std::copy(superRecords->begin(), superRecords->end(), records.begin());
    }
    return records;
}

template <class Record>
AttributeEntry* allocateAttributes(
    std::vector<Record>& records, std::int32_t byteOffset, std::int32_t recordSize, std::int32_t count)
{
    assert(byteOffset >= 0 && byteOffset % recordSize == 0 && count >= 0);
    auto& record = records.at(static_cast<std::size_t>(byteOffset / recordSize));
    record.attributes.assign(static_cast<std::size_t>(count), AttributeEntry {});
    return record.attributes.data();
}

NewObjectHook& newObjectHook()
{
    static NewObjectHook hook;
    return hook;
}

std::string className(const ClassRecord* cls) { return cls ? std::string(cls->registeredName) : std::string("nil"); }
} // namespace

ClassRecord* RuntimeNewClass(ClassRecord* superclass, std::int32_t methodRecords, std::int32_t interfaces,
    std::int32_t events, std::int32_t reserved, std::int32_t propertyRecords, std::int32_t classAttributes)
{
    auto record = std::make_unique<ClassRecord>();
    record->superclass = superclass;
    record->reserved5 = reserved;
    record->methods = inheritedRecords(superclass ? &superclass->methods : nullptr, methodRecords);
    record->events = inheritedRecords(superclass ? &superclass->events : nullptr, events);
    record->properties = inheritedRecords(superclass ? &superclass->properties : nullptr, propertyRecords);
    record->classAttributes.resize(static_cast<std::size_t>(classAttributes));
    record->interfaces.resize(static_cast<std::size_t>(interfaces));
    if (superclass) {
        record->construct = superclass->construct;
        record->nativeSize = superclass->nativeSize;
    }
    auto* cls = record.get();
    classStore().push_back(std::move(record));
    registrationOrder().push_back(cls);
    return cls;
}

MethodEntry* RuntimeNewVtable(std::int32_t entries)
{
    assert(entries >= 0);
    auto& table = tableStore().emplace_back(new MethodEntry[static_cast<std::size_t>(entries) + 1]());
    return table.get();
}

AttributeEntry* RuntimeAllocateAttributeTable(
    std::vector<MethodRecord>& records, std::int32_t byteOffset, std::int32_t count)
{
    return allocateAttributes(records, byteOffset, kMethodRecordSize, count);
}

AttributeEntry* RuntimeAllocateAttributeTable(
    std::vector<PropertyRecord>& records, std::int32_t byteOffset, std::int32_t count)
{
    return allocateAttributes(records, byteOffset, kPropertyRecordSize, count);
}

Ref<Object> RuntimeNewObject(ClassRecord* cls)
{
    if (!cls)
        RaiseNilObjectException();
    if (newObjectHook())
        newObjectHook()(cls);
    assert(cls->kind == kKindClass && cls->construct && "only classes with a native root can be instantiated");
    Ref<Object> object = Ref<Object>::adopt(cls->construct());
    object->class_ = cls;
    object->firstFieldOffset_ = cls->nativeSize;
    if (cls->instanceSize > cls->nativeSize)
        object->fields_.resize(static_cast<std::size_t>(cls->instanceSize - cls->nativeSize) / kFieldBytes);

    // Each class initialises its own fields, the superclass's first.
    std::vector<ClassRecord*> chain;
    for (auto* c = cls; c; c = c->superclass)
        chain.push_back(c);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if ((*it)->initHook)
            (*it)->initHook(object.get());
    return object;
}

NewObjectHook SetNewObjectHook(NewObjectHook hook) { return std::exchange(newObjectHook(), std::move(hook)); }

bool RuntimeObjectIsa(Object* object, ClassRecord* cls) noexcept
{
    if (!object || !cls)
        return false;
    for (auto* c = object->classRecord(); c; c = c->superclass) {
        if (c == cls)
            return true;
        for (auto& entry : c->interfaces)
            if (entry.interface == cls)
                return true;
    }
    return false;
}

Ref<Object> RuntimeCheckCast(Object* object, ClassRecord* cls)
{
    if (!object)
        return nullptr;
    if (!RuntimeObjectIsa(object, cls))
        Raise<IllegalCastException>(
            "an object of class " + className(object->classRecord()) + " cannot be cast to " + className(cls));
    return Ref<Object>::retain(object);
}

MethodEntry SlotEntry(const Object& object, std::int32_t slot)
{
    const ClassRecord* cls = object.classRecord();
    if (!cls || slot < 0 || slot >= cls->methodTableCount || !cls->methodTable[slot])
        Raise<RuntimeException>("class " + className(cls) + " has no method at position " + std::to_string(slot));
    return cls->methodTable[slot];
}

std::span<ClassRecord* const> RegisteredClasses() noexcept { return registrationOrder(); }

const PropertyRecord* FindProperty(const ClassRecord* cls, std::string_view name) noexcept
{
    // A subclass's own records come last; the last match is the nearest declaration.
    for (auto it = cls->properties.rbegin(); it != cls->properties.rend(); ++it)
        if (it->name == name)
            return &*it;
    return nullptr;
}

const MethodRecord* FindMethod(const ClassRecord* cls, std::string_view name, std::string_view signature) noexcept
{
    for (auto it = cls->methods.rbegin(); it != cls->methods.rend(); ++it)
        if (it->name == name && it->signature == signature)
            return &*it;
    return nullptr;
}

std::int32_t MethodTableSlot(const ClassRecord* cls, std::string_view name, std::string_view signature) noexcept
{
    for (std::int32_t slot = 0; slot < cls->methodTableCount; ++slot)
        for (auto& method : cls->methods)
            if (method.entry && method.entry == cls->methodTable[slot] && method.name == name
                && method.signature == signature)
                return slot;
    return -1;
}

void RequireInheritedAt(const ClassRecord* super, std::int32_t slot, std::string_view className, std::string_view name,
    std::string_view signature)
{
    if (slot >= 0 && slot < super->methodTableCount)
        for (auto& record : super->methods)
            if (record.entry && record.entry == super->methodTable[slot] && record.name == name
                && record.signature == signature)
                return;
    Raise<RuntimeException>("class " + std::string(className) + ", method " + std::string(name) + ": overrides slot "
        + std::to_string(slot) + " of " + std::string(super->registeredName)
        + ", which holds no inherited method of that name and signature " + std::string(signature));
}

} // namespace fw
