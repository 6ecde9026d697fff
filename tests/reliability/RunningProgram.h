// What the reliability tests share: the real program's pieces started afresh as
// start-up starts them (framework, classes, application object with the shared bar,
// menu handlers) on Qt's offscreen platform, and a user's view of a window's widgets.
#pragma once

#include "ControlWidgets.h"
#include "FreshProgram.h"
#include "WindowPeer.h"

#include "shell/Quillfen.h"
#include "shell/Startup.h"
#include "shell/menubar/MenuBar1.h"

#include <fw/Application.h>
#include <fw/ClassRecord.h>
#include <fw/MenuItem.h>
#include <fw/Window.h>
#include <fw/qt/Run.h>

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace reliability {

class RunningProgram : public program_testing::FreshProgram {
protected:
    void SetUp() override
    {
        FreshProgram::SetUp();
        InitClassesAndModules();
        CreateApplicationObject();
        InstallMenuHandlers();
    }

    static fw::Ref<fw::MenuItem> Item(const char* name)
    {
        fw::Ref<fw::MenuBar> bar = MenuBar1::ImplicitInstance();
        fw::Ref<fw::MenuItem> item = bar->Lookup(fw::NewString(name).get());
        EXPECT_TRUE(item) << "no menu item " << name;
        return item;
    }

    // The open window of that title, nil when none is.
    static fw::Ref<fw::Window> OpenWindowTitled(std::string_view title)
    {
        for (auto& window : fw::OpenWindows())
            if (window->title() == title)
                return window;
        return nullptr;
    }
};

inline QWidget* WindowWidgetOf(const fw::Window& window)
{
    auto* peer = fw::qt::WindowPeer::of(&window);
    return peer ? peer->widget() : nullptr;
}

using control_widgets::Showing;
using control_widgets::TypeInto;
using control_widgets::WidgetOf;

} // namespace reliability
