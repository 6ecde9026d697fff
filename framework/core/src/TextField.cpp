#include "NativeClass.h"

#include <fw/PropertyTables.h>
#include <fw/TextField.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kTextFieldSize = 184;
} // namespace

void TextField::setPassword(bool value) { change(password_, value, Aspect::Style); }
void TextField::setCueText(std::string_view text) { change(cueText_, text, Aspect::CueText); }

ClassRecord* TextField::Class()
{
    static ClassRecord* cls = RegisterNativeClass<TextField>(
        { .superclass = &TextEdit::Class, .properties = TextFieldProperty::kTable, .instanceSize = kTextFieldSize });
    return cls;
}

} // namespace fw
