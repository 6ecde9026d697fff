// A value of any of the framework's types, as method invokers and property
// invokers pass arguments and results.
#pragma once

#include <fw/Color.h>
#include <fw/Object.h>

#include <cstdint>
#include <variant>

namespace fw {

class Variant {
public:
    using Value = std::variant<std::monostate, std::int32_t, bool, double, Color, StringRef, Ref<Object>>;

    Variant() = default;
    explicit Variant(Value value)
        : value_(std::move(value))
    {
    }
    const Value& value() const noexcept { return value_; }
    bool isNil() const noexcept { return std::holds_alternative<std::monostate>(value_); }

private:
    Value value_;
};

Variant Int32ToVariant(std::int32_t value);
Variant BooleanToVariant(bool value);
Variant DoubleToVariant(double value);
Variant ColorToVariant(Color value);
Variant StringToVariant(String* value);
Variant ObjectToVariant(Object* value);

// Each conversion raises IllegalCastException for a value of another kind.
std::int32_t VariantToInt32(const Variant& value);
bool VariantToBoolean(const Variant& value);
double VariantToDouble(const Variant& value);
Color VariantToColor(const Variant& value);
StringRef VariantToString(const Variant& value);
Ref<Object> VariantToObject(const Variant& value);

} // namespace fw
