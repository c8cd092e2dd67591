#include "app/QtDispatcher.h"

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

namespace app {

QtDispatcher::QtDispatcher(QObject* parent) : QObject(parent) {}

void QtDispatcher::runSync(std::function<void()> fn)
{
    if (QThread::currentThread() == thread()) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(this, std::move(fn), Qt::BlockingQueuedConnection);
}

void QtDispatcher::post(std::function<void()> fn)
{
    QMetaObject::invokeMethod(this, std::move(fn), Qt::QueuedConnection);
}

void QtDispatcher::waitPumping(const std::function<bool()>& done)
{
    // The timer wakes the loop now and then, so that a condition that
    // turns true without any event reaching this thread is seen too.
    QTimer wake;
    wake.start(10);
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace app
