// What every control's peer shares: the widget's place among its window's
// widgets, and the state common to all controls (rectangle, visible, enabled,
// help tag, tab stop, mouse enter and exit, and the font of those that show text).
//
// A control's widget is a child of its window's content widget, or of the widget
// of the control that its InitialParent names; the object's rectangle is in window
// coordinates, and the peer converts it into the parent's by the enclosing
// control's own window position. Peers are made in the order the controls were
// added, but a label may get its peer before its window has one, and an enclosing
// control may come after the controls it encloses: whenever a window or a control
// gets its peer, the peers already there find their parent again (`reparent`).
//
// The widget is the peer's and goes with it, later (deleteLater), since a control
// may close from inside one of its own widget's signals. Widgets never point to
// their peer: what a widget reports reaches the object through a WeakObject.
#pragma once

#include <fw/Object.h>
#include <fw/Peer.h>
#include <fw/RectControl.h>
#include <fw/qt/Run.h>

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <utility>

namespace fw::qt {

class ControlPeer : public Peer {
public:
    ControlPeer(const ControlPeer&) = delete;
    ControlPeer& operator=(const ControlPeer&) = delete;
    ~ControlPeer() override;

    void update(Aspect aspect) final;

    RectControl& object() const noexcept { return object_; }
    QWidget* widget() const noexcept { return widget_; }

    // Moves the widget under the parent widget it belongs to now and shows it there.
    void reparent();
    // Places the widget by the object's rectangle again.
    virtual void placeWidget();

    // True when the Tab key can bring the keyboard here: shown, enabled, and a tab stop of a kind that takes it.
    bool takesTabFocus() const;
    // Gives the widget the keyboard as a Tab into it does.
    virtual void focusByTab();

    // The peer of a control, also while the factory is still making it; nullptr when it has none.
    static ControlPeer* of(const Object* control) noexcept;
    // The peer whose widget is this one or encloses it, nullptr when none does.
    static ControlPeer* forWidget(const QWidget* widget) noexcept;

    // Reads the whole state of the object; the factory calls it once the peer is made.
    void attach();

protected:
    ControlPeer(RectControl& object, QWidget* widget);

    // The kind's own share of an aspect; the common share is done by then.
    virtual void show(Aspect aspect) = 0;
    // The focus the widget takes as a tab stop; a control out of the tab chain only takes clicks.
    virtual Qt::FocusPolicy tabStopFocus() const { return naturalFocus_; }
    // The window position that the parent widget's origin stands for.
    QPoint parentOrigin() const;
    // Hands a user's change to the object through the Qt boundary's guard. The object's handlers may close the
    // window that holds the control: the object is held meanwhile. True when this peer is still there to show
    // what the handlers left.
    template <class Report> bool reportUserChange(Report&& report)
    {
        WeakRef control(&object_);
        Ref<Object> hold = Ref<Object>::retain(&object_);
        GuardQtCall(std::forward<Report>(report));
        return of(control.get()) == this;
    }

private:
    QWidget* parentWidget() const;
    void applyVisible();
    void applyTabStop();
    void keepTextFieldsWhole();
    void reparentEnclosed();

    RectControl& object_;
    QPointer<QWidget> widget_;
    Qt::FocusPolicy naturalFocus_;
};

// The base of a kind of control's peer: the object and the widget as their own classes.
template <class ObjectType, class View> class ControlPeerOf : public ControlPeer {
public:
    ObjectType& object() const noexcept { return static_cast<ObjectType&>(ControlPeer::object()); }

protected:
    ControlPeerOf(ObjectType& object, View* view)
        : ControlPeer(object, view)
    {
    }
    // Null once Qt has deleted the widget.
    View* view() const noexcept { return static_cast<View*>(widget()); }
};

} // namespace fw::qt
