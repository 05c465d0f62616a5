#include "support/mosquittobroker.h"

#include <QDeadlineTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <pwd.h>
#include <unistd.h>

const char *const MosquittoBroker::kUser = "plant";
const char *const MosquittoBroker::kPassword = "s3cret";

namespace {

quint16 freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

} // namespace

MosquittoBroker::MosquittoBroker(int options)
    : m_port(freePort())
{
    QVERIFY2(m_dir.isValid(), "cannot make the broker's directory");
    // Run as root, the broker would turn into the user "mosquitto", who may not write here.
    const passwd *user = getpwuid(geteuid());
    QStringList config{QStringLiteral("listener %1 127.0.0.1").arg(m_port),
                       QStringLiteral("persistence true"),
                       QStringLiteral("persistence_location %1/").arg(m_dir.path()),
                       QStringLiteral("max_queued_messages 100000"),
                       QStringLiteral("user %1").arg(QString::fromLocal8Bit(user ? user->pw_name : "root"))};
    if (options & Tls) {
        QVERIFY2(makeCertificates(), "openssl could not make the certificates");
        config << QStringLiteral("cafile ") + caFile() << QStringLiteral("certfile ") + m_dir.filePath("server.pem")
               << QStringLiteral("keyfile ") + m_dir.filePath("server.key");
    }
    if (options & Login) {
        const QString passwords = m_dir.filePath(QStringLiteral("passwords"));
        QCOMPARE(QProcess::execute(QStringLiteral("/usr/bin/mosquitto_passwd"),
                                   {QStringLiteral("-c"), QStringLiteral("-b"), passwords, QString::fromLatin1(kUser),
                                    QString::fromLatin1(kPassword)}),
                 0);
        config << QStringLiteral("allow_anonymous false") << QStringLiteral("password_file ") + passwords;
    } else {
        config << QStringLiteral("allow_anonymous true");
    }
    QFile file(m_dir.filePath(QStringLiteral("mosquitto.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(config.join(QLatin1Char('\n')).toUtf8() + '\n');
    file.close();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setStandardOutputFile(m_dir.filePath(QStringLiteral("mosquitto.log")));
    QVERIFY(start());
}

MosquittoBroker::~MosquittoBroker()
{
    stop();
}

MqttSettings MosquittoBroker::clientSettings(const QString &site) const
{
    MqttSettings settings;
    settings.enabled = true;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = m_port;
    settings.site = site;
    settings.siteName = site;
    settings.clientId = settings.defaultClientId();
    settings.topicPrefix = settings.defaultTopicPrefix();
    return settings;
}

bool MosquittoBroker::makeCertificates()
{
    const auto openssl = [this](const QStringList &arguments) {
        QProcess run;
        run.setWorkingDirectory(m_dir.path());
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QStringLiteral("/usr/bin/openssl"), arguments);
        return run.waitForFinished(20000) && run.exitCode() == 0;
    };
    const QStringList key{QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                          QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
    const auto ca = [&](const QString &name) {
        return openssl(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + key +
                       QStringList{QStringLiteral("-keyout"), name + QStringLiteral(".key"), QStringLiteral("-out"),
                                   name + QStringLiteral(".pem"), QStringLiteral("-days"), QStringLiteral("2"),
                                   QStringLiteral("-subj"), QStringLiteral("/CN=") + name});
    };
    QFile names(m_dir.filePath(QStringLiteral("names.ext")));
    if (!names.open(QIODevice::WriteOnly))
        return false;
    names.write("subjectAltName=DNS:localhost,IP:127.0.0.1\n");
    names.close();
    return ca(QStringLiteral("ca")) && ca(QStringLiteral("other-ca")) &&
           openssl(QStringList{QStringLiteral("req")} + key +
                   QStringList{QStringLiteral("-keyout"), QStringLiteral("server.key"), QStringLiteral("-out"),
                               QStringLiteral("server.csr"), QStringLiteral("-subj"), QStringLiteral("/CN=localhost")}) &&
           openssl({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"), QStringLiteral("server.csr"),
                    QStringLiteral("-CA"), QStringLiteral("ca.pem"), QStringLiteral("-CAkey"), QStringLiteral("ca.key"),
                    QStringLiteral("-CAcreateserial"), QStringLiteral("-out"), QStringLiteral("server.pem"),
                    QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-extfile"),
                    QStringLiteral("names.ext")});
}

bool MosquittoBroker::start()
{
    m_process.start(QStringLiteral("/usr/sbin/mosquitto"), {QStringLiteral("-c"), m_dir.filePath("mosquitto.conf")});
    if (!m_process.waitForStarted())
        return false;
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, m_port);
        if (probe.waitForConnected(200))
            return true;
        QTest::qWait(50);
    }
    qWarning() << "mosquitto did not start:" << m_dir.filePath(QStringLiteral("mosquitto.log"));
    return false;
}

void MosquittoBroker::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(10000))
        m_process.kill();
    m_process.waitForFinished();
}

MosquittoSubscriber::MosquittoSubscriber(quint16 port, const QStringList &topics, const QString &clientId)
{
    QStringList arguments{QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                          QString::number(port), QStringLiteral("-v")};
    if (!clientId.isEmpty())
        arguments << QStringLiteral("-c") << QStringLiteral("-q") << QStringLiteral("1") << QStringLiteral("-i")
                  << clientId;
    for (const QString &topic : topics)
        arguments << QStringLiteral("-t") << topic;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/mosquitto_sub"), arguments);
    QVERIFY2(m_process.waitForStarted(), "cannot start mosquitto_sub");
}

MosquittoSubscriber::~MosquittoSubscriber()
{
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished();
}

QStringList MosquittoSubscriber::lines(int atLeast, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        while (m_process.canReadLine())
            m_lines.append(QString::fromUtf8(m_process.readLine()).chopped(1));
        if (m_lines.size() >= atLeast || !m_process.waitForReadyRead(int(deadline.remainingTime())))
            return m_lines;
    }
}

bool MosquittoSubscriber::waitUntilSubscribed(quint16 port, const QString &probeTopic)
{
    for (int attempt = 0; attempt < 50; ++attempt) {
        QProcess::execute(QStringLiteral("/usr/bin/mosquitto_pub"),
                          {QStringLiteral("-h"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                           QString::number(port), QStringLiteral("-t"), probeTopic, QStringLiteral("-m"),
                           QStringLiteral("probe")});
        const int before = m_lines.size();
        const QStringList seen = lines(before + 1, 200);
        if (seen.size() > before) {
            m_lines.clear(); // the probes are not the test's
            return true;
        }
    }
    return false;
}
