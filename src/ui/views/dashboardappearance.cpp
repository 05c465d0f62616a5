#include "ui/views/dashboardappearance.h"

#include <QStringList>

namespace DashboardAppearance {

namespace {
bool toIntIn(const QString &text, int low, int high, int &value)
{
    bool ok = false;
    value = text.trimmed().toInt(&ok);
    return ok && value >= low && value <= high;
}
} // namespace

QString fontSettingText(const QFont &font)
{
    const int pointSize = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    return QStringLiteral("%1,%2,%3,%4").arg(font.family()).arg(font.weight()).arg(pointSize).arg(int(font.style()));
}

bool parseFontSetting(const QString &text, QFont &font)
{
    const QStringList parts = text.split(QLatin1Char(','));
    int weight = 0;
    int pointSize = 0;
    int style = 0;
    if (parts.size() != 4 || parts[0].trimmed().isEmpty() || !toIntIn(parts[1], 0, 99, weight) ||
        !toIntIn(parts[2], 1, 999, pointSize) || !toIntIn(parts[3], QFont::StyleNormal, QFont::StyleOblique, style))
        return false;
    font = QFont(parts[0].trimmed(), pointSize, weight);
    font.setStyle(QFont::Style(style));
    return true;
}

QString colorSettingText(const QColor &color)
{
    return QStringLiteral("%1,%2,%3").arg(color.red()).arg(color.green()).arg(color.blue());
}

QColor parseColorSetting(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    int rgb[3] = {};
    if (parts.size() != 3)
        return {};
    for (int i = 0; i < 3; ++i) {
        if (!toIntIn(parts[i], 0, 255, rgb[i]))
            return {};
    }
    return QColor(rgb[0], rgb[1], rgb[2]);
}

QString colorStyleSheet(const QColor &color)
{
    if (!color.isValid())
        return {};
    return QStringLiteral("color: rgb(%1, %2, %3);").arg(color.red()).arg(color.green()).arg(color.blue());
}

QString backgroundDeclarations(const QString &path)
{
    if (path.isEmpty())
        return {};
    QString quoted = path;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('\n'), QLatin1String("\\\n"));
    return QStringLiteral("border-width: 4px;background-origin: content;"
                          "border-image: url(\"%1\")  4 4 4 4 stretch stretch;")
        .arg(quoted);
}

} // namespace DashboardAppearance
