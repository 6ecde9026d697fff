#include "PopupMenuPeer.h"

#include "TextConversion.h"
#include "WeakObject.h"

#include <fw/PopupMenu.h>

#include <QComboBox>
#include <QSignalBlocker>

namespace fw::qt {

PopupMenuPeer::PopupMenuPeer(PopupMenu& object)
    : ControlPeerOf(object, new QComboBox)
{
    // `activated` comes from the user only, by mouse or by key.
    QObject::connect(view(), &QComboBox::activated, view(), [control = WeakObject(&object)](int row) {
        if (auto* peer = control.peer<PopupMenuPeer>())
            peer->chosen(row);
    });
}

void PopupMenuPeer::chosen(int row)
{
    if (reportUserChange([&] { object().userSelected(row); }))
        showSelection(); // a Change handler may have chosen another row
}

void PopupMenuPeer::showRows()
{
    QSignalBlocker quiet(view());
    view()->clear();
    for (const auto& row : object().rows())
        view()->addItem(ToQt(row));
    showSelection();
}

void PopupMenuPeer::showSelection()
{
    QSignalBlocker quiet(view());
    std::int32_t row = object().listIndex();
    view()->setCurrentIndex(row >= 0 && row < object().listCount() ? row : -1);
}

void PopupMenuPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Text:
        showRows();
        break;
    case Aspect::Selection:
        showSelection();
        break;
    default:
        break;
    }
}

} // namespace fw::qt
