#include "app/startup.h"

#include "base/addresstable.h"
#include "base/appdir.h"
#include "base/appsettings.h"
#include "base/currencysymbols.h"
#include "base/languages.h"
#include "base/log.h"
#include "base/portlist.h"
#include "base/programinfo.h"
#include "base/prompter.h"
#include "db/database.h"
#include "device/devicetables.h"
#include "monitor/programstate.h"

#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

QString errorTitle()
{
    return Startup::tr("Error -- %1").arg(QLatin1String(ProgramInfo::kName));
}

// Copies a shipped database into place without ever replacing an existing file,
// and makes the copy writable even when the source was installed read-only.
bool restoreFrom(const QString &source, const QString &target)
{
    if (!QFileInfo::exists(source) || !QFile::copy(source, target))
        return false;
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner | QFile::ReadOwner);
    return true;
}

} // namespace

void Startup::run(AppSettings &settings, Prompter &prompter, Translators &translators)
{
    QCoreApplication::addLibraryPath(AppDir::file(QStringLiteral("plugins/")));
    oneTimeViewReset(settings);
    startNetwork();
    logVersion();
    checkDatabase(prompter);
    setupTranslation(settings, prompter, translators);
    buildStaticTables();
    // Seam: the program-wide polling thread is created here once monitoring exists.
    applyDecimalComma(settings);
}

void Startup::oneTimeViewReset(AppSettings &settings)
{
    const QString marker = AppDir::file(QStringLiteral("110"));
    if (QFileInfo::exists(marker))
        return;
    settings.setValue(Setting::ShowField, QString::fromLatin1(Setting::kResetShowField));
    settings.setValue(Setting::VIEW_SEQ, QString::fromLatin1(Setting::kResetViewSeq));
    settings.sync();
    QFile file(marker);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        write_log(QStringLiteral("[Error] can not create %1: %2").arg(marker, file.errorString()));
}

void Startup::logVersion()
{
    write_log(
        QStringLiteral("[VER] %1 %2").arg(QLatin1String(ProgramInfo::kName), QLatin1String(ProgramInfo::kVersion)));
}

bool Startup::checkDatabase(Prompter &prompter)
{
    const QString path = AppDir::file(QStringLiteral("lumora.db"));
    if (!QFileInfo::exists(path)) {
        write_log(QStringLiteral("[Error] db lost"));
        // The write-ahead log of the lost file would be replayed into the restored copy.
        for (const char *suffix : {"-wal", "-shm"})
            QFile::remove(path + QLatin1String(suffix));
        if (!restoreFrom(AppDir::file(QStringLiteral("bak/lumora.db")), path))
            restoreFrom(AppDir::file(QStringLiteral("cln/lumora.db")), path);
        if (!QFileInfo::exists(path)) {
            prompter.message(Prompter::Level::Critical, errorTitle(),
                             tr("Database is broken, please reinstall the application!"));
            return false;
        }
    }
    db_set_path(path);
    const int rc = db_open();
    // SQLite takes an empty file for an empty database; for the program it is a lost one.
    const bool empty = rc == 0 && QFileInfo(path).size() == 0;
    if (rc != 0 || empty) {
        prompter.message(Prompter::Level::Critical, errorTitle(),
                         tr("Database init fail, please reinstall the application!"));
        write_log(QStringLiteral("[ERROR] DB init error..."));
        write_log(
            QStringLiteral("[ERROR] %1: %2").arg(path, empty ? QStringLiteral("empty file") : db_result_text(rc)));
        return false;
    }
    return true;
}

int Startup::setupTranslation(AppSettings &settings, Prompter &prompter, Translators &translators)
{
    int language = settings.intValue(Setting::LANG, -1);
    if (Languages::code(language).isEmpty()) {
        language = prompter.chooseLanguage();
        if (Languages::code(language).isEmpty())
            language = 0;
        settings.setValue(Setting::LANG, language);
        settings.sync();
    }
    const QString file = AppDir::shippedFile(QStringLiteral("%1.qm").arg(Languages::code(language)));
    if (!QFileInfo::exists(file) || !translators.program.load(file))
        return language;
    QCoreApplication::installTranslator(&translators.program);
    // Debian ships Qt's translations in qttranslations5-l10n.
    if (translators.qt.load(QStringLiteral("qtbase_") + Languages::locale(language),
                            QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&translators.qt);
    return language;
}

void Startup::applyDecimalComma(const AppSettings &settings)
{
    ProgramState::instance().numberText().setDecimalComma(
        Languages::usesDecimalComma(settings.intValue(Setting::LANG, 0)));
}

void Startup::buildStaticTables()
{
    buildDeviceTables();
    currencySymbols();
    ProgramState::instance().setLineSettings(0, 0);
    ProgramState::instance().sensors().clear();
}

Startup::ComPortAction Startup::comPortDecision(const QStringList &ports, const QString &savedPort,
                                                bool addressTableEmpty)
{
    if (savedPort.isEmpty())
        return ComPortAction::None;
    if (ports.contains(savedPort) && !addressTableEmpty)
        return ComPortAction::StartMonitoring;
    return ComPortAction::ClearAddressTable;
}

void Startup::runComPortCheck(AppSettings &settings, Prompter &prompter, AddressTable &addresses,
                              const std::function<void()> &startMonitoring)
{
    const QStringList ports = PortList::enumerate();
    if (ports.isEmpty())
        prompter.message(Prompter::Level::Warning, tr("Error"), tr("No COM ports found in this computer!"));
    switch (comPortDecision(ports, settings.text(Setting::COMPortFrm_com_name), addresses.isEmpty())) {
    case ComPortAction::None:
        break;
    case ComPortAction::StartMonitoring:
        startMonitoring();
        break;
    case ComPortAction::ClearAddressTable:
        addresses.clear();
        break;
    }
}

void Startup::exitCleanup()
{
    // The built-in tables are immutable statics and go with the process; only
    // the network layer has something to stop, and on Linux it has nothing.
    stopNetwork();
}
