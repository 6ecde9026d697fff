#include <fw/Fields.h>

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

} // namespace fw
