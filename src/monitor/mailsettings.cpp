#include "monitor/mailsettings.h"

#include "base/prompter.h"
#include "db/database.h"
#include "monitor/programstate.h"
#include "monitor/qmailthread.h"

#include <QRegularExpression>

MailSettings MailSettings::load()
{
    MailSettings settings;
    const DbRows rows = db_query(QStringLiteral("select * from mail_setting"));
    if (!rows.isEmpty()) {
        const DbRow &row = rows.first();
        settings.account = row.value(QStringLiteral("account"));
        settings.password = row.value(QStringLiteral("password"));
        settings.port = row.value(QStringLiteral("port"));
        settings.server = row.value(QStringLiteral("mail_server"));
        settings.sender = row.value(QStringLiteral("sender_mail"));
    }
    for (const DbRow &row : db_query(QStringLiteral("select * from mail_recipient")))
        settings.recipients.append(row.value(QStringLiteral("mail")));
    return settings;
}

bool MailSettings::isComplete() const
{
    return !account.isEmpty() && !password.isEmpty() && !port.isEmpty() && !server.isEmpty() && !sender.isEmpty();
}

bool MailSettings::canSendAlarms() const
{
    return !recipients.isEmpty() && !account.isEmpty() && !password.isEmpty() && !server.isEmpty() && !sender.isEmpty();
}

bool MailSettings::hasServerAddress() const
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral(R"(\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3})")));
    return pattern.match(server).hasMatch();
}

quint16 MailSettings::portNumber() const
{
    bool ok = false;
    const quint16 number = port.trimmed().toUShort(&ok);
    return ok ? number : 0;
}

bool MailSettings::apply() const
{
    Prompter &prompter = ProgramState::instance().prompter();
    const QString title = tr("Apply");
    if (!isComplete()) {
        prompter.message(Prompter::Level::Warning, title, tr("Please input all fields."));
        return false;
    }
    if (portNumber() == 0) { // nothing the port column could hold: keep what is stored
        prompter.message(Prompter::Level::Warning, title, tr("Fail"));
        return false;
    }
    db_exec(QStringLiteral("delete from mail_setting"));
    const int rc = db_exec(QStringLiteral("insert into  mail_setting (account,password,port,mail_server,sender_mail) "
                                          "values(?,?,?,?,?) "),
                           {account, password, int(portNumber()), server, sender});
    if (rc == 0)
        prompter.message(Prompter::Level::Information, title, tr("OK"));
    else
        prompter.message(Prompter::Level::Warning, title, tr("Fail"));
    db_exec(QStringLiteral("delete from mail_recipient"));
    for (const QString &mail : recipients)
        db_exec(QStringLiteral("insert into mail_recipient (mail) values(?)"), {mail});
    return true;
}

void MailSettings::prepare(QMailThread &thread) const
{
    thread.setAccount(account);
    thread.setPassword(password);
    thread.setMailServer(server);
    thread.setPort(portNumber());
    thread.setSender(sender);
}
