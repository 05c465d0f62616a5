#include "tst_sensordialog.h"

#include "monitor/programstate.h"
#include "monitor/sensorsettings.h"
#include "setuprig.h"
#include "support/modbusslave.h"
#include "support/scriptedprompter.h"
#include "ui/cmain.h"
#include "ui/dialogs/qsensorsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

// The window's sensor dialog.
struct SensorDialog
{
    CMain window;
    QSensorSettings &dialog = *window.findChild<QSensorSettings *>();

    QLineEdit *edit(const char *name) { return dialog.findChild<QLineEdit *>(QLatin1String(name)); }
    bool enabled(const char *name) { return dialog.findChild<QWidget *>(QLatin1String(name))->isEnabled(); }
    void query(const char *slave, const char *registers)
    {
        edit("leSlaveAddr")->setText(QLatin1String(slave));
        edit("leCountLo")->setText(QLatin1String(registers));
        clickButton(&dialog, "btnQuery");
    }
    void save(const QString &header, const QString &unit)
    {
        edit("leHeader")->setText(header);
        edit("leUnit")->setText(unit);
        clickButton(&dialog, "btnSave");
    }
};

QString lastMessage(const ScriptedPrompter &prompter)
{
    const auto messages = prompter.messages();
    return messages.isEmpty() ? QString() : messages.last().title + QLatin1Char('|') + messages.last().text;
}

} // namespace

void TestSensorDialog::queryOperateSaveAndDeleteAgainstModbusSlave()
{
    TempAppDir dir;
    dir.openDatabase();
    ScriptedPrompter prompter;
    ModbusSlave slave(dir.path(), 8, 1, {{1, 0x012C}, {2, 7}});
    writeSetting(QStringLiteral("COMPortFrm_com_name"), QStringLiteral("COM8"));
    CSerial &port = ProgramState::instance().sharedPort();
    SensorDialog sensors;
    QSignalSpy updates(&sensors.dialog, &QSensorSettings::sensor_update);
    sensors.dialog.show();
    sensors.edit("leStartLo")->setText(QStringLiteral("01"));

    // Two registers: shown, but no sensor can be made of them.
    sensors.query("01", "02");
    QCOMPARE(sensors.edit("leRegHex")->text(), QStringLiteral("01 2C 00 07 "));
    QVERIFY(!sensors.enabled("btnOperate") && !sensors.enabled("btnSave"));
    QVERIFY(port.is_closed());

    sensors.query("01", "01");
    QCOMPARE(sensors.edit("leRespCount")->text(), QStringLiteral("02"));
    QCOMPARE(sensors.edit("leRegDec")->text(), QStringLiteral("300"));
    QVERIFY(sensors.enabled("btnOperate") && sensors.enabled("btnSave"));
    auto *lowFirst = sensors.dialog.findChild<QCheckBox *>(QStringLiteral("cbLoByteFirst"));
    QTest::mouseClick(lowFirst, Qt::LeftButton);
    QCOMPARE(sensors.edit("leRegDec")->text(), QStringLiteral("11265"));
    QCOMPARE(sensors.dialog.findChild<QLabel *>(QStringLiteral("lblRegHex"))->text(),
             QStringLiteral("Register Value(HEX: Lo-Hi)"));
    QTest::mouseClick(lowFirst, Qt::LeftButton);
    QCOMPARE(sensors.edit("leRegDec")->text(), QStringLiteral("300"));

    // A factor of 0 divides by 1, as the polling does.
    sensors.dialog.findChild<QComboBox *>(QStringLiteral("cbOperator"))->setCurrentIndex(1);
    clickButton(&sensors.dialog, "btnOperate");
    QCOMPARE(sensors.edit("leResult")->text(), QStringLiteral("300"));
    sensors.dialog.findChild<QDoubleSpinBox *>(QStringLiteral("sbFactor"))->setValue(8);
    clickButton(&sensors.dialog, "btnOperate");
    QCOMPARE(sensors.edit("leResult")->text(), QStringLiteral("37.5"));

    sensors.save(QString(), QStringLiteral("W"));
    QCOMPARE(lastMessage(prompter), QStringLiteral("Error|Please input the header field."));
    auto *units = sensors.dialog.findChild<QComboBox *>(QStringLiteral("cbUnitList"));
    units->setCurrentIndex(units->findText(QStringLiteral("°C")));
    emit units->activated(units->currentIndex());
    sensors.save(QStringLiteral("Pyranometer 'roof'"), sensors.edit("leUnit")->text());
    QCOMPARE(lastMessage(prompter), QStringLiteral("Info|Save OK"));
    QVERIFY(!sensors.enabled("btnSave"));
    sensors.query("01", "01");
    sensors.save(QStringLiteral("Modul ℉"), QStringLiteral("℉"));
    QCOMPARE(updates.count(), 2);
    QCOMPARE(ProgramState::instance().sensors().count(), 2); // the window reloaded the list

    const QList<SensorDefinition> saved = readSensorSettings();
    QCOMPARE(saved.size(), 2);
    QCOMPARE(saved[0].header, QStringLiteral("Pyranometer 'roof'"));
    QCOMPARE(saved[0].unit, QStringLiteral("°C"));
    QCOMPARE(saved[0].op, QStringLiteral("/"));
    QCOMPARE(saved[0].factor, 8.0);
    QCOMPARE(saved[0].request[3], quint8(1));
    QCOMPARE(saved[1].unit, QStringLiteral("℉"));
    auto *table = sensors.dialog.findChild<QTableWidget *>(QStringLiteral("tableSensors"));
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(1, 8)->text(), QStringLiteral("Modul ℉"));

    table->selectRow(0);
    clickButton(&sensors.dialog, "btnDel");
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(readSensorSettings().size(), 1);
    QCOMPARE(readSensorSettings()[0].unit, QStringLiteral("℉"));
    QCOMPARE(updates.count(), 3);

    // Nobody at slave 2.
    sensors.query("02", "01");
    QCOMPARE(lastMessage(prompter), QStringLiteral("No response|No response"));
    QVERIFY(!sensors.enabled("btnSave"));
    QVERIFY(port.is_closed());
}

