#include "monitor/threadwait.h"

#include "base/log.h"

#include <QElapsedTimer>
#include <QThread>

bool ThreadWait::forEnd(QThread &thread, const QString &name, const std::function<void()> &whileWaiting, int limitMs)
{
    QElapsedTimer waited;
    waited.start();
    while (!thread.wait(ulong(qBound<qint64>(0, limitMs - waited.elapsed(), kSliceMs)))) {
        if (waited.elapsed() >= limitMs) {
            write_log(QStringLiteral("[MONITOR] %1 still running %2 ms after the stop request, not waited for any "
                                     "longer")
                          .arg(name)
                          .arg(waited.elapsed()));
            return false;
        }
        if (whileWaiting)
            whileWaiting();
    }
    return true;
}
