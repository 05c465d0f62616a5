// Entry point of the window program.

#include "app/startup.h"
#include "base/appsettings.h"
#include "monitor/programstate.h"
#include "ui/widgetprompter.h"

#include <QApplication>
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

    // Seam: the main window is created, titled, centred and shown here; the COM
    // port check then starts monitoring through its start command.
    QWidget *mainWindow = nullptr;
    prompter.setParentWidget(mainWindow);
    Startup::runComPortCheck(settings, prompter, state.addressTable(), [] {});
    std::atexit(Startup::exitCleanup);

    const int result = mainWindow ? app->exec() : 0;
    state.setPrompter(nullptr);
    state.setSettings(nullptr);
    settingsFile.reset();
    app.reset();
    return result;
}
