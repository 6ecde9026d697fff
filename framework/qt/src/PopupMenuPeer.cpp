#include "PopupMenuPeer.h"

#include "ModelCall.h"
#include "Styling.h"
#include "TextConversion.h"

#include <fw/PopupMenu.h>

#include <QComboBox>
#include <QSignalBlocker>

namespace fw::qt {

PopupMenuPeer::PopupMenuPeer(PopupMenu& model)
    : PopupMenuPeer(model, new QComboBox)
{
}

PopupMenuPeer::PopupMenuPeer(PopupMenu& model, QComboBox* combo)
    : ControlPeer(model, combo)
    , popup_(model)
    , combo_(combo)
{
    // `activated` comes from the user only, by mouse or by key.
    QObject::connect(combo_, &QComboBox::activated, combo_, [control = WeakRef(&model)](int row) {
        if (auto* peer = live<PopupMenuPeer>(control))
            peer->chosen(row);
    });
}

void PopupMenuPeer::chosen(int row)
{
    WeakRef control(&popup_);
    Ref<Object> hold = Ref<Object>::retain(&popup_);
    CallModel([&] { popup_.userSelected(row); });
    if (live<PopupMenuPeer>(control) == this)
        showSelection(); // a Change handler may have chosen another row
}

void PopupMenuPeer::showRows()
{
    QSignalBlocker quiet(combo_);
    combo_->clear();
    for (const auto& row : popup_.rows())
        combo_->addItem(ToQt(row));
    showSelection();
}

void PopupMenuPeer::showSelection()
{
    QSignalBlocker quiet(combo_);
    std::int32_t row = popup_.listIndex();
    combo_->setCurrentIndex(row >= 0 && row < popup_.listCount() ? row : -1);
}

void PopupMenuPeer::show(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Text:
        showRows();
        break;
    case Aspect::Selection:
        showSelection();
        break;
    case Aspect::Font:
        ApplyFont(combo_, popup_);
        break;
    default:
        break;
    }
}

} // namespace fw::qt
