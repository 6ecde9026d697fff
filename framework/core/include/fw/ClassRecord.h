// Class records: what the framework knows of a class.
//
// A class record is made by `RuntimeNewClass` with room for the class's method,
// event and property records and its interface entries; the first records of
// each array, as many as the superclass has, are copied from the superclass and
// describe its members. The class's own registration then fills in its name,
// instance size, hooks, method table and its own records. The framework works
// from these records: it calls methods through the method table by position,
// raises a class's own events through the event hooks, checks casts along the
// superclass chain, and sets properties by name through the property records.
//
// The records are typed structures; the registration facts they hold (names,
// counts, positions, signatures, flags, attributes, offsets, sizes) are those the
// class declares.
#pragma once

#include <fw/Object.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace fw {

class Variant;

// A method's entry point, type-erased; the method's signature says its real type.
using MethodEntry = void (*)();
using InstanceHook = void (*)(Object* instance);
using MethodInvoker = Variant (*)(MethodEntry method, Object* target, const std::vector<Variant>* arguments);

struct AttributeEntry {
    std::string_view name;
    std::string_view value;
    std::uint8_t hasValue = 0;
};

inline constexpr std::int32_t kMethodRecordSize = 28;
inline constexpr std::int32_t kPropertyRecordSize = 40;
inline constexpr std::int32_t kMethodFlagPublic = 1;
inline constexpr std::int32_t kPropertyFlagsPublic = 5;
inline constexpr std::int32_t kPropertyFlagsRestricted = 4;

struct MethodRecord {
    std::string_view name;
    std::int32_t flags = 0;
    std::string_view signature;
    MethodEntry entry = nullptr;
    MethodInvoker invoker = nullptr;
    std::vector<AttributeEntry> attributes;
};

struct EventRecord {
    std::string_view name;
    std::string_view signature;
    MethodEntry hook = nullptr; // the class's own implementation of the event
};

struct PropertyRecord;
using PropertyGetInvoker = Variant (*)(const PropertyRecord& property, Object* target);
using PropertySetInvoker = void (*)(const PropertyRecord& property, Object* target, const Variant& value);

struct PropertyRecord {
    std::string_view name;
    std::int32_t flags = 0;
    std::string_view typeCode;
    std::int32_t fieldOffset = 0;
    MethodEntry getter = nullptr;
    MethodEntry setter = nullptr;
    PropertyGetInvoker getInvoker = nullptr;
    PropertySetInvoker setInvoker = nullptr;
    std::vector<AttributeEntry> attributes;
};

struct ClassRecord;

struct InterfaceEntry {
    ClassRecord* interface = nullptr;
    std::int32_t methodCount = 0;
    MethodEntry* methodTable = nullptr;
};

inline constexpr std::int32_t kKindClass = 0;
inline constexpr std::int32_t kKindInterface = 1;

struct ClassRecord {
    std::string_view registeredName;
    std::int32_t instanceSize = 0;
    std::int32_t kind = kKindClass;
    std::int32_t reserved20 = 0;
    InstanceHook initHook = nullptr;
    InstanceHook exitHook = nullptr;
    std::int32_t methodTableCount = 0;
    MethodEntry* methodTable = nullptr;
    std::vector<MethodRecord> methods;
    std::vector<EventRecord> events;
    std::vector<PropertyRecord> properties;
    std::vector<AttributeEntry> classAttributes;
    std::vector<InterfaceEntry> interfaces;

    // The framework's own words.
    ClassRecord* superclass = nullptr;
    std::int32_t reserved5 = 0; // the fifth argument of RuntimeNewClass
    Object* (*construct)() = nullptr; // makes the native object of the nearest native class
    std::int32_t nativeSize = 0; // instance size of that native class
};

// The seven counts of a new class, in this order; the records of the superclass
// come first in each array.
ClassRecord* RuntimeNewClass(ClassRecord* superclass, std::int32_t methodRecords, std::int32_t interfaces,
    std::int32_t events, std::int32_t reserved, std::int32_t propertyRecords, std::int32_t classAttributes);
MethodEntry* RuntimeNewVtable(std::int32_t entries);
// The attribute table of the record at `byteOffset` within the array; it belongs to that record.
AttributeEntry* RuntimeAllocateAttributeTable(
    std::vector<MethodRecord>& records, std::int32_t byteOffset, std::int32_t count);
AttributeEntry* RuntimeAllocateAttributeTable(
    std::vector<PropertyRecord>& records, std::int32_t byteOffset, std::int32_t count);

// A new, not yet constructed instance of the class, with one reference for the caller.
Ref<Object> RuntimeNewObject(ClassRecord* cls);

// Runs at the start of every RuntimeNewObject with the class asked for; a hook that
// raises makes that creation fail. Tests use it to force faults. Returns the hook it replaces.
using NewObjectHook = std::function<void(ClassRecord* cls)>;
NewObjectHook SetNewObjectHook(NewObjectHook hook);
// True when the object is of the class, of a subclass, or implements it as an interface.
bool RuntimeObjectIsa(Object* object, ClassRecord* cls) noexcept;
// The same object with one reference for the caller; nil stays nil; IllegalCastException otherwise.
Ref<Object> RuntimeCheckCast(Object* object, ClassRecord* cls);

// The entry at position `slot` of the object's method table. Raises RuntimeException,
// naming the class, for a position outside the table or one that holds no entry.
MethodEntry SlotEntry(const Object& object, std::int32_t slot);

// Every class record made so far, in the order their classes were registered.
std::span<ClassRecord* const> RegisteredClasses() noexcept;

// Lookups by name, where a name is all there is: a stream's key, or a method that
// only its name and signature identify. Registration never looks a slot up by name.
const PropertyRecord* FindProperty(const ClassRecord* cls, std::string_view name) noexcept;
const MethodRecord* FindMethod(const ClassRecord* cls, std::string_view name, std::string_view signature) noexcept;
// The position in the class's method table whose method has this name and signature, or -1.
std::int32_t MethodTableSlot(const ClassRecord* cls, std::string_view name, std::string_view signature) noexcept;

// Checks that the superclass's method table holds, at the slot an override names, a
// method of the override's name and signature; raises RuntimeException naming the
// class and the method when it does not.
void RequireInheritedAt(const ClassRecord* super, std::int32_t slot, std::string_view className, std::string_view name,
    std::string_view signature);

} // namespace fw
