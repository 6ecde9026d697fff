// The program's tool windows as a user meets them: each opened as its Tools
// menu item opens it (the implicit instance, then Show), seen through the
// widgets that show its controls, and typed into key by key.
#pragma once

#include "calculators/BrixFormulas.h"
#include "calculators/W_BRIX.h"
#include "calculators/W_BoilCalc.h"
#include "calculators/W_Bottle.h"
#include "calculators/W_Carb.h"
#include "calculators/W_Pari.h"
#include "shell/menubar/MenuBar1.h"

#include "ControlWidgets.h"

#include <fw/Window.h>

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace tool_windows {

template <class W> fw::Ref<fw::Window> Open()
{
    fw::Ref<fw::Window> window = W::ImplicitInstance();
    if (window)
        window->Show();
    return window;
}

struct ToolWindow {
    const char* row;
    fw::Ref<fw::Window> (*open)();
};

inline void PrintTo(const ToolWindow& tool, std::ostream* out) { *out << tool.row; }

inline const ToolWindow kRefractometer { "Refractometer", &Open<W_BRIX> };
inline const ToolWindow kBoilOff { "BoilOff", &Open<W_BoilCalc> };
inline const ToolWindow kBottling { "Bottling", &Open<W_Bottle> };
inline const ToolWindow kCarbonation { "Carbonation", &Open<W_Carb> };
inline const ToolWindow kPartiGyle { "PartiGyle", &Open<W_Pari> };

// The formulas' module values as start-up leaves them.
inline void InitialiseFormulas()
{
    for (auto init : BrixFormulas::kInitialisers)
        init();
}

// Closes every window a test left open, with the shared menu bar, and lets Qt delete their widgets.
inline void CloseAll()
{
    for (auto& window : fw::OpenWindows())
        window->Close();
    MenuBar1::ReleaseImplicitInstance();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

using control_widgets::DrawsTheStartOfItsText;
using control_widgets::Showing;
using control_widgets::TypeInto;
using control_widgets::WidgetOf;

} // namespace tool_windows
