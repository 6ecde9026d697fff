// Must not compile with DESIGN_MISTAKE: a text field's stream stores no Caption, so the
// value would be lost. Without it the value is a Text, which the stream stores.
#include "calculators/StoredStreams.h"
#include "calculators/StreamForms.h"

#ifdef DESIGN_MISTAKE
constexpr calculators::TextFieldDesign kField { .name = "TF_In", .caption = "Lost" };
#else
constexpr calculators::TextFieldDesign kField { .name = "TF_In", .text = "Kept" };
#endif
constexpr auto& kStream = calculators::kStoredStream<kField>;
