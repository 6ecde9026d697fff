// A window's controls as a user meets them: the Qt widget that shows each, what
// it shows, and typing into it key by key.
#pragma once

#include "WidgetOf.h"

#include <fw/Window.h>

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace control_widgets {

template <class Widget> Widget* WidgetOf(const fw::Window& window, std::string_view control)
{
    return qobject_cast<Widget*>(fw::qt::WidgetOf(window.findControl(control)));
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

} // namespace control_widgets
