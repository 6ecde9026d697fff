#include <fw/Abi.h>
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

// The get and set invokers of a field type, from its getter and setter.
template <auto Get, auto Set> struct FieldInvokers;
template <class R, R (*Get)(Object*, std::int32_t), class P, void (*Set)(Object*, std::int32_t, P)>
struct FieldInvokers<Get, Set> {
    static Variant get(const PropertyRecord& property, Object* target)
    {
        return Convention<R>::toVariant(Get(checkedTarget(target), property.fieldOffset));
    }
    static void set(const PropertyRecord& property, Object* target, const Variant& value)
    {
        auto held = Convention<P>::hold(value);
        Set(checkedTarget(target), property.fieldOffset, Convention<P>::pass(held));
    }
};

template <auto Get, auto Set> FieldAccessors accessorsOf() noexcept
{
    return { reinterpret_cast<MethodEntry>(Get), reinterpret_cast<MethodEntry>(Set), &FieldInvokers<Get, Set>::get,
        &FieldInvokers<Get, Set>::set };
}
} // namespace

FieldAccessors FieldAccessorsFor(std::string_view typeCode) noexcept
{
    if (typeCode == Convention<std::int32_t>::code)
        return accessorsOf<&Int32FieldGet, &Int32FieldSet>();
    if (typeCode == Convention<String*>::code)
        return accessorsOf<&StringFieldGet, &StringFieldSet>();
    assert(typeCode.starts_with("o<") && typeCode.ends_with(">"));
    return accessorsOf<&ObjectFieldGet, &ObjectFieldSet>();
}

} // namespace fw
