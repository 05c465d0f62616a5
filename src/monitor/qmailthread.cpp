#include "monitor/qmailthread.h"

#include "base/log.h"
#include "base/settingskeys.h"
#include "monitor/mailtls.h"
#include "monitor/programstate.h"
#include "monitor/winsockerror.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QHostInfo>
#include <QSslSocket>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int kWaitSliceMs = 100;   // how often a wait looks for a stop request
constexpr int kMaxLineOctets = 998; // longest line SMTP carries, line end not counted

// A value for a command or header line: a line break in it would start another command or header.
QByteArray oneLine(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

// The name this computer introduces itself with: its host name, with the local
// domain when the name has none, or its address literal when it has no name.
QByteArray heloName(const QTcpSocket &socket)
{
    QString name = QHostInfo::localHostName();
    const QString domain = QHostInfo::localDomainName();
    if (!name.isEmpty() && !name.contains(QLatin1Char('.')) && !domain.isEmpty())
        name += QLatin1Char('.') + domain;
    if (name.isEmpty())
        name = QLatin1Char('[') + socket.localAddress().toString() + QLatin1Char(']');
    return oneLine(name);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool hasCode(const QByteArray &line)
{
    return line.size() >= 3 && isDigit(line[0]) && isDigit(line[1]) && isDigit(line[2]);
}

// Where a line too long for SMTP is broken: after its last "<br>" within the
// limit (a line end there changes nothing in the shown page), else at the limit.
int foldPoint(const QByteArray &line)
{
    if (line.size() <= kMaxLineOctets)
        return line.size();
    const QByteArray br("<br>");
    const int at = line.lastIndexOf(br, kMaxLineOctets - br.size());
    if (at >= 0)
        return at + br.size();
    int cut = kMaxLineOctets;
    while (cut > 0 && (uchar(line[cut]) & 0xC0) == 0x80) // not inside a UTF-8 character
        --cut;
    return cut;
}
} // namespace

QMailThread::QMailThread(QObject *parent)
    : QThread(parent)
{}

QMailThread::~QMailThread()
{
    requestInterruption();
    wait();
}

QByteArray QMailThread::wireBody(const QString &body)
{
    QString text = body;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QByteArray wire;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        QByteArray rest = line.toUtf8();
        do {
            const QByteArray piece = rest.left(foldPoint(rest));
            rest.remove(0, piece.size());
            if (piece.startsWith('.'))
                wire += '.';
            wire += piece + "\r\n";
        } while (!rest.isEmpty());
    }
    return wire;
}

void QMailThread::logCounterRefusal()
{
    write_log(QStringLiteral("Mail not sent: %1 mails failed since the mail settings were applied; "
                             "apply them again to send mail")
                  .arg(ProgramState::instance().alarmMailCounter()));
}

void QMailThread::run()
{
    m_done = false;
    m_success = false;
    // Alarm mails stop at the limit; a test mail is still tried once more.
    m_refusedByCounter =
        m_mode != TestConnection && ProgramState::instance().alarmMailCounter() > ProgramState::kAlarmMailLimit;
    if (m_refusedByCounter) {
        logCounterRefusal();
        return;
    }
    if (!m_mutex.tryLock(kLockWaitMs))
        return;
    converse();
    m_mutex.unlock();
}

void QMailThread::converse()
{
    if (m_encryption == MailEncryption::Unknown) {
        write_log(QStringLiteral("Mail not sent: %1 is not none, starttls or tls").arg(Setting::MAIL_ENCRYPTION.key()));
        return;
    }
    QSslSocket socket;
    if (m_encryption != MailEncryption::None)
        MailTls::configure(socket, m_caFile);
    if (!connectToServer(socket) || (m_encryption == MailEncryption::Tls && !encrypt(socket)) || !greet(socket, true) ||
        (m_encryption == MailEncryption::StartTls && !startTls(socket)) || !authenticate(socket))
        return;
    if (!sendLine(socket, "MAIL FROM:" + oneLine(m_sender)) ||
        expect(socket, 250, {QStringLiteral("250"), QStringLiteral("OK")}) != Reply::Accepted)
        return;
    // A refused recipient is not fatal: the server still takes the message for the others.
    for (const QString &recipient : m_recipients) {
        if (!sendLine(socket, "RCPT to:" + oneLine(recipient)) || expect(socket, 250) == Reply::Missing)
            return;
    }
    if (!sendLine(socket, "DATA") || expect(socket, 354, {QStringLiteral("354")}, Qt::CaseSensitive) != Reply::Accepted)
        return;
    if (!sendLine(socket, message()) || expect(socket, 250) != Reply::Accepted)
        return;
    m_done = true;
    m_success = true;
    if (sendLine(socket, "QUIT"))
        readReply(socket);
}

