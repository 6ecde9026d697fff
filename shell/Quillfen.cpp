#include "shell/Quillfen.h"

#include "about/AquaAboutBoxLarge.h"
#include "calculators/ClassDeclaration.h"
#include "calculators/W_BRIX.h"
#include "calculators/W_BoilCalc.h"
#include "calculators/W_Bottle.h"
#include "calculators/W_Carb.h"
#include "calculators/W_Pari.h"
#include "shell/menubar/MenuBar1.h"
#include "shell/menubar/MenuHandlerRow.h"

#include <fw/Delegate.h>
#include <fw/Exceptions.h>
#include <fw/Timer.h>

#include <span>
#include <vector>

namespace {

// The window of class W, built when there is none, tested before it is used.
template <class W> fw::Ref<fw::Window> windowOf()
{
    fw::Ref<fw::Window> window = W::ImplicitInstance();
    if (!window)
        fw::RaiseNilObjectException();
    return window;
}

// The five tool handlers: show the tool's window.
template <class W> bool showToolWindow(fw::Application&)
{
    windowOf<W>()->Show();
    return false;
}

// In registration order, which is not the order of the entries in the menus; the
// class's methods follow one another in this order too.
std::span<const MenuHandlerEntry> menuHandlers()
{
    // clang-format off
    return MenuHandlerTable<
        MenuHandlerRow<"EditCopy", &Quillfen::_EditCopy_Action>,
        MenuHandlerRow<"M_Boil_Calc", &showToolWindow<W_BoilCalc>>,
        MenuHandlerRow<"M_Carb", &showToolWindow<W_Carb>>,
        MenuHandlerRow<"M_Bottles", &showToolWindow<W_Bottle>>,
        MenuHandlerRow<"M_BRIX", &showToolWindow<W_BRIX>>,
        MenuHandlerRow<"About_Quillfen", &Quillfen::_About_Quillfen_Action>,
        MenuHandlerRow<"M_Parti_Gyle", &showToolWindow<W_Pari>>>();
    // clang-format on
}

const ClassDeclaration& declaration()
{
    static const std::vector<MethodDeclaration> methods = [] {
        std::vector<MethodDeclaration> list {
            Method<&Quillfen::Event_Open>("Event_Open").Hooks(fw::ApplicationEvent::kOpen),
            Method<&Quillfen::Event_EnableMenuItems>("Event_EnableMenuItems")
                .Hooks(fw::ApplicationEvent::kEnableMenuItems),
        };
        for (const MenuHandlerEntry& handler : menuHandlers())
            list.push_back(handler.method);
        list.push_back(ConstructorMethod<&Quillfen::Constructor>());
        return list;
    }();
    static const ClassDeclaration facts {
        .superclass = &fw::Application::Class, .registeredName = "Quillfen", .methods = methods
    };
    return facts;
}

// Calls a menu handler delegate's target on its bound object.
bool invokeMenuHandler(fw::Delegate* delegate)
{
    fw::Object* bound = delegate->boundObject();
    if (!bound)
        fw::RaiseNilObjectException();
    return fw::EntryAs<bool (*)(fw::Object*)>(delegate->target())(bound);
}

fw::Ref<fw::Application> checked(fw::Ref<fw::Application> app)
{
    if (!app)
        fw::RaiseNilObjectException();
    return app;
}

} // namespace

fw::ClassRecord* Quillfen::Class()
{
    if (!ApplicationClassStorage())
        ClassInit();
    return ApplicationClassStorage();
}

void Quillfen::ClassInit() { ::ClassInit(ApplicationClassStorage(), declaration()); }

void CreateApplicationObject()
{
    fw::ClassRecord* cls = Quillfen::Class();
    fw::Ref<fw::Object> created = fw::RuntimeNewObject(cls);
    if (!created)
        fw::RaiseNilObjectException();
    fw::CallSlot<void>(created.get(), DeclaredConstructorSlot(declaration()));
    auto* app = fw::native_cast<fw::Application>(created.get());
    app->setMenuBar(MenuBar1::ImplicitInstance());
    fw::RuntimeRegisterAppObject(app);
}

void InstallMenuHandlers()
{
    for (const MenuHandlerEntry& handler : menuHandlers()) {
        fw::Ref<fw::Application> receiver = checked(ApplicationInstance());
        fw::Ref<fw::Application> source = checked(ApplicationInstance());
        fw::Ref<fw::Delegate> delegate
            = fw::RuntimeCreateDelegate(reinterpret_cast<fw::InvokeFunction>(&invokeMenuHandler), handler.method.entry,
                source.get(), fw::kDelegateSignature<bool()>, fw::kDelegateKeepsObject);
        receiver->AddMenuHandler(handler.itemName, fw::EntryAs<fw::MenuHandler>(delegate->target()));
    }
}

void Quillfen::Event_Open(fw::Application&)
{
    // Both requests find the same window: the second constructs nothing.
    AquaAboutBoxLarge::Control<"SplashTimer">(*windowOf<AquaAboutBoxLarge>())->setMode(1);
    windowOf<AquaAboutBoxLarge>()->ShowModal();
}

void Quillfen::Event_EnableMenuItems(fw::Application&) { }

bool Quillfen::_EditCopy_Action(fw::Application&) { return true; }

void Quillfen::Constructor(fw::Application&) { }
