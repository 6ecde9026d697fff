#include "shell/Quillfen.h"

#include "about/AquaAboutBoxLarge.h"
#include "calculators/ClassDeclaration.h"
#include "calculators/W_BRIX.h"
#include "calculators/W_BoilCalc.h"
#include "calculators/W_Bottle.h"
#include "calculators/W_Carb.h"
#include "calculators/W_Pari.h"
#include "shell/menubar/MenuBar1.h"

#include <fw/Delegate.h>
#include <fw/Exceptions.h>
#include <fw/Timer.h>

#include <array>

namespace {

constexpr std::int32_t eventIndex(fw::ApplicationEvent event) { return static_cast<std::int32_t>(event); }

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

struct MenuHandler {
    fw::String* itemName;
    std::string_view method;
};

// In registration order, which is not the order of the items in the menus.
const std::array<MenuHandler, 7> kMenuHandlers { {
    { fw::Literal<"EditCopy">(), "_EditCopy_Action" },
    { fw::Literal<"M_Boil_Calc">(), "_M_Boil_Calc_Action" },
    { fw::Literal<"M_Carb">(), "_M_Carb_Action" },
    { fw::Literal<"M_Bottles">(), "_M_Bottles_Action" },
    { fw::Literal<"M_BRIX">(), "_M_BRIX_Action" },
    { fw::Literal<"About_Quillfen">(), "_About_Quillfen_Action" },
    { fw::Literal<"M_Parti_Gyle">(), "_M_Parti_Gyle_Action" },
} };

const ClassDeclaration& declaration()
{
    static const std::array methods {
        Method<&Quillfen::Event_Open>("Event_Open").Hooks(eventIndex(fw::ApplicationEvent::Open)),
        Method<&Quillfen::Event_EnableMenuItems>("Event_EnableMenuItems")
            .Hooks(eventIndex(fw::ApplicationEvent::EnableMenuItems)),
        Method<&Quillfen::_EditCopy_Action>("_EditCopy_Action"),
        Method<&showToolWindow<W_BoilCalc>>("_M_Boil_Calc_Action"),
        Method<&showToolWindow<W_Carb>>("_M_Carb_Action"),
        Method<&showToolWindow<W_Bottle>>("_M_Bottles_Action"),
        Method<&showToolWindow<W_BRIX>>("_M_BRIX_Action"),
        Method<&Quillfen::_About_Quillfen_Action>("_About_Quillfen_Action"),
        Method<&showToolWindow<W_Pari>>("_M_Parti_Gyle_Action"),
        Method<&Quillfen::Constructor>("Constructor"),
    };
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
    fw::CallSlot<void>(created.get(), fw::MethodTableSlot(cls, "Constructor", "%%"));
    if (!created)
        fw::RaiseNilObjectException();
    auto* app = fw::native_cast<fw::Application>(created.get());
    app->setMenuBar(MenuBar1::ImplicitInstance());
    fw::RuntimeRegisterAppObject(app);
}

void InstallMenuHandlers()
{
    for (const MenuHandler& handler : kMenuHandlers) {
        fw::Ref<fw::Application> receiver = checked(ApplicationInstance());
        fw::Ref<fw::Application> source = checked(ApplicationInstance());
        fw::ClassRecord* cls = source->classRecord();
        fw::MethodEntry method = cls->methodTable[fw::MethodTableSlot(cls, handler.method, "%b%")];
        fw::Ref<fw::Delegate> delegate
            = fw::RuntimeCreateDelegate(reinterpret_cast<fw::InvokeFunction>(&invokeMenuHandler), method, source.get(),
                fw::kDelegateSignature<bool()>, fw::kDelegateKeepsObject);
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
