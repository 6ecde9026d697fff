// Arbitrary bytes as a property stream, applied to a headless window, label and
// text field (no peers). The setter either applies the stream or refuses it with
// PropertyStreamException, and a refused stream sets nothing; a stream that was
// applied once applies again. Anything else is a fault.
#include <fw/ClassRecord.h>
#include <fw/Exceptions.h>
#include <fw/Label.h>
#include <fw/PropertyStream.h>
#include <fw/String.h>
#include <fw/TextField.h>
#include <fw/Variant.h>
#include <fw/Window.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace {

// A property's value as it reads, or the class of what its getter raised.
using Reading = std::variant<std::int32_t, bool, fw::Color, std::string>;
using Snapshot = std::vector<std::pair<std::string_view, Reading>>;

[[noreturn]] void fault(const char* what, std::string_view detail, fw::Object* target)
{
    std::fprintf(stderr, "%s for %.*s: %.*s\n", what, int(target->classRecord()->registeredName.size()),
        target->classRecord()->registeredName.data(), int(detail.size()), detail.data());
    std::abort();
}

Reading read(const fw::PropertyRecord& property, fw::Object* target)
{
    try {
        const fw::Variant value = property.getInvoker(property, target);
        if (property.typeCode == "i4")
            return fw::VariantToInt32(value);
        if (property.typeCode == "b")
            return fw::VariantToBoolean(value);
        if (property.typeCode == "c")
            return fw::VariantToColor(value);
        return std::string(fw::Text(fw::VariantToString(value)));
    } catch (const fw::Raised& raised) {
        return "raised " + std::string(raised.exception()->classRecord()->registeredName);
    }
}

// Every property a stream can carry, as the target reads it now.
Snapshot snapshot(fw::Object* target)
{
    Snapshot readings;
    for (const fw::PropertyRecord& property : target->classRecord()->properties) {
        const bool streamable = property.typeCode == "i4" || property.typeCode == "b" || property.typeCode == "c"
            || property.typeCode == "s";
        if (streamable && property.getInvoker)
            readings.emplace_back(property.name, read(property, target));
    }
    return readings;
}

// True when applied, false when refused; aborts on anything else.
bool apply(fw::Object* target, fw::String* stream)
{
    try {
        fw::RuntimeMassPropertySetter(target, stream);
        return true;
    } catch (const fw::Raised& raised) {
        if (!fw::RuntimeObjectIsa(raised.exception(), fw::PropertyStreamException::Class()))
            fault("refused with another exception", raised.what(), target);
    } catch (const std::exception& other) {
        fault("a foreign exception", other.what(), target);
    } catch (...) {
        fault("an exception of unknown type", {}, target);
    }
    return false;
}

void exercise(fw::ClassRecord* cls, fw::String* stream)
{
    fw::Ref<fw::Object> target = fw::RuntimeNewObject(cls);
    const Snapshot before = snapshot(target.get());
    if (!apply(target.get(), stream)) {
        if (snapshot(target.get()) != before)
            fault("a refused stream changed the target", {}, target.get());
        return;
    }
    if (!apply(target.get(), stream))
        fault("a stream applied once was refused the second time", {}, target.get());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fw::StringRef stream = fw::NewString(std::string_view(reinterpret_cast<const char*>(data), size));
    exercise(fw::Window::Class(), stream.get());
    exercise(fw::Label::Class(), stream.get());
    exercise(fw::TextField::Class(), stream.get());
    return 0;
}
