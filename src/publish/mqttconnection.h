#pragma once

#include "monitor/backoff.h"
#include "publish/mqttsettings.h"
#include "publish/publishqueue.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QSet>
#include <QThread>

#include <atomic>

struct mosquitto;

// The link to the broker, on its own thread (libmosquitto driven by poll()):
// connects, reconnects after 1 s, then twice as long after each failure up
// to 60 s, and sends the queued cycles in order, each message at the
// configured QoS. A message leaves the queue only when the broker has taken
// it (QoS 1 and 2) or it went out on the socket (QoS 0); what was not taken
// when the connection broke is sent again, first, after the next connect.
// The status topic says "online" on connect and "offline" on a clean stop, and
// is the last will. Every connect also publishes the announcements (the
// discovery configs). Each new problem is logged once and reported once.
class MqttConnection : public QThread
{
    Q_OBJECT

public:
    enum class Mode {
        Publish,
        Probe, // one connect as "<client id>-test", no will, no messages: the connection test
    };

    static constexpr int kLongestPauseMs = 60000;
    static constexpr int kConnectTimeoutMs = 10000;
    static constexpr int kKeepAliveS = 30;
    static constexpr int kWindow = 20; // messages handed to the library and not yet acknowledged
    static constexpr int kStopDrainMs = 5000;
    static constexpr int kGoodbyeMs = 1000;

    explicit MqttConnection(const MqttSettings &settings, Mode mode = Mode::Publish, QObject *parent = nullptr);
    ~MqttConnection() override; // stop(0)

    // A cycle's messages, queued at timeMs (monotonic). From any thread.
    void enqueue(qint64 timeMs, const MqttBatch &cycle);
    // Retained messages published after every connect, under a key; an empty
    // batch drops the key. Sent at once while connected. From any thread.
    void announce(const QString &key, const MqttBatch &messages);
    // Before start(): the queue's bounds.
    void setQueueLimits(qint64 spanMs, qint64 maxBytes) { m_queue = PublishQueue(spanMs, maxBytes); }

    // Queued or sent and not yet acknowledged.
    int waitingMessages() const;
    int droppedCycles() const;

    // Ends the thread: while connected, what waits is sent for up to drainMs,
    // then "offline" is published and the connection closed. Blocks until the
    // thread has ended.
    void stop(int drainMs = kStopDrainMs);

signals:
    void connected();
    // A connection attempt failed or the connection broke; only when the
    // message differs from the last one (the probe: always).
    void failed(const QString &message);

protected:
    void run() override;

private:
    enum class State { Down, Connecting, Up };

    static void onConnect(mosquitto *, void *self, int rc);
    static void onDisconnect(mosquitto *, void *self, int rc);
    static void onPublish(mosquitto *, void *self, int mid);

    qint64 nowMs() const { return m_clock.elapsed(); }
    bool startConnect();
    void waitForEvents(int timeoutMs, bool &readable, bool &writable);
    void service(bool readable, bool writable);
    void settle(int rc, int error);
    void wentUp();
    void fail(const QString &message);
    void closeLink();
    bool publish(const MqttMessage &message, int *mid = nullptr);
    void sendPending();
    bool drained() const;
    void sayGoodbye();
    QString describe(int rc, int error) const;
    QString refusal(int rc) const;
    void wake();

    const MqttSettings m_settings;
    const Mode m_mode;
    int m_wakeFd = -1;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_drainMs{0};

    mutable QMutex m_mutex; // the queue and the announcements
    PublishQueue m_queue;
    QHash<QString, MqttBatch> m_announcements;
    QSet<QString> m_unsentAnnouncements;
    std::atomic<int> m_inFlightCount{0};

    // The thread's own.
    QElapsedTimer m_clock;
    mosquitto *m_mosq = nullptr;
    State m_state = State::Down;
    Backoff m_backoff{kLongestPauseMs};
    qint64 m_connectStartedMs = 0;
    qint64 m_failedAtMs = 0;
    QList<QPair<int, MqttMessage>> m_inFlight; // by message id, in the order sent
    QSet<int> m_ackedEarly;                    // acknowledged inside mosquitto_publish
    int m_refusedRc = 0;
    bool m_dropped = false;
    bool m_justUp = false;
    QString m_lastProblem;
};
