#include <fw/Abi.h>
#include <fw/ClassRecord.h>
#include <fw/Exceptions.h>
#include <fw/PropertyStream.h>
#include <fw/StreamReader.h>
#include <fw/Thread.h>
#include <fw/Variant.h>

#include <string>

namespace fw {

std::string_view PropertyTypeCode(StreamType type) noexcept
{
    switch (type) {
    case StreamType::Int32:
        return Convention<std::int32_t>::code;
    case StreamType::Boolean:
        return Convention<bool>::code;
    case StreamType::Color:
        return Convention<Color>::code;
    case StreamType::String:
        return Convention<std::string_view>::code;
    }
    return {};
}

namespace {

Variant valueOf(const StreamRecord& record)
{
    switch (record.type) {
    case StreamType::Int32:
        return Int32ToVariant(record.int32);
    case StreamType::Boolean:
        return BooleanToVariant(record.boolean);
    case StreamType::Color:
        return ColorToVariant(record.color);
    case StreamType::String: {
        auto string = NewString(record.string);
        return StringToVariant(string.get());
    }
    }
    return {};
}

[[noreturn]] void refuse(const Object* target, const StreamRecord& record, std::string_view why)
{
    Raise<PropertyStreamException>("property stream: " + std::string(why) + " \"" + std::string(record.key)
        + "\" at offset " + std::to_string(record.offset) + " for class "
        + std::string(target->classRecord()->registeredName));
}

const PropertyRecord& propertyFor(const Object* target, const StreamRecord& record)
{
    const PropertyRecord* property = FindProperty(target->classRecord(), record.key);
    if (!property || !property->setInvoker)
        refuse(target, record, "no settable property");
    if (property->typeCode != PropertyTypeCode(record.type))
        refuse(target, record, "a value of another type for property");
    return *property;
}

template <class Visit> void forEachRecord(std::span<const std::uint8_t> bytes, Visit visit)
{
    StreamReader reader(bytes);
    StreamRecord record;
    try {
        while (reader.next(record))
            visit(record);
    } catch (const StreamFormatError& error) {
        Raise<PropertyStreamException>(error.what());
    }
}
} // namespace

void RuntimeMassPropertySetter(Object* target, String* stream)
{
    RequireUIThread();
    if (!target || !stream)
        RaiseNilObjectException();
    std::span<const std::uint8_t> bytes(stream->text + 1, stream->length);

    forEachRecord(bytes, [&](const StreamRecord& record) { (void)propertyFor(target, record); });
    forEachRecord(bytes, [&](const StreamRecord& record) {
        auto& property = propertyFor(target, record);
        property.setInvoker(property, target, valueOf(record));
    });
}

} // namespace fw
