#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>
#include <functional>

class AddressTable;
class AppSettings;
class Prompter;

// The program's texts and Qt's own (standard buttons and dialogs) in the chosen language.
struct Translators
{
    QTranslator program; // <code>.qm of the application directory
    QTranslator qt;      // qtbase_<locale>.qm of Qt's translations
};

// The steps of the program's start-up that need no window. The entry points
// (the window program and the headless logger) run them in this order.
class Startup
{
    Q_DECLARE_TR_FUNCTIONS(Startup)

public:
    // The start-up steps between the settings object and the main window, in
    // their fixed order: plug-in path, one-time view reset, network, version
    // line, database check, translation, built-in tables, decimal comma.
    static void run(AppSettings &settings, Prompter &prompter, Translators &translators);

    // Writes ShowField and VIEW_SEQ once per installation: when the marker
    // file "110" is absent, then creates the marker.
    static void oneTimeViewReset(AppSettings &settings);

    // Winsock has no Linux counterpart: nothing to start, nothing to log.
    static void startNetwork() {}
    static void stopNetwork() {}

    // "[VER] Lumora Data Manager 1.1"
    static void logVersion();

    // Restores a missing lumora.db from bak/ or cln/ and opens it. False when the
    // program runs without a usable database; the user has been told then. A
    // database of an earlier installation gets its history summary afterwards,
    // in the background (HistoryFill).
    static bool checkDatabase(Prompter &prompter);

    // Asks for the language at the first start (LANG absent or not a language),
    // installs <code>.qm when it exists, and with it Qt's own texts in that language
    // where Qt has them. Returns the language index.
    static int setupTranslation(AppSettings &settings, Prompter &prompter, Translators &translators);

    // LANG read with default 0 decides the decimal-comma flag.
    static void applyDecimalComma(const AppSettings &settings);

    // Builds the built-in tables before any thread starts, and resets the line
    // settings and the sensor list.
    static void buildStaticTables();

    enum class ComPortAction { None, StartMonitoring, ClearAddressTable };
    // What the COM port check does for the ports found, the saved port name and the address table.
    static ComPortAction comPortDecision(const QStringList &ports, const QString &savedPort, bool addressTableEmpty);
    // The COM port check: warns when the computer has no serial port, then starts
    // monitoring or empties the address table as comPortDecision says.
    static void runComPortCheck(AppSettings &settings, Prompter &prompter, AddressTable &addresses,
                                const std::function<void()> &startMonitoring);

    // Registered with atexit: releases what the start-up built.
    static void exitCleanup();
};
