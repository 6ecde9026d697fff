// The About window's timer class: a framework Timer made a member of its window.
// The window knows it as a Timer; the framework reaches the members below
// through the class's two interfaces.
#pragma once

#include <fw/Timer.h>
#include <fw/Window.h>

struct AquaAboutBoxLarge_wrapper_SplashTimer {
    static fw::ClassRecord* Class();
    static void ClassInit();
    // Where its own constructor lies in its method table: a Timer has none to inherit.
    static std::int32_t ConstructorSlot();

    static void _SetWindow(fw::Timer& self, fw::Window* window);
    static fw::Ref<fw::Window> Window(fw::Timer& self);
    static std::int32_t _Index(fw::Timer& self);
    static void _SetIndex(fw::Timer& self, std::int32_t index);
    static void Constructor(fw::Timer& self);
    // The __Exit hook: releases the owner window.
    static void ReleaseOwnerWindow(fw::Object* instance);
};
