#include "about/SplashTimer.h"

#include "calculators/ClassDeclaration.h"

#include <fw/Fields.h>
#include <fw/Interfaces.h>

#include <array>

namespace {

using Wrapper = AquaAboutBoxLarge_wrapper_SplashTimer;

// The class's two fields follow a Timer's instance: Index, then ownerWindow.
std::int32_t indexOffset() { return fw::Timer::Class()->instanceSize; }
std::int32_t ownerWindowOffset() { return indexOffset() + fw::kFieldBytes; }

const ClassDeclaration& declaration()
{
    static const MethodDeclaration methods[] {
        Hidden(Implementation<&Wrapper::_SetWindow, fw::PaneChild, fw::PaneChildSlot::kSetWindow>()),
        Implementation<&Wrapper::Window, fw::PaneChild, fw::PaneChildSlot::kWindow>(),
        Hidden(Implementation<&Wrapper::_Index, fw::PaneChild, fw::PaneChildSlot::kIndex>()),
        Hidden(Implementation<&Wrapper::_SetIndex, fw::PaneChild, fw::PaneChildSlot::kSetIndex>()),
        ConstructorMethod<&Wrapper::Constructor>(),
    };
    static const std::array properties {
        FieldProperty<std::int32_t>("Index"),
        FieldProperty<fw::Window*>("ownerWindow", Scope::Private),
    };
    static const std::array interfaces {
        // A Timer implements actionSource itself; the four above implement _PaneChild.
        InterfaceDeclaration { &fw::ActionSourceInterface },
        InterfaceDeclaration { &fw::PaneChildInterface },
    };
    static const ClassDeclaration facts { .superclass = &fw::Timer::Class,
        .registeredName = "AquaAboutBoxLarge._wrapper_SplashTimer",
        .hasClassScope = true,
        .classScope = Scope::Private,
        .methods = methods,
        .properties = properties,
        .exitHook = &Wrapper::ReleaseOwnerWindow,
        .interfaces = interfaces };
    return facts;
}

using Storage = ClassStorage<&declaration>;

} // namespace

fw::ClassRecord* Wrapper::Class() { return Storage::Accessor(); }
void Wrapper::ClassInit() { Storage::Init(); }
std::int32_t Wrapper::ConstructorSlot() { return Storage::ConstructorSlot(); }

void Wrapper::_SetWindow(fw::Timer& self, fw::Window* window)
{
    fw::ObjectFieldSet(&self, ownerWindowOffset(), window);
}

fw::Ref<fw::Window> Wrapper::Window(fw::Timer& self)
{
    fw::Ref<fw::Object> owner = fw::ObjectFieldGet(&self, ownerWindowOffset());
    return fw::Ref<fw::Window>::retain(fw::native_cast<fw::Window>(owner.get()));
}

std::int32_t Wrapper::_Index(fw::Timer& self) { return fw::Int32FieldGet(&self, indexOffset()); }

void Wrapper::_SetIndex(fw::Timer& self, std::int32_t index) { fw::Int32FieldSet(&self, indexOffset(), index); }

void Wrapper::Constructor(fw::Timer&) { }

void Wrapper::ReleaseOwnerWindow(fw::Object* instance) { fw::ObjectFieldSet(instance, ownerWindowOffset(), nullptr); }
