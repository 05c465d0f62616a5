#pragma once

#include "base/addresstable.h"
#include "base/numbertext.h"
#include "device/devicemap.h"
#include "link/cserial.h"
#include "link/sensorlist.h"

#include <atomic>

class QSettings;
class QPollingThread;
class Prompter;

// The program-wide mutable state, gathered in one place. Built-in tables are
// not here: they are immutable and live with their own code.
class ProgramState
{
public:
    static ProgramState &instance();

    // Back to the state of a fresh process (tests).
    void reset();

    // The settings object of the start-up code (app.ini), or nullptr.
    QSettings *settings() const { return m_settings; }
    void setSettings(QSettings *settings) { m_settings = settings; }

    // Line settings: baud rate in bits per second and COM port number.
    int baudRate() const { return m_baudRate.load(); }
    int portNumber() const { return m_portNumber.load(); }
    void setLineSettings(int portNumber, int baudRate);

    AddressTable &addressTable() { return m_addressTable; }

    // The device records of the polling thread and their published copy.
    DeviceMap &devices() { return m_devices; }

    // The one serial port through which every user of the line opens, exchanges and closes.
    CSerial &sharedPort() { return m_sharedPort; }

    // The configured Modbus sensors with their latest values.
    SensorList &sensors() { return m_sensors; }

    // Number texts, with the decimal comma of the language when it has one.
    NumberText &numberText() { return m_numberText; }

    // The program-wide polling thread, or nullptr before start-up made it.
    QPollingThread *pollingThread() const { return m_pollingThread.load(); }
    void setPollingThread(QPollingThread *thread) { m_pollingThread.store(thread); }

    // Who answers the program's questions; a console prompter until the window installs its own.
    Prompter &prompter() const;
    void setPrompter(Prompter *prompter) { m_prompter.store(prompter); }

    // Alarm-mail counter: alarm and test mails that could not connect or got no
    // reply. Alarm mails are tried only while it is below the limit; it goes
    // back to 0 when the mail settings are found complete or change.
    static constexpr int kAlarmMailLimit = 3;
    int alarmMailCounter() const { return m_alarmMailCounter.load(); }
    bool alarmMailBelowLimit() const { return alarmMailCounter() < kAlarmMailLimit; }
    void countAlarmMailFailure() { ++m_alarmMailCounter; }
    void resetAlarmMailCounter() { m_alarmMailCounter.store(0); }

private:
    ProgramState() = default;

    QSettings *m_settings = nullptr;
    std::atomic<int> m_baudRate{0};
    std::atomic<int> m_portNumber{0};
    AddressTable m_addressTable;
    DeviceMap m_devices;
    CSerial m_sharedPort;
    SensorList m_sensors;
    NumberText m_numberText;
    std::atomic<QPollingThread *> m_pollingThread{nullptr};
    std::atomic<Prompter *> m_prompter{nullptr};
    std::atomic<int> m_alarmMailCounter{0};
};
