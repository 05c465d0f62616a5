#include "ui/numbertext.h"

#include "monitor/programstate.h"

QString numberText(const QString &text)
{
    if (!ProgramState::instance().decimalComma())
        return text;
    QString comma = text;
    return comma.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString numberText(double value, char format, int precision)
{
    return numberText(QString::number(value, format, precision));
}

double numberFromText(const QString &text, bool *ok)
{
    QString point = text.trimmed();
    if (ProgramState::instance().decimalComma())
        point.replace(QLatin1Char(','), QLatin1Char('.'));
    return point.toDouble(ok);
}
