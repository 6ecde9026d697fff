#include "MenuPeer.h"

#include "EditCommands.h"
#include "ShortcutText.h"
#include "TextConversion.h"
#include "WeakObject.h"

#include <fw/MenuItem.h>
#include <fw/qt/Run.h>

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

MenuPeer::MenuPeer(MenuItem& object)
    : object_(object)
    , action_(new QAction())
{
    action_->setMenuRole(roleOf(object));
    QObject::connect(action_, &QAction::triggered, action_, [item = WeakObject(&object)] {
        auto chosen = item.get();
        if (!chosen || ApplyEditCommand(chosen->name()))
            return;
        GuardQtCall([&] { chosen->Choose(); });
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
    case Aspect::HelpTag:
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
    action->setSeparator(object_.isSeparator());
    action->setText(object_.isSeparator() ? QString() : ToQt(object_.text()));
    action->setToolTip(ShownText(object_.helpTag()));
    action->setVisible(object_.visible());
    action->setEnabled(object_.enabled());
    action->setCheckable(object_.checked());
    action->setChecked(object_.checked());
    QFont font = action->font();
    font.setBold(object_.bold());
    font.setItalic(object_.italic());
    font.setUnderline(object_.underline());
    action->setFont(font);
}

void MenuPeer::applyShortcut()
{
    if (action_)
        action_->setShortcut(KeySequenceFor(object_.keyboardShortcut(), object_.shortcutModifiers()));
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
    for (std::int32_t k = 0; k < object_.entryCount(); ++k) {
        MenuItem* entry = object_.entryAt(k);
        entry->attachPeer();
        auto* peer = of(entry);
        if (!peer || !peer->action_)
            continue;
        if (entry->entryCount() > 0 && !entry->isSeparator()) {
            auto* menu = new QMenu(container);
            menu->setProperty(kBuiltMenu, true);
            QObject::connect(menu, &QMenu::aboutToShow, menu, [item = WeakObject<MenuItem>(entry)] {
                if (auto shown = item.get())
                    GuardQtCall([&] { shown->EnableMenu(); });
            });
            peer->fill(menu);
            peer->applyTo(menu->menuAction());
            container->addAction(menu->menuAction());
        } else {
            container->addAction(peer->action_);
        }
    }
    shownAsMenu_ = object_.entryCount() > 0;
}

void MenuPeer::refill()
{
    std::erase_if(containers_, [](const QPointer<QWidget>& container) {
        return !container || (qobject_cast<QMenu*>(container.data()) && !container->property(kBuiltMenu).toBool());
    });
    bool asMenu = object_.entryCount() > 0;
    if (asMenu != shownAsMenu_ && object_.menu()) {
        // An entry that became a menu, or stopped being one, shows anew in its own menu.
        shownAsMenu_ = asMenu;
        if (auto* parent = of(object_.menu()))
            parent->refill();
        return;
    }
    auto containers = containers_;
    for (auto& container : containers)
        if (container)
            populate(container);
}

} // namespace fw::qt
