#include "base/currencysymbols.h"

const QStringList &currencySymbols()
{
    static const QStringList symbols = {
        QStringLiteral("$"),  QString(QChar(0x20AC)), QString(QChar(0xFFE5)),
        QStringLiteral("NT"), QString(QChar(0x20A9)),
    };
    return symbols;
}
