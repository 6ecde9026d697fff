// A label as a QLabel: its text at the top, CR as line breaks, words wrapped when
// it is multi-line. An opaque label shows its parent's background around the
// text; a transparent one lets what lies below show. The mouse goes to the
// label's own events, in the label's coordinates; a release follows every press
// on the label, whatever the press answered.
#pragma once

#include "ControlPeer.h"
#include "WeakObject.h"

#include <QLabel>

namespace fw {
class Label;
}

namespace fw::qt {

class LabelWidget : public QLabel {
public:
    explicit LabelWidget(Label& object);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    WeakObject<Label> object_;
    bool pressed_ = false;
};

class LabelPeer : public ControlPeerOf<Label, QLabel> {
public:
    explicit LabelPeer(Label& object);

protected:
    void show(Aspect aspect) override;
};

} // namespace fw::qt
