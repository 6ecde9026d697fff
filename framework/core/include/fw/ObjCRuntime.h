// The platform pieces on the About menu item's road, as a stand-in of our own:
// a registry of libraries whose functions are found by name, a small
// Objective-C runtime, and the exception frames that guard its messages.
//
// `LoadFunctionPointerFromLibrary` looks names up in the registry: "Cocoa"
// offers "NSClassFromString", which gives the class `NSApplication` for the
// constant string "NSApplication". The class answers `sharedApplication` with
// the one shared application object; that object answers
// `orderFrontStandardAboutPanel:` by running the installed panel hook (the
// user-interface layer shows the standard About panel; headless, nothing
// happens). Any other message throws the Objective-C exception
// "NSInvalidArgumentException". Messages to nil do nothing and give nil.
//
// Objective-C exceptions are C++ exceptions of the runtime's own type
// (`ObjCThrown`), thrown by `objc_exception_throw` and caught by the innermost
// entered exception frame. A frame is an `ObjCExceptionData` block, zero-filled
// by its owner, entered with `objc_exception_try_enter` and left with
// `objc_exception_try_exit`. `objc_exception_setjmp` stands for the platform's
// setjmp on the block's jump buffer: it runs the frame's body and returns 0 when
// the body finished, non-zero when an Objective-C exception was thrown inside it.
// The thrown exception has then left the frame, as on the platform, and
// `objc_exception_extract` gives it. No setjmp or longjmp happens, so every C++
// destructor inside the body runs. Any other exception leaving the body takes
// the frame with it (it is left, so no frame of a finished call stays entered)
// and passes on.
//
// The About handler's two frames, written with it:
//
//     ObjCExceptionData first{}, second{};
//     objc::id application = nullptr;
//     objc_exception_try_enter(&first);
//     if (objc_exception_setjmp(&first, [&] {
//             objc::SEL sharedApplication = sel_registerName("sharedApplication");
//             void* entry = LoadFunctionPointerFromLibrary(Literal<"NSClassFromString">(), Literal<"Cocoa">());
//             if (!entry) {
//                 objc_exception_try_exit(&first);
//                 RuntimeRaiseFunctionNotFoundException(Literal<"NSClassFromString">(), Literal<"Cocoa">());
//             }
//             static constinit objc::CFConstString name = objc::MakeConstString("NSApplication");
//             objc::Class cls = reinterpret_cast<objc::ClassFromStringFunction>(entry)(&name);
//             application = reinterpret_cast<objc::MessageFunction>(objc_msgSend)(cls, sharedApplication, nullptr);
//         }))
//         RaiseObjCException(objc_exception_extract(&first)); // the frame is already left
//     objc_exception_try_exit(&first);
//
//     objc_exception_try_enter(&second);
//     if (objc_exception_setjmp(&second, [&] {
//             objc::SEL orderFront = sel_registerName("orderFrontStandardAboutPanel:");
//             reinterpret_cast<objc::MessageFunction>(objc_msgSend)(application, orderFront, nullptr);
//         }))
//         RaiseObjCException(objc_exception_extract(&second));
//     objc_exception_try_exit(&second);
//
// The registry, the selectors and the panel hook are shared by all threads;
// exception frames belong to the thread that entered them.
#pragma once

#include <fw/String.h>

#include <cassert>
#include <csetjmp>
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

// An exception frame: a block of the platform's form, a jump buffer and four pointers.
struct ObjCExceptionData {
    alignas(std::jmp_buf) unsigned char jumpBuffer[sizeof(std::jmp_buf)];
    void* pointers[4];
};

// What objc_exception_setjmp returns when an Objective-C exception was thrown in the frame.
inline constexpr int kObjCExceptionThrown = 1;

void objc_exception_try_enter(ObjCExceptionData* frame);
// Leaves the frame, which must be the innermost one entered.
void objc_exception_try_exit(ObjCExceptionData* frame);
// The exception thrown inside the frame; nil when none was.
void* objc_exception_extract(ObjCExceptionData* frame);

namespace detail {
bool IsEnteredFrame(const ObjCExceptionData* frame) noexcept;
// Both leave the frame and every frame entered after it.
bool CatchIntoFrame(ObjCExceptionData* frame, objc::id exception) noexcept;
void DropFrame(ObjCExceptionData* frame) noexcept;
} // namespace detail

template <class Body> int objc_exception_setjmp(ObjCExceptionData* frame, Body&& body)
{
    assert(detail::IsEnteredFrame(frame) && "a frame is entered with objc_exception_try_enter first");
    try {
        std::forward<Body>(body)();
        return 0;
    } catch (const objc::ObjCThrown& thrown) {
        // Thrown after the body left this frame: it belongs to an enclosing one.
        if (!detail::CatchIntoFrame(frame, thrown.exception()))
            throw;
        return kObjCExceptionThrown;
    } catch (...) {
        detail::DropFrame(frame);
        throw;
    }
}

// The entry point of a library's function, nil when the library or the function is unknown.
void* LoadFunctionPointerFromLibrary(String* function, String* library);
// Offers (or, with nil, withdraws) a function of a library; returns the entry it replaces.
void* SetLibraryFunction(std::string_view library, std::string_view function, void* entry);

[[noreturn]] void RuntimeRaiseFunctionNotFoundException(String* function, String* library);
// Raises ObjCException carrying the Objective-C exception's name and reason.
[[noreturn]] void RaiseObjCException(void* objcException);

} // namespace fw
