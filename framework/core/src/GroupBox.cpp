#include "NativeClass.h"

#include <fw/GroupBox.h>
#include <fw/PropertyTables.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kGroupBoxSize = 128;
}

void GroupBox::setCaption(std::string_view caption) { change(caption_, caption, Aspect::Text); }

ClassRecord* GroupBox::Class()
{
    static ClassRecord* cls = RegisterNativeClass<GroupBox>(
        { .superclass = &RectControl::Class, .properties = GroupBoxProperty::kTable, .instanceSize = kGroupBoxSize });
    return cls;
}

} // namespace fw
