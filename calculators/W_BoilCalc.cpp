#include "calculators/W_BoilCalc.h"

#include "shell/menubar/MenuBar1.h"
#include "shell/menubar/MenuItemAccessors.h"

#include <fw/Numbers.h>

#include <array>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

// A calm boil takes off one gallon an hour for every 150 square inches of the pot's opening.
constexpr double kSquareInchesPerGallonHour = 150.0;
constexpr double kPercent = 100.0;
// The popup's rows, from "Just boiling" to "Forced Boil"; any other row counts as
// a calm boil.
constexpr std::array kVigourFactors { 1.0, 1.2, 1.3, 1.4, 1.5 };
static_assert(kVigourFactors.size() == 5, "five vigour factors, one for each row of the boil popup");
constexpr double kCalmBoil = 1.0;

template <fw::FixedText Name> double shown(fw::Window& self)
{
    return fw::runCDbl(W_BoilCalc::Control<Name>(self)->text());
}

double vigourFactor(std::int32_t row)
{
    for (std::size_t k = 0; k < kVigourFactors.size(); ++k)
        if (row == static_cast<std::int32_t>(k))
            return kVigourFactors[k];
    return kCalmBoil;
}

} // namespace

void W_BoilCalc::Layout(fw::Window& self)
{
    self.setMenuBar(MenuBar1::ImplicitInstance());
    ApplyWindowStream(self);
}

void W_BoilCalc::GB_main_Open(fw::Window& self, fw::GroupBox*) { Boil_Off(self); }
void W_BoilCalc::TE_Gallons_TextChange(fw::Window& self, fw::TextField*) { Boil_Off(self); }
void W_BoilCalc::TE_Diameter_TextChange(fw::Window& self, fw::TextField*) { Boil_Off(self); }
void W_BoilCalc::PM_Boil_Change(fw::Window& self, fw::PopupMenu*) { Boil_Off(self); }

void W_BoilCalc::Boil_Off(fw::Window& self)
{
    const double factor = vigourFactor(Control<"PM_Boil">(self)->listIndex());

    {
        auto perHour = Control<"TF_GalPerHr">(self);
        // Every use of a field fetches and reads it anew, the diameter's two included.
        const double halfA = shown<"TE_Diameter">(self) / 2.0;
        const double halfB = shown<"TE_Diameter">(self) / 2.0;
        double gallonsPerHour = halfA * halfB;
        gallonsPerHour = gallonsPerHour * std::numbers::pi;
        gallonsPerHour = gallonsPerHour / kSquareInchesPerGallonHour;
        gallonsPerHour = gallonsPerHour * factor;
        perHour->setText(fw::StringStrDouble(gallonsPerHour));
    }

    // From the displayed gallons per hour, which already carries the factor: it
    // must not be applied a second time.
    auto percent = Control<"TF_BO_Percent">(self);
    const double perHourShown = shown<"TF_GalPerHr">(self);
    const double water = shown<"TE_Gallons">(self);
    double share = perHourShown / water;
    share = share * kPercent;
    percent->setText(fw::StringStrDouble(share));
}

std::span<const MethodDeclaration> W_BoilCalc::OtherMethods()
{
    static const std::vector<MethodDeclaration> methods = [] {
        std::vector<MethodDeclaration> list;
        for (const MethodDeclaration& accessor : MenuItemAccessorMethods())
            list.push_back(accessor);
        list.push_back(Method<&W_BoilCalc::Boil_Off>("Boil_Off", Scope::Protected));
        return list;
    }();
    return methods;
}
