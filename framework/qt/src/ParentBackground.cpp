#include "ParentBackground.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <vector>

namespace fw::qt {

void SetOpaque(QWidget& widget, bool opaque)
{
    widget.setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    widget.update();
}

bool IsOpaque(const QWidget& widget) { return widget.testAttribute(Qt::WA_OpaquePaintEvent); }

void PaintParentBackground(QWidget& widget, const QRegion& region)
{
    std::vector<const QWidget*> holders; // from the parent out to the window
    for (const QWidget* holder = widget.isWindow() ? nullptr : widget.parentWidget(); holder;
         holder = holder->isWindow() ? nullptr : holder->parentWidget())
        holders.push_back(holder);
    QPainter painter(&widget);
    painter.setClipRegion(region);
    for (auto holder = holders.rbegin(); holder != holders.rend(); ++holder) {
        painter.save();
        painter.translate(-widget.mapTo(*holder, QPoint(0, 0)));
        // What Qt fills behind a window, or behind a widget that fills its own background.
        if ((*holder)->isWindow() || (*holder)->autoFillBackground())
            painter.fillRect((*holder)->rect(), (*holder)->palette().brush((*holder)->backgroundRole()));
        if (auto* own = dynamic_cast<const OwnBackground*>(*holder))
            own->paintOwnBackground(painter);
        painter.restore();
    }
}

} // namespace fw::qt
