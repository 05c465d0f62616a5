#include "ui/windowprogram.h"

#include "app/startup.h"
#include "base/appdir.h"
#include "base/appsettings.h"
#include "base/programinfo.h"
#include "db/historyfill.h"
#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "ui/cmain.h"
#include "ui/widgetprompter.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include <cstdio>
#include <cstdlib>

// The application directory is chosen and seeded before the settings file in it is opened.
static QString preparedSettingsPath()
{
    const QString problem = AppDir::prepare();
    if (!problem.isEmpty())
        std::fprintf(stderr, "lumora: %s\n", qPrintable(problem));
    return AppSettings::filePath();
}

WindowProgram::WindowProgram()
    : m_prompter(std::make_unique<WidgetPrompter>())
    , m_settings(std::make_unique<QSettings>(preparedSettingsPath(), QSettings::IniFormat))
{
    ProgramState &state = ProgramState::instance();
    state.setPrompter(m_prompter.get());
    state.setSettings(m_settings.get());
    AppSettings settings(*m_settings);
    Startup::run(settings, *m_prompter, m_translators);
    std::atexit(Startup::exitCleanup);

    m_session = std::make_unique<MonitoringSession>();
    m_window = std::make_unique<CMain>(nullptr, m_session.get());
    m_window->setTitle(
        QStringLiteral("%1 %2").arg(QLatin1String(ProgramInfo::kName), QLatin1String(ProgramInfo::kVersion)));
    m_window->setMinimumSize(800, 600);
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    m_window->move(desktop.x() + desktop.width() / 2 - m_window->width() / 2,
                   desktop.y() + desktop.height() / 2 - m_window->height() / 2);
    m_window->show();
    m_prompter->setParentWidget(m_window.get());

    // A database of an earlier installation gets its history summary behind the shown window.
    m_historyFill = std::make_unique<HistoryFill>();
    QObject::connect(m_historyFill.get(), &HistoryFill::progress, m_window.get(), &CMain::showHistoryFill);
    QObject::connect(m_historyFill.get(), &HistoryFill::ended, m_window->statusBar(), &QStatusBar::clearMessage);
    m_historyFill->startIfNeeded();
}

WindowProgram::~WindowProgram()
{
    // The fill stops after the chunk being counted (the next start goes on); the
    // window detaches from the session, the session ends its polling thread.
    m_historyFill.reset();
    m_window.reset();
    m_session.reset();
    ProgramState &state = ProgramState::instance();
    state.setPrompter(nullptr);
    state.setSettings(nullptr);
}

void WindowProgram::checkComPort()
{
    AppSettings settings(*m_settings);
    Startup::runComPortCheck(settings, *m_prompter, ProgramState::instance().addressTable(),
                             [this] { m_window->start_monitor(); });
}
