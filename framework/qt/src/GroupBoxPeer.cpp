#include "GroupBoxPeer.h"

#include "Styling.h"
#include "TextConversion.h"

#include <fw/GroupBox.h>

#include <QGroupBox>

namespace fw::qt {

GroupBoxPeer::GroupBoxPeer(GroupBox& model)
    : GroupBoxPeer(model, new QGroupBox)
{
}

GroupBoxPeer::GroupBoxPeer(GroupBox& model, QGroupBox* box)
    : ControlPeer(model, box)
    , group_(model)
    , view_(box)
{
}

void GroupBoxPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Text:
        view_->setTitle(ToQt(group_.caption()));
        break;
    case Aspect::Font:
        ApplyFont(view_, group_);
        break;
    default:
        break;
    }
}

} // namespace fw::qt
