#include "base/appsettings.h"

#include "base/appdir.h"

AppSettings::AppSettings()
    : m_own(std::make_unique<QSettings>(filePath(), QSettings::IniFormat))
    , m_settings(*m_own)
{}

AppSettings::AppSettings(QSettings &settings)
    : m_settings(settings)
{}

AppSettings::~AppSettings() = default;

QString AppSettings::filePath()
{
    return AppDir::file(QStringLiteral("app.ini"));
}

int AppSettings::intValue(const SettingKey &key) const
{
    return intValue(key, key.defaultText ? QByteArray(key.defaultText).toInt() : 0);
}

int AppSettings::intValue(const SettingKey &key, int defaultValue) const
{
    Q_ASSERT(key.type == SettingType::Int);
    bool ok = false;
    const int value = m_settings.value(key.key()).toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

double AppSettings::doubleValue(const SettingKey &key) const
{
    return doubleValue(key, key.defaultText ? QByteArray(key.defaultText).toDouble() : 0.0);
}

double AppSettings::doubleValue(const SettingKey &key, double defaultValue) const
{
    Q_ASSERT(key.type == SettingType::Double || key.type == SettingType::Int);
    bool ok = false;
    const double value = m_settings.value(key.key()).toString().trimmed().toDouble(&ok);
    return ok ? value : defaultValue;
}

QString AppSettings::text(const SettingKey &key) const
{
    return text(key, key.defaultText ? QString::fromUtf8(key.defaultText) : QString());
}

QString AppSettings::text(const SettingKey &key, const QString &defaultValue) const
{
    const QVariant value = m_settings.value(key.key());
    if (!value.isValid())
        return defaultValue;
    // A list written by another program (a,b in an INI file) reads back as a string list.
    if (value.type() == QVariant::StringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

bool AppSettings::contains(const SettingKey &key) const
{
    return m_settings.contains(key.key());
}

void AppSettings::setValue(const SettingKey &key, int value)
{
    Q_ASSERT(key.type == SettingType::Int);
    m_settings.setValue(key.key(), value);
}

void AppSettings::setValue(const SettingKey &key, double value)
{
    Q_ASSERT(key.type == SettingType::Double);
    m_settings.setValue(key.key(), value);
}

void AppSettings::setValue(const SettingKey &key, const QString &value)
{
    Q_ASSERT(key.type == SettingType::String);
    m_settings.setValue(key.key(), value);
}

void AppSettings::sync()
{
    m_settings.sync();
}

QSettings::Status AppSettings::status() const
{
    return m_settings.status();
}
