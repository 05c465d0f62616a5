#include "tst_startup.h"

#include "app/startup.h"
#include "base/addresstable.h"
#include "base/appsettings.h"
#include "db/database.h"
#include "monitor/programstate.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"

#include <QProcess>
#include <QtTest>

namespace {

// Runs the window-less start-up on a fresh settings object, as a new process would.
void startOnce(ScriptedPrompter &prompter)
{
    QSettings file(AppSettings::filePath(), QSettings::IniFormat);
    AppSettings settings(file);
    Translators translators;
    Startup::run(settings, prompter, translators);
    db_close();
}

QString logText(const TempAppDir &dir)
{
    return QString::fromUtf8(dir.read(QStringLiteral("log.txt")));
}

} // namespace

void TestStartup::firstStartThenLaterStart()
{
    TempAppDir dir;
    dir.installCleanDatabase(false);
    ScriptedPrompter prompter;
    prompter.setLanguage(5);

    startOnce(prompter);
    QCOMPARE(prompter.languageRequests(), 1);
    QVERIFY(QFileInfo::exists(dir.file(QStringLiteral("110"))));
    QCOMPARE(QFileInfo(dir.file(QStringLiteral("110"))).size(), 0);
    QVERIFY(QFileInfo::exists(dir.file(QStringLiteral("lumora.db"))));
    QVERIFY(logText(dir).contains(QStringLiteral("]- [VER] Lumora Data Manager 1.1\n")));
    {
        AppSettings settings;
        QCOMPARE(settings.intValue(Setting::LANG), 5);
        QCOMPARE(settings.text(Setting::ShowField), QStringLiteral("0,1,2,3,4,5,6,7"));
        QCOMPARE(settings.text(Setting::VIEW_SEQ), QStringLiteral("0,7,1,8,2,3,9,10,6,13,20,27"));
        settings.setValue(Setting::ShowField, QStringLiteral("0,9,10"));
    }
    QVERIFY(ProgramState::instance().numberText().decimalComma()); // German

    startOnce(prompter);
    QCOMPARE(prompter.languageRequests(), 1);
    AppSettings settings;
    QCOMPARE(settings.text(Setting::ShowField), QStringLiteral("0,9,10"));
    QVERIFY(prompter.messages().isEmpty());

    // Deleting the marker repeats the view reset once.
    QFile::remove(dir.file(QStringLiteral("110")));
    startOnce(prompter);
    QCOMPARE(AppSettings().text(Setting::ShowField), QStringLiteral("0,1,2,3,4,5,6,7"));
}

void TestStartup::badSettingsFiles()
{
    for (const QByteArray language : {"abc", "42"}) {
        // A language that is not a language index counts as never chosen; the user is asked.
        TempAppDir dir;
        dir.installCleanDatabase();
        dir.write(QStringLiteral("app.ini"), "[General]\nLANG=" + language + "\nsbSaveInterval=ten\nINV_ADDR=1,2\n");
        ScriptedPrompter prompter;
        prompter.setLanguage(2);
        startOnce(prompter);
        QCOMPARE(prompter.languageRequests(), 1);
        AppSettings settings;
        QCOMPARE(settings.intValue(Setting::LANG), 2);
        QCOMPARE(settings.intValue(Setting::sbSaveInterval), 0);
        QCOMPARE(settings.text(Setting::INV_ADDR), QStringLiteral("1,2"));
    }
    {
        // app.ini that cannot be read at all: the program still starts.
        TempAppDir dir;
        dir.installCleanDatabase();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("app.ini")));
        ScriptedPrompter prompter;
        startOnce(prompter);
        QCOMPARE(prompter.languageRequests(), 1);
        QVERIFY(QFileInfo(dir.file(QStringLiteral("app.ini"))).isDir());
        QVERIFY(logText(dir).contains(QStringLiteral("[VER]")));
    }
}

