#include "scenario.h"

#include "scenarioparser.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>

std::optional<Scenario> Scenario::fromJson(const QJsonObject &json, QStringList *errors)
{
    return ScenarioParser(errors).parse(json);
}

std::optional<Scenario> Scenario::load(const QString &path, QStringList *errors)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errors)
            errors->append(QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    const QByteArray text = file.readAll();
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const QByteArray before = text.left(parseError.offset);
        const int line = before.count('\n') + 1;
        const int column = parseError.offset - (before.lastIndexOf('\n') + 1) + 1;
        if (errors)
            errors->append(
                QStringLiteral("%1:%2:%3: %4").arg(path).arg(line).arg(column).arg(parseError.errorString()));
        return std::nullopt;
    }
    if (!document.isObject()) {
        if (errors)
            errors->append(QStringLiteral("%1: the scenario must be a JSON object").arg(path));
        return std::nullopt;
    }
    QStringList fieldErrors;
    const std::optional<Scenario> scenario = fromJson(document.object(), &fieldErrors);
    if (errors) {
        for (const QString &fieldError : qAsConst(fieldErrors))
            errors->append(path + ": " + fieldError);
    }
    return scenario;
}
