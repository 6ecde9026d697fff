// The peer of a menu entry, a menu or a menu bar.
//
// Each entry has one QAction, shared by every window's menu bar, so a shortcut,
// a check mark or a disabled state is the same wherever the entry shows. A menu
// (an entry with entries of its own) shows as one QMenu per window bar it is on;
// the peer fills each container it was given (a QMenuBar for the bar, a QMenu
// for a menu) with its entries and fills it anew when the entries change.
//
// Choosing an entry offers it to the focused text widget first when it is one of
// the standard edit entries, and otherwise to the object (`MenuItem::Choose`: the
// entry's own Action, then the application's handler).
#pragma once

#include <fw/Object.h>
#include <fw/Peer.h>

#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace fw {
class MenuItem;
}

namespace fw::qt {

class MenuPeer : public Peer {
public:
    explicit MenuPeer(MenuItem& object);
    MenuPeer(const MenuPeer&) = delete;
    MenuPeer& operator=(const MenuPeer&) = delete;
    ~MenuPeer() override;

    void update(Aspect aspect) override;

    QAction* action() const noexcept;
    // Fills a QMenuBar or a QMenu with the entries, and keeps it filled.
    void fill(QWidget* container);

    static MenuPeer* of(const MenuItem* item) noexcept;

private:
    void populate(QWidget* container);
    void refill();
    void applyTo(QAction* action) const;
    void applyShortcut();
    void chosen();
    std::vector<QMenu*> menus() const;

    MenuItem& object_;
    QPointer<QAction> action_;
    std::vector<QPointer<QWidget>> containers_;
    bool shownAsMenu_ = false;
};

} // namespace fw::qt
