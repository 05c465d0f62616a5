#include "publish/mqttconnection.h"

#include "base/log.h"
#include "publish/mqtttopics.h"

#include <QFile>

#include <mosquitto.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

constexpr int kIdlePollMs = 1000; // keep-alive work while nothing happens

void initLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { mosquitto_lib_init(); });
}

} // namespace

MqttConnection::MqttConnection(const MqttSettings &settings, Mode mode, QObject *parent)
    : QThread(parent)
    , m_settings(settings)
    , m_mode(mode)
    , m_wakeFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
    initLibrary();
}

MqttConnection::~MqttConnection()
{
    stop(0);
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

void MqttConnection::wake()
{
    if (m_wakeFd >= 0)
        eventfd_write(m_wakeFd, 1);
}

void MqttConnection::enqueue(qint64 timeMs, const MqttBatch &cycle)
{
    {
        QMutexLocker lock(&m_mutex);
        m_queue.push(timeMs, cycle);
    }
    wake();
}

void MqttConnection::announce(const QString &key, const MqttBatch &messages)
{
    {
        QMutexLocker lock(&m_mutex);
        if (messages.isEmpty()) {
            m_announcements.remove(key);
            m_unsentAnnouncements.remove(key);
        } else {
            m_announcements.insert(key, messages);
            m_unsentAnnouncements.insert(key);
        }
    }
    wake();
}

int MqttConnection::waitingMessages() const
{
    QMutexLocker lock(&m_mutex);
    return m_queue.messages() + m_inFlightCount.load();
}

int MqttConnection::droppedCycles() const
{
    QMutexLocker lock(&m_mutex);
    return m_queue.dropped();
}

void MqttConnection::stop(int drainMs)
{
    m_drainMs.store(drainMs);
    m_stop.store(true);
    wake();
    wait();
}

void MqttConnection::run()
{
    m_clock.start();
    qint64 drainUntilMs = -1; // set once the stop is seen while connected
    for (;;) {
        if (m_stop.load() && drainUntilMs < 0) {
            if (m_state != State::Up || m_mode == Mode::Probe)
                break;
            drainUntilMs = nowMs() + m_drainMs.load();
        }
        if (drainUntilMs >= 0 && (m_state != State::Up || drained() || nowMs() >= drainUntilMs))
            break;
        if (m_mode == Mode::Probe && m_backoff.failures() > 0)
            break; // the probe's one attempt failed
        if (!m_mosq && drainUntilMs < 0 && m_backoff.isDue(nowMs()) && !startConnect())
            continue;
        if (m_state == State::Connecting && nowMs() - m_connectStartedMs > kConnectTimeoutMs)
            fail(tr("The MQTT broker at %1 does not answer.").arg(m_settings.address()));
        if (m_state == State::Up) {
            if (m_mode == Mode::Probe)
                break;
            sendPending();
        }
        int timeoutMs = kIdlePollMs;
        if (!m_mosq)
            timeoutMs = int(qBound<qint64>(0, m_backoff.pauseMs() - (nowMs() - m_failedAtMs), kIdlePollMs));
        bool readable = false;
        bool writable = false;
        waitForEvents(timeoutMs, readable, writable);
        if (m_mosq)
            service(readable, writable);
    }
    if (m_state == State::Up && m_mode == Mode::Publish)
        sayGoodbye();
    if (m_mosq && m_state == State::Up)
        mosquitto_disconnect(m_mosq);
    closeLink();
    QMutexLocker lock(&m_mutex);
    if (const int left = m_queue.messages())
        write_log(QStringLiteral("[MQTT] %1 message(s) not delivered at the stop").arg(left));
}

bool MqttConnection::startConnect()
{
    const bool probe = m_mode == Mode::Probe;
    const QByteArray clientId = (probe ? m_settings.clientId + QStringLiteral("-test") : m_settings.clientId).toUtf8();
    m_mosq = mosquitto_new(clientId.constData(), true, this);
    if (!m_mosq) {
        fail(tr("The MQTT client could not be set up (out of memory)."));
        return false;
    }
    mosquitto_connect_callback_set(m_mosq, &MqttConnection::onConnect);
    mosquitto_disconnect_callback_set(m_mosq, &MqttConnection::onDisconnect);
    mosquitto_publish_callback_set(m_mosq, &MqttConnection::onPublish);
    mosquitto_int_option(m_mosq, MOSQ_OPT_PROTOCOL_VERSION, MQTT_PROTOCOL_V311);
    if (!m_settings.user.isEmpty())
        mosquitto_username_pw_set(m_mosq, m_settings.user.toUtf8().constData(),
                                  m_settings.password.isEmpty() ? nullptr : m_settings.password.toUtf8().constData());
    if (!probe) {
        const QByteArray topic = MqttTopics(m_settings).status().toUtf8();
        mosquitto_will_set(m_mosq, topic.constData(), 7, "offline", m_settings.qos, true);
    }
    if (m_settings.tls) {
        // The broker's certificate is always verified: against the system's certificates and the CA file's.
        int rc = mosquitto_int_option(m_mosq, MOSQ_OPT_TLS_USE_OS_CERTS, 1);
        if (rc == MOSQ_ERR_SUCCESS && !m_settings.caFile.isEmpty())
            rc = mosquitto_tls_set(m_mosq, QFile::encodeName(m_settings.caFile).constData(), nullptr, nullptr,
                                   nullptr, nullptr);
        if (rc == MOSQ_ERR_SUCCESS)
            rc = mosquitto_tls_opts_set(m_mosq, 1, nullptr, nullptr);
        if (rc != MOSQ_ERR_SUCCESS) {
            fail(tr("The CA file \"%1\" cannot be read.").arg(m_settings.caFile));
            return false;
        }
    }
    m_refusedRc = 0;
    m_dropped = false;
    m_justUp = false;
    errno = 0;
    const int rc = mosquitto_connect_async(m_mosq, m_settings.host.toUtf8().constData(), m_settings.port, kKeepAliveS);
    if (rc != MOSQ_ERR_SUCCESS) {
        fail(describe(rc, errno));
        return false;
    }
    m_state = State::Connecting;
    m_connectStartedMs = nowMs();
    return true;
}

void MqttConnection::waitForEvents(int timeoutMs, bool &readable, bool &writable)
{
    pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {-1, 0, 0}};
    const int sock = m_mosq ? mosquitto_socket(m_mosq) : -1;
    if (sock >= 0)
        fds[1] = {sock, short(POLLIN | (mosquitto_want_write(m_mosq) ? POLLOUT : 0)), 0};
    if (::poll(fds, sock >= 0 ? 2 : 1, timeoutMs) <= 0)
        return;
    if (fds[0].revents & POLLIN) {
        eventfd_t count;
        eventfd_read(m_wakeFd, &count);
    }
    readable = fds[1].revents & (POLLIN | POLLERR | POLLHUP);
    writable = fds[1].revents & POLLOUT;
}

