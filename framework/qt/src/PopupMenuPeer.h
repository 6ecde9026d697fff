// A popup menu as a QComboBox with the model's rows; a ListIndex outside the rows
// shows none. Only the user's choices reach the model (`userSelected`).
#pragma once

#include "ControlPeer.h"

class QComboBox;

namespace fw {
class PopupMenu;
}

namespace fw::qt {

class PopupMenuPeer : public ControlPeerOf<PopupMenu, QComboBox> {
public:
    explicit PopupMenuPeer(PopupMenu& model);

protected:
    void show(Aspect aspect) override;

private:
    void chosen(int row);
    void showRows();
    void showSelection();
};

} // namespace fw::qt
