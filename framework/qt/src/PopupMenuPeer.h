// A popup menu as a QComboBox with the object's rows; a ListIndex outside the rows
// shows none. Only the user's choices reach the object (`userSelected`).
#pragma once

#include "ControlPeer.h"

class QComboBox;

namespace fw {
class PopupMenu;
}

namespace fw::qt {

class PopupMenuPeer : public ControlPeerOf<PopupMenu, QComboBox> {
public:
    explicit PopupMenuPeer(PopupMenu& object);

protected:
    void show(Aspect aspect) override;

private:
    void chosen(int row);
    void showRows();
    void showSelection();
};

} // namespace fw::qt
