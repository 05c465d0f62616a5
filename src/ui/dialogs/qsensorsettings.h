#pragma once

#include <QDialog>
#include <QList>
#include <QtGlobal>
#include <memory>

namespace Ui {
class QSensorSettingsClass;
}
class ProgramState;
class QByteArray;
struct SensorDefinition;

// Defines the Modbus sensors on the inverter line, step by step: query one
// register of the sensor, choose the byte order, try an operator with a
// factor, and save the definition with a header and a unit. Used while
// monitoring is stopped: the query takes the shared port for itself.
class QSensorSettings : public QDialog
{
    Q_OBJECT

public:
    // The state gives the line settings, the shared port and the prompter.
    explicit QSensorSettings(ProgramState &state, QWidget *parent = nullptr);
    ~QSensorSettings() override;

signals:
    void sensor_update();

public slots:
    void on_btnQuery_clicked();
    void on_btnHelpCRC_clicked();
    void on_btnOperate_clicked();
    void on_btnSave_clicked();
    void on_btnClose_clicked();
    void on_btnCloseView_clicked();
    void on_btnDel_clicked();
    void on_cbUnitList_activated(int index);
    void on_cbLoByteFirst_clicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    quint8 hexField(int index) const;
    // The definition the steps so far make: request, byte orders, operator and factor.
    SensorDefinition definition() const;
    void showReply(const QByteArray &reply);
    void showRegisterValue();
    void setValueStepsEnabled(bool enabled);
    void loadSavedSensors();

    std::unique_ptr<Ui::QSensorSettingsClass> m_ui;
    ProgramState &m_program;
    // The request of the last query and the two value bytes of its reply.
    quint8 m_slave = 0;
    quint16 m_startRegister = 0;
    quint8 m_value[2] = {};
    // The operator and factor of the last Operate step.
    QString m_operator;
    double m_factor = 0.0;
    QList<int> m_savedIds; // the sensor_setting id of each table row
};
