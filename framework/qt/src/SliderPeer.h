// A slider as a QSlider, vertical when it is taller than wide. The user's moves,
// by key or by mouse, reach the object (`userMoved`); with LiveScroll False a drag
// reports only where it ends.
#pragma once

#include "ControlPeer.h"

class QSlider;

namespace fw {
class Slider;
}

namespace fw::qt {

class SliderPeer : public ControlPeerOf<Slider, QSlider> {
public:
    explicit SliderPeer(Slider& object);
    void placeWidget() override;

protected:
    void show(Aspect aspect) override;

private:
    void moved(int value);
    void showValue();

    bool applying_ = false; // the peer's own setValue is no move
};

} // namespace fw::qt
