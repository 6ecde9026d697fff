#include <fw/Exceptions.h>
#include <fw/Variant.h>

#include <string>

namespace fw {

namespace {
template <class T> const T& expect(const Variant& value, const char* what)
{
    if (auto* held = std::get_if<T>(&value.value()))
        return *held;
    Raise<IllegalCastException>(std::string("the value is not ") + what);
}
} // namespace

Variant Int32ToVariant(std::int32_t value) { return Variant(Variant::Value(value)); }
Variant BooleanToVariant(bool value) { return Variant(Variant::Value(value)); }
Variant DoubleToVariant(double value) { return Variant(Variant::Value(value)); }
Variant ColorToVariant(Color value) { return Variant(Variant::Value(value)); }
Variant StringToVariant(String* value) { return Variant(Variant::Value(StringRef::retain(value))); }
Variant ObjectToVariant(Object* value)
{
    if (!value)
        return {};
    return Variant(Variant::Value(Ref<Object>::retain(value)));
}

std::int32_t VariantToInt32(const Variant& value) { return expect<std::int32_t>(value, "an Int32"); }
bool VariantToBoolean(const Variant& value) { return expect<bool>(value, "a Boolean"); }
double VariantToDouble(const Variant& value) { return expect<double>(value, "a Double"); }
Color VariantToColor(const Variant& value) { return expect<Color>(value, "a Color"); }
StringRef VariantToString(const Variant& value) { return expect<StringRef>(value, "a String"); }
Ref<Object> VariantToObject(const Variant& value)
{
    if (value.isNil())
        return nullptr;
    return expect<Ref<Object>>(value, "an object");
}

} // namespace fw
