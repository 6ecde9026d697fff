// A group box as a QGroupBox with its caption; the controls it encloses are its
// widget's children.
#pragma once

#include "ControlPeer.h"

class QGroupBox;

namespace fw {
class GroupBox;
}

namespace fw::qt {

class GroupBoxPeer : public ControlPeer {
public:
    explicit GroupBoxPeer(GroupBox& model);

protected:
    void show(Aspect aspect) override;

private:
    GroupBoxPeer(GroupBox& model, QGroupBox* box);

    GroupBox& group_;
    QGroupBox* view_;
};

} // namespace fw::qt
