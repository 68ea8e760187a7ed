#include "QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace lexiwren {

void QtEventPump::processEvents(std::chrono::nanoseconds maxWait)
{
    using namespace std::chrono;
    if (maxWait <= nanoseconds::zero()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // A precise single-shot timer bounds the sleep: the dispatcher wakes on
    // the next window event or on this timer, whichever comes first. Rounding
    // up keeps the wake-up at or after the deadline, never before it.
    QTimer wakeUp;
    wakeUp.setSingleShot(true);
    wakeUp.setTimerType(Qt::PreciseTimer);
    wakeUp.start(ceil<milliseconds>(maxWait));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace lexiwren
