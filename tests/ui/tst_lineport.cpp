#include "tst_lineport.h"

#include "link/crc16.h"
#include "monitor/programstate.h"
#include "setuprig.h"
#include "support/scriptedprompter.h"
#include "ui/dialogs/comportfrm.h"
#include "ui/dialogs/qdiagnostics.h"
#include "ui/dialogs/qpassword.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

namespace {

QStringList items(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

QComboBox *combo(QWidget *dialog, const char *name)
{
    return dialog->findChild<QComboBox *>(QLatin1String(name));
}

void enterPassword(QWidget *dialog, const QString &text)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("lePwd"));
    edit->setText(text);
    clickButton(dialog, "btnOK");
}

} // namespace

void TestLinePort::portListLoadsTheLineSettings()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    ProgramState &state = ProgramState::instance();

    // No ports: nothing is listed and the line settings keep their values.
    linkOnlyPorts(dir, {});
    state.setLineSettings(5, 4800);
    {
        COMPortFrm dialog;
        QCOMPARE(combo(&dialog, "cbCOM")->count(), 0);
        QCOMPARE(dialog.selectedPort(), 0);
        QCOMPARE(state.portNumber(), 5);
        QCOMPARE(state.baudRate(), 4800);
    }

    linkOnlyPorts(dir, {10, 3, 1});
    for (const char *odd : {"ports/COMx", "ports/CO", "ports/COM3a"})
        QFile::link(QStringLiteral("/dev/null"), dir.file(QLatin1String(odd)));
    writeSetting(QStringLiteral("COMPortFrm_com_name"), QStringLiteral("COM3"));
    writeSetting(QStringLiteral("COMPortFrm_baud_index"), 4);
    {
        COMPortFrm dialog;
        QCOMPARE(items(combo(&dialog, "cbCOM")), QStringList({"COM1", "COM3", "COM10"}));
        QCOMPARE(combo(&dialog, "cbCOM")->currentText(), QStringLiteral("COM3"));
        QCOMPARE(items(combo(&dialog, "cbBaudRate")), QStringList({"1200", "2400", "4800", "9600", "19200", "38400"}));
        QCOMPARE(state.portNumber(), 3);
        QCOMPARE(state.baudRate(), 19200);
    }

    // A saved port that is gone stays selected, marked absent; a baud index outside the table selects
    // the default.
    writeSetting(QStringLiteral("COMPortFrm_com_name"), QStringLiteral("COM4"));
    writeSetting(QStringLiteral("COMPortFrm_baud_index"), 9);
    COMPortFrm dialog;
    QCOMPARE(items(combo(&dialog, "cbCOM")), QStringList({"COM1", "COM3", "COM4 (not present)", "COM10"}));
    QCOMPARE(dialog.selectedPort(), 4);
    QCOMPARE(dialog.selectedBaud(), 9600);
    QCOMPARE(state.portNumber(), 4);
}

void TestLinePort::closingWithoutThePortKeepsTheLine()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    writeSetting(QStringLiteral("COMPortFrm_com_name"), QStringLiteral("COM33"));
    writeSetting(QStringLiteral("INV_ADDR"), QStringLiteral("1,2"));
    AddressTable &table = ProgramState::instance().addressTable();
    // The adapter unplugged: no port at all, then only another port.
    for (const QList<int> &present : {QList<int>{}, QList<int>{3}}) {
        linkOnlyPorts(dir, present);
        table.assign({1, 2});
        COMPortFrm dialog;
        dialog.show();
        QCOMPARE(combo(&dialog, "cbCOM")->currentText(), QStringLiteral("COM33 (not present)"));
        clickButton(&dialog, "btnOK");
        QCOMPARE(readSetting(QStringLiteral("COMPortFrm_com_name")).toString(), QStringLiteral("COM33"));
        QCOMPARE(readSetting(QStringLiteral("INV_ADDR")).toString(), QStringLiteral("1,2"));
        QCOMPARE(table.size(), 2);
        QCOMPARE(ProgramState::instance().portNumber(), 33);
    }
}

