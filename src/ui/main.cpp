// Entry point of the window program.

#include "app/startup.h"
#include "base/appsettings.h"
#include "base/programinfo.h"
#include "monitor/programstate.h"
#include "ui/cmain.h"
#include "ui/widgetprompter.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTranslator>

#include <cstdlib>
#include <memory>

int main(int argc, char *argv[])
{
    auto app = std::make_unique<QApplication>(argc, argv);
    ProgramState &state = ProgramState::instance();
    WidgetPrompter prompter;
    state.setPrompter(&prompter);

    auto settingsFile = std::make_unique<QSettings>(AppSettings::filePath(), QSettings::IniFormat);
    state.setSettings(settingsFile.get());
    AppSettings settings(*settingsFile);

    QTranslator translator;
    Startup::run(settings, prompter, translator);

    auto mainWindow = std::make_unique<CMain>();
    mainWindow->setTitle(
        QStringLiteral("%1 %2").arg(QLatin1String(ProgramInfo::kName), QLatin1String(ProgramInfo::kVersion)));
    mainWindow->setMinimumSize(800, 600);
    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    mainWindow->move(desktop.x() + desktop.width() / 2 - mainWindow->width() / 2,
                     desktop.y() + desktop.height() / 2 - mainWindow->height() / 2);
    mainWindow->show();
    prompter.setParentWidget(mainWindow.get());
    // The window cannot monitor yet: the check warns and tidies the address table only.
    Startup::runComPortCheck(settings, prompter, state.addressTable(), [] {});
    std::atexit(Startup::exitCleanup);

    const int result = app->exec();
    mainWindow.reset();
    state.setPrompter(nullptr);
    state.setSettings(nullptr);
    settingsFile.reset();
    app.reset();
    return result;
}
