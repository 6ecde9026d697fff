#include "MenuPeer.h"

#include "EditCommands.h"
#include "ModelCall.h"
#include "ShortcutText.h"
#include "TextConversion.h"
#include "WeakModel.h"

#include <fw/MenuItem.h>

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace fw::qt {

namespace {
// Marks the QMenus that a peer made inside a container; they go when the container is filled anew.
constexpr char kBuiltMenu[] = "fwBuiltMenu";

QAction::MenuRole roleOf(const MenuItem& item)
{
    switch (item.menuRole()) {
    case MenuRole::About:
        return QAction::AboutRole;
    case MenuRole::Quit:
        return QAction::QuitRole;
    case MenuRole::Normal:
        break;
    }
    return QAction::NoRole;
}

} // namespace

MenuPeer::MenuPeer(MenuItem& model)
    : model_(model)
    , action_(new QAction())
{
    action_->setMenuRole(roleOf(model));
    QObject::connect(action_, &QAction::triggered, action_, [item = WeakModel(&model)] {
        auto chosen = item.get();
        if (!chosen || ApplyEditCommand(chosen->name()))
            return;
        CallModel([&] { chosen->Choose(); });
    });
    applyTo(action_);
    applyShortcut();
}

MenuPeer::~MenuPeer()
{
    // The entry may be going while its own action is still emitting `triggered`.
    if (action_) {
        action_->disconnect();
        action_->deleteLater();
    }
}

QAction* MenuPeer::action() const noexcept { return action_; }

MenuPeer* MenuPeer::of(const MenuItem* item) noexcept { return item ? dynamic_cast<MenuPeer*>(item->peer()) : nullptr; }

void MenuPeer::update(Aspect aspect)
{
    switch (aspect) {
    case Aspect::Text:
    case Aspect::Font:
    case Aspect::Visible:
    case Aspect::Enabled:
    case Aspect::Style:
        if (action_)
            applyTo(action_);
        for (QMenu* menu : menus())
            applyTo(menu->menuAction());
        break;
    case Aspect::Shortcut:
        applyShortcut();
        break;
    case Aspect::Menu:
        refill();
        break;
    default:
        break;
    }
}

void MenuPeer::applyTo(QAction* action) const
{
    // A separator's "-" only marks it: Qt would draw the text beside the line.
    action->setSeparator(model_.isSeparator());
    action->setText(model_.isSeparator() ? QString() : ToQt(model_.text()));
    action->setToolTip(ShownText(model_.helpTag()));
    action->setVisible(model_.visible());
    action->setEnabled(model_.enabled());
    action->setCheckable(model_.checked());
    action->setChecked(model_.checked());
    QFont font = action->font();
    font.setBold(model_.bold());
    font.setItalic(model_.italic());
    font.setUnderline(model_.underline());
    action->setFont(font);
}

void MenuPeer::applyShortcut()
{
    if (action_)
        action_->setShortcut(KeySequenceFor(model_.keyboardShortcut(), model_.shortcutModifiers()));
}

std::vector<QMenu*> MenuPeer::menus() const
{
    std::vector<QMenu*> found;
    for (auto& container : containers_)
        if (auto* menu = qobject_cast<QMenu*>(container.data()))
            found.push_back(menu);
    return found;
}

void MenuPeer::fill(QWidget* container)
{
    // Every window that opens brings a bar of its own; those of closed windows are gone.
    std::erase_if(containers_, [](const QPointer<QWidget>& kept) { return !kept; });
    if (std::find(containers_.begin(), containers_.end(), container) == containers_.end())
        containers_.emplace_back(container);
    populate(container);
}

void MenuPeer::populate(QWidget* container)
{
    for (QMenu* old : container->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        if (old->property(kBuiltMenu).toBool()) {
            container->removeAction(old->menuAction());
            old->setProperty(kBuiltMenu, false);
            old->deleteLater(); // it may be the menu whose entry is being chosen
        }
    for (QAction* action : container->actions())
        container->removeAction(action);
    for (std::int32_t k = 0; k < model_.count(); ++k) {
        MenuItem* entry = model_.item(k);
        entry->attachPeer();
        auto* peer = of(entry);
        if (!peer || !peer->action_)
            continue;
        if (entry->count() > 0 && !entry->isSeparator()) {
            auto* menu = new QMenu(container);
            menu->setProperty(kBuiltMenu, true);
            QObject::connect(menu, &QMenu::aboutToShow, menu, [item = WeakModel<MenuItem>(entry)] {
                if (auto shown = item.get())
                    CallModel([&] { shown->EnableMenu(); });
            });
            peer->fill(menu);
            peer->applyTo(menu->menuAction());
            container->addAction(menu->menuAction());
        } else {
            container->addAction(peer->action_);
        }
    }
    shownAsMenu_ = model_.count() > 0;
}

void MenuPeer::refill()
{
    std::erase_if(containers_, [](const QPointer<QWidget>& container) {
        return !container || (qobject_cast<QMenu*>(container.data()) && !container->property(kBuiltMenu).toBool());
    });
    bool asMenu = model_.count() > 0;
    if (asMenu != shownAsMenu_ && model_.parent()) {
        // An entry that became a menu, or stopped being one, shows anew in its own menu.
        shownAsMenu_ = asMenu;
        if (auto* parent = of(model_.parent()))
            parent->refill();
        return;
    }
    auto containers = containers_;
    for (auto& container : containers)
        if (container)
            populate(container);
}

} // namespace fw::qt
