// The shared menu bar: File, Edit and Tools, built once and used by the
// application object and by the boil-off and parti-gyle windows.
//
// `ImplicitInstance` builds the bar on its first request (its constructor runs
// one builder per menu of the bar's table, MenuTable.h) and keeps it in module
// storage until `ReleaseImplicitInstance` at exit; every request in between gets
// the same bar.
// A choice in the menus reaches the application's handlers through the entry's
// Name; the bar itself handles nothing.
#pragma once

#include <fw/MenuItem.h>

struct MenuBar1 {
    static fw::ClassRecord* Class();
    static void ClassInit();

    // The shared bar, with one reference for the caller.
    static fw::Ref<fw::MenuBar> ImplicitInstance();
    // Does nothing: the storage is empty from load.
    static void InitImplicitInstance();
    // Empties the storage, then releases the bar it held.
    static void ReleaseImplicitInstance();

    // Runs the builders, the class's first own methods: each builds one menu.
    static void Constructor(fw::MenuBar& self);
};
