#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>

// A real SMTP server (aiosmtpd, tests/support/smtpserver.py) on a free loopback
// port, with AUTH LOGIN for one user. Ends with the object.
class SmtpTestServer
{
public:
    enum Option {
        AiosmtpdWording = 1, // its own prompts instead of "Username:"/"Password:"
        RejectMessages = 2,  // 554 after every message's data
        RefuseEhlo = 4,      // 502 to EHLO; HELO, then AUTH
    };

    static const char *const kUser;
    static const char *const kPassword;

    explicit SmtpTestServer(int options = 0);
    ~SmtpTestServer();

    quint16 port() const { return m_port; }
    // The messages that reached the end of DATA so far (waits a little for the next one):
    // helo, login, mail_from, rcpt_tos, data, rejected.
    QList<QJsonObject> messages(int atLeast = 1, int timeoutMs = 5000);

private:
    QProcess m_process;
    quint16 m_port = 0;
    QList<QJsonObject> m_messages;
};
