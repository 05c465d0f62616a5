#pragma once

#include "monitor/mailencryption.h"

#include <QByteArray>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <functional>

class QDeadlineTimer;
class QAbstractSocket;
class QSslSocket;
class QTcpSocket;

// Sends one HTML mail over SMTP, one dialogue per start(): in the clear, with
// STARTTLS or over TLS from the first byte (the server's certificate always
// verified), logging in with AUTH LOGIN, or AUTH PLAIN where the server offers
// only that. The socket lives inside run(); the fields are set while the
// thread is idle.
class QMailThread : public QThread
{
public:
    enum Mode { SendMail = 1, TestConnection = 2 };

    static constexpr int kLockWaitMs = 2000;
    static constexpr int kConnectTimeoutMs = 10000;
    static constexpr int kReplyTimeoutMs = 5000;
    static constexpr int kSendTimeoutMs = 5000;

    explicit QMailThread(QObject *parent = nullptr);
    ~QMailThread() override;

    void setAccount(const QString &account) { m_account = account; }
    void setPassword(const QString &password) { m_password = password; }
    void setMailServer(const QString &server) { m_mailServer = server; }
    void setPort(quint16 port) { m_port = port; }
    void setSender(const QString &sender) { m_sender = sender; }
    void setRecipients(const QStringList &recipients) { m_recipients = recipients; }
    void setSubject(const QString &subject) { m_subject = subject; }
    void setBody(const QString &body) { m_body = body; }
    // SendMail (an alarm or test mail, counted when it fails) or TestConnection (never counted).
    void setMode(int mode) { m_mode = mode; }
    void setEncryption(MailEncryption encryption) { m_encryption = encryption; }
    // A PEM file of CA certificates trusted besides the system's; empty: none.
    void setCaFile(const QString &caFile) { m_caFile = caFile; }

    // Both clear while a dialogue runs; both set once the server took the message.
    bool isDone() const { return m_done.load(); }
    bool isSuccess() const { return m_success.load(); }
    // The last run sent nothing because more mails had failed than the limit allows.
    bool refusedByCounter() const { return m_refusedByCounter.load(); }

    // Logs that a mail is not sent because of the failure counter.
    static void logCounterRefusal();

    // The message body as it goes on the wire: CRLF line ends, lines that begin
    // with "." doubled, lines longer than SMTP allows broken after a "<br>".
    static QByteArray wireBody(const QString &body);

protected:
    void run() override;

private:
    enum class Reply { Accepted, Refused, Missing };
    enum class Wait { Reached, Failed, TimedOut, Stopped };

    void converse();
    bool connectToServer(QSslSocket &socket);
    // The TLS handshake, begun by the connect or here; a failure is logged and counted.
    bool encrypt(QSslSocket &socket);
    // STARTTLS, the handshake and a new EHLO.
    bool startTls(QSslSocket &socket);
    bool authenticate(QTcpSocket &socket);
    // EHLO (or HELO where EHLO is refused), after the server's greeting when readGreeting.
    bool greet(QTcpSocket &socket, bool readGreeting);
    // The last EHLO reply lists the keyword (with this parameter, when given).
    bool offers(const QByteArray &keyword, const QByteArray &parameter = QByteArray()) const;
    bool sendLine(QTcpSocket &socket, const QByteArray &line);
    bool readReply(QTcpSocket &socket);
    // Reads the reply and judges it: accepted when it has the expected code or
    // holds one of the texts, but never when its code says refusal (4xx, 5xx).
    Reply expect(QTcpSocket &socket, int code, const QStringList &texts = {},
                 Qt::CaseSensitivity cs = Qt::CaseInsensitive);
    // Lets the socket work until reached() holds, it fails, ms pass or stopping is asked.
    Wait await(const QAbstractSocket &socket, int ms, const std::function<bool()> &reached);
    bool waitStep(QTcpSocket &socket, const QDeadlineTimer &deadline, bool forWrite);
    int replyCode() const;
    QByteArray message() const;
    void countFailure();

    std::atomic<bool> m_done{false};
    std::atomic<bool> m_success{false};
    std::atomic<bool> m_refusedByCounter{false};
    QByteArray m_reply;      // the last reply, all its lines
    QByteArray m_extensions; // the reply to the last EHLO, empty after HELO
    QString m_account;
    QString m_password;
    QString m_mailServer;
    quint16 m_port = 0;
    QString m_sender;
    QStringList m_recipients;
    QString m_subject;
    QString m_body;
    int m_mode = SendMail;
    MailEncryption m_encryption = MailEncryption::None;
    QString m_caFile;
    QMutex m_mutex;
};
