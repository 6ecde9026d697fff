#include "SharedRegistrationRows.h"

#include <fw/GroupBox.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kGroupBoxSize = 128;
}

void GroupBox::setCaption(std::string_view caption) { change(caption_, caption, Aspect::Text); }

ClassRecord* GroupBox::Class()
{
    using G = GroupBox;
    static constexpr auto properties
        = Joined(std::array { Property<"Caption", &G::caption, &G::setCaption>() }, kTextFontProperties);
    static ClassRecord* cls = RegisterNativeClass<GroupBox>(
        { .superclass = &RectControl::Class, .properties = properties, .instanceSize = kGroupBoxSize });
    return cls;
}

} // namespace fw
