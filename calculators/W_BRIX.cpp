#include "calculators/W_BRIX.h"

#include "calculators/BrixFormulas.h"

#include <fw/NumberMasks.h>
#include <fw/Numbers.h>

namespace {

// The third argument of StringFormat; it selects nothing.
constexpr std::int32_t kFormatFlag = 1;
constexpr std::string_view kGravityMask = "0.000";
constexpr std::string_view kOnePlaceMask = "#0.0"; // alcohol (already a percentage figure), real extract
constexpr std::string_view kRatioMask = "#0.0/%"; // a ratio shown as a percentage

// Fetches the field before the text is made from the module value as it is at
// that moment: a nested run inside an earlier write may have changed it.
template <fw::FixedText Field> void show(fw::Window& self, const double& moduleValue, std::string_view mask)
{
    fw::Ref<fw::TextField> field = W_BRIX::Control<Field>(self);
    field->setText(fw::StringFormat(moduleValue, mask, kFormatFlag));
}

template <fw::FixedText Input> double reading(fw::Window& self)
{
    return fw::runCDbl(W_BRIX::Control<Input>(self)->text());
}

// Any edit stores all three inputs as their fields show them, not only the one
// edited: a window opened again after a close shows its design texts while the
// module values still hold the last window's inputs, and the results must
// follow what this window shows.
void inputChanged(fw::Window& self)
{
    BrixFormulas::OB = reading<"TF_OB">(self);
    BrixFormulas::FB = reading<"TF_FB">(self);
    BrixFormulas::WCF = reading<"TF_WCF">(self);

    BrixFormulas::RecalculateAll();

    using namespace BrixFormulas;
    // Writing TF_WCF runs its own handler inside this one; that run ends once the
    // three-place text it writes back is the text already there.
    show<"TF_A">(self, RA, kRatioMask);
    show<"TF_RE">(self, RE, kOnePlaceMask);
    show<"TF_AA">(self, AA, kRatioMask);
    show<"TF_OG">(self, OG, kGravityMask);
    show<"TF_FG">(self, FG, kGravityMask);
    show<"TF_WCF">(self, WCF, kGravityMask);
    show<"TF_ABV">(self, ABV, kOnePlaceMask);
}

} // namespace

void W_BRIX::TF_OB_TextChange(fw::Window& self, fw::TextField*) { inputChanged(self); }
void W_BRIX::TF_FB_TextChange(fw::Window& self, fw::TextField*) { inputChanged(self); }
void W_BRIX::TF_WCF_TextChange(fw::Window& self, fw::TextField*) { inputChanged(self); }

void W_BRIX::Event_Open(fw::Window&) { }

std::span<const MethodDeclaration> W_BRIX::OtherMethods()
{
    static const MethodDeclaration methods[] {
        Method<&W_BRIX::Event_Open>("Event_Open").Hooks(fw::WindowEvent::kOpen)
    };
    return methods;
}
