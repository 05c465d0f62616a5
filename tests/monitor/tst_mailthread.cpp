#include "tst_mailthread.h"

#include "monitor/alarmmailer.h"
#include "monitor/mailsettings.h"
#include "monitor/mailtester.h"
#include "monitor/programstate.h"
#include "monitor/qmailthread.h"
#include "support/scriptedprompter.h"
#include "support/smtptestserver.h"
#include "support/tempappdir.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QtTest>
#include <memory>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
const QStringList kRecipients{QStringLiteral("ops@plant.test"), QStringLiteral("owner@plant.test")};

MailSettings settingsFor(quint16 port, const QString &password = QString::fromUtf8(SmtpTestServer::kPassword))
{
    MailSettings settings;
    settings.account = QString::fromUtf8(SmtpTestServer::kUser);
    settings.password = password;
    settings.port = QString::number(port);
    settings.server = QStringLiteral("127.0.0.1");
    settings.sender = QStringLiteral("logger@plant.test");
    settings.recipients = kRecipients;
    return settings;
}

// Runs one dialogue to its end.
void runMail(QMailThread &thread, const MailSettings &settings, int mode, const QString &body = QStringLiteral("x"))
{
    settings.prepare(thread);
    thread.setRecipients(settings.recipients);
    thread.setSubject(QStringLiteral("Alarm"));
    thread.setBody(body);
    thread.setMode(mode);
    thread.start();
    QTRY_VERIFY_WITH_TIMEOUT(thread.isFinished(), 60000); // serves servers of this thread meanwhile
}

// A loopback port whose queue of connections is full: a connect to it waits for
// an answer that never comes, as to a server behind a firewall.
class FullPort
{
public:
    FullPort()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        QVERIFY(::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) == 0 && ::listen(m_fd, 0) == 0 &&
                ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) == 0);
        m_filler.connectToHost(QHostAddress::LocalHost, ntohs(address.sin_port)); // takes the only place
        QVERIFY(m_filler.waitForConnected(5000));
    }
    ~FullPort() { ::close(m_fd); }
    quint16 port() const { return m_filler.peerPort(); }

private:
    int m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
    QTcpSocket m_filler;
};

// A port on loopback where nothing listens.
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

int connectFailures(const TempAppDir &dir)
{
    return QString::fromUtf8(dir.read(QStringLiteral("log.txt")))
        .count(QStringLiteral("Failed to connect mail server, err code "));
}

// The header lines and the body of a received message.
QPair<QStringList, QString> split(const QJsonObject &message)
{
    const QString data = message[QStringLiteral("data")].toString();
    const int end = data.indexOf(QStringLiteral("\r\n\r\n"));
    return {data.left(end).split(QStringLiteral("\r\n")), data.mid(end + 4)};
}
} // namespace

void TestMailThread::deliversTestMail_data()
{
    QTest::addColumn<int>("options");
    QTest::newRow("Username:/Password: prompts") << 0;
    QTest::newRow("aiosmtpd's own prompts") << int(SmtpTestServer::AiosmtpdWording);
    QTest::newRow("EHLO refused, HELO taken") << int(SmtpTestServer::RefuseEhlo);
}

void TestMailThread::deliversTestMail()
{
    QFETCH(int, options);
    TempAppDir dir;
    ScriptedPrompter prompter;
    SmtpTestServer server(options);
    MailTester tester;
    QSignalSpy finished(&tester, &MailTester::finished);

    QVERIFY(tester.sendTestMail(settingsFor(server.port())));
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().first(), QVariant(true));
    QCOMPARE(prompter.messages().last().title, QStringLiteral("Send Test Mail"));
    QCOMPARE(prompter.messages().last().text, QStringLiteral("Send success."));

    const QList<QJsonObject> messages = server.messages();
    QCOMPARE(messages.size(), 1);
    const QJsonObject &mail = messages.first();
    QCOMPARE(mail[QStringLiteral("login")].toString(), QString::fromUtf8(SmtpTestServer::kUser));
    QVERIFY(!mail[QStringLiteral("helo")].toString().isEmpty());
    QCOMPARE(mail[QStringLiteral("mail_from")].toString(), QStringLiteral("logger@plant.test"));
    QCOMPARE(mail[QStringLiteral("rcpt_tos")].toVariant().toStringList(), kRecipients);
    const auto [headers, body] = split(mail);
    QVERIFY(headers.contains(QStringLiteral("From:logger@plant.test")));
    QVERIFY(headers.contains(QStringLiteral("To:ops@plant.test;owner@plant.test")));
    QVERIFY(headers.contains(QStringLiteral("Subject:Test Mail -- Lumora Data Manager")));
    QVERIFY(std::any_of(headers.begin(), headers.end(),
                        [](const QString &h) { return h.startsWith(QLatin1String("Content-Type: text/html;")); }));
    QCOMPARE(body, QStringLiteral("This is a test mail from Lumora Data Manager\r\n"));
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 0);
}

