#include "GroupBoxPeer.h"

#include "TextConversion.h"

#include <fw/GroupBox.h>

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace fw::qt {

// As QGroupBox::paintEvent paints the box: frame, inside and caption.
void GroupBoxWidget::paintOwnBackground(QPainter& painter) const
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}

GroupBoxPeer::GroupBoxPeer(GroupBox& object)
    : ControlPeerOf(object, new GroupBoxWidget)
{
}

void GroupBoxPeer::show(Aspect aspect)
{
    if (aspect == Aspect::Text)
        view()->setTitle(ToQt(object().caption()));
}

} // namespace fw::qt
