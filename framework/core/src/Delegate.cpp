#include "NativeClass.h"

#include <fw/Delegate.h>
#include <fw/FrameworkClasses.h>

#include <cassert>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kDelegateSize = 28; // the object, invoke function, target, bound object, signature, flag
}

ClassRecord* Delegate::Class()
{
    static ClassRecord* cls
        = RegisterNativeClass<Delegate>({ .superclass = &ObjectClass, .instanceSize = kDelegateSize });
    return cls;
}

Ref<Delegate> RuntimeCreateDelegate(
    InvokeFunction invoke, MethodEntry target, Object* bound, std::string_view signature, std::int32_t flag)
{
    assert(invoke && "a delegate is called through its invoke function");
    auto object = RuntimeNewObject(Delegate::Class());
    auto delegate = Ref<Delegate>::adopt(native_cast<Delegate>(object.release()));
    delegate->invoke_ = invoke;
    delegate->target_ = target;
    delegate->signature_ = signature;
    delegate->flag_ = flag == kDelegateBindsWeakly ? kDelegateBindsWeakly : kDelegateKeepsObject;
    if (delegate->flag_ == kDelegateBindsWeakly)
        delegate->weak_ = WeakRef(bound);
    else
        delegate->strong_ = Ref<Object>::retain(bound);
    return delegate;
}

} // namespace fw