void TestMailThread::bodyAndHeadersArriveIntact()
{
    TempAppDir dir;
    SmtpTestServer server;
    QString longLine;
    for (int i = 0; i < 300; ++i)
        longLine += QStringLiteral("Vac: %1 V<br>").arg(200 + i);
    const QString body =
        QStringLiteral("first<br>\n.hidden behind a dot\n.\n..two\r\nunit °C, group 北区\n") + longLine;
    QMailThread thread;
    MailSettings settings = settingsFor(server.port());
    settings.prepare(thread);
    thread.setRecipients(settings.recipients);
    thread.setSubject(QStringLiteral("Alarm\r\nBcc: intruder@evil.test"));
    thread.setBody(body);
    thread.start();
    QVERIFY(thread.wait(30000));
    QVERIFY(thread.isSuccess());

    const auto [headers, received] = split(server.messages().first());
    QVERIFY(!headers.filter(QRegularExpression(QStringLiteral("^Bcc:"))).size());
    QVERIFY(headers.contains(QStringLiteral("Subject:Alarm  Bcc: intruder@evil.test")));
    // The long line came folded after its "<br>" tags; otherwise the body is as given.
    QVERIFY(received.count(QStringLiteral("\r\n")) > 6);
    QString unfolded = received;
    unfolded.replace(QStringLiteral("<br>\r\n"), QStringLiteral("<br>"));
    QString expected = body + QStringLiteral("\r\n");
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    expected.replace(QStringLiteral("<br>\r\n"), QStringLiteral("<br>"));
    QCOMPARE(unfolded, expected);
}

void TestMailThread::tls_data()
{
    QTest::addColumn<int>("options"); // ImplicitTls: asked for TLS from the first byte; else STARTTLS
    QTest::addColumn<QString>("certificateHost");
    QTest::addColumn<bool>("trustedIssuer");
    QTest::addColumn<QString>("outcome"); // the login mechanism used, or what the log says of the failure
    const int startTls = SmtpTestServer::StartTls;
    const int implicitTls = SmtpTestServer::ImplicitTls;
    const QString localhost = QStringLiteral("localhost");
    const QString refused = QStringLiteral("Certificate of mail server localhost refused (for ");
    QTest::newRow("STARTTLS, LOGIN and PLAIN offered") << startTls << localhost << true << QStringLiteral("LOGIN");
    QTest::newRow("STARTTLS, PLAIN alone offered")
        << (startTls | SmtpTestServer::PlainOnly) << localhost << true << QStringLiteral("PLAIN");
    QTest::newRow("TLS from the first byte") << implicitTls << localhost << true << QStringLiteral("LOGIN");
    QTest::newRow("certificate for another host")
        << startTls << QStringLiteral("mail.other.test") << true
        << refused + QStringLiteral("mail.other.test, issued by Lumora trusted CA): The host name did not match "
                                    "any of the valid hosts for this certificate");
    QTest::newRow("untrusted issuer") << implicitTls << localhost << false
                                      << refused + QStringLiteral("localhost, issued by Lumora untrusted CA): The "
                                                                  "issuer certificate of a locally looked up "
                                                                  "certificate could not be found");
    QTest::newRow("STARTTLS asked for, not offered")
        << int(SmtpTestServer::PlainOnly) << localhost << true
        << QStringLiteral("Mail not sent: the mail server does not offer STARTTLS");
}

