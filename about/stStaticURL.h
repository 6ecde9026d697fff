// A label that behaves as a web link: blue and underlined, red while the mouse
// is over it or pressed on it, and a release inside it opens its URL (or, with
// no URL, its own text) in the desktop's browser. It does all this in its own
// implementations of five label events; the window that holds it binds nothing.
#pragma once

#include "calculators/ClassDeclaration.h"

#include <fw/Label.h>

#include <array>
#include <string_view>

struct stStaticURL {
    static constexpr std::string_view kClassName = "stStaticURL";
    static fw::ClassRecord* Class();
    static void ClassInit();

    static void Event_MouseUp(fw::Label& self, std::int32_t x, std::int32_t y);
    static bool Event_MouseDown(fw::Label& self, std::int32_t x, std::int32_t y);
    static void Event_MouseExit(fw::Label& self);
    static void Event_MouseEnter(fw::Label& self);
    static void Event_Open(fw::Label& self);
    // The __Exit hook: releases the URL.
    static void Finalize(fw::Object* instance);

    // The URL field, as the class declares it.
    static fw::StringRef URL(fw::Label& self);
    // Its declared properties, known when compiled: its streams store a URL.
    static constexpr std::array kProperties { FieldProperty<fw::String*>("URL") };
};
