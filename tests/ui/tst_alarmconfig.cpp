#include "base/appsettings.h"
#include "db/database.h"
#include "device/errortables.h"
#include "support/scriptedprompter.h"
#include "support/smtptestserver.h"
#include "support/tempappdir.h"
#include "ui/dialogs/qalarmconfig.h"
#include "ui/qprogresswin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
QCheckBox *bitBox(const QalarmConfig &dialog, int bit)
{
    return dialog.findChild<QCheckBox *>(QStringLiteral("cbBit%1").arg(bit));
}

QString key(const char *name)
{
    return AppSettings().text({name, SettingType::String, nullptr});
}

void click(const QalarmConfig &dialog, const char *button)
{
    QTest::mouseClick(dialog.findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
}

void type(const QalarmConfig &dialog, const char *edit, const QString &text)
{
    auto *line = dialog.findChild<QLineEdit *>(QLatin1String(edit));
    line->selectAll();
    line->insert(text); // as typed, whatever the keyboard
}
} // namespace

class TestAlarmConfig : public QObject
{
    Q_OBJECT

private slots:
    void alarmBitsAreKeptPerRegionAndWord();
    void settingsAppliedAndTestMailSent();
};

void TestAlarmConfig::alarmBitsAreKeptPerRegionAndWord()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    AppSettings().setValue(Setting::alarmErrors(2, 1), QStringLiteral("0,15,x,99"));
    AppSettings().setValue(Setting::event_type, QStringLiteral("60,61"));
    QalarmConfig dialog;
    dialog.show();
    auto *region = dialog.findChild<QComboBox *>(QStringLiteral("cbInverterType"));
    auto *word = dialog.findChild<QComboBox *>(QStringLiteral("cbErrorCode"));
    QCOMPARE(bitBox(dialog, 15)->text(), errorTable(DeviceFamily::EUR)[1][15]->description);

    // Saved before the word changes, and the next word's key is loaded.
    bitBox(dialog, 1)->click();
    bitBox(dialog, 15)->click();
    word->setCurrentIndex(1);
    QCOMPARE(key("EUR_ERR0"), QStringLiteral("1,15"));
    QVERIFY(!bitBox(dialog, 1)->isChecked());
    bitBox(dialog, 3)->click();
    region->setCurrentIndex(2);
    QCOMPARE(key("EUR_ERR1"), QStringLiteral("3"));
    QCOMPARE(bitBox(dialog, 2)->text(), errorTable(DeviceFamily::USA1)[2][2]->description);
    QVERIFY(bitBox(dialog, 0)->isChecked() && bitBox(dialog, 15)->isChecked() && !bitBox(dialog, 1)->isChecked());
    click(dialog, "btnClear");
    region->setCurrentIndex(3); // M83 has no error table: nothing to choose, nothing stored
    QCOMPARE(key("USA1_ERR1"), QString());
    QVERIFY(!bitBox(dialog, 0)->isEnabled());
    click(dialog, "btnAll");
    region->setCurrentIndex(1);

    // Closing stores the boxes shown and the events.
    click(dialog, "btnAll");
    dialog.findChild<QCheckBox *>(QStringLiteral("event_type_60"))->click();
    dialog.findChild<QCheckBox *>(QStringLiteral("event_type_83_91"))->click();
    dialog.close();
    QCOMPARE(key("USA0_ERR1"), QStringLiteral("0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"));
    QCOMPARE(key("event_type"), QStringLiteral("61"));
    QCOMPARE(key("event_type_83"), QStringLiteral("91"));
    QVERIFY(!AppSettings().contains({"M83_ERR1", SettingType::String, nullptr}));

    // Shown again: the stored choices come back.
    region->setCurrentIndex(0);
    word->setCurrentIndex(0);
    dialog.show();
    QVERIFY(bitBox(dialog, 1)->isChecked() && bitBox(dialog, 15)->isChecked() && !bitBox(dialog, 0)->isChecked());
    QVERIFY(dialog.findChild<QCheckBox *>(QStringLiteral("event_type_61"))->isChecked());
}

void TestAlarmConfig::settingsAppliedAndTestMailSent()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    SmtpTestServer server(SmtpTestServer::StartTls);
    AppSettings().setValue(Setting::MAIL_CA_FILE, server.caFile());
    QalarmConfig dialog;
    QSignalSpy changes(&dialog, &QalarmConfig::mail_setting_change);
    dialog.show();
    type(dialog, "leId", QString::fromUtf8(SmtpTestServer::kUser));
    type(dialog, "lePwd", QString::fromUtf8(SmtpTestServer::kPassword));
    type(dialog, "leMail", QStringLiteral("local_host"));
    type(dialog, "leSenderMail", QStringLiteral("plant@solar.test"));
    auto *encryption = dialog.findChild<QComboBox *>(QStringLiteral("cbEncryption"));
    QCOMPARE(encryption->currentText(), QStringLiteral("None"));
    encryption->setCurrentIndex(1); // the usual port comes with the choice
    QCOMPARE(dialog.findChild<QLineEdit *>(QStringLiteral("lePort"))->text(), QStringLiteral("587"));
    type(dialog, "lePort", QString::number(server.port()));

    // A malformed server is refused before anything is sent.
    click(dialog, "btnTestConnect");
    QCOMPARE(prompter.messages().last().title, QStringLiteral("Error"));
    type(dialog, "leMail", QStringLiteral("localhost"));
    click(dialog, "btnTestConnect");
    QTRY_COMPARE_WITH_TIMEOUT(prompter.messages().last().title, QStringLiteral("Test Connect"), 40000);
    QCOMPARE(prompter.messages().last().text, QStringLiteral("Test success"));
    click(dialog, "btnSendTest");
    QCOMPARE(prompter.messages().last().text, QStringLiteral("Please type at least one recipient."));

    prompter.setInputText(QStringLiteral(" ops@solar.test "));
    click(dialog, "btnAddMail");
    click(dialog, "btnApply");
    QCOMPARE(prompter.messages().last().text, QStringLiteral("OK"));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().value(3).toString(), QStringLiteral("localhost"));
    QCOMPARE(key("MAIL_ENCRYPTION"), QStringLiteral("starttls"));
    QCOMPARE(db_query(QStringLiteral("select * from mail_recipient")).value(0).value(QStringLiteral("mail")),
             QStringLiteral("ops@solar.test"));

    // The test runs while the dialog lives on under the progress window; one test at a time.
    const int told = prompter.messages().size();
    click(dialog, "btnSendTest");
    auto *progress = dialog.findChild<QProgressWin *>();
    QVERIFY(progress->isVisible());
    QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("btnTestConnect"))->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(prompter.messages().size() > told, 40000);
    QCOMPARE(prompter.messages().last().title, QStringLiteral("Send Test Mail"));
    QCOMPARE(prompter.messages().last().text, QStringLiteral("Send success."));
    QVERIFY(!progress->isVisible());
    const QList<QJsonObject> mails = server.messages(2); // the connection test's and the test mail
    QCOMPARE(mails.size(), 2);
    QVERIFY(mails.last()[QStringLiteral("tls")].toBool());
    QCOMPARE(mails.last()[QStringLiteral("rcpt_tos")].toVariant().toStringList(),
             QStringList{QStringLiteral("ops@solar.test")});
    QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("btnSendTest"))->isEnabled());
}

QTEST_MAIN(TestAlarmConfig)
#include "tst_alarmconfig.moc"