void MqttConnection::service(bool readable, bool writable)
{
    int rc = MOSQ_ERR_SUCCESS;
    errno = 0;
    if (readable)
        rc = mosquitto_loop_read(m_mosq, 1);
    if (rc == MOSQ_ERR_SUCCESS && m_mosq && (writable || mosquitto_want_write(m_mosq)))
        rc = mosquitto_loop_write(m_mosq, 1);
    if (rc == MOSQ_ERR_SUCCESS && m_state == State::Up)
        rc = mosquitto_loop_misc(m_mosq);
    settle(rc, errno);
}

// What the last library calls and their callbacks came to.
void MqttConnection::settle(int rc, int error)
{
    if (m_refusedRc != 0)
        fail(refusal(m_refusedRc));
    else if (m_state == State::Up && (rc != MOSQ_ERR_SUCCESS || m_dropped))
        fail(tr("The connection to the MQTT broker at %1 was lost.").arg(m_settings.address()));
    else if (rc != MOSQ_ERR_SUCCESS || m_dropped)
        fail(describe(rc == MOSQ_ERR_SUCCESS ? MOSQ_ERR_CONN_LOST : rc, error));
    else if (m_justUp)
        wentUp();
}

void MqttConnection::wentUp()
{
    m_justUp = false;
    m_backoff.reset();
    if (m_mode == Mode::Publish) {
        write_log(QStringLiteral("[MQTT] connected to %1").arg(m_settings.address()));
        publish({MqttTopics(m_settings).status(), QByteArrayLiteral("online"), true});
        QMutexLocker lock(&m_mutex);
        for (auto it = m_announcements.cbegin(); it != m_announcements.cend(); ++it)
            m_unsentAnnouncements.insert(it.key());
    }
    m_lastProblem.clear();
    emit connected();
}

void MqttConnection::fail(const QString &message)
{
    closeLink();
    m_backoff.failed(nowMs());
    m_failedAtMs = nowMs();
    if (message == m_lastProblem && m_mode == Mode::Publish)
        return;
    m_lastProblem = message;
    write_log(QStringLiteral("[MQTT] ") + message);
    emit failed(message);
}

// Drops the library's client; what it had not delivered goes back to the queue's front.
void MqttConnection::closeLink()
{
    if (m_mosq) {
        mosquitto_destroy(m_mosq);
        m_mosq = nullptr;
    }
    m_state = State::Down;
    MqttBatch unacknowledged;
    for (const auto &sent : qAsConst(m_inFlight))
        unacknowledged.append(sent.second);
    m_inFlight.clear();
    m_ackedEarly.clear();
    m_inFlightCount.store(0);
    QMutexLocker lock(&m_mutex);
    m_queue.putBack(unacknowledged);
}

bool MqttConnection::publish(const MqttMessage &message, int *mid)
{
    const QByteArray topic = message.topic.toUtf8();
    const int rc = mosquitto_publish(m_mosq, mid, topic.constData(), message.payload.size(),
                                     message.payload.constData(), m_settings.qos, message.retain);
    return rc == MOSQ_ERR_SUCCESS;
}

