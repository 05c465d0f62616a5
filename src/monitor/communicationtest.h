#pragma once

#include <QCoreApplication>
#include <functional>

class Prompter;

// The test before monitoring starts: every inverter of the address table is
// asked for one register; those that give no valid reply leave the table.
class CommunicationTest
{
    Q_DECLARE_TR_FUNCTIONS(CommunicationTest)

public:
    // False when the port cannot be opened or no inverter answered; the user has
    // been told then. progress runs before each inverter (the window keeps its
    // events flowing there).
    static bool run(Prompter &prompter, const std::function<void()> &progress = {});
};
