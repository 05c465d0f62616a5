#pragma once

#include "publish/mqttsettings.h"

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

// A real Mosquitto broker (Debian's /usr/sbin/mosquitto) on a free loopback
// port with a configuration file of its own. It keeps its sessions in its own
// directory, so that a subscriber's session outlives a stop and a start. With
// a login, only kUser with kPassword may connect; with TLS it speaks only TLS,
// with a certificate for 127.0.0.1 and localhost from a CA of its own (made
// with openssl). Ends with the object.
class MosquittoBroker
{
public:
    enum Option {
        Login = 1,
        Tls = 2,
    };
    static const char *const kUser;
    static const char *const kPassword;

    explicit MosquittoBroker(int options = 0);
    ~MosquittoBroker();

    quint16 port() const { return m_port; }
    // Publishing to it, switched on, as the plant "site" with the default client id and topics.
    MqttSettings clientSettings(const QString &site) const;
    // With TLS: the CA that signed its certificate, and one that did not.
    QString caFile() const { return m_dir.filePath(QStringLiteral("ca.pem")); }
    QString otherCaFile() const { return m_dir.filePath(QStringLiteral("other-ca.pem")); }
    // Starts it (again, on the same port) and waits until it takes connections.
    bool start();
    // Stops it as a service manager would (SIGTERM), saving the sessions.
    void stop();

private:
    bool makeCertificates();

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};

// mosquitto_sub on the broker: every message it receives as "topic payload".
class MosquittoSubscriber
{
public:
    // With a client id, the session is kept while the subscriber or the broker is away (QoS 1).
    MosquittoSubscriber(quint16 port, const QStringList &topics, const QString &clientId = QString());
    ~MosquittoSubscriber();

    // The lines received so far, after waiting up to timeoutMs for atLeast of them.
    QStringList lines(int atLeast, int timeoutMs = 5000);
    // Publishes probes on a topic the subscriber takes until one arrives: it has subscribed.
    bool waitUntilSubscribed(quint16 port, const QString &probeTopic);

private:
    QProcess m_process;
    QStringList m_lines;
};
