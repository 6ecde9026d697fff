#include "shell/Startup.h"

#include "about/AquaAboutBoxLarge.h"
#include "about/SplashTimer.h"
#include "about/stStaticURL.h"
#include "calculators/BrixFormulas.h"
#include "calculators/W_BRIX.h"
#include "calculators/W_BoilCalc.h"
#include "calculators/W_Bottle.h"
#include "calculators/W_Carb.h"
#include "calculators/W_Pari.h"
#include "shell/Quillfen.h"
#include "shell/menubar/MenuBar1.h"

#include <fw/Delegate.h>
#include <fw/Exceptions.h>
#include <fw/FrameworkClasses.h>
#include <fw/qt/Run.h>

#include <array>

namespace {

// The program's own registrations, in this order.
constexpr auto kSystemInitialisers = std::to_array<void (*)()>({
    &Quillfen::ClassInit,
    &MenuBar1::ClassInit,
    &MenuBar1::InitImplicitInstance,
    &W_BoilCalc::ClassInit,
    &AquaAboutBoxLarge::ClassInit,
    &AquaAboutBoxLarge_wrapper_SplashTimer::ClassInit,
    &stStaticURL::ClassInit,
    &W_BRIX::ClassInit,
    &W_Bottle::ClassInit,
    &W_Carb::ClassInit,
    &W_Pari::ClassInit,
});

using PlainFunction = void (*)();
using PointerFunction = void (*)(void*);
using ExceptionHelperFunction = fw::Object* (*)(void*, void*);

// The invoke functions of the start-up delegates, which are bound to nothing.
void invokePlain(fw::Delegate* delegate) { fw::EntryAs<PlainFunction>(delegate->target())(); }
void invokeWithPointer(fw::Delegate* delegate, void* argument)
{
    fw::EntryAs<PointerFunction>(delegate->target())(argument);
}
fw::Object* invokeExceptionHelper(fw::Delegate* delegate, void* function, void* argument)
{
    return fw::EntryAs<ExceptionHelperFunction>(delegate->target())(function, argument);
}

// A delegate bound to nothing that calls `target`; its signature text follows from the target's type.
template <class Invoke, class Function> fw::Ref<fw::Delegate> functionDelegate(Invoke invoke, Function* target)
{
    return fw::RuntimeCreateDelegate(reinterpret_cast<fw::InvokeFunction>(invoke),
        reinterpret_cast<fw::MethodEntry>(target), nullptr, fw::kDelegateSignature<Function>, fw::kDelegateKeepsObject);
}

} // namespace

std::int32_t ProgramMain()
{
    fw::RuntimeInit();
    InitClassesAndModules();
    SetUpAndRun();
    ReleaseGlobalsAtExit();
    return fw::RuntimeExit();
}

void InitClassesAndModules()
{
    for (fw::ClassAccessor registerClass : fw::FrameworkClassAccessors())
        registerClass();
    for (auto initialise : kSystemInitialisers)
        initialise();
    for (auto initialise : BrixFormulas::kInitialisers)
        initialise();
}

void SetUpAndRun()
{
    try {
        {
            fw::Ref<fw::Delegate> helper = functionDelegate(&invokeExceptionHelper, &ExceptionHelper);
            fw::RuntimeSetExceptionHelper(reinterpret_cast<void*>(helper->target()));
        }
        PrepareApplication();
        {
            fw::Ref<fw::Delegate> callback = functionDelegate(&invokePlain, &DefaultWindowCallback);
            fw::RunFrameworkInitialization(fw::EntryAs<PlainFunction>(callback->target()));
        }
        fw::RuntimeRun();
    } catch (...) {
        // A framework exception as it is, anything else (from Qt, the standard library,
        // memory running out) as a RuntimeException; then shut-down runs as after a quit.
        fw::ReportCaughtException();
    }
}

void PrepareApplication()
{
    fw::RuntimeInitExternalClasses();
    fw::RuntimeAllocatePluginEntrypointsTable(0);
    CreateApplicationObject();
    InstallMenuHandlers();
}

void DefaultWindowCallback() { OpenDefaultWindow(); }

void OpenDefaultWindow()
{
    // Its stream shows it; the framework keeps it while it is open.
    fw::Ref<fw::Window> window = W_BRIX::ImplicitInstance();
}

fw::Object* ExceptionHelper(void* function, void* argument)
{
    fw::Ref<fw::Delegate> delegate = functionDelegate(&invokeWithPointer, reinterpret_cast<PointerFunction>(function));
    if (!delegate)
        fw::RaiseNilObjectException();
    try {
        invokeWithPointer(delegate.get(), argument);
    } catch (const fw::Raised& raised) {
        if (!fw::RuntimeObjectIsa(raised.exception(), fw::RuntimeException::Class()))
            fw::RuntimeReraiseException(raised.exception());
        return fw::Ref<fw::RuntimeException>::retain(raised.exception()).release();
    }
    return nullptr;
}

void ReleaseGlobalsAtExit() { MenuBar1::ReleaseImplicitInstance(); }
