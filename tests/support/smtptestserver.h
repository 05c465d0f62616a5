#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>

// A real SMTP server (aiosmtpd, tests/support/smtpserver.py) on a free loopback
// port, with AUTH LOGIN and PLAIN for one user. Ends with the object.
class SmtpTestServer
{
public:
    enum Option {
        AiosmtpdWording = 1, // its own prompts instead of "Username:"/"Password:"
        RejectMessages = 2,  // 554 after every message's data
        RefuseEhlo = 4,      // 502 to EHLO; HELO, then AUTH
        StartTls = 8,        // offers STARTTLS and requires it before AUTH
        ImplicitTls = 16,    // TLS from the first byte
        PlainOnly = 32,      // offers AUTH PLAIN, not LOGIN
    };

    static const char *const kUser;
    static const char *const kPassword;

    // With TLS, the server shows a certificate for certificateHost, issued by caFile() or a CA nobody trusts.
    explicit SmtpTestServer(int options = 0, const QString &certificateHost = QStringLiteral("localhost"),
                            bool trustedIssuer = true);
    ~SmtpTestServer();

    quint16 port() const { return m_port; }
    // With TLS: the CA that clients are to trust (a PEM file that lasts as long as the server).
    QString caFile() const { return m_caFile; }
    // The messages that reached the end of DATA so far (waits a little for the next one):
    // helo, login, mechanism, tls, mail_from, rcpt_tos, data, rejected.
    QList<QJsonObject> messages(int atLeast = 1, int timeoutMs = 5000);

private:
    QProcess m_process;
    quint16 m_port = 0;
    QString m_caFile;
    QList<QJsonObject> m_messages;
};
