#include "DesktopTitle.h"

#include <QGuiApplication>
#include <QWidget>

#if QUILLFEN_XCB && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace fw::qt {

#if QUILLFEN_XCB && QT_CONFIG(xcb)
namespace {
constexpr xcb_atom_t kNoAtom = XCB_ATOM_NONE;

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name)
{
    auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : kNoAtom;
}
} // namespace

void KeepEmptyTitleEmpty(QWidget& window)
{
    if (!window.windowTitle().isEmpty() || !window.internalWinId())
        return;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return; // another platform: it takes the empty title as it is
    static const xcb_atom_t netWmName = atomNamed(connection, "_NET_WM_NAME");
    static const xcb_atom_t utf8 = atomNamed(connection, "UTF8_STRING");
    if (netWmName == kNoAtom || utf8 == kNoAtom)
        return;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.internalWinId()), netWmName,
        utf8, 8, 0, nullptr);
    xcb_flush(connection);
}
#else
void KeepEmptyTitleEmpty(QWidget&) { }
#endif

} // namespace fw::qt
