#include <fw/Exceptions.h>
#include <fw/ObjCRuntime.h>

#include <cassert>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace fw {

using namespace objc;

namespace {

constexpr std::size_t kKeptExceptions = 16;

struct ExceptionObject : objc_object {
    std::string name;
    std::string reason;
};

thread_local std::deque<std::unique_ptr<ExceptionObject>> keptExceptions;

std::mutex& sharedStateMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::function<void()>& aboutPanelHook()
{
    static std::function<void()> hook;
    return hook;
}

[[noreturn]] void throwUnrecognized(id receiver, SEL selector)
{
    const bool toClass = receiver->isa->isMetaclass;
    const char* className = toClass ? static_cast<Class>(receiver)->name : receiver->isa->name;
    std::string reason = std::string(toClass ? "+[" : "-[") + className + " " + (selector ? selector->name : "(null)")
        + "]: unrecognized selector sent to " + (toClass ? "class" : "instance");
    objc_exception_throw(MakeObjCException("NSInvalidArgumentException", reason));
}

id sharedApplication(id self, SEL, void*);
id orderFrontStandardAboutPanel(id, SEL, void*)
{
    std::function<void()> hook;
    {
        std::lock_guard lock(sharedStateMutex());
        hook = aboutPanelHook();
    }
    if (hook)
        hook();
    return nullptr;
}

constexpr objc_method kApplicationClassMethods[] = { { "sharedApplication", &sharedApplication } };
constexpr objc_method kApplicationMethods[] = { { "orderFrontStandardAboutPanel:", &orderFrontStandardAboutPanel } };

// Every metaclass is an instance of the root metaclass, the root metaclass included.
constinit objc_class objectMetaclass { { &objectMetaclass }, "NSObject", nullptr, nullptr, 0, true };
constinit objc_class objectClass { { &objectMetaclass }, "NSObject", nullptr, nullptr, 0, false };
constinit objc_class applicationMetaclass { { &objectMetaclass }, "NSApplication", &objectMetaclass,
    kApplicationClassMethods, std::size(kApplicationClassMethods), true };
constinit objc_class applicationClass { { &applicationMetaclass }, "NSApplication", &objectClass, kApplicationMethods,
    std::size(kApplicationMethods), false };
constinit objc_class exceptionMetaclass { { &objectMetaclass }, "NSException", &objectMetaclass, nullptr, 0, true };
constinit objc_class exceptionClass { { &exceptionMetaclass }, "NSException", &objectClass, nullptr, 0, false };
constinit objc_class constantStringMetaclass { { &objectMetaclass }, "NSConstantString", &objectMetaclass, nullptr, 0,
    true };

constinit objc_object sharedApplicationObject { &applicationClass };

id sharedApplication(id, SEL, void*) { return &sharedApplicationObject; }

// The classes that NSClassFromString knows.
constexpr Class kNamedClasses[] = { &objectClass, &applicationClass, &exceptionClass, &ConstantStringClass };

const objc_method* findMethod(const objc_class* cls, SEL selector)
{
    for (; cls; cls = cls->superclass)
        for (std::size_t k = 0; k < cls->methodCount; ++k)
            if (std::string_view(cls->methods[k].name) == selector->name)
                return &cls->methods[k];
    return nullptr;
}

} // namespace

namespace objc {
constinit objc_class ConstantStringClass { { &constantStringMetaclass }, "NSConstantString", &objectClass, nullptr, 0,
    false };
} // namespace objc

SEL sel_registerName(const char* name)
{
    assert(name && "a selector has a name");
    static std::map<std::string, std::unique_ptr<objc_selector>, std::less<>> selectors;
    std::lock_guard lock(sharedStateMutex());
    auto found = selectors.find(std::string_view(name));
    if (found == selectors.end()) {
        auto [inserted, _] = selectors.emplace(name, std::make_unique<objc_selector>());
        inserted->second->name = inserted->first.c_str();
        found = inserted;
    }
    return found->second.get();
}

id objc_msgSend(id receiver, SEL selector, void* argument)
{
    assert(selector && "a message has a selector");
    if (!receiver)
        return nullptr;
    auto* method = selector ? findMethod(receiver->isa, selector) : nullptr;
    if (!method)
        throwUnrecognized(receiver, selector);
    return method->implementation(receiver, selector, argument);
}

Class NSClassFromString(id name)
{
    if (!name || name->isa != &ConstantStringClass)
        return nullptr;
    auto* string = static_cast<const CFConstString*>(name);
    std::string_view text(string->characters, string->length);
    for (Class cls : kNamedClasses)
        if (text == cls->name)
            return cls;
    return nullptr;
}

id MakeObjCException(std::string_view name, std::string_view reason)
{
    auto exception = std::make_unique<ExceptionObject>();
    exception->isa = &exceptionClass;
    exception->name = name;
    exception->reason = reason;
    id made = exception.get();
    keptExceptions.push_back(std::move(exception));
    if (keptExceptions.size() > kKeptExceptions)
        keptExceptions.pop_front();
    return made;
}

void objc_exception_throw(id exception)
{
    std::string description = "Objective-C exception";
    if (exception && exception->isa == &exceptionClass) {
        auto* thrown = static_cast<ExceptionObject*>(exception);
        description += " " + thrown->name + ": " + thrown->reason;
    }
    throw ObjCThrown(exception, std::move(description));
}

std::function<void()> SetAboutPanelHook(std::function<void()> hook)
{
    std::lock_guard lock(sharedStateMutex());
    return std::exchange(aboutPanelHook(), std::move(hook));
}

void RaiseObjCException(void* objcException)
{
    auto* object = static_cast<id>(objcException);
    if (!object)
        Raise<ObjCException>("An Objective-C exception without an exception object was thrown");
    if (object->isa != &exceptionClass)
        Raise<ObjCException>("An Objective-C object of class " + std::string(object->isa->name) + " was thrown");
    auto* exception = static_cast<ExceptionObject*>(object);
    Raise<ObjCException>(exception->name + ": " + exception->reason);
}

} // namespace fw
