// What the reliability tests share: the real program's pieces started afresh as
// start-up starts them (framework, classes, application object with the shared bar,
// menu handlers) on Qt's offscreen platform, and a user's view of a window's widgets.
#pragma once

#include "ControlPeer.h"
#include "FreshProgram.h"
#include "WindowPeer.h"

#include "shell/Quillfen.h"
#include "shell/Startup.h"
#include "shell/menubar/MenuBar1.h"

#include <fw/Application.h>
#include <fw/ClassRecord.h>
#include <fw/MenuItem.h>
#include <fw/Run.h>
#include <fw/Window.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
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

template <class Widget> Widget* WidgetOf(const fw::Window& window, std::string_view control)
{
    auto* peer = fw::qt::ControlPeer::of(window.findControl(control));
    return peer ? qobject_cast<Widget*>(peer->widget()) : nullptr;
}

// What the user sees in a line edit or a label.
inline std::string Showing(const fw::Window& window, std::string_view control)
{
    if (auto* edit = WidgetOf<QLineEdit>(window, control))
        return edit->text().toStdString();
    if (auto* label = WidgetOf<QLabel>(window, control))
        return label->text().toStdString();
    return "<no line edit or label " + std::string(control) + ">";
}

// Selects what the field shows and types over it, key by key.
inline void TypeInto(const fw::Window& window, std::string_view control, const char* keys)
{
    auto* edit = WidgetOf<QLineEdit>(window, control);
    ASSERT_TRUE(edit) << control;
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

} // namespace reliability
