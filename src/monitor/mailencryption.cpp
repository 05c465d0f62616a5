#include "monitor/mailencryption.h"

QString mailEncryptionText(MailEncryption encryption)
{
    switch (encryption) {
    case MailEncryption::None:
        return QStringLiteral("none");
    case MailEncryption::StartTls:
        return QStringLiteral("starttls");
    case MailEncryption::Tls:
        return QStringLiteral("tls");
    case MailEncryption::Unknown:
        break;
    }
    return QString();
}

MailEncryption mailEncryptionFromText(const QString &text)
{
    const QString name = text.trimmed().toLower();
    if (name.isEmpty())
        return MailEncryption::None;
    for (MailEncryption encryption : {MailEncryption::None, MailEncryption::StartTls, MailEncryption::Tls}) {
        if (name == mailEncryptionText(encryption))
            return encryption;
    }
    return MailEncryption::Unknown;
}

quint16 usualMailPort(MailEncryption encryption)
{
    switch (encryption) {
    case MailEncryption::None:
        return 25;
    case MailEncryption::StartTls:
        return 587;
    case MailEncryption::Tls:
        return 465;
    case MailEncryption::Unknown:
        break;
    }
    return 0;
}