void TestStartup::translationAndDecimalComma_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("comma");
    QTest::newRow("French") << 4 << "fr.qm" << true;
    QTest::newRow("Simplified Chinese") << 6 << "cn.qm" << false;
    QTest::newRow("Italian") << 1 << "it.qm" << true;
    QTest::newRow("English") << 0 << "en.qm" << false;
}

void TestStartup::translationAndDecimalComma()
{
    QFETCH(int, language);
    QFETCH(QString, file);
    QFETCH(bool, comma);

    TempAppDir dir;
    dir.installCleanDatabase();
    // A one-message translation, compiled with the real lrelease.
    dir.write(QStringLiteral("t.ts"), "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\">"
                                      "<context><name>Startup</name><message><source>Error</source>"
                                      "<translation>Translated</translation></message></context></TS>");
    const int rc =
        QProcess::execute(QStringLiteral(LUMORA_LRELEASE), {QStringLiteral("-silent"), dir.file(QStringLiteral("t.ts")),
                                                            QStringLiteral("-qm"), dir.file(file)});
    QCOMPARE(rc, 0);
    {
        AppSettings settings;
        settings.setValue(Setting::LANG, language);
    }
    ScriptedPrompter prompter;
    QSettings ini(AppSettings::filePath(), QSettings::IniFormat);
    AppSettings settings(ini);
    Translators translators;
    Startup::run(settings, prompter, translators);
    QCOMPARE(prompter.languageRequests(), 0);
    QCOMPARE(ProgramState::instance().numberText().decimalComma(), comma);
    QCOMPARE(Startup::tr("Error"), QStringLiteral("Translated"));
    // Qt's own texts follow, from Qt's translations.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"), language != 0);
    QCoreApplication::removeTranslator(&translators.program);
    QCOMPARE(Startup::tr("Error"), QStringLiteral("Error"));
}

void TestStartup::databaseRestore()
{
    {
        // Backup first: its rows come back.
        TempAppDir dir;
        dir.installCleanDatabase(false);
        QDir(dir.path()).mkpath(QStringLiteral("bak"));
        QFile::copy(dir.file(QStringLiteral("cln/lumora.db")), dir.file(QStringLiteral("bak/lumora.db")));
        {
            db_set_path(dir.file(QStringLiteral("bak/lumora.db")));
            QCOMPARE(db_open(), 0);
            QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_group (name) VALUES ('backup')")), 0);
            db_close();
        }
        // Installed read-only, as a package would: the restored copy must still be writable.
        QFile::setPermissions(dir.file(QStringLiteral("bak/lumora.db")), QFile::ReadOwner);
        ScriptedPrompter prompter;
        QVERIFY(Startup::checkDatabase(prompter));
        QVERIFY(QFileInfo(dir.file(QStringLiteral("lumora.db"))).permissions() & QFile::WriteOwner);
        QCOMPARE(db_query(QStringLiteral("SELECT name FROM orva_group")).value(0).value(QStringLiteral("name")),
                 QStringLiteral("backup"));
        QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_group (name) VALUES ('new')")), 0);
        QVERIFY(logText(dir).contains(QStringLiteral("]- [Error] db lost\n")));
        QVERIFY(prompter.messages().isEmpty());
    }
    {
        // No backup: the clean copy, untouched by the write-ahead log the lost file left behind.
        TempAppDir dir;
        dir.openDatabase();
        QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_group (name) VALUES ('lost')")), 0);
        const QByteArray wal = dir.read(QStringLiteral("lumora.db-wal"));
        QVERIFY(!wal.isEmpty());
        db_close();
        QFile::remove(dir.file(QStringLiteral("lumora.db")));
        dir.write(QStringLiteral("lumora.db-wal"), wal);
        ScriptedPrompter prompter;
        QVERIFY(Startup::checkDatabase(prompter));
        QCOMPARE(db_query(QStringLiteral("SELECT * FROM orva_group")).size(), 0);
        QCOMPARE(db_query(QStringLiteral("PRAGMA integrity_check")).value(0).value(QStringLiteral("integrity_check")),
                 QStringLiteral("ok"));
    }
    {
        // Neither: the user is told, statements do nothing and log nothing.
        TempAppDir dir;
        ScriptedPrompter prompter;
        QVERIFY(!Startup::checkDatabase(prompter));
        QCOMPARE(prompter.messages().size(), 1);
        QCOMPARE(prompter.messages()[0].title, QStringLiteral("Error -- Lumora Data Manager"));
        QCOMPARE(prompter.messages()[0].text, QStringLiteral("Database is broken, please reinstall the application!"));
        QCOMPARE(db_exec(QStringLiteral("INSERT INTO orva_group (name) VALUES ('x')")), 0);
        QVERIFY(db_query(QStringLiteral("SELECT * FROM orva_group")).isEmpty());
        QVERIFY(!logText(dir).contains(QStringLiteral("sql:")));
    }
}