void TestMailThread::tls()
{
    QFETCH(int, options);
    QFETCH(QString, certificateHost);
    QFETCH(bool, trustedIssuer);
    QFETCH(QString, outcome);
    TempAppDir dir;
    SmtpTestServer server(options, certificateHost, trustedIssuer);
    MailSettings settings = settingsFor(server.port());
    settings.server = QStringLiteral("localhost");
    settings.encryption = (options & SmtpTestServer::ImplicitTls) ? MailEncryption::Tls : MailEncryption::StartTls;
    settings.caFile = server.caFile();
    QMailThread thread;
    runMail(thread, settings, QMailThread::SendMail);

    const QString log = QString::fromUtf8(dir.read(QStringLiteral("log.txt")));
    QVERIFY(!log.contains(settings.password));
    if (outcome == QLatin1String("LOGIN") || outcome == QLatin1String("PLAIN")) {
        QVERIFY2(thread.isSuccess(), qPrintable(log));
        const QJsonObject mail = server.messages().first();
        QVERIFY(mail[QStringLiteral("tls")].toBool());
        QCOMPARE(mail[QStringLiteral("mechanism")].toString(), outcome);
        QCOMPARE(mail[QStringLiteral("login")].toString(), settings.account);
        return;
    }
    // Refused: nothing reached the server, and the failure counts towards the limit.
    QVERIFY(!thread.isDone() && !thread.isSuccess());
    QVERIFY(server.messages(1, 300).isEmpty());
    QVERIFY2(log.contains(outcome), qPrintable(log));
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 1);
}

void TestMailThread::refusalsFailWithoutCounting()
{
    TempAppDir dir;
    {
        SmtpTestServer server;
        QMailThread thread;
        runMail(thread, settingsFor(server.port(), QStringLiteral("wrong")), QMailThread::SendMail);
        QVERIFY(!thread.isDone() && !thread.isSuccess());
        QVERIFY(server.messages(1, 300).isEmpty());
    }
    {
        SmtpTestServer server(SmtpTestServer::RejectMessages);
        QMailThread thread;
        runMail(thread, settingsFor(server.port()), QMailThread::SendMail);
        QVERIFY(server.messages().first()[QStringLiteral("rejected")].toBool()); // it got through DATA
        QVERIFY(!thread.isDone() && !thread.isSuccess());
    }
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 0);
}

void TestMailThread::unreachableServerCounts()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    const MailSettings settings = settingsFor(closedPort());
    QMailThread thread;
    runMail(thread, settings, QMailThread::SendMail);
    QVERIFY(!thread.isDone());
    QCOMPARE(connectFailures(dir), 1);
    QVERIFY(dir.read(QStringLiteral("log.txt")).contains("]- Failed to connect mail server, err code 10061\n"));
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 1);

    // A name that does not resolve fails the same way, and the log says why.
    MailSettings unknownHost = settings;
    unknownHost.server = QStringLiteral("nowhere.invalid");
    runMail(thread, unknownHost, QMailThread::SendMail);
    const QByteArray log = dir.read(QStringLiteral("log.txt"));
    QVERIFY2(log.contains("]- Failed to connect mail server, err code 11001\n") &&
                 log.contains("]- Mail server nowhere.invalid port " + settings.port.toUtf8() + ": Host not found\n"),
             log.constData());
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 2);

    // The connection test tries, logs, reports, and never counts.
    MailTester tester;
    QSignalSpy finished(&tester, &MailTester::finished);
    QVERIFY(tester.testConnection(settings));
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().first(), QVariant(false));
    QCOMPARE(prompter.messages().last().title, QStringLiteral("Test Connect"));
    QCOMPARE(prompter.messages().last().text, QStringLiteral("Test fail"));
    QCOMPARE(connectFailures(dir), 3);
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 2);
}

void TestMailThread::stoppingEndsConnectAtOnce()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    FullPort port;
    auto tester = std::make_unique<MailTester>();
    QVERIFY(tester->testConnection(settingsFor(port.port())));
    QTest::qWait(300); // well inside the 10 s the connect may take

    // As when the program exits with the alarm dialog's test running.
    QElapsedTimer timer;
    timer.start();
    tester.reset();
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(connectFailures(dir), 0); // stopped, not failed
}

void TestMailThread::hangUpCounts_data()
{
    QTest::addColumn<QByteArray>("said");
    QTest::newRow("at once") << QByteArray();
    QTest::newRow("after a refusal") << QByteArray("554 no service\r\n");
}

void TestMailThread::hangUpCounts()
{
    QFETCH(QByteArray, said);
    TempAppDir dir;
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    connect(&server, &QTcpServer::newConnection, &server, [&] {
        while (QTcpSocket *peer = server.nextPendingConnection()) {
            peer->write(said);
            peer->disconnectFromHost();
        }
    });
    QMailThread thread;
    runMail(thread, settingsFor(server.serverPort()), QMailThread::SendMail);
    QVERIFY(!thread.isDone());
    QCOMPARE(connectFailures(dir), 0);
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 1);
}

