#include "ui/dialogs/qsensorsettings.h"

#include "base/portlist.h"
#include "base/prompter.h"
#include "link/cserial.h"
#include "link/sensorlist.h"
#include "monitor/portrefusal.h"
#include "monitor/programstate.h"
#include "monitor/sensorsettings.h"
#include "ui/dialogs/dialogplacement.h"
#include "ui/dialogs/linechoice.h"
#include "ui/dialogs/lineexchange.h"
#include "ui_qsensorsettings.h"

#include <QShowEvent>

namespace {

constexpr int kWriteTimeoutMs = 200;
constexpr int kReplyLimit = 510;
constexpr int kReadTimeoutMs = 500;
constexpr int kFieldCount = 5; // slave, start high, start low, registers high, registers low

QString hexByte(char byte)
{
    return QString::asprintf("%02X", quint8(byte));
}

} // namespace

QSensorSettings::QSensorSettings(ProgramState &state, QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::QSensorSettingsClass)
    , m_program(state)
{
    m_ui->setupUi(this);
    m_ui->tableSensors->horizontalHeader()->setStretchLastSection(true);
}

QSensorSettings::~QSensorSettings() = default;

void QSensorSettings::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        centreOverParent(this);
        setValueStepsEnabled(false);
        m_ui->leHeader->clear();
        m_ui->leUnit->clear();
        m_ui->sbFactor->setValue(0.0);
        m_ui->leSlaveAddr->setText(QStringLiteral("00"));
        m_ui->leStartHi->setText(QStringLiteral("00"));
        m_ui->leStartLo->setText(QStringLiteral("01"));
        m_operator.clear();
        m_factor = 0.0;
        const int port = m_program.portNumber();
        const bool present = PortList::enumerate().contains(PortList::portName(port));
        m_ui->lblLine->setText(
            port > 0 ? tr("Line: %1, %2 baud").arg(LineChoice::portLabel(port, present)).arg(m_program.baudRate())
                     : tr("Line: no port set"));
        loadSavedSensors();
    }
    QDialog::showEvent(event);
}

quint8 QSensorSettings::hexField(int index) const
{
    const QLineEdit *const fields[kFieldCount] = {m_ui->leSlaveAddr, m_ui->leStartHi, m_ui->leStartLo, m_ui->leCountHi,
                                                  m_ui->leCountLo};
    return quint8(fields[index]->text().toUInt(nullptr, 16));
}

SensorDefinition QSensorSettings::definition() const
{
    SensorDefinition sensor;
    sensor.request = {m_slave, 0x03, quint8(m_startRegister >> 8), quint8(m_startRegister), 0, 1};
    sensor.op = m_operator;
    sensor.factor = m_factor;
    sensor.crcHighFirst = m_ui->cbCRCHighFirst->isChecked();
    sensor.lowByteFirst = m_ui->cbLoByteFirst->isChecked();
    return sensor;
}

void QSensorSettings::on_btnQuery_clicked()
{
    m_ui->btnQuery->setEnabled(false);
    // A new query voids what the last one allowed.
    setValueStepsEnabled(false);
    for (QLineEdit *field : {m_ui->leRespSlave, m_ui->leRespFunction, m_ui->leRespCount, m_ui->leRegHex, m_ui->leRegDec,
                             m_ui->leOperand, m_ui->leResult})
        field->clear();
    QCoreApplication::processEvents();

    SensorDefinition query;
    query.request = {hexField(0), 0x03, hexField(1), hexField(2), hexField(3), hexField(4)};
    query.crcHighFirst = m_ui->cbCRCHighFirst->isChecked();
    m_slave = query.request[0];
    m_startRegister = quint16(query.request[2] << 8 | query.request[3]);
    quint8 request[SensorList::kRequestSize];
    SensorList::buildRequest(query, request);

    LineExchange::Request exchange;
    exchange.line = {m_program.portNumber(), m_program.baudRate()};
    exchange.bytes = QByteArray(reinterpret_cast<const char *>(request), SensorList::kRequestSize);
    exchange.writeTimeoutMs = kWriteTimeoutMs;
    exchange.replyLimit = kReplyLimit;
    exchange.readTimeoutMs = kReadTimeoutMs;
    CSerial &port = m_program.sharedPort();
    const LineExchange::Result result = LineExchange::run(port, exchange);
    if (result.opened)
        showReply(result.reply);
    else if (port.openDenied())
        m_program.prompter().message(Prompter::Level::Warning, tr("Error"),
                                     PortRefusal::permissionText(exchange.line.port));
    m_ui->btnQuery->setEnabled(true);
}

