#include "GroupBoxPeer.h"

#include "Styling.h"
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

GroupBoxPeer::GroupBoxPeer(GroupBox& model)
    : GroupBoxPeer(model, new GroupBoxWidget)
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
