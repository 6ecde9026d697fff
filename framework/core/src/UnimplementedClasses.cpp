#include <fw/UnimplementedClasses.h>

namespace fw {

namespace {
// A record that only names its class: never registered, and like every class
// record it lives for the whole run.
template <class C> ClassRecord* recordNaming()
{
    static auto* record = new ClassRecord { .registeredName = C::kClassName };
    return record;
}
} // namespace

ClassRecord* TrayItem::Class() { return recordNaming<TrayItem>(); }
ClassRecord* Graphics::Class() { return recordNaming<Graphics>(); }

} // namespace fw
