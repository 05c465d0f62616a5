#include "tst_mailtester.h"

#include "monitor/mailsettings.h"
#include "monitor/mailtester.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

void TestMailTester::overlongTestIsCutAndReported()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    QTcpServer silent; // takes the connection, never says a word
    QVERIFY(silent.listen(QHostAddress::LocalHost));
    MailSettings settings;
    settings.account = QStringLiteral("user");
    settings.password = QStringLiteral("pw");
    settings.port = QString::number(silent.serverPort());
    settings.server = QStringLiteral("127.0.0.1");
    settings.sender = QStringLiteral("logger@plant.test");
    settings.recipients = QStringList{QStringLiteral("ops@plant.test")};

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
