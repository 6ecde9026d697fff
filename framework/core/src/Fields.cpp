#include <fw/Exceptions.h>
#include <fw/Fields.h>
#include <fw/Variant.h>

#include <cassert>

namespace fw {

std::int32_t Int32FieldGet(Object* instance, std::int32_t offset) { return instance->field(offset).int32; }
void Int32FieldSet(Object* instance, std::int32_t offset, std::int32_t value) { instance->field(offset).int32 = value; }

StringRef StringFieldGet(Object* instance, std::int32_t offset) { return instance->field(offset).string; }
void StringFieldSet(Object* instance, std::int32_t offset, String* value)
{
    instance->field(offset).string = StringRef::retain(value);
}

Ref<Object> ObjectFieldGet(Object* instance, std::int32_t offset) { return instance->field(offset).object; }
void ObjectFieldSet(Object* instance, std::int32_t offset, Object* value)
{
    instance->field(offset).object = Ref<Object>::retain(value);
}

namespace {
Object* checkedTarget(Object* target)
{
    if (!target)
        RaiseNilObjectException();
    return target;
}

Variant getInt32(const PropertyRecord& property, Object* target)
{
    return Int32ToVariant(Int32FieldGet(checkedTarget(target), property.fieldOffset));
}
void setInt32(const PropertyRecord& property, Object* target, const Variant& value)
{
    Int32FieldSet(checkedTarget(target), property.fieldOffset, VariantToInt32(value));
}

Variant getString(const PropertyRecord& property, Object* target)
{
    auto string = StringFieldGet(checkedTarget(target), property.fieldOffset);
    return StringToVariant(string.get());
}
void setString(const PropertyRecord& property, Object* target, const Variant& value)
{
    auto string = VariantToString(value);
    StringFieldSet(checkedTarget(target), property.fieldOffset, string.get());
}

Variant getObject(const PropertyRecord& property, Object* target)
{
    auto object = ObjectFieldGet(checkedTarget(target), property.fieldOffset);
    return ObjectToVariant(object.get());
}
void setObject(const PropertyRecord& property, Object* target, const Variant& value)
{
    auto object = VariantToObject(value);
    ObjectFieldSet(checkedTarget(target), property.fieldOffset, object.get());
}
} // namespace

FieldAccessors FieldAccessorsFor(std::string_view typeCode) noexcept
{
    if (typeCode == "i4")
        return { reinterpret_cast<MethodEntry>(&Int32FieldGet), reinterpret_cast<MethodEntry>(&Int32FieldSet),
            &getInt32, &setInt32 };
    if (typeCode == "s")
        return { reinterpret_cast<MethodEntry>(&StringFieldGet), reinterpret_cast<MethodEntry>(&StringFieldSet),
            &getString, &setString };
    assert(typeCode.starts_with("o<") && typeCode.ends_with(">"));
    return { reinterpret_cast<MethodEntry>(&ObjectFieldGet), reinterpret_cast<MethodEntry>(&ObjectFieldSet), &getObject,
        &setObject };
}

} // namespace fw