bool QMailThread::connectToServer(QSslSocket &socket)
{
    // A host name is looked up first.
    if (m_encryption == MailEncryption::Tls)
        socket.connectToHostEncrypted(m_mailServer, m_port);
    else
        socket.connectToHost(m_mailServer, m_port);
    const Wait wait =
        await(socket, kConnectTimeoutMs, [&] { return socket.state() == QAbstractSocket::ConnectedState; });
    if (wait == Wait::Reached)
        return true;
    if (wait == Wait::Stopped)
        return false;
    const QAbstractSocket::SocketError error =
        wait == Wait::TimedOut ? QAbstractSocket::SocketTimeoutError : socket.error();
    if (error == QAbstractSocket::SocketResourceError || error == QAbstractSocket::UnsupportedSocketOperationError) {
        write_log(QStringLiteral("[ERROR] can not create socket "));
        return false;
    }
    write_log(QStringLiteral("Failed to connect mail server, err code %1").arg(winsockErrorNumber(error)));
    write_log(QStringLiteral("Mail server %1 port %2: %3")
                  .arg(m_mailServer)
                  .arg(m_port)
                  .arg(wait == Wait::TimedOut ? QStringLiteral("no answer within %1 s").arg(kConnectTimeoutMs / 1000)
                                              : socket.errorString()));
    countFailure();
    return false;
}

bool QMailThread::encrypt(QSslSocket &socket)
{
    if (!socket.isEncrypted() && m_encryption == MailEncryption::StartTls)
        socket.startClientEncryption();
    const Wait wait = await(socket, kConnectTimeoutMs, [&] { return socket.isEncrypted(); });
    if (wait == Wait::Reached)
        return true;
    if (wait == Wait::Stopped)
        return false;
    write_log(MailTls::failure(socket, m_mailServer, wait == Wait::TimedOut));
    countFailure();
    return false;
}

bool QMailThread::startTls(QSslSocket &socket)
{
    // Never a silent fall-back to the clear: no STARTTLS, no mail.
    if (!offers("STARTTLS")) {
        write_log(QStringLiteral("Mail not sent: the mail server does not offer STARTTLS"));
        countFailure();
        return false;
    }
    if (!sendLine(socket, "STARTTLS"))
        return false;
    const Reply reply = expect(socket, 220);
    if (reply == Reply::Refused) {
        write_log(QStringLiteral("Mail not sent: the mail server refused STARTTLS: %1")
                      .arg(QString::fromUtf8(m_reply.trimmed())));
        countFailure();
    }
    // What the server offers in the clear no longer holds: ask again.
    return reply == Reply::Accepted && encrypt(socket) && greet(socket, false);
}

bool QMailThread::offers(const QByteArray &keyword, const QByteArray &parameter) const
{
    for (const QByteArray &line : m_extensions.split('\n')) {
        // "250-AUTH LOGIN PLAIN"; older servers also write "250-AUTH=LOGIN".
        const QList<QByteArray> words = line.mid(4).toUpper().replace('=', ' ').simplified().split(' ');
        if (words.first() == keyword && (parameter.isEmpty() || words.contains(parameter)))
            return true;
    }
    return false;
}

bool QMailThread::greet(QTcpSocket &socket, bool readGreeting)
{
    // A server that never greets is given up on after the time-out; the dialogue goes on.
    if (readGreeting)
        readReply(socket);
    const QByteArray name = heloName(socket);
    const QStringList accepted{QStringLiteral("250"), QStringLiteral("HELO"), QStringLiteral("hello")};
    if (!sendLine(socket, "EHLO " + name))
        return false;
    Reply reply = expect(socket, 250, accepted);
    m_extensions = reply == Reply::Accepted ? m_reply : QByteArray();
    if (reply == Reply::Refused) {
        if (!sendLine(socket, "HELO " + name))
            return false;
        reply = expect(socket, 250, accepted);
    }
    return reply == Reply::Accepted;
}

