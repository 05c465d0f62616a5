#include "monitor/mailsettings.h"

#include "base/appdir.h"
#include "base/appsettings.h"
#include "base/prompter.h"
#include "db/database.h"
#include "monitor/programstate.h"
#include "monitor/qmailthread.h"

#include <QDir>
#include <QHostAddress>
#include <QRegularExpression>
#include <QUrl>

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
    settings.encryption = mailEncryptionFromText(AppSettings().text(Setting::MAIL_ENCRYPTION));
    settings.caFile = storedCaFile();
    return settings;
}

QString MailSettings::storedCaFile()
{
    const QString caFile = AppSettings().text(Setting::MAIL_CA_FILE).trimmed();
    return caFile.isEmpty() ? caFile : QDir(AppDir::path()).absoluteFilePath(caFile);
}

bool MailSettings::isComplete() const
{
    return !account.isEmpty() && !password.isEmpty() && !port.isEmpty() && !server.isEmpty() && !sender.isEmpty();
}

bool MailSettings::canSendAlarms() const
{
    return !recipients.isEmpty() && !account.isEmpty() && !password.isEmpty() && !server.isEmpty() && !sender.isEmpty();
}

bool MailSettings::hasValidServer() const
{
    static const QRegularExpression ipv4(
        QRegularExpression::anchoredPattern(QStringLiteral(R"(\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3})")));
    // Labels of letters, digits and inner hyphens, joined by dots.
    static const QRegularExpression hostName(
        QRegularExpression::anchoredPattern(QStringLiteral(R"(([a-z0-9]([a-z0-9-]{0,61}[a-z0-9])?\.)*)"
                                                           R"([a-z0-9]([a-z0-9-]{0,61}[a-z0-9])?\.?)")),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression digits(QRegularExpression::anchoredPattern(QStringLiteral(R"(\d+)")));
    const QHostAddress address(server);
    if (!address.isNull())
        return address.protocol() == QAbstractSocket::IPv6Protocol || ipv4.match(server).hasMatch();
    const QString name = QString::fromLatin1(QUrl::toAce(server)); // a name in any script, as DNS spells it
    // A last label of digits alone is a mistyped address, not a name.
    return name.size() <= 253 && hostName.match(name).hasMatch() &&
           !digits.match(name.section(QLatin1Char('.'), -1, -1, QString::SectionSkipEmpty)).hasMatch();
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
    if (encryption != MailEncryption::Unknown)
        AppSettings().setValue(Setting::MAIL_ENCRYPTION, mailEncryptionText(encryption));
    return true;
}

void MailSettings::prepare(QMailThread &thread) const
{
    thread.setAccount(account);
    thread.setPassword(password);
    thread.setMailServer(server);
    thread.setPort(portNumber());
    thread.setSender(sender);
    thread.setEncryption(encryption);
    thread.setCaFile(caFile);
}
