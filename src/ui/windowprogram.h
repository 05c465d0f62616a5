#pragma once

#include "app/startup.h"

#include <memory>

class CMain;
class HistoryFill;
class MonitoringSession;
class QSettings;
class WidgetPrompter;

// The window program from its start to its end, in a QApplication made before
// it: the start-up steps, the monitoring session with its polling thread (not
// started), the main window shown at the centre of the screen, and the order
// in which they go again. The program lumora and the screenshot tour run it.
class WindowProgram
{
public:
    WindowProgram();
    ~WindowProgram();
    WindowProgram(const WindowProgram &) = delete;
    WindowProgram &operator=(const WindowProgram &) = delete;

    CMain &window() { return *m_window; }
    MonitoringSession &session() { return *m_session; }
    // The history summary of a database of an earlier installation, made behind the shown window.
    HistoryFill &historyFill() { return *m_historyFill; }

    // The COM port check: monitoring starts at once when the saved port exists
    // and inverters are known.
    void checkComPort();

private:
    std::unique_ptr<WidgetPrompter> m_prompter;
    std::unique_ptr<QSettings> m_settings;
    Translators m_translators;
    std::unique_ptr<MonitoringSession> m_session;
    std::unique_ptr<CMain> m_window;
    std::unique_ptr<HistoryFill> m_historyFill;
};
