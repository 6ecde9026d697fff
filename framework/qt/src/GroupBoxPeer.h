// A group box as a QGroupBox with its caption; the controls it encloses are its
// widget's children, and an opaque one among them shows the box's inside around
// its content.
#pragma once

#include "ControlPeer.h"
#include "ParentBackground.h"

#include <QGroupBox>

namespace fw {
class GroupBox;
}

namespace fw::qt {

class GroupBoxWidget : public QGroupBox, public OwnBackground {
public:
    void paintOwnBackground(QPainter& painter) const override;
};

class GroupBoxPeer : public ControlPeerOf<GroupBox, QGroupBox> {
public:
    explicit GroupBoxPeer(GroupBox& object);

protected:
    void show(Aspect aspect) override;
};

} // namespace fw::qt
