#pragma once

#include "monitor/mailencryption.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QMailThread;

// The alarm-mail account and recipients as the alarm configuration edits them
// and the database keeps them (mail_setting, mail_recipient).
class MailSettings
{
    Q_DECLARE_TR_FUNCTIONS(MailSettings)

public:
    QString account;
    QString password;
    QString port;   // as typed; stored as a number
    QString server; // a host name or an IP address
    QString sender;
    QStringList recipients;
    MailEncryption encryption = MailEncryption::None; // app.ini: MAIL_ENCRYPTION
    QString caFile; // app.ini: MAIL_CA_FILE (edited there only), from the application directory

    // From the database and app.ini; empty fields when nothing is stored.
    static MailSettings load();
    // MAIL_CA_FILE, a relative path taken from the application directory.
    static QString storedCaFile();

    // All five fields filled in.
    bool isComplete() const;
    // What alarm mails need: recipients, and account, password, server and sender filled in.
    bool canSendAlarms() const;
    // The server is an IP address or a well-formed host name.
    bool hasValidServer() const;
    // The port is a number from 1 to 65535; 0 otherwise.
    quint16 portNumber() const;

    // Stores the account and the recipients in place of the old ones, telling the
    // user how it went ("Apply"). False when the fields did not allow storing:
    // then nothing changed and the rest of the program need not hear of it.
    bool apply() const;

    // Gives a mail thread the account, server, port, sender and encryption.
    void prepare(QMailThread &thread) const;
};