void QSensorSettings::showReply(const QByteArray &reply)
{
    if (reply.size() < SensorList::kReplySize) {
        m_program.prompter().message(Prompter::Level::Warning, tr("No response"), tr("No response"));
        return;
    }
    m_ui->leRespSlave->setText(hexByte(reply[0]));
    m_ui->leRespFunction->setText(hexByte(reply[1]));
    m_ui->leRespCount->setText(hexByte(reply[2]));
    QString values;
    for (int i = 3; i <= reply.size() - 3; ++i)
        values += hexByte(reply[i]) + QLatin1Char(' ');
    m_ui->leRegHex->setText(values);
    // Only a reply of exactly one register makes a sensor.
    if (reply.size() != SensorList::kReplySize)
        return;
    m_value[0] = quint8(reply[3]);
    m_value[1] = quint8(reply[4]);
    showRegisterValue();
    setValueStepsEnabled(true);
}

void QSensorSettings::showRegisterValue()
{
    const bool lowFirst = m_ui->cbLoByteFirst->isChecked();
    const quint16 raw = lowFirst ? quint16(m_value[1] << 8 | m_value[0]) : quint16(m_value[0] << 8 | m_value[1]);
    m_ui->leRegDec->setText(QString::number(raw));
    m_ui->leOperand->setText(QString::number(raw));
}

void QSensorSettings::setValueStepsEnabled(bool enabled)
{
    m_ui->cbLoByteFirst->setEnabled(enabled);
    m_ui->btnOperate->setEnabled(enabled);
    m_ui->btnSave->setEnabled(enabled);
}

void QSensorSettings::on_cbLoByteFirst_clicked()
{
    m_ui->lblRegHex->setText(m_ui->cbLoByteFirst->isChecked() ? tr("Register Value(HEX: Lo-Hi)")
                                                              : tr("Register Value(HEX: Hi-Lo)"));
    showRegisterValue();
}

void QSensorSettings::on_btnOperate_clicked()
{
    m_operator = m_ui->cbOperator->currentText();
    m_factor = m_ui->sbFactor->value();
    // The same rule as the polling's: a factor of 0 counts as 1.
    const quint8 reply[SensorList::kReplySize] = {0, 0, 0, m_value[0], m_value[1], 0, 0};
    double value = 0.0;
    SensorList::replyValue(definition(), reply, SensorList::kReplySize, value);
    m_ui->leResult->setText(QString::number(value, 'g', 6));
}

void QSensorSettings::on_btnHelpCRC_clicked()
{
    m_program.prompter().message(
        Prompter::Level::Information, tr("Append CRC..."),
        tr("Although Modbus protocol defines the CRC part of RTU to low byte first, High byte after, "
           "but some devices require Modbus RTU messages that appends CRC high byte first. If so, "
           "please check this to enable this kind of behavior."));
}

void QSensorSettings::on_cbUnitList_activated(int index)
{
    const QString unit = m_ui->cbUnitList->itemText(index);
    if (unit != QLatin1String("..."))
        m_ui->leUnit->setText(unit);
}

void QSensorSettings::on_btnSave_clicked()
{
    for (QLineEdit *field : {m_ui->leHeader, m_ui->leUnit}) {
        if (field->text().isEmpty()) {
            m_program.prompter().message(Prompter::Level::Warning, tr("Error"),
                                         field == m_ui->leHeader ? tr("Please input the header field.")
                                                                 : tr("Please input the unit field."));
            field->setFocus();
            return;
        }
    }
    SensorDefinition sensor = definition();
    sensor.header = m_ui->leHeader->text();
    sensor.unit = m_ui->leUnit->text();
    if (!addSensorSetting(sensor)) {
        m_program.prompter().message(Prompter::Level::Warning, tr("Error"), tr("Can not add new record."));
        return;
    }
    m_program.prompter().message(Prompter::Level::Information, tr("Info"), tr("Save OK"));
    loadSavedSensors();
    emit sensor_update();
    m_ui->btnSave->setEnabled(false);
}

void QSensorSettings::on_btnClose_clicked()
{
    close();
}

void QSensorSettings::on_btnCloseView_clicked()
{
    close();
}

void QSensorSettings::on_btnDel_clicked()
{
    const int row = m_ui->tableSensors->currentRow();
    if (row < 0 || !m_ui->tableSensors->selectionModel()->hasSelection())
        return;
    if (deleteSensorSetting(m_savedIds.at(row))) {
        m_ui->tableSensors->removeRow(row);
        m_savedIds.removeAt(row);
    }
    m_ui->btnQuery->setEnabled(true);
    emit sensor_update();
}

void QSensorSettings::loadSavedSensors()
{
    const QList<SensorDefinition> sensors = readSensorSettings();
    QTableWidget *table = m_ui->tableSensors;
    table->setRowCount(0);
    m_savedIds.clear();
    for (const SensorDefinition &sensor : sensors) {
        const auto &request = sensor.request;
        const QStringList cells = {QString::number(request[0]),
                                   QStringLiteral("03"),
                                   QString::number(request[2]),
                                   QString::number(request[3]),
                                   QString::number(request[4]),
                                   QString::number(request[5]),
                                   sensor.op,
                                   QString::number(sensor.factor),
                                   sensor.header,
                                   sensor.unit};
        const int row = table->rowCount();
        table->insertRow(row);
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
        m_savedIds << sensor.id;
    }
    table->resizeColumnsToContents();
}
