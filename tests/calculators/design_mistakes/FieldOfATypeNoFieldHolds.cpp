// Must not compile: a class's field holds an Int32, a String or an object, not a Double.
#include "calculators/ClassDeclaration.h"

constexpr PropertyDeclaration kRatio = FieldProperty<double>("Ratio");
