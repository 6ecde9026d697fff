// Must not compile: a text field's stream stores no Caption, so the value would be lost.
#include "calculators/StreamDesigns.h"

constexpr calculators::TextFieldDesign kField { .name = "TF_In", .caption = "Lost" };
constexpr auto& kStream = calculators::kStoredStream<kField>;
