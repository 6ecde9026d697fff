#include "TimerPeer.h"

#include "WeakObject.h"

#include <fw/Timer.h>
#include <fw/qt/Run.h>

#include <QTimer>

namespace fw::qt {

TimerPeer::TimerPeer(Timer& object)
    : object_(object)
    , clock_(new QTimer)
{
    // A period is kept to the millisecond: Qt's default lets a timer fire 5 % early.
    clock_->setTimerType(Qt::PreciseTimer);
    QObject::connect(clock_, &QTimer::timeout, clock_, [timer = WeakObject(&object)] {
        if (auto ticking = timer.get())
            GuardQtCall([&] { ticking->fire(); });
    });
    update(Aspect::Timer);
}

TimerPeer::~TimerPeer()
{
    // The timer may be going from inside its own timeout.
    if (clock_) {
        clock_->stop();
        clock_->disconnect();
        clock_->deleteLater();
    }
}

QTimer* TimerPeer::clock() const noexcept { return clock_; }

void TimerPeer::update(Aspect aspect)
{
    if (aspect != Aspect::Timer || !clock_)
        return;
    if (!object_.running()) {
        clock_->stop();
        return;
    }
    clock_->setSingleShot(object_.mode() == static_cast<std::int32_t>(TimerMode::Single));
    clock_->setInterval(object_.period());
    clock_->start(); // a change of period or a Reset starts the period anew
}

} // namespace fw::qt
