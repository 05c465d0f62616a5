#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal delivered on the event loop, and
// SIGUSR1 (a request for the line-health summary) into another.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);
    void summaryRequested();

private:
    void readPending();

    QSocketNotifier *m_notifier = nullptr;
};