void TestMailThread::silentServerEndsAndCounts()
{
    TempAppDir dir;
    dir.openDatabase();
    QTcpServer silent; // connections complete in the kernel; nobody ever speaks
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    ScriptedPrompter prompter;
    QVERIFY(settingsFor(silent.serverPort()).apply());
    AlarmMailer mailer;
    mailer.loadSettings();

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < AlarmMailer::kThreadCount; ++i)
        QVERIFY(mailer.send(QStringLiteral("Alarm"), QStringLiteral("x")));
    QVERIFY(!mailer.send(QStringLiteral("Alarm"), QStringLiteral("x"))); // all five are busy
    // Meanwhile the connection test runs the same way without holding its caller, and never counts.
    MailTester tester;
    QSignalSpy finished(&tester, &MailTester::finished);
    QVERIFY(tester.testConnection(mailer.settings()));
    QVERIFY(!tester.testConnection(mailer.settings())); // one test at a time
    QVERIFY(finished.isEmpty());
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().first(), QVariant(false));
    QCOMPARE(prompter.messages().last().text, QStringLiteral("Test fail"));
    QVERIFY(mailer.waitForMails(QDeadlineTimer(40000)));
    // The greeting and the reply to EHLO each wait 5 s, then the dialogue gives up.
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(timer.elapsed())));
    QCOMPARE(ProgramState::instance().alarmMailCounter(), AlarmMailer::kThreadCount);
}

void TestMailThread::limitStopsAlarmMailsUntilApplied()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    MailSettings stored = settingsFor(closedPort());
    QVERIFY(stored.apply());
    AlarmMailer mailer;
    mailer.loadSettings();
    QCOMPARE(mailer.settings().recipients, kRecipients);

    ProgramState::instance().countAlarmMailFailure();
    ProgramState::instance().countAlarmMailFailure();
    ProgramState::instance().countAlarmMailFailure();
    QVERIFY(mailer.mailAllowed()); // complete settings found the first time: counting starts again
    for (int i = 0; i < ProgramState::kAlarmMailLimit; ++i) {
        QVERIFY(mailer.mailAllowed());
        QVERIFY(mailer.send(QStringLiteral("Alarm"), QStringLiteral("x")));
        QVERIFY(mailer.waitForMails(QDeadlineTimer(30000)));
    }
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 3);
    QVERIFY(!mailer.mailAllowed());
    QVERIFY(!mailer.send(QStringLiteral("Alarm"), QStringLiteral("x")));
    QCOMPARE(connectFailures(dir), 3);
    QVERIFY(dir.read(QStringLiteral("log.txt"))
                .contains("]- Mail not sent: 3 mails failed since the mail settings were applied; "
                          "apply them again to send mail\n"));
    QMailThread direct;
    runMail(direct, stored, QMailThread::TestConnection); // tries, does not count
    QCOMPARE(connectFailures(dir), 4);
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 3);
    // A test mail is still tried at the limit, and counts; above it, it is refused and says why.
    MailTester tester;
    QSignalSpy finished(&tester, &MailTester::finished);
    for (const char *told : {"Send failed.", "Send failed.\n4 mails failed since the mail settings were applied: "
                                             "no mail is sent until they are applied again."}) {
        QVERIFY(tester.sendTestMail(stored));
        QVERIFY(finished.wait(30000));
        QCOMPARE(prompter.messages().last().text, QString::fromUtf8(told));
    }
    QCOMPARE(connectFailures(dir), 5);
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 4);
    QVERIFY(dir.read(QStringLiteral("log.txt")).contains("]- Mail not sent: 4 mails failed"));

    // Applying the settings again lets alarm mails go, to the recipients now stored,
    // also after the threads were stopped once (as when monitoring stops).
    mailer.stopAll();
    SmtpTestServer server;
    stored = settingsFor(server.port());
    stored.recipients = QStringList{QStringLiteral("night-shift@plant.test")};
    QVERIFY(stored.apply());
    mailer.changeSettings(stored.account, stored.password, stored.port, stored.server, stored.sender);
    QCOMPARE(ProgramState::instance().alarmMailCounter(), 0);
    QVERIFY(mailer.send(QStringLiteral("Alarm"), QStringLiteral("x")));
    QVERIFY(mailer.waitForMails(QDeadlineTimer(30000)));
    QCOMPARE(server.messages().first()[QStringLiteral("rcpt_tos")].toVariant().toStringList(), stored.recipients);
}
