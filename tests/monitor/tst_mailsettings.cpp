#include "tst_mailsettings.h"

#include "base/appsettings.h"
#include "db/database.h"
#include "monitor/alarmselection.h"
#include "monitor/mailsettings.h"
#include "monitor/mailtester.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"

#include <QtTest>

namespace {
void compareSettings(const MailSettings &actual, const MailSettings &expected)
{
    QCOMPARE(actual.account, expected.account);
    QCOMPARE(actual.password, expected.password);
    QCOMPARE(actual.port, expected.port);
    QCOMPARE(actual.server, expected.server);
    QCOMPARE(actual.sender, expected.sender);
    QCOMPARE(actual.recipients, expected.recipients);
    QCOMPARE(actual.encryption, expected.encryption);
}

QString lastText(const ScriptedPrompter &prompter)
{
    return prompter.messages().isEmpty() ? QString() : prompter.messages().last().text;
}
} // namespace

void TestMailSettings::applyAndLoadRoundTrip()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    MailSettings settings;
    settings.account = QStringLiteral("o'brien");
    settings.password = QStringLiteral("pa'ss'); drop table mail_setting; --密码");
    settings.port = QStringLiteral("2525");
    settings.server = QStringLiteral("10.0.0.25");
    settings.sender = QStringLiteral("Überwachung@anlage.test");
    settings.recipients = QStringList{QStringLiteral("a'b@plant.test"), QStringLiteral("用户@例子.cn")};
    QCOMPARE(MailSettings::load().encryption, MailEncryption::None); // what stored settings had before the choice
    settings.encryption = MailEncryption::StartTls;

    QVERIFY(settings.apply());
    QCOMPARE(prompter.messages().last().title, QStringLiteral("Apply"));
    QCOMPARE(lastText(prompter), QStringLiteral("OK"));
    compareSettings(MailSettings::load(), settings);

    // A second apply replaces everything.
    settings.port = QStringLiteral("25");
    settings.recipients = QStringList{QStringLiteral("only@plant.test")};
    QVERIFY(settings.apply());
    compareSettings(MailSettings::load(), settings);
    QCOMPARE(db_query(QStringLiteral("select * from mail_setting")).size(), 1);
    QVERIFY(dir.read(QStringLiteral("app.ini")).contains("MAIL_ENCRYPTION=starttls"));

    // Refused input leaves the stored settings alone.
    MailSettings incomplete = settings;
    incomplete.sender.clear();
    QVERIFY(!incomplete.apply());
    QCOMPARE(lastText(prompter), QStringLiteral("Please input all fields."));
    MailSettings badPort = settings;
    badPort.port = QStringLiteral("25x");
    QVERIFY(!badPort.apply());
    QCOMPARE(lastText(prompter), QStringLiteral("Fail"));
    compareSettings(MailSettings::load(), settings);
}

void TestMailSettings::testsRefuseInvalidFields()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    MailSettings settings;
    settings.account = QStringLiteral("user");
    settings.password = QStringLiteral("pw");
    settings.port = QStringLiteral("25");
    settings.server = QStringLiteral("mail..plant.test");
    settings.sender = QStringLiteral("logger@plant.test");
    settings.recipients = QStringList{QStringLiteral("ops@plant.test")};
    MailTester tester;

    QVERIFY(!tester.testConnection(settings));
    QCOMPARE(prompter.messages().last().title, QStringLiteral("Error"));
    QVERIFY(!tester.sendTestMail(settings));
    QCOMPARE(lastText(prompter), QStringLiteral("Some fields is not valid."));
    for (const char *server :
         {"localhost", "smtp.plant.test", "mail-1.example.org.", "bücher.example", "10.0.0.1", "::1"}) {
        settings.server = QString::fromUtf8(server);
        QVERIFY2(settings.hasValidServer(), server);
    }
    for (const char *server : {"", "10.0.0.1.5", "999.1.1.1", "1.2.3", "-mail.test", "mail-.test", "mail_server",
                               "smtp plant.test", "mail..test"}) {
        settings.server = QString::fromUtf8(server);
        QVERIFY2(!settings.hasValidServer(), server);
    }
    settings.server = QStringLiteral("localhost");
    settings.recipients.clear();
    QVERIFY(!tester.sendTestMail(settings));
    QCOMPARE(lastText(prompter), QStringLiteral("Please type at least one recipient."));
    QVERIFY(!tester.isRunning()); // never started
    QVERIFY(dir.read(QStringLiteral("log.txt")).isEmpty());
}

void TestMailSettings::alarmSelectionRoundTrip()
{
    using namespace AlarmSelection;
    TempAppDir dir;
    {
        AppSettings settings;
        for (int region = 0; region < kRegionCount; ++region) {
            for (int word = 0; word < kWordCount; ++word)
                setBits(settings, region, word, {15, word, region + 4});
        }
        settings.sync();
    }
    const QString ini = QString::fromUtf8(dir.read(QStringLiteral("app.ini")));
    QVERIFY2(ini.contains(QStringLiteral("USA1_ERR3=\"15,3,6\"")), qPrintable(ini));
    QVERIFY(!ini.contains(QStringLiteral("M83")));
    AppSettings settings;
    for (int region = 0; region < 3; ++region) {
        for (int word = 0; word < kWordCount; ++word)
            QCOMPARE(bits(settings, region, word), (QList<int>{15, word, region + 4}));
    }
    QVERIFY(bits(settings, 3, 0).isEmpty());

    QCOMPARE(parseBits(QStringLiteral("3, x,20,7,,-1")), (QList<int>{3, 7}));
    QCOMPARE(regionOf(DeviceFamily::EUR, true), 0);
    QCOMPARE(regionOf(DeviceFamily::USA1, false), 1);
    QCOMPARE(regionOf(DeviceFamily::USA0, true), 2);
}