// The announcements not yet sent on this connection, then queued messages while the window has room.
void MqttConnection::sendPending()
{
    MqttBatch announcements;
    MqttBatch taken;
    {
        QMutexLocker lock(&m_mutex);
        for (const QString &key : qAsConst(m_unsentAnnouncements))
            announcements += m_announcements.value(key);
        m_unsentAnnouncements.clear();
        while (m_inFlight.size() + taken.size() < kWindow && !m_queue.isEmpty())
            taken.append(m_queue.take());
    }
    for (const MqttMessage &message : qAsConst(announcements))
        publish(message); // sent again after every connect: not tracked
    for (int i = 0; i < taken.size(); ++i) {
        int mid = 0;
        if (!m_mosq || !publish(taken.at(i), &mid)) {
            QMutexLocker lock(&m_mutex);
            m_queue.putBack(taken.mid(i));
            break;
        }
        if (!m_ackedEarly.remove(mid))
            m_inFlight.append({mid, taken.at(i)});
    }
    m_inFlightCount.store(m_inFlight.size());
}

bool MqttConnection::drained() const
{
    QMutexLocker lock(&m_mutex);
    return m_queue.isEmpty() && m_inFlight.isEmpty();
}

// "offline" on the status topic, acknowledged within a second, before the clean disconnect.
void MqttConnection::sayGoodbye()
{
    int mid = 0;
    if (!publish({MqttTopics(m_settings).status(), QByteArrayLiteral("offline"), true}, &mid))
        return;
    m_inFlight.append({mid, {MqttTopics(m_settings).status(), QByteArrayLiteral("offline"), true}});
    const qint64 until = nowMs() + kGoodbyeMs;
    while (m_mosq && m_state == State::Up && !m_inFlight.isEmpty() && nowMs() < until) {
        bool readable = false;
        bool writable = false;
        waitForEvents(int(until - nowMs()), readable, writable);
        service(readable, writable);
    }
    m_inFlight.clear();
}

void MqttConnection::onConnect(mosquitto *, void *self, int rc)
{
    auto *connection = static_cast<MqttConnection *>(self);
    if (rc == 0) {
        connection->m_state = State::Up;
        connection->m_justUp = true;
    } else {
        connection->m_refusedRc = rc;
    }
}

void MqttConnection::onDisconnect(mosquitto *, void *self, int)
{
    static_cast<MqttConnection *>(self)->m_dropped = true;
}

void MqttConnection::onPublish(mosquitto *, void *self, int mid)
{
    auto *connection = static_cast<MqttConnection *>(self);
    for (int i = 0; i < connection->m_inFlight.size(); ++i) {
        if (connection->m_inFlight.at(i).first == mid) {
            connection->m_inFlight.removeAt(i);
            connection->m_inFlightCount.store(connection->m_inFlight.size());
            return;
        }
    }
    connection->m_ackedEarly.insert(mid);
}

QString MqttConnection::describe(int rc, int error) const
{
    const QString where = m_settings.address();
    switch (rc) {
    case MOSQ_ERR_EAI:
    case MOSQ_ERR_LOOKUP:
        return tr("The MQTT broker \"%1\" cannot be found: there is no such host.").arg(m_settings.host);
    case MOSQ_ERR_TLS:
    case MOSQ_ERR_TLS_HANDSHAKE:
        return tr("The TLS connection to the MQTT broker at %1 failed: its certificate is not trusted (check the CA "
                  "file and the host name) or it does not speak TLS on this port.")
            .arg(where);
    case MOSQ_ERR_ERRNO:
        if (error == ECONNREFUSED)
            return tr("The MQTT broker at %1 refuses connections: is it running, and is the port right?").arg(where);
        if (error != 0)
            return tr("The MQTT broker at %1 cannot be reached: %2.")
                .arg(where, QString::fromLocal8Bit(std::strerror(error)));
        break;
    case MOSQ_ERR_CONN_LOST:
        return tr("The MQTT broker at %1 closed the connection before it was set up.").arg(where);
    default:
        break;
    }
    return tr("The connection to the MQTT broker at %1 failed: %2")
        .arg(where, QString::fromUtf8(mosquitto_strerror(rc)));
}

QString MqttConnection::refusal(int rc) const
{
    const QString where = m_settings.address();
    switch (rc) {
    case 2:
        return tr("The MQTT broker at %1 refused the client id \"%2\".").arg(where, m_settings.clientId);
    case 4:
    case 5:
        return m_settings.user.isEmpty()
                   ? tr("The MQTT broker at %1 refused the connection without a login: please enter a user name "
                        "and password.")
                         .arg(where)
                   : tr("The MQTT broker at %1 refused the login of \"%2\": wrong user name or password, or the user "
                        "may not connect.")
                         .arg(where, m_settings.user);
    default:
        return tr("The MQTT broker at %1 refused the connection: %2")
            .arg(where, QString::fromUtf8(mosquitto_connack_string(rc)));
    }
}
