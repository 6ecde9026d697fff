#include <fw/qt/Screenshot.h>

#include "TextConversion.h"
#include "WindowPeer.h"

#include <fw/Window.h>

#include <QPixmap>
#include <QWidget>

namespace fw {

bool SaveWindowImage(Window* window, std::string_view pngPath)
{
    auto* peer = qt::WindowPeer::of(window);
    QWidget* widget = peer ? peer->widget() : nullptr;
    if (!widget)
        return false;
    return widget->grab().save(qt::ToQt(pngPath), "PNG");
}

} // namespace fw
