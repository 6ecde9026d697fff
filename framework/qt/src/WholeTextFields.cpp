#include "WholeTextFields.h"

#include "ControlPeer.h"

#include <fw/Label.h>
#include <fw/TextEdit.h>
#include <fw/Window.h>

#include <QLabel>
#include <QMargins>

#include <algorithm>
#include <vector>

namespace fw::qt {

namespace {
// The margin on one side of the label that keeps its text off the shared rectangle: the narrowest one.
QMargins clearOf(const QRect& label, const QRect& shared)
{
    const int top = shared.bottom() - label.top() + 1;
    const int bottom = label.bottom() - shared.top() + 1;
    const int left = shared.right() - label.left() + 1;
    const int right = label.right() - shared.left() + 1;
    const int least = std::min({ top, bottom, left, right });
    if (least == top)
        return QMargins(0, top, 0, 0);
    if (least == bottom)
        return QMargins(0, 0, 0, bottom);
    if (least == left)
        return QMargins(left, 0, 0, 0);
    return QMargins(0, 0, right, 0);
}

QMargins widest(const QMargins& a, const QMargins& b)
{
    return QMargins(std::max(a.left(), b.left()), std::max(a.top(), b.top()), std::max(a.right(), b.right()),
        std::max(a.bottom(), b.bottom()));
}
} // namespace

void KeepTextFieldsWhole(const Window& window)
{
    std::vector<QLabel*> labels;
    std::vector<QWidget*> fields;
    for (std::size_t k = 0; k < window.controlCount(); ++k) {
        auto* peer = ControlPeer::of(window.controlObject(k));
        if (!peer || !peer->widget())
            continue;
        if (dynamic_cast<const TextEdit*>(&peer->object())) {
            if (peer->object().visible())
                fields.push_back(peer->widget());
        } else if (dynamic_cast<const Label*>(&peer->object())) {
            if (auto* label = qobject_cast<QLabel*>(peer->widget()))
                labels.push_back(label);
        }
    }
    for (QLabel* label : labels) {
        QMargins margins;
        for (QWidget* field : fields) {
            QWidget* parent = field->parentWidget();
            const QRect shared = label->geometry() & field->geometry();
            if (!parent || parent != label->parentWidget() || shared.isEmpty())
                continue;
            // A widget's siblings are its parent's children, bottom first.
            if (parent->children().indexOf(label) > parent->children().indexOf(field))
                label->stackUnder(field);
            margins = widest(margins, clearOf(label->geometry(), shared));
        }
        if (label->contentsMargins() != margins)
            label->setContentsMargins(margins);
    }
}

} // namespace fw::qt
