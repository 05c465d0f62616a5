// Entry point of the window program.
//   lumora [--screenshots <directory> [--tour <name>]]
// --screenshots walks through the window once monitoring runs, saves a PNG at
// each stop of the tour (default "tabs") into the directory and exits.

#include "app/startup.h"
#include "base/appsettings.h"
#include "base/programinfo.h"
#include "db/historyfill.h"
#include "monitor/monitoringsession.h"
#include "monitor/programstate.h"
#include "ui/cmain.h"
#include "ui/monitorcontrol.h"
#include "ui/tour/screenshottour.h"
#include "ui/widgetprompter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTranslator>

#include <cstdlib>
#include <memory>

int main(int argc, char *argv[])
{
    auto app = std::make_unique<QApplication>(argc, argv);
    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         QStringLiteral("Save the tour's screenshots into <directory>, then exit."),
                                         QStringLiteral("directory"));
    const QCommandLineOption tourName(
        QStringLiteral("tour"),
        QStringLiteral("The screenshot tour: %1.").arg(ScreenshotTour::tourNames().join(QStringLiteral(", "))),
        QStringLiteral("name"), QStringLiteral("tabs"));
    options.addOptions({screenshots, tourName});
    options.process(*app);

    ProgramState &state = ProgramState::instance();
    WidgetPrompter prompter;
    state.setPrompter(&prompter);

    auto settingsFile = std::make_unique<QSettings>(AppSettings::filePath(), QSettings::IniFormat);
    state.setSettings(settingsFile.get());
    AppSettings settings(*settingsFile);

    QTranslator translator;
    Startup::run(settings, prompter, translator);

    // The polling thread, inside the monitoring session, exists before the window; it is not started here.
    auto session = std::make_unique<MonitoringSession>();
    auto mainWindow = std::make_unique<CMain>(nullptr, session.get());
    mainWindow->setTitle(
        QStringLiteral("%1 %2").arg(QLatin1String(ProgramInfo::kName), QLatin1String(ProgramInfo::kVersion)));
    mainWindow->setMinimumSize(800, 600);
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    mainWindow->move(desktop.x() + desktop.width() / 2 - mainWindow->width() / 2,
                     desktop.y() + desktop.height() / 2 - mainWindow->height() / 2);
    mainWindow->show();
    prompter.setParentWidget(mainWindow.get());
    // A database of an earlier installation gets its history summary behind the shown window.
    auto historyFill = std::make_unique<HistoryFill>();
    QObject::connect(historyFill.get(), &HistoryFill::progress, mainWindow.get(), &CMain::showHistoryFill);
    QObject::connect(historyFill.get(), &HistoryFill::ended, mainWindow->statusBar(), &QStatusBar::clearMessage);
    historyFill->startIfNeeded();

    std::unique_ptr<ScreenshotTour> tour;
    if (options.isSet(screenshots)) {
        tour = std::make_unique<ScreenshotTour>(*mainWindow, *session);
        if (!tour->prepare(options.value(tourName), options.value(screenshots)))
            return 2;
        QObject::connect(tour.get(), &ScreenshotTour::finished, app.get(), [&mainWindow](int exitCode) {
            mainWindow->monitorControl().shutDown();
            QCoreApplication::exit(exitCode);
        });
    }
    Startup::runComPortCheck(settings, prompter, state.addressTable(), [&mainWindow] { mainWindow->start_monitor(); });
    if (tour)
        tour->begin();
    std::atexit(Startup::exitCleanup);

    const int result = app->exec();
    historyFill.reset(); // after the chunk being counted; the next start goes on
    tour.reset();
    mainWindow.reset();
    session.reset();
    state.setPrompter(nullptr);
    state.setSettings(nullptr);
    settingsFile.reset();
    app.reset();
    return result;
}
