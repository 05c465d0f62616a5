#include "base/appsettings.h"
#include "support/mosquittobroker.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"
#include "ui/dialogs/mqttdialog.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

class TestMqttDialog : public QObject
{
    Q_OBJECT

private slots:
    void testedRefusedAndSaved();
};

namespace {
template<typename T>
T *field(const QDialog &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1String(name));
}

void type(const QDialog &dialog, const char *edit, const QString &text)
{
    auto *line = field<QLineEdit>(dialog, edit);
    line->selectAll();
    line->insert(text);
}
} // namespace

void TestMqttDialog::testedRefusedAndSaved()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    MosquittoBroker broker(MosquittoBroker::Login);
    AppSettings().setValue(Setting::leTitle, QStringLiteral("Hill Farm Béal"));
    MqttDialog dialog(prompter);
    QSignalSpy saved(&dialog, &MqttDialog::settingsSaved);
    dialog.show();
    QVERIFY(!field<QCheckBox>(dialog, "cbEnabled")->isChecked());
    QVERIFY(!field<QPushButton>(dialog, "btnTest")->isEnabled());
    QCOMPARE(field<QLineEdit>(dialog, "leTopicPrefix")->text(), QStringLiteral("lumora/hill-farm-beal"));

    field<QCheckBox>(dialog, "cbEnabled")->click();
    type(dialog, "leHost", QStringLiteral("127.0.0.1"));
    field<QSpinBox>(dialog, "sbPort")->setValue(broker.port());
    type(dialog, "leUser", QString::fromLatin1(MosquittoBroker::kUser));
    type(dialog, "lePassword", QStringLiteral("wrong"));
    QTest::mouseClick(field<QPushButton>(dialog, "btnTest"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(prompter.messages().size(), 1, 15000);
    QVERIFY2(prompter.messages().last().text.contains(QLatin1String("refused the login of \"plant\"")),
             qPrintable(prompter.messages().last().text));

    type(dialog, "lePassword", QString::fromLatin1(MosquittoBroker::kPassword));
    QTest::mouseClick(field<QPushButton>(dialog, "btnTest"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(prompter.messages().size(), 2, 15000);
    QCOMPARE(prompter.messages().last().text,
             QStringLiteral("Connected to the MQTT broker at 127.0.0.1:%1.").arg(broker.port()));

    // Settings that cannot work: one message, one log line, and the dialog stays.
    type(dialog, "leTopicPrefix", QStringLiteral("lumora/#"));
    QTest::mouseClick(field<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
    QCOMPARE(prompter.messages().size(), 3);
    QCOMPARE(prompter.messages().last().text,
             QStringLiteral("Topic prefixes must not be empty or contain \"+\" or \"#\"."));
    QVERIFY(dialog.isVisible());
    QCOMPARE(saved.count(), 0);
    QCOMPARE(QString::fromUtf8(dir.read(QStringLiteral("log.txt"))).count(QLatin1String("[MQTT] settings refused")), 1);

    type(dialog, "leTopicPrefix", QStringLiteral("lumora/hill-farm-beal/"));
    QTest::mouseClick(field<QPushButton>(dialog, "btnOk"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(saved.count(), 1);
    const AppSettings settings;
    QCOMPARE(settings.intValue(Setting::MQTT_ENABLED), 1);
    QCOMPARE(settings.text(Setting::MQTT_HOST), QStringLiteral("127.0.0.1"));
    QCOMPARE(settings.intValue(Setting::MQTT_PORT), int(broker.port()));
    QCOMPARE(settings.text(Setting::MQTT_USER), QString::fromLatin1(MosquittoBroker::kUser));
    QCOMPARE(settings.text(Setting::MQTT_TOPIC_PREFIX), QString()); // the default: it follows the site
    QCOMPARE(MqttSettings::load(settings).topicPrefix, QStringLiteral("lumora/hill-farm-beal"));
}

QTEST_MAIN(TestMqttDialog)
#include "tst_mqttdialog.moc"
