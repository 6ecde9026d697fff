// The framework's own classes, as the program's start-up registers them: every
// class accessor registers its class on first use, so the order of this list is
// the order of registration when nothing has used a class before.
#pragma once

#include <fw/ClassRecord.h>

#include <span>

namespace fw {

using ClassAccessor = ClassRecord* (*)();

// The root of every class.
ClassRecord* ObjectClass();

// The class accessors of all the framework's classes, in registration order.
std::span<const ClassAccessor> FrameworkClassAccessors() noexcept;

} // namespace fw
