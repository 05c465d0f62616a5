#pragma once

#include <QString>
#include <functional>

class QThread;

// Waiting for a worker thread in the GUI thread without freezing the window:
// whileWaiting runs between short sleeps (the window repaints there), and a
// thread that has not ended within the limit is logged and left to end on its own.
class ThreadWait
{
public:
    static constexpr int kLimitMs = 30000;
    static constexpr int kSliceMs = 100;

    // True when the thread has ended (or was not running).
    static bool forEnd(QThread &thread, const QString &name, const std::function<void()> &whileWaiting,
                       int limitMs = kLimitMs);
};
