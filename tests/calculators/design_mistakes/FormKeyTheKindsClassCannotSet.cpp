// Must not compile with DESIGN_MISTAKE: a form of text fields stores a Caption, which
// a TextField has no property for, so that applying any of its streams would be
// refused. Without it the form stores a Text, which a TextField sets.
#include "MistakeWindow.h"

namespace calculators {
#ifdef DESIGN_MISTAKE
inline constexpr StreamForm kNoteFieldForm { .keys = "Name Left Top Width Height Caption" };
#else
inline constexpr StreamForm kNoteFieldForm { .keys = "Name Left Top Width Height Text" };
#endif
using NoteFieldDesign = ControlDesign<kNoteFieldForm>;
KindOf<fw::TextFieldProperty::kTable> kindOf(const NoteFieldDesign&);
} // namespace calculators

struct W_Mistake : MistakeWindow<W_Mistake> {
    static constexpr std::tuple kControls { Row(
        calculators::NoteFieldDesign { .name = "TF_In", .width = 80, .height = 22 }) };
};

void Register() { W_Mistake::ClassInit(); }
