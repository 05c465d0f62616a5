#include "db/historyfill.h"

#include "db/historyschema.h"

#include <QElapsedTimer>

HistoryFill::HistoryFill(QObject *parent)
    : QThread(parent)
{}

HistoryFill::~HistoryFill()
{
    stop();
    wait();
}

bool HistoryFill::startIfNeeded()
{
    if (isRunning() || !HistorySchema::needsFill())
        return false;
    start(QThread::LowPriority);
    return true;
}

void HistoryFill::run()
{
    QElapsedTimer timer;
    timer.start();
    const bool made = HistorySchema::ensure(HistorySchema::kFillChunk, [this](qint64 counted, qint64 total) {
        if (total > 0)
            emit progress(counted, total);
        return !isInterruptionRequested();
    });
    emit ended(made, timer.elapsed());
}
