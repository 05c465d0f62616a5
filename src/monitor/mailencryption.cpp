#include "monitor/mailencryption.h"

#include <algorithm>
#include <iterator>

namespace {
struct Choice
{
    MailEncryption encryption;
    const char *text;
    quint16 usualPort;
};

constexpr Choice kChoices[] = {
    {MailEncryption::None, "none", 25},
    {MailEncryption::StartTls, "starttls", 587},
    {MailEncryption::Tls, "tls", 465},
};

const Choice *find(MailEncryption encryption)
{
    const auto it = std::find_if(std::begin(kChoices), std::end(kChoices),
                                 [&](const Choice &choice) { return choice.encryption == encryption; });
    return it == std::end(kChoices) ? nullptr : it;
}
} // namespace

QString mailEncryptionText(MailEncryption encryption)
{
    const Choice *choice = find(encryption);
    return choice ? QString::fromLatin1(choice->text) : QString();
}

MailEncryption mailEncryptionFromText(const QString &text)
{
    const QString name = text.trimmed().toLower();
    if (name.isEmpty())
        return MailEncryption::None;
    for (const Choice &choice : kChoices) {
        if (name == QLatin1String(choice.text))
            return choice.encryption;
    }
    return MailEncryption::Unknown;
}

quint16 usualMailPort(MailEncryption encryption)
{
    const Choice *choice = find(encryption);
    return choice ? choice->usualPort : 0;
}

bool isUsualMailPort(quint16 port)
{
    return std::any_of(std::begin(kChoices), std::end(kChoices),
                       [&](const Choice &choice) { return choice.usualPort == port; });
}
