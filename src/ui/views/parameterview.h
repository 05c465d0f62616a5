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
class LineLender;
class NumberText;
class Prompter;
class QProgressWin;
class QTableWidgetItem;

// The "Parameter configuration for devices" page: the setting parameters of
// the selected inverter, read from its device-information block, and the
// change of one of them. A change is written on the port while the line is
// borrowed from monitoring (polling waits between cycles, an automatic search
// waits for the line's return), with the progress window over the window
// meanwhile. Every save ends there: the progress window closes, Save comes
// back, and a value not written is reported.
class ParameterView : public QWidget
{
    Q_OBJECT

public:
    ParameterView(QProgressWin *progress, LineLender &lender, CSerial &port, Prompter &prompter,
                  const NumberText &numbers, QWidget *parent = nullptr);
    ~ParameterView() override;

    // The inverter whose parameters the page shows, with no row picked; 0 for none (the rows are emptied).
    void setInverter(int address);

    // Fills the table for the selected inverter (display_device_parameter).
    void display();
    // Prepares the new value and the range of a clicked row (device_parameter_click).
    void itemClick(QTableWidgetItem *item);
    // Checks the entered value and writes it on the borrowed line (save_device_parameter).
    void save();
    // Takes a polling cycle's records and shows the values just read (not while saving).
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
    // Writes the value to the inverter of the page's last cycle; true when it took it.
    bool write(const PendingWrite &pending);
    void showWritten(const PendingWrite &pending);
    void endSave();

    std::unique_ptr<Ui::ParameterView> m_ui;
    QProgressWin *m_progress;
    LineLender &m_lender;
    CSerial &m_port;
    Prompter &m_prompter;
    const NumberText &m_numbers;
    DeviceSnapshot m_devices;
    int m_address = 0;
    // What the rows show: the item set of the inverter's family and type_no.
    ParamItemSet m_items;
    DeviceFamily m_family = DeviceFamily::EUR;
    bool m_saving = false;
};
