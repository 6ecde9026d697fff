#include "NativeClass.h"

#include <fw/Exceptions.h>
#include <fw/FrameworkClasses.h>

namespace fw {

using namespace detail;

namespace {
constexpr std::int32_t kObjectSize = 8;
constexpr std::int32_t kExceptionSize = 16;

constexpr NativeProperty kExceptionProperties[] = {
    Property<"Message", &RuntimeException::message, &RuntimeException::setMessage>(kNoAccessorRecords),
};

ClassRecord* exceptionClass(std::string_view name, ClassAccessor superclass, Object* (*construct)())
{
    return RegisterNativeClass({ .name = name,
        .superclass = superclass,
        .properties = superclass == &ObjectClass ? kExceptionProperties : std::span<const NativeProperty> {},
        .instanceSize = kExceptionSize,
        .construct = construct });
}
} // namespace

ClassRecord* ObjectClass()
{
    static ClassRecord* cls = RegisterNativeClass({ .name = "Object", .instanceSize = kObjectSize });
    return cls;
}

void RuntimeException::setMessage(std::string_view message) { message_ = NewString(message); }

ClassRecord* RuntimeException::Class()
{
    static ClassRecord* cls = exceptionClass("RuntimeException", &ObjectClass, &Construct<RuntimeException>);
    return cls;
}

template <class E> ClassRecord* subclassOfRuntimeException(std::string_view name)
{
    static ClassRecord* cls = exceptionClass(name, &RuntimeException::Class, &Construct<E>);
    return cls;
}

ClassRecord* NilObjectException::Class()
{
    return subclassOfRuntimeException<NilObjectException>("NilObjectException");
}
ClassRecord* IllegalCastException::Class()
{
    return subclassOfRuntimeException<IllegalCastException>("IllegalCastException");
}
ClassRecord* FunctionNotFoundException::Class()
{
    return subclassOfRuntimeException<FunctionNotFoundException>("FunctionNotFoundException");
}
ClassRecord* ObjCException::Class() { return subclassOfRuntimeException<ObjCException>("ObjCException"); }
ClassRecord* ThreadAccessingUIException::Class()
{
    return subclassOfRuntimeException<ThreadAccessingUIException>("ThreadAccessingUIException");
}
ClassRecord* PropertyStreamException::Class()
{
    return subclassOfRuntimeException<PropertyStreamException>("PropertyStreamException");
}

Raised::Raised(Ref<RuntimeException> exception)
    : exception_(std::move(exception))
{
    what_ = exception_ ? std::string(exception_->classRecord()->registeredName) : std::string("nil exception");
    if (exception_ && !exception_->message().empty())
        what_ += ": " + std::string(exception_->message());
}

void RuntimeRaiseException(RuntimeException* exception)
{
    if (!exception)
        RaiseNilObjectException();
    throw Raised(Ref<RuntimeException>::retain(exception));
}

void RuntimeReraiseException(RuntimeException* exception) { RuntimeRaiseException(exception); }

void RaiseNilObjectException() { Raise<NilObjectException>("a nil object was used"); }

template <class E> void Raise(std::string_view message)
{
    auto object = RuntimeNewObject(E::Class());
    auto* exception = native_cast<E>(object.get());
    exception->setMessage(message);
    throw Raised(Ref<RuntimeException>::retain(exception));
}

template void Raise<RuntimeException>(std::string_view);
template void Raise<NilObjectException>(std::string_view);
template void Raise<IllegalCastException>(std::string_view);
template void Raise<FunctionNotFoundException>(std::string_view);
template void Raise<ObjCException>(std::string_view);
template void Raise<ThreadAccessingUIException>(std::string_view);
template void Raise<PropertyStreamException>(std::string_view);

void RaiseWrongArgumentCount(std::size_t expected, std::size_t given)
{
    Raise<RuntimeException>(
        "a method of " + std::to_string(expected) + " arguments was invoked with " + std::to_string(given));
}

} // namespace fw
