// Must not compile with DESIGN_MISTAKE: a class's field holds an Int32, a String or an
// object, not a Double. Without it the field holds an Int32, and it compiles.
#include "calculators/ClassDeclaration.h"

#ifdef DESIGN_MISTAKE
constexpr PropertyDeclaration kRatio = FieldProperty<double>("Ratio");
#else
constexpr PropertyDeclaration kCount = FieldProperty<std::int32_t>("Count");
#endif
