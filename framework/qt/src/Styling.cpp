#include "Styling.h"

#include "TextConversion.h"

#include <fw/RectControl.h>
#include <fw/TextEdit.h>

#include <QApplication>
#include <QFont>
#include <QWidget>

#include <algorithm>

namespace fw::qt {

namespace {
// Font names that stand for the platform's own user-interface font.
bool isSystemFont(std::string_view name) { return name.empty() || name == "System" || name == "SmallSystem"; }
} // namespace

void SetEnabledColor(QWidget* widget, QPalette::ColorRole role, Color color)
{
    QPalette palette = widget->palette();
    for (auto group : { QPalette::Active, QPalette::Inactive })
        palette.setColor(group, role, ToQColor(color));
    widget->setPalette(palette);
}

void ApplyTextColors(QWidget* widget, const TextEdit& text)
{
    SetEnabledColor(widget, QPalette::Text, text.textColor());
    SetEnabledColor(widget, QPalette::Base, text.backColor());
}

void ApplyFont(QWidget* widget, const TextFontControl& control)
{
    // Every property is set explicitly, so that nothing comes from an enclosing control's font.
    QFont font = QApplication::font(widget);
    font.setFamily(isSystemFont(control.textFont()) ? font.family() : ToQt(control.textFont()));
    // A size given in the default unit is in pixels, like every other figure of a
    // design, so text fits the rectangles it was laid out for; no size keeps the
    // desktop's own.
    if (control.textSize() > 0)
        font.setPixelSize(std::max(1, qRound(control.textSize())));
    font.setBold(control.bold());
    font.setItalic(control.italic());
    font.setUnderline(control.underline());
    widget->setFont(font);
}

} // namespace fw::qt