bool QMailThread::authenticate(QTcpSocket &socket)
{
    const QStringList accepted{QStringLiteral("250"), QStringLiteral("successful")};
    if (offers("AUTH", "PLAIN") && !offers("AUTH", "LOGIN")) {
        const QByteArray credentials = '\0' + m_account.toUtf8() + '\0' + m_password.toUtf8();
        return sendLine(socket, "AUTH PLAIN " + credentials.toBase64()) &&
               expect(socket, 235, accepted) == Reply::Accepted;
    }
    // Servers word their prompts differently; "Username:" and "Password:" in
    // Base64 are the common ones, and 334 is what every server sends.
    return sendLine(socket, "AUTH LOGIN") && expect(socket, 334, {QStringLiteral("VXNlcm5hbWU6")}) == Reply::Accepted &&
           sendLine(socket, m_account.toUtf8().toBase64()) &&
           expect(socket, 334, {QStringLiteral("UGFzc3dvcmQ6")}) == Reply::Accepted &&
           sendLine(socket, m_password.toUtf8().toBase64()) && expect(socket, 235, accepted) == Reply::Accepted;
}

bool QMailThread::sendLine(QTcpSocket &socket, const QByteArray &line)
{
    const QByteArray data = line + "\r\n";
    bool sent = socket.write(data) == data.size();
    const QDeadlineTimer deadline(kSendTimeoutMs);
    while (sent && socket.bytesToWrite() > 0)
        sent = waitStep(socket, deadline, true);
    if (!sent && !isInterruptionRequested()) {
        write_log(QString::number(winsockErrorNumber(socket.error())));
        // The connection is gone (the server hung up) before the mail was
        // taken: no reply will ever come, which counts as a reply that never came.
        if (!m_success && socket.state() != QAbstractSocket::ConnectedState)
            countFailure();
    }
    return sent;
}

bool QMailThread::readReply(QTcpSocket &socket)
{
    m_reply.clear();
    const QDeadlineTimer deadline(kReplyTimeoutMs);
    for (;;) {
        while (socket.canReadLine()) {
            const QByteArray line = socket.readLine();
            m_reply += line;
            if (!(hasCode(line) && line.size() > 3 && line[3] == '-')) // "250-" lines go on
                return true;
        }
        if (!waitStep(socket, deadline, false)) {
            m_reply += socket.readAll(); // a last line without its line end
            return !m_reply.isEmpty();
        }
    }
}

QMailThread::Reply QMailThread::expect(QTcpSocket &socket, int code, const QStringList &texts, Qt::CaseSensitivity cs)
{
    if (!readReply(socket)) {
        if (!isInterruptionRequested())
            countFailure();
        return Reply::Missing;
    }
    const int got = replyCode();
    if (got >= 400 && got < 600)
        return Reply::Refused;
    if (got == code)
        return Reply::Accepted;
    const QString text = QString::fromUtf8(m_reply);
    const bool holdsText =
        std::any_of(texts.begin(), texts.end(), [&](const QString &t) { return text.contains(t, cs); });
    return holdsText ? Reply::Accepted : Reply::Refused;
}

QMailThread::Wait QMailThread::await(const QAbstractSocket &socket, int ms, const std::function<bool()> &reached)
{
    // The socket gets on through this thread's events; the timer wakes the wait
    // in time to see a stop request.
    QTimer tick;
    tick.start(kWaitSliceMs);
    const QDeadlineTimer deadline(ms);
    while (!reached()) {
        if (isInterruptionRequested())
            return Wait::Stopped;
        const QAbstractSocket::SocketState state = socket.state();
        if (state == QAbstractSocket::UnconnectedState || state == QAbstractSocket::ClosingState)
            return Wait::Failed;
        if (deadline.hasExpired())
            return Wait::TimedOut;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return Wait::Reached;
}

bool QMailThread::waitStep(QTcpSocket &socket, const QDeadlineTimer &deadline, bool forWrite)
{
    while (!isInterruptionRequested() && !deadline.hasExpired() && socket.state() == QAbstractSocket::ConnectedState) {
        const int slice = int(std::min<qint64>(kWaitSliceMs, deadline.remainingTime()));
        if (forWrite ? socket.waitForBytesWritten(slice) : socket.waitForReadyRead(slice))
            return true;
    }
    return false;
}

int QMailThread::replyCode() const
{
    const QList<QByteArray> lines = m_reply.trimmed().split('\n');
    const QByteArray last = lines.last();
    return hasCode(last) ? last.left(3).toInt() : 0;
}

QByteArray QMailThread::message() const
{
    return "From:" + oneLine(m_sender) + "\r\n" + "To:" + oneLine(m_recipients.join(QLatin1Char(';'))) + "\r\n" +
           "Subject:" + oneLine(m_subject) + "\r\n" + "MIME-Version: 1.0\r\n" +
           "Content-Type: text/html; charset=UTF-8\r\n\r\n" + wireBody(m_body) + ".";
}

void QMailThread::countFailure()
{
    if (m_mode != TestConnection)
        ProgramState::instance().countAlarmMailFailure();
    m_done = false;
}
