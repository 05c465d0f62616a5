#include "monitor/programstate.h"

#include "base/consoleprompter.h"

ProgramState &ProgramState::instance()
{
    static ProgramState state;
    return state;
}

void ProgramState::reset()
{
    m_settings = nullptr;
    setLineSettings(0, 0);
    m_addressTable.clear();
    m_devices.clear();
    m_sharedPort.close();
    m_sharedPort.set_port_baud(1, 9600);
    m_sensors.clear();
    m_numberText.setDecimalComma(false);
    m_pollingThread.store(nullptr);
    m_prompter.store(nullptr);
    resetAlarmMailCounter();
}

void ProgramState::setLineSettings(int portNumber, int baudRate)
{
    m_portNumber.store(portNumber);
    m_baudRate.store(baudRate);
}

Prompter &ProgramState::prompter() const
{
    static ConsolePrompter console;
    Prompter *prompter = m_prompter.load();
    return prompter ? *prompter : console;
}
