// A small Objective-C runtime of our own, the platform piece on the About menu
// item's road: classes, selectors and messages, and the Objective-C exceptions
// that messages throw.
//
// "Cocoa"'s "NSClassFromString" (Libraries.h) gives the class `NSApplication`
// for the constant string "NSApplication". The class answers
// `sharedApplication` with the one shared application object; that object
// answers `orderFrontStandardAboutPanel:` by running the installed panel hook
// (the user-interface layer shows the standard About panel; headless, nothing
// happens). Any other message throws the Objective-C exception
// "NSInvalidArgumentException". Messages to nil do nothing and give nil.
//
// Objective-C exceptions are C++ exceptions of the runtime's own type
// (`ObjCThrown`), thrown by `objc_exception_throw`; only the exception frames of
// ObjCExceptionFrames.h catch them. shell/AboutMenuHandler.cpp is the road that
// the program takes through all of it.
//
// The selectors and the panel hook are shared by all threads.
#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace fw {

namespace objc {

struct objc_class;

struct objc_object {
    objc_class* isa;
};

struct objc_selector {
    const char* name;
};

using id = objc_object*;
using Class = objc_class*;
using SEL = const objc_selector*;
// A method's implementation: the receiver, the selector sent, the message's one argument.
using IMP = id (*)(id self, SEL selector, void* argument);

struct objc_method {
    const char* name;
    IMP implementation;
};

// A class is an object too: its isa is its metaclass, whose methods are the class methods.
struct objc_class : objc_object {
    const char* name;
    objc_class* superclass;
    const objc_method* methods;
    std::size_t methodCount;
    bool isMetaclass;
};

// The class of constant string objects.
extern objc_class ConstantStringClass;

// A constant string object, as the compiler lays out a string literal object.
struct CFConstString : objc_object {
    const char* characters;
    std::size_t length;
};

constexpr CFConstString MakeConstString(std::string_view text) noexcept
{
    return CFConstString { { &ConstantStringClass }, text.data(), text.size() };
}

// The one type of every message of this runtime; `objc_msgSend` is cast to it, as on the platform.
using MessageFunction = id (*)(id receiver, SEL selector, void* argument);
// The type of the entry point that "Cocoa" offers under "NSClassFromString".
using ClassFromStringFunction = Class (*)(id name);

// The exception an Objective-C throw travels in; only exception frames catch it.
class ObjCThrown : public std::exception {
public:
    ObjCThrown(id exception, std::string description)
        : exception_(exception)
        , what_(std::move(description))
    {
    }
    id exception() const noexcept { return exception_; }
    const char* what() const noexcept override { return what_.c_str(); }

private:
    id exception_;
    std::string what_;
};

} // namespace objc

// The interned selector of a name: one selector per name, for the life of the process.
objc::SEL sel_registerName(const char* name);

// Sends the message; nil for a nil receiver. Throws "NSInvalidArgumentException" for a
// selector that the receiver's class does not answer.
objc::id objc_msgSend(objc::id receiver, objc::SEL selector, void* argument = nullptr);

// The class registered under the constant string's text; nil for any other object or name.
objc::Class NSClassFromString(objc::id name);

// A new exception object (kept alive by the runtime for the next 16 exceptions made on
// this thread, as an autorelease pool keeps it until the event ends).
objc::id MakeObjCException(std::string_view name, std::string_view reason);
[[noreturn]] void objc_exception_throw(objc::id exception);

// Runs when the shared application is sent `orderFrontStandardAboutPanel:`; returns
// the hook it replaces. Headless there is none.
std::function<void()> SetAboutPanelHook(std::function<void()> hook);

// Raises ObjCException carrying the Objective-C exception's name and reason.
[[noreturn]] void RaiseObjCException(void* objcException);

} // namespace fw
