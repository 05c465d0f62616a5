#include "support/smtptestserver.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QtTest>

const char *const SmtpTestServer::kUser = "alarm@plant.test";
const char *const SmtpTestServer::kPassword = "s3cret'密";

SmtpTestServer::SmtpTestServer(int options, const QString &certificateHost, bool trustedIssuer)
{
    QStringList arguments{QStringLiteral(LUMORA_SOURCE_DIR "/tests/support/smtpserver.py"),
                          QStringLiteral("--user"),
                          QString::fromUtf8(kUser),
                          QStringLiteral("--password"),
                          QString::fromUtf8(kPassword),
                          QStringLiteral("--wording"),
                          (options & AiosmtpdWording) ? QStringLiteral("aiosmtpd") : QStringLiteral("common")};
    if (options & RejectMessages)
        arguments << QStringLiteral("--reject");
    if (options & RefuseEhlo)
        arguments << QStringLiteral("--refuse-ehlo");
    if (options & PlainOnly)
        arguments << QStringLiteral("--plain-only");
    if (options & (StartTls | ImplicitTls))
        arguments << QStringLiteral("--tls")
                  << ((options & StartTls) ? QStringLiteral("starttls") : QStringLiteral("implicit"))
                  << QStringLiteral("--certificate-host") << certificateHost;
    if (!trustedIssuer)
        arguments << QStringLiteral("--untrusted-issuer");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The system interpreter: it has python3-aiosmtpd, whatever python3 is on PATH.
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    QVERIFY2(m_process.waitForStarted(), "cannot start /usr/bin/python3");
    QDeadlineTimer deadline(10000);
    QByteArray line;
    do {
        while (!m_process.canReadLine() && m_process.waitForReadyRead(int(deadline.remainingTime())))
            ;
        line = m_process.readLine().trimmed();
        if (line.startsWith("CA "))
            m_caFile = QString::fromUtf8(line.mid(3));
    } while (line.startsWith("CA "));
    QVERIFY2(line.startsWith("PORT "), line.constData());
    m_port = quint16(line.mid(5).toUInt());
}

SmtpTestServer::~SmtpTestServer()
{
    m_process.closeWriteChannel(); // the server ends when its input closes
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished();
}

QList<QJsonObject> SmtpTestServer::messages(int atLeast, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        while (m_process.canReadLine())
            m_messages.append(QJsonDocument::fromJson(m_process.readLine()).object());
        if (m_messages.size() >= atLeast || !m_process.waitForReadyRead(int(deadline.remainingTime())))
            return m_messages;
    }
}
