#include "ui/numbertext.h"

#include "monitor/programstate.h"

QString numberText(const QString &number)
{
    if (!ProgramState::instance().decimalComma())
        return number;
    QString text = number;
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}