void TestLinePort::closingForgetsAddressesOnlyWhenTheChoiceChanged()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    linkOnlyPorts(dir, {2, 3});
    writeSetting(QStringLiteral("COMPortFrm_com_name"), QStringLiteral("COM3"));
    writeSetting(QStringLiteral("COMPortFrm_baud_index"), 3);
    writeSetting(QStringLiteral("INV_ADDR"), QStringLiteral("1,2"));
    AddressTable &table = ProgramState::instance().addressTable();
    table.assign({1, 2});

    COMPortFrm dialog;
    QComboBox *bauds = combo(&dialog, "cbBaudRate");
    dialog.show();
    clickButton(&dialog, "btnOK");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(table.size(), 2);
    QCOMPARE(readSetting(QStringLiteral("INV_ADDR")).toString(), QStringLiteral("1,2"));

    // Cancel and Escape put back what was shown and store nothing.
    for (bool escape : {false, true}) {
        dialog.show();
        bauds->setCurrentIndex(4);
        combo(&dialog, "cbCOM")->setCurrentIndex(0);
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            clickButton(&dialog, "btnCancel");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.selectedBaud(), 9600);
        QCOMPARE(dialog.selectedPort(), 3);
        QCOMPARE(readSetting(QStringLiteral("COMPortFrm_baud_index")).toInt(), 3);
        QCOMPARE(table.size(), 2);
    }

    // 9600 to 19200 alone is a new line: its inverters must be searched again.
    dialog.show();
    bauds->setCurrentIndex(4);
    dialog.close();
    QCOMPARE(readSetting(QStringLiteral("COMPortFrm_baud_index")).toInt(), 4);
    QCOMPARE(readSetting(QStringLiteral("COMPortFrm_com_name")).toString(), QStringLiteral("COM3"));
    QCOMPARE(readSetting(QStringLiteral("INV_ADDR")).toString(), QString());
    QVERIFY(table.isEmpty());
    QCOMPARE(ProgramState::instance().baudRate(), 19200);
}

void TestLinePort::passwordOpensOnlyForTheMasterText()
{
    TempAppDir dir;
    ScriptedPrompter prompter;
    linkOnlyPorts(dir, {1});

    QPassword guard(true);
    guard.show();
    enterPassword(&guard, QStringLiteral("53170483"));
    QVERIFY(guard.isVisible());
    QCOMPARE(prompter.messages().size(), 1);
    QCOMPARE(prompter.messages().at(0).title + prompter.messages().at(0).text,
             QStringLiteral("ErrorPassword is wrong"));
    enterPassword(&guard, QStringLiteral("53170482"));
    QVERIFY(!guard.isVisible());
    QCOMPARE(guard.result(), int(QDialog::Accepted));

    // The COM port dialog's instance opens the direct-command dialog instead.
    COMPortFrm dialog;
    auto *password = dialog.findChild<QPassword *>();
    QVERIFY(password && password->diagnostics());
    QTimer::singleShot(0, password, [password] { enterPassword(password, QStringLiteral("53170482")); });
    clickButton(&dialog, "btnDiagnostic");
    QVERIFY(!password->isVisible());
    QVERIFY(password->diagnostics()->isVisible());
    QCOMPARE(prompter.messages().size(), 1);
}

void TestLinePort::directCommandShowsFrameAndReplyAndFreesThePort()
{
    SimulatedLine line;
    QVERIFY(line.start(QJsonObject{
        {"inverters",
         QJsonArray{QJsonObject{{"address", 1}, {"serial", "LE1"}, {"registers", QJsonObject{{"1", 0x1234}}}}}}}));
    writeSetting(QStringLiteral("COMPortFrm_com_name"), QStringLiteral("COM7"));
    ScriptedPrompter prompter;
    COMPortFrm comPort;
    QDiagnostics *diagnostics = comPort.findChild<QPassword *>()->diagnostics();
    diagnostics->show();
    auto *output = diagnostics->findChild<QLineEdit *>(QStringLiteral("leOutput"));
    auto *response = diagnostics->findChild<QTextEdit *>(QStringLiteral("teResponse"));
    auto *slave = diagnostics->findChild<QLineEdit *>(QStringLiteral("leSlaveAddr"));
    CSerial &port = ProgramState::instance().sharedPort();

    const quint8 body[] = {0x01, 0x03, 0x02, 0x12, 0x34};
    const quint16 crc = crc16_modbus(body, int(sizeof body));
    const QString reply =
        QStringLiteral("0A 01 03 02 1234 %1 0D ").arg(QString::asprintf("%02X%02X", crc & 0xFF, crc >> 8));
    clickButton(diagnostics, "btnSend");
    QCOMPARE(output->text(), QStringLiteral("0A 01 03 0001 0001 D5ca 0D "));
    QCOMPARE(response->toPlainText(), reply);
    QVERIFY(port.is_closed());

    // Nobody at the address, and a reply that comes too late: an empty box, the
    // port free, and the late bytes never reach the next command.
    slave->setText(QStringLiteral("09"));
    clickButton(diagnostics, "btnSend");
    QCOMPARE(response->toPlainText(), QString());
    QVERIFY(port.is_closed());
    slave->setText(QStringLiteral("01"));
    line.sim.addFault(0, FaultSpec::make(FaultSpec::Type::Slow));
    clickButton(diagnostics, "btnSend");
    QCOMPARE(response->toPlainText(), QString());
    line.sim.setFaults(0, {});
    QTest::qWait(600);
    clickButton(diagnostics, "btnSend");
    QCOMPARE(response->toPlainText(), reply);
    QVERIFY(port.is_closed());
}
