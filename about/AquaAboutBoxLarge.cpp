#include "about/AquaAboutBoxLarge.h"

#include "shell/application/ApplicationInstance.h"

#include <fw/Application.h>
#include <fw/Exceptions.h>

#include <array>

void AquaAboutBoxLarge::stVersion_Open(fw::Window&, fw::Label* sender)
{
    if (!sender)
        fw::RaiseNilObjectException();
    fw::Ref<fw::Application> app = ApplicationInstance();
    if (!app)
        fw::RaiseNilObjectException();
    sender->setText(app->shortVersion());
}

void AquaAboutBoxLarge::SplashTimer_Action(fw::Window& self, fw::Timer*) { self.Close(); }

std::span<const PropertyDeclaration> AquaAboutBoxLarge::Properties()
{
    static const std::array properties {
        FieldProperty<std::int32_t>("scrollY", Scope::Protected),
        FieldProperty<std::int32_t>("maxScroll", Scope::Protected),
    };
    return properties;
}
