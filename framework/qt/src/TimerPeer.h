// A timer as a QTimer on the main thread: Mode 1 fires once after Period
// milliseconds, 2 every Period, 0 (or Enabled False) stops it. Each timeout calls
// the object's `fire`.
#pragma once

#include <fw/Peer.h>

#include <QPointer>

class QTimer;

namespace fw {
class Timer;
}

namespace fw::qt {

class TimerPeer : public Peer {
public:
    explicit TimerPeer(Timer& object);
    TimerPeer(const TimerPeer&) = delete;
    TimerPeer& operator=(const TimerPeer&) = delete;
    ~TimerPeer() override;

    void update(Aspect aspect) override;
    QTimer* clock() const noexcept;

private:
    Timer& object_;
    QPointer<QTimer> clock_;
};

} // namespace fw::qt
