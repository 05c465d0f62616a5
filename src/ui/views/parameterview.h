#pragma once

#include "device/devicefamily.h"
#include "device/devicemap.h"
#include "device/eepromset.h"

#include <QWidget>
#include <memory>
#include <optional>

namespace Ui {
class ParameterView;
}
class CSerial;
class MonitoringSession;
class NumberText;
class Prompter;
class QProgressWin;
class QTableWidgetItem;

// The "Parameter configuration for devices" page: the setting parameters of
// the selected inverter, read from its device-information block, and the
// change of one of them. A change is written on the port while the session's
// polling thread waits between cycles, with the progress window over the
// window meanwhile.
class ParameterView : public QWidget
{
    Q_OBJECT

public:
    ParameterView(QProgressWin *progress, MonitoringSession &session, CSerial &port, Prompter &prompter,
                  const NumberText &numbers, QWidget *parent = nullptr);
    ~ParameterView() override;

    // The inverter whose parameters the page shows, with no row picked; 0 for none (the rows are emptied).
    void setInverter(int address);

    // Fills the table for the selected inverter (display_device_parameter).
    void display();
    // Prepares the new value and the range of a clicked row (device_parameter_click).
    void itemClick(QTableWidgetItem *item);
    // Checks the entered value and asks the polling thread to wait (save_device_parameter).
    void save();
    // Writes the value while the polling thread waits, then lets it go (wait_mode_handler).
    void waitModeHandler();
    // Takes a polling cycle's records: ends a finished save and shows the values just read.
    void refresh(const DeviceSnapshot &devices);

private:
    struct PendingWrite
    {
        int address = 0;
        int row = 0;
        int index = 0;
        double value = 0;
        quint16 word = 0;
        QString unit;
    };

    std::optional<DeviceRecord> device(int address) const;
    void showValues();
    void invalidValue();
    // Writes the pending value; true when the inverter took it.
    bool writePending(const PendingWrite &pending);
    void showWritten(const PendingWrite &pending);
    // Releases the polling thread and closes the progress window at once.
    void abandonSave();
    void endSave();

    std::unique_ptr<Ui::ParameterView> m_ui;
    QProgressWin *m_progress;
    MonitoringSession &m_session;
    CSerial &m_port;
    Prompter &m_prompter;
    const NumberText &m_numbers;
    DeviceSnapshot m_devices;
    int m_address = 0;
    // What the rows show: the item set of the inverter's family and type_no.
    ParamItemSet m_items;
    DeviceFamily m_family = DeviceFamily::EUR;
    std::optional<PendingWrite> m_pending;
    bool m_saving = false;
};
