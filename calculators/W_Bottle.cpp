#include "calculators/W_Bottle.h"

#include <fw/Numbers.h>

#include <array>
#include <cstdint>

namespace {

constexpr double kOuncesPerGallon = 128.0;
constexpr double kSmallBottleOunces = 12.0;
constexpr double kLargeBottleOunces = 22.0;
constexpr double kPercent = 100.0;
constexpr std::int32_t kWholeShare = 100; // the slider's Maximum: all of the volume

// Every use of a control fetches it anew.
template <fw::FixedText Name> double shown(fw::Window& self)
{
    return fw::runCDbl(W_Bottle::Control<Name>(self)->text());
}

double gallons(fw::Window& self) { return shown<"Gal_Btl">(self); }
std::int32_t split(fw::Window& self) { return W_Bottle::Control<"S_Split">(self)->value(); }

// Whatever ounces the bottles shown do not take; not floored.
void showLeftOver(fw::Window& self)
{
    auto target = W_Bottle::Control<"TF_LftOver">(self);
    const double ounces = gallons(self) * kOuncesPerGallon;
    const double small = shown<"TF_Reg_Btl">(self);
    const double large = shown<"TF_Lrg_Btl">(self);
    target->setText(fw::StringStrDouble(ounces - ((small * kSmallBottleOunces) + (large * kLargeBottleOunces))));
}

// Both paths alike: the first kind of bottle takes its share of the volume in
// whole bottles, then the second as many whole bottles as the rest fills, then
// the left-over shows what neither takes.
template <fw::FixedText First, fw::FixedText Second>
void fillBottles(
    fw::Window& self, double firstOunces, double secondOunces, std::int32_t (*firstShare)(std::int32_t slider))
{
    {
        auto target = W_Bottle::Control<First>(self);
        const double ounces = gallons(self) * kOuncesPerGallon;
        const double share = fw::RuntimeCvtSInt32ToReal64(firstShare(split(self)));
        target->setText(fw::StringStrDouble(fw::RuntimeFloor((ounces / firstOunces) * (share / kPercent))));
    }
    {
        auto target = W_Bottle::Control<Second>(self);
        const double ounces = gallons(self) * kOuncesPerGallon;
        const double first = shown<First>(self);
        target->setText(fw::StringStrDouble(fw::RuntimeFloor((ounces - (first * firstOunces)) / secondOunces)));
    }
    showLeftOver(self);
}

// (100 - split) percent of the volume in 12 oz bottles, the rest as far as it
// fills whole 22 oz bottles.
void volumePath(fw::Window& self)
{
    fillBottles<"TF_Reg_Btl", "TF_Lrg_Btl">(
        self, kSmallBottleOunces, kLargeBottleOunces, [](std::int32_t slider) { return kWholeShare - slider; });
}

// Split percent of the volume in 22 oz bottles, the rest in 12 oz bottles.
void sliderPath(fw::Window& self)
{
    fillBottles<"TF_Lrg_Btl", "TF_Reg_Btl">(
        self, kLargeBottleOunces, kSmallBottleOunces, [](std::int32_t slider) { return slider; });
}

constexpr std::array kProperties {
    FieldProperty<std::int32_t>("regBtls", Scope::Protected),
    FieldProperty<std::int32_t>("BigBtls", Scope::Protected),
    FieldProperty<std::int32_t>("LftOver", Scope::Protected),
};

} // namespace

void W_Bottle::Gal_Btl_TextChange(fw::Window& self, fw::TextField*) { volumePath(self); }
void W_Bottle::Gal_Btl_Open(fw::Window& self, fw::TextField*) { volumePath(self); }
void W_Bottle::S_Split_ValueChanged(fw::Window& self, fw::Slider*) { sliderPath(self); }

std::span<const PropertyDeclaration> W_Bottle::Properties() { return kProperties; }

void W_Bottle::InitFields(fw::Object* instance)
{
    // The class's own property records follow Window's, in declaration order, and
    // say where each field lies.
    const fw::ClassRecord* cls = Class();
    const std::size_t inherited = cls->superclass->properties.size();
    for (std::size_t k = 0; k < kProperties.size(); ++k)
        instance->field(cls->properties.at(inherited + k).fieldOffset).int32 = 0;
}
