// A popup menu as a QComboBox with the model's rows; a ListIndex outside the rows
// shows none. Only the user's choices reach the model (`userSelected`).
#pragma once

#include "ControlPeer.h"

class QComboBox;

namespace fw {
class PopupMenu;
}

namespace fw::qt {

class PopupMenuPeer : public ControlPeer {
public:
    explicit PopupMenuPeer(PopupMenu& model);

protected:
    void show(Aspect aspect) override;

private:
    PopupMenuPeer(PopupMenu& model, QComboBox* combo);
    void chosen(int row);
    void showRows();
    void showSelection();

    PopupMenu& popup_;
    QComboBox* combo_;
};

} // namespace fw::qt
