// The framework's generic accessors of the fields that classes declare, one set
// per field type, shared by every property of that type. A getter takes the
// instance and the field's byte offset; a setter also the new value. Strings and
// objects are reference-counted: the getter returns one reference for the
// caller, the setter keeps one of its own and drops the old value's.
#pragma once

#include <fw/ClassRecord.h>

#include <cstdint>
#include <string_view>

namespace fw {

struct FieldAccessors {
    MethodEntry getter;
    MethodEntry setter;
    PropertyGetInvoker getInvoker;
    PropertySetInvoker setInvoker;
};

// The accessors for a type code: "i4", "s", or an object type "o<Class>".
// An unknown type code is a programmer's mistake.
FieldAccessors FieldAccessorsFor(std::string_view typeCode) noexcept;

std::int32_t Int32FieldGet(Object* instance, std::int32_t offset);
void Int32FieldSet(Object* instance, std::int32_t offset, std::int32_t value);
StringRef StringFieldGet(Object* instance, std::int32_t offset);
void StringFieldSet(Object* instance, std::int32_t offset, String* value);
Ref<Object> ObjectFieldGet(Object* instance, std::int32_t offset);
void ObjectFieldSet(Object* instance, std::int32_t offset, Object* value);

} // namespace fw
