#include "support/golden.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool writeText(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
}

} // namespace

QString goldenDifference(const QString &name, const QString &actual)
{
    const QString path = QStringLiteral(LUMORA_SOURCE_DIR "/tests/data/") + name;
    if (qEnvironmentVariableIntValue("LUMORA_UPDATE_GOLDEN") == 1)
        return writeText(path, actual) ? QString() : QStringLiteral("cannot write ") + path;
    if (!QFile::exists(path))
        return QStringLiteral("no golden file ") + path;
    const QString expected = readText(path);
    if (expected == actual)
        return QString();

    const QStringList want = expected.split(QLatin1Char('\n'));
    const QStringList got = actual.split(QLatin1Char('\n'));
    int line = 0;
    while (line < want.size() && line < got.size() && want[line] == got[line])
        ++line;
    const QString saved = QDir::current().filePath(name + QStringLiteral(".actual"));
    writeText(saved, actual);
    return QStringLiteral("%1 line %2:\n   expected: %3\n   actual:   %4\n(the whole output is in %5)")
        .arg(path)
        .arg(line + 1)
        .arg(want.value(line, QStringLiteral("<end>")), got.value(line, QStringLiteral("<end>")), saved);
}
