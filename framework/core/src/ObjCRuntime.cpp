#include <fw/Exceptions.h>
#include <fw/ObjCRuntime.h>

#include <algorithm>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace fw {

using namespace objc;

namespace {

constexpr std::size_t kKeptExceptions = 16;
// Where a frame keeps the exception thrown inside it.
constexpr std::size_t kExceptionPointer = 0;

struct ExceptionObject : objc_object {
    std::string name;
    std::string reason;
};

// The frames this thread has entered and not yet left, innermost last. Kept apart
// from the blocks, so leaving frames never reads a block whose owner has returned.
thread_local std::vector<ObjCExceptionData*> enteredFrames;
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

using FunctionTable = std::map<std::string, void*, std::less<>>;

std::map<std::string, FunctionTable, std::less<>>& libraries()
{
    static std::map<std::string, FunctionTable, std::less<>> registry {
        { "Cocoa", { { "NSClassFromString", reinterpret_cast<void*>(&NSClassFromString) } } },
    };
    return registry;
}

// Leaves the frame and every frame entered after it; false when it is not entered.
bool leaveThrough(ObjCExceptionData* frame) noexcept
{
    auto found = std::find(enteredFrames.begin(), enteredFrames.end(), frame);
    if (found == enteredFrames.end())
        return false;
    enteredFrames.erase(found, enteredFrames.end());
    return true;
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

void objc_exception_try_enter(ObjCExceptionData* frame)
{
    assert(frame && !detail::IsEnteredFrame(frame) && "a frame is entered once at a time");
    frame->pointers[kExceptionPointer] = nullptr;
    enteredFrames.push_back(frame);
}

void objc_exception_try_exit(ObjCExceptionData* frame)
{
    assert(!enteredFrames.empty() && enteredFrames.back() == frame && "frames are left innermost first");
    leaveThrough(frame);
}

void* objc_exception_extract(ObjCExceptionData* frame)
{
    assert(frame);
    return frame->pointers[kExceptionPointer];
}

namespace detail {

bool IsEnteredFrame(const ObjCExceptionData* frame) noexcept
{
    return std::find(enteredFrames.begin(), enteredFrames.end(), frame) != enteredFrames.end();
}

bool CatchIntoFrame(ObjCExceptionData* frame, id exception) noexcept
{
    if (!leaveThrough(frame))
        return false;
    frame->pointers[kExceptionPointer] = exception;
    return true;
}

void DropFrame(ObjCExceptionData* frame) noexcept { leaveThrough(frame); }

} // namespace detail

void* LoadFunctionPointerFromLibrary(String* function, String* library)
{
    std::lock_guard lock(sharedStateMutex());
    auto found = libraries().find(Text(library));
    if (found == libraries().end())
        return nullptr;
    auto entry = found->second.find(Text(function));
    return entry == found->second.end() ? nullptr : entry->second;
}

void* SetLibraryFunction(std::string_view library, std::string_view function, void* entry)
{
    std::lock_guard lock(sharedStateMutex());
    auto& table = libraries()[std::string(library)];
    auto found = table.find(function);
    void* previous = found == table.end() ? nullptr : found->second;
    if (entry)
        table.insert_or_assign(std::string(function), entry);
    else if (found != table.end())
        table.erase(found);
    return previous;
}

void RuntimeRaiseFunctionNotFoundException(String* function, String* library)
{
    Raise<FunctionNotFoundException>("Could not load the function " + std::string(Text(function)) + " from the library "
        + std::string(Text(library)));
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