void TestStartup::brokenDatabaseIsReportedAndKept()
{
    QByteArray garbage("this is not a database, but the user's file");
    garbage.append(QByteArray(5000, '\x5a'));
    const QByteArray truncated = [] {
        QFile clean(QStringLiteral(LUMORA_APP_DIR "/cln/lumora.db"));
        clean.open(QIODevice::ReadOnly);
        return clean.readAll().left(700);
    }();
    for (const QByteArray &contents : {garbage, truncated, QByteArray()}) {
        TempAppDir dir;
        dir.installCleanDatabase(false);
        dir.write(QStringLiteral("lumora.db"), contents);
        ScriptedPrompter prompter;
        QVERIFY(!Startup::checkDatabase(prompter));
        QCOMPARE(prompter.messages().size(), 1);
        QCOMPARE(prompter.messages()[0].text, QStringLiteral("Database init fail, please reinstall the application!"));
        QVERIFY(logText(dir).contains(QStringLiteral("]- [ERROR] DB init error...\n")));
        db_close();
        QCOMPARE(dir.read(QStringLiteral("lumora.db")), contents);
    }
}

void TestStartup::comPortDecision_data()
{
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("tableEmpty");
    QTest::addColumn<int>("action");
    using A = Startup::ComPortAction;
    QTest::newRow("saved port missing") << QStringList{"COM1"} << "COM4" << false << int(A::ClearAddressTable);
    QTest::newRow("nothing saved") << QStringList{"COM1"} << "" << false << int(A::None);
    QTest::newRow("present, inverters known")
        << QStringList{"COM1", "COM4"} << "COM4" << false << int(A::StartMonitoring);
    QTest::newRow("present, no inverters") << QStringList{"COM4"} << "COM4" << true << int(A::ClearAddressTable);
    QTest::newRow("no ports at all") << QStringList{} << "COM4" << false << int(A::ClearAddressTable);
}

void TestStartup::comPortDecision()
{
    QFETCH(QStringList, ports);
    QFETCH(QString, saved);
    QFETCH(bool, tableEmpty);
    QFETCH(int, action);
    QCOMPARE(int(Startup::comPortDecision(ports, saved, tableEmpty)), action);
}

void TestStartup::comPortCheckStartsMonitoring()
{
    TempAppDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("ports"));
    QVERIFY(QFile::link(QStringLiteral("/dev/null"), dir.file(QStringLiteral("ports/COM4"))));
    ScriptedPrompter prompter;
    AppSettings settings;
    AddressTable addresses;
    addresses.insertFromText(QStringLiteral("3,5"));
    int starts = 0;

    settings.setValue(Setting::COMPortFrm_com_name, QStringLiteral("COM4"));
    Startup::runComPortCheck(settings, prompter, addresses, [&] { ++starts; });
    QCOMPARE(starts, 1);
    QCOMPARE(addresses.size(), 2);

    settings.setValue(Setting::COMPortFrm_com_name, QStringLiteral("COM250"));
    Startup::runComPortCheck(settings, prompter, addresses, [&] { ++starts; });
    QCOMPARE(starts, 1);
    QVERIFY(addresses.isEmpty());
    QVERIFY(prompter.messages().isEmpty()); // COM4 exists, so no warning
}