void TestSensorDialog::shortOrLateRepliesLeaveThePortClosed()
{
    SimulatedLine line;
    FaultSpec cut = FaultSpec::make(FaultSpec::Type::Short);
    cut.bytes = 4;
    QVERIFY(
        line.start(QJsonObject{{"sensors", QJsonArray{QJsonObject{{"slave", 21}, {"register", 1}, {"value", 850}}}}}));
    line.sim.setSensorFaults(21, {cut});
    writeSetting(QStringLiteral("COMPortFrm_com_name"), QStringLiteral("COM7"));
    CSerial &port = ProgramState::instance().sharedPort();
    ScriptedPrompter prompter;
    SensorDialog sensors;
    sensors.dialog.show();
    sensors.edit("leStartLo")->setText(QStringLiteral("01"));

    sensors.query("15", "01");
    QCOMPARE(lastMessage(prompter), QStringLiteral("No response|No response"));
    QVERIFY(port.is_closed());

    FaultSpec late = FaultSpec::make(FaultSpec::Type::Slow);
    late.delayMs = 1500;
    line.sim.setSensorFaults(21, {late});
    sensors.query("15", "01");
    QCOMPARE(prompter.messages().size(), 2);
    QVERIFY(port.is_closed());

    // The late reply never reaches the next query.
    line.sim.setSensorFaults(21, {});
    QTest::qWait(700);
    sensors.query("15", "01");
    QCOMPARE(sensors.edit("leRegDec")->text(), QStringLiteral("850"));
    QVERIFY(sensors.enabled("btnSave"));
    QCOMPARE(prompter.messages().size(), 2);
    QVERIFY(port.is_closed());
}
