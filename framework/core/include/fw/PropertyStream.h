// Applying a property stream: the design-time settings of a window or control.
//
// `RuntimeMassPropertySetter` reads the stream a record at a time and sets each
// record's property on the target through the target's class: its property
// records name every property a stream may carry, the framework's own and those
// a class of the program declares (a link label's `URL`). It checks the whole
// stream first, so a stream it cannot read or apply sets nothing and raises
// PropertyStreamException naming the key and the record's offset.
#pragma once

#include <fw/Object.h>
#include <fw/PropertyKeys.h>

#include <string_view>

namespace fw {

void RuntimeMassPropertySetter(Object* target, String* stream);

// The type code of the properties that a stream value of this type sets: "i4", "b", "c" or "s".
std::string_view PropertyTypeCode(StreamType type) noexcept;

} // namespace fw
