#include "settingsreport.h"

#include "base/addresstable.h"
#include "base/appdir.h"
#include "base/appsettings.h"
#include "base/baudtable.h"
#include "monitor/mailsettings.h"

#include <QFile>
#include <QSslCertificate>
#include <QTextStream>

#include <iterator>

SettingsReport::SettingsReport(QTextStream &out)
    : m_out(out)
{}

int SettingsReport::baudRate(const AppSettings &settings)
{
    const QString text = settings.text(Setting::COMPortFrm_baud_index);
    bool ok = text.isEmpty(); // absent: the default, silently
    const int index = ok ? BaudTable::kDefaultIndex : text.trimmed().toInt(&ok);
    const int rate = BaudTable::rate(index);
    if (!ok || index < 0 || index >= int(std::size(BaudTable::kRates)))
        m_out << tr("%1 \"%2\" is not a baud index 0 to %3: %4 baud used.")
                     .arg(Setting::COMPortFrm_baud_index.key(), text)
                     .arg(std::size(BaudTable::kRates) - 1)
                     .arg(rate)
              << Qt::endl;
    return rate;
}

void SettingsReport::fillAddresses(const AppSettings &settings, AddressTable &table)
{
    const QStringList skipped = table.insertFromText(settings.text(Setting::INV_ADDR));
    if (!skipped.isEmpty())
        m_out << tr("%1: \"%2\" skipped (not bus addresses 1 to 255); monitoring %3.")
                     .arg(Setting::INV_ADDR.key(), skipped.join(QStringLiteral("\", \"")),
                          table.isEmpty() ? tr("none") : table.toText())
              << Qt::endl;
}

void SettingsReport::checkLog()
{
    QFile log(AppDir::file(QStringLiteral("log.txt")));
    if (!log.open(QIODevice::Append))
        m_out << tr("%1 cannot be written (%2): the diagnostic log is lost.").arg(log.fileName(), log.errorString())
              << Qt::endl;
}

void SettingsReport::checkMail(const AppSettings &settings)
{
    const QString encryption = settings.text(Setting::MAIL_ENCRYPTION);
    if (mailEncryptionFromText(encryption) == MailEncryption::Unknown)
        m_out << tr("%1 \"%2\" is not none, starttls or tls: no alarm mail is sent.")
                     .arg(Setting::MAIL_ENCRYPTION.key(), encryption)
              << Qt::endl;
    const QString caFile = MailSettings::storedCaFile();
    if (!caFile.isEmpty() && QSslCertificate::fromPath(caFile, QSsl::Pem).isEmpty())
        m_out << tr("%1 \"%2\" holds no certificate: only the system's CAs are trusted.")
                     .arg(Setting::MAIL_CA_FILE.key(), caFile)
              << Qt::endl;
}
