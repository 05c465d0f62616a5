#include "tst_mailtester.h"

#include "monitor/mailsettings.h"
#include "monitor/mailtester.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
MailSettings settingsFor(quint16 port)
{
    MailSettings settings;
    settings.account = QStringLiteral("user");
    settings.password = QStringLiteral("pw");
    settings.port = QString::number(port);
    settings.server = QStringLiteral("127.0.0.1");
    settings.sender = QStringLiteral("logger@plant.test");
    settings.recipients = QStringList{QStringLiteral("ops@plant.test")};
    return settings;
}

// A loopback port whose queue of connections is full: a connect to it waits
// for an answer that never comes, as to a server behind a firewall.
class FullPort
{
public:
    FullPort()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        QVERIFY(::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) == 0);
        QVERIFY(::listen(m_fd, 0) == 0);
        QVERIFY(::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) == 0);
        m_port = ntohs(address.sin_port);
        m_filler.connectToHost(QHostAddress::LocalHost, m_port); // takes the only place
        QVERIFY(m_filler.waitForConnected(5000));
    }
    ~FullPort() { ::close(m_fd); }
    quint16 port() const { return m_port; }

private:
    int m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
    quint16 m_port = 0;
    QTcpSocket m_filler;
};
} // namespace

void TestMailTester::overlongTestIsCutAndReported()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    QTcpServer silent; // takes the connection, never says a word
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    const MailSettings settings = settingsFor(silent.serverPort());

    MailTester tester;
    tester.setLimitMs(300); // far inside the 5 s the client waits for a greeting
    QSignalSpy finished(&tester, &MailTester::finished);
    QVERIFY(tester.sendTestMail(settings));
    QVERIFY(finished.wait(30000));
    QCOMPARE(finished.first().first(), QVariant(false));
    QCOMPARE(prompter.messages().last().text, QStringLiteral("Send failed."));

    // Cut while it waited for the greeting: it never spoke.
    QTcpSocket *peer = silent.nextPendingConnection();
    QVERIFY(peer);
    QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(peer->readAll().isEmpty());
}

void TestMailTester::stoppingEndsConnectAtOnce()
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
    QVERIFY(!dir.read(QStringLiteral("log.txt")).contains("Failed to connect")); // stopped, not failed
}
