#include "base/numbertext.h"

QString NumberText::format(const QString &text) const
{
    if (!decimalComma())
        return text;
    QString comma = text;
    return comma.replace(QLatin1Char('.'), QLatin1Char(','));
}

QString NumberText::format(double value, char format, int precision) const
{
    return this->format(QString::number(value, format, precision));
}

double NumberText::parse(const QString &text, bool *ok) const
{
    QString point = text.trimmed();
    if (decimalComma())
        point.replace(QLatin1Char(','), QLatin1Char('.'));
    return point.toDouble(ok);
}
