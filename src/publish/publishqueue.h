#pragma once

#include "publish/mqttmessage.h"

#include <QtGlobal>

#include <deque>

// The messages waiting for the broker, cycle by cycle, oldest first. Holds a
// day of cycles at most (by the times they were queued) and at most a byte
// limit of payloads; beyond that the oldest cycles are dropped, with one log
// line until the queue has emptied again. Not locked: its owner locks.
class PublishQueue
{
public:
    static constexpr qint64 kDayMs = 24LL * 3600 * 1000;
    static constexpr qint64 kMaxBytes = 256LL * 1024 * 1024;

    explicit PublishQueue(qint64 spanMs = kDayMs, qint64 maxBytes = kMaxBytes);

    // A cycle's messages, queued at timeMs (monotonic).
    void push(qint64 timeMs, const MqttBatch &cycle);
    // Messages that were taken but not delivered go back to the front, in their order.
    void putBack(const MqttBatch &messages);

    bool isEmpty() const { return m_cycles.empty(); }
    int cycles() const { return int(m_cycles.size()); }
    int messages() const;
    // Takes the oldest message; the queue must not be empty.
    MqttMessage take();

    // Cycles dropped since the queue was made.
    int dropped() const { return m_dropped; }

private:
    struct Cycle
    {
        qint64 timeMs;
        MqttBatch messages;
        int next = 0; // the first not taken
        qint64 bytes = 0;
    };

    void dropOldest();

    qint64 m_spanMs;
    qint64 m_maxBytes;
    std::deque<Cycle> m_cycles;
    qint64 m_bytes = 0;
    int m_dropped = 0;
    bool m_dropping = false; // since the last empty queue
};
