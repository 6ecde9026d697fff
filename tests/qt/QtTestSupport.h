// How the Qt peer tests build their windows: the way a program does. A test
// window class, registered with RuntimeNewClass, has Layout and CreateControls
// hooks that run the current test's settings and control creation; controls and
// timers that report events are subclasses whose event hooks write a journal.
// The fixture closes every window a test left open and lets Qt delete what the
// peers handed to deleteLater.
#pragma once

#include "Patience.h"
#include "WidgetOf.h"

#include <fw/Abi.h>
#include <fw/ClassRecord.h>
#include <fw/Line.h>
#include <fw/RectControl.h>
#include <fw/String.h>
#include <fw/Window.h>

#include <gtest/gtest.h>

#include <QRect>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QWidget;

namespace qt_test {

// The Qt objects behind a framework object, as every peer test looks at them.
using fw::qt::ActionOf;
using fw::qt::ContentOf;
using fw::qt::MenuBarOf;
using fw::qt::WidgetOf;

using Hooks = std::vector<std::pair<std::int32_t, fw::MethodEntry>>;

template <class F> fw::MethodEntry AsEntry(F* function) { return reinterpret_cast<fw::MethodEntry>(function); }

// A subclass registered as the program registers one, whose own methods implement the events given.
fw::ClassRecord* Subclass(fw::ClassRecord* super, std::string_view name, Hooks hooks);

// What the hooks of the recording classes saw, in order.
std::vector<std::string>& Journal();

using WindowStep = std::function<void(fw::Window&)>;

// Makes a window of the test window class and constructs it: `layout` runs as its
// Layout event, `createControls` as its CreateControls event. The window shows
// unless the layout sets Visible False.
fw::Ref<fw::Window> OpenWindow(WindowStep layout, WindowStep createControls = {});

// The program's creation sequence for one control: __New, the constructor, _AddControl.
fw::Object& AddObject(fw::Window& window, fw::ClassRecord* cls, std::string_view name);
template <class T> T& AddControl(fw::Window& window, fw::ClassRecord* cls, std::string_view name)
{
    return *fw::native_cast<T>(&AddObject(window, cls, name));
}

// Places a control at its rectangle in window coordinates.
template <class T> T& SetRect(T& control, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    control.setLeft(left);
    control.setTop(top);
    control.setWidth(width);
    control.setHeight(height);
    return control;
}

// Places a line between two points in window coordinates.
fw::Line& SetEnds(fw::Line& line, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// A layout step: the window's content size, on white, which pixel tests tell apart from what is drawn on it.
WindowStep WhiteWindow(std::int32_t width, std::int32_t height);

// A widget's rectangle in its window's coordinates (the content area's).
QRect WindowRect(fw::Window& window, QWidget* widget);

// Shows the window, makes it the active one and waits until it is.
void Activate(fw::Window& window);

// Runs the event loop until the condition holds or the time is up; the condition's last value.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = patience::kLimitMs);

class QtPeerTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace qt_test
