// The About menu item: the platform's standard About panel, reached through the
// Objective-C runtime. Each of the two messages runs inside an exception frame,
// so that an Objective-C exception becomes the framework's ObjCException.
#include "shell/Quillfen.h"

#include <fw/Libraries.h>
#include <fw/ObjCExceptionFrames.h>
#include <fw/ObjCRuntime.h>

namespace {

using fw::objc::id;
using fw::objc::SEL;

fw::String* functionName() { return fw::Literal<"NSClassFromString">(); }
fw::String* libraryName() { return fw::Literal<"Cocoa">(); }

constinit fw::objc::CFConstString applicationClassName = fw::objc::MakeConstString("NSApplication");

id send(id receiver, SEL selector, void* argument)
{
    return reinterpret_cast<fw::objc::MessageFunction>(&fw::objc_msgSend)(receiver, selector, argument);
}

} // namespace

bool Quillfen::_About_Quillfen_Action(fw::Application&)
{
    fw::ObjCExceptionData first {};
    fw::ObjCExceptionData second {};
    id application = nullptr;

    fw::objc_exception_try_enter(&first);
    if (fw::objc_exception_setjmp(&first, [&] {
            SEL sharedApplication = fw::sel_registerName("sharedApplication");
            void* classFromString = fw::LoadFunctionPointerFromLibrary(functionName(), libraryName());
            if (!classFromString) {
                fw::objc_exception_try_exit(&first);
                fw::RuntimeRaiseFunctionNotFoundException(functionName(), libraryName());
            }
            fw::objc::Class cls
                = reinterpret_cast<fw::objc::ClassFromStringFunction>(classFromString)(&applicationClassName);
            application = send(cls, sharedApplication, nullptr);
        }))
        fw::RaiseObjCException(fw::objc_exception_extract(&first)); // a thrown exception has left its frame
    fw::objc_exception_try_exit(&first);

    fw::objc_exception_try_enter(&second);
    if (fw::objc_exception_setjmp(&second, [&] {
            SEL orderFront = fw::sel_registerName("orderFrontStandardAboutPanel:");
            send(application, orderFront, nullptr);
        }))
        fw::RaiseObjCException(fw::objc_exception_extract(&second));
    fw::objc_exception_try_exit(&second);
    return true;
}
