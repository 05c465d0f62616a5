#pragma once

#include <QCoreApplication>
#include <QString>

class CSerial;

// What the user is told when a port cannot be opened: a port that exists but
// may not be opened needs the user in the dialout group, which no other text
// would tell.
class PortRefusal
{
    Q_DECLARE_TR_FUNCTIONS(PortRefusal)

public:
    // The permission text when the last open of line was refused for lack of
    // permission, else otherwise.
    static QString text(const CSerial &line, int port, const QString &otherwise);
    static QString permissionText(int port);
};
