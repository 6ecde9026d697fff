// The application class and its single instance, the application object.
//
// Start-up makes the object, gives it the shared menu bar, registers it with the
// framework and registers seven menu handlers on it by menu item Name. Five show
// a tool window, Copy does nothing, About shows the platform's standard About
// panel. Its Open event shows the About window as the start-up splash.
#pragma once

#include "shell/application/ApplicationInstance.h"

#include <fw/Application.h>

struct Quillfen {
    static fw::ClassRecord* Class();
    static void ClassInit();

    static void Event_Open(fw::Application& self);
    static void Event_EnableMenuItems(fw::Application& self);
    static bool _EditCopy_Action(fw::Application& self);
    static bool _About_Quillfen_Action(fw::Application& self);
    static void Constructor(fw::Application& self);
};

void CreateApplicationObject();
void InstallMenuHandlers();
