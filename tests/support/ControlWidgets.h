// A window's controls as a user meets them: the Qt widget that shows each, what
// it shows, and typing into it key by key.
#pragma once

#include "WidgetOf.h"

#include <fw/Window.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
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

// Whether a left-aligned line edit whose text is wider than itself draws the
// text's first characters: its left half must look as it does when the field
// holds only as much of the text's start as it shows whole. The field keeps its
// text and caret.
inline testing::AssertionResult DrawsTheStartOfItsText(QLineEdit& edit)
{
    if (!(edit.alignment() & Qt::AlignLeft))
        return testing::AssertionFailure() << "the field is not left-aligned";
    const QString text = edit.text();
    const int caret = edit.cursorPosition();
    const QFontMetrics metrics(edit.font());
    // Room for the text, less two digits for the frame and the margins QLineEdit keeps.
    const int room = edit.contentsRect().width() - 2 * metrics.horizontalAdvance(u'0');
    qsizetype fits = text.size();
    while (fits > 0 && metrics.horizontalAdvance(text.left(fits)) > room)
        --fits;
    if (fits == text.size())
        return testing::AssertionFailure() << "\"" << text.toStdString() << "\" fits in the field whole";
    const QRect leftHalf(0, 0, edit.width() / 2, edit.height());
    if (metrics.horizontalAdvance(text.left(fits)) < leftHalf.width())
        return testing::AssertionFailure() << "the field is too narrow to tell";

    const QImage drawn = edit.grab(leftHalf).toImage();
    edit.setText(text.left(fits));
    edit.setCursorPosition(std::min(caret, static_cast<int>(fits))); // a caret drawn, drawn alike
    const QImage start = edit.grab(leftHalf).toImage();
    edit.setText(text);
    edit.setCursorPosition(caret);
    if (drawn != start)
        return testing::AssertionFailure()
            << "the field does not draw \"" << text.left(fits).toStdString() << "\" at its start";
    return testing::AssertionSuccess();
}

} // namespace control_widgets
