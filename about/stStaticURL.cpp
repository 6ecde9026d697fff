#include "about/stStaticURL.h"

#include "calculators/ClassDeclaration.h"

#include <fw/Desktop.h>
#include <fw/Fields.h>
#include <fw/Numbers.h>

namespace {

// Text colours; alpha 0 is fully opaque.
fw::Color blue() { return fw::RuntimeRGBA(0, 0, 255, 0); }
fw::Color red() { return fw::RuntimeRGBA(255, 0, 0, 0); }

const ClassDeclaration& declaration()
{
    static const MethodDeclaration methods[] {
        Method<&stStaticURL::Event_MouseUp>("Event_MouseUp").Hooks(fw::LabelEvent::kMouseUp),
        Method<&stStaticURL::Event_MouseDown>("Event_MouseDown").Hooks(fw::LabelEvent::kMouseDown),
        Method<&stStaticURL::Event_MouseExit>("Event_MouseExit").Hooks(fw::RectControlEvent::kMouseExit),
        Method<&stStaticURL::Event_MouseEnter>("Event_MouseEnter").Hooks(fw::RectControlEvent::kMouseEnter),
        Method<&stStaticURL::Event_Open>("Event_Open").Hooks(fw::ControlEvent::kOpen),
    };
    static const ClassDeclaration facts { .superclass = &fw::Label::Class,
        .registeredName = "stStaticURL",
        .methods = methods,
        .properties = stStaticURL::kProperties,
        .exitHook = &stStaticURL::Finalize };
    return facts;
}

using Storage = ClassStorage<&declaration>;

// The URL's field lies right after a Label's instance.
std::int32_t urlOffset() { return fw::Label::Class()->instanceSize; }

} // namespace

fw::ClassRecord* stStaticURL::Class() { return Storage::Accessor(); }
void stStaticURL::ClassInit() { Storage::Init(); }

fw::StringRef stStaticURL::URL(fw::Label& self) { return fw::StringFieldGet(&self, urlOffset()); }

void stStaticURL::Event_Open(fw::Label& self)
{
    self.setTextColor(blue());
    self.setUnderline(true);
}

void stStaticURL::Event_MouseEnter(fw::Label& self) { self.setTextColor(red()); }

void stStaticURL::Event_MouseExit(fw::Label& self) { self.setTextColor(blue()); }

bool stStaticURL::Event_MouseDown(fw::Label& self, std::int32_t, std::int32_t)
{
    self.setTextColor(red());
    return false;
}

void stStaticURL::Event_MouseUp(fw::Label& self, std::int32_t x, std::int32_t y)
{
    // Strictly inside: a release on an edge or outside opens nothing.
    if (0 < x && 0 < y && x < self.width() && y < self.height()) {
        fw::StringRef url = URL(self);
        if (fw::RuntimeStringCompare(fw::Text(url), "") == 0) {
            fw::StringRef text = fw::NewString(self.text());
            fw::GlobalShowURL(text.get());
        } else {
            fw::GlobalShowURL(url.get());
        }
    }
    self.setTextColor(blue());
}

void stStaticURL::Finalize(fw::Object* instance) { fw::StringFieldSet(instance, urlOffset(), nullptr); }
