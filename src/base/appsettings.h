#pragma once

#include "base/settingskeys.h"

#include <QSettings>
#include <memory>

// Typed access to app.ini through the key table. Constructed on the program-wide
// settings object, or on its own short-lived QSettings on app.ini.
// A value that is absent or does not convert to the key's type reads as the
// default: the one given, else the table's, else "", 0 or 0.0.
class AppSettings
{
public:
    AppSettings(); // own QSettings on app.ini
    explicit AppSettings(QSettings &settings);
    ~AppSettings();

    int intValue(const SettingKey &key) const;
    int intValue(const SettingKey &key, int defaultValue) const;
    double doubleValue(const SettingKey &key) const;
    double doubleValue(const SettingKey &key, double defaultValue) const;
    QString text(const SettingKey &key) const;
    QString text(const SettingKey &key, const QString &defaultValue) const;
    bool contains(const SettingKey &key) const;

    void setValue(const SettingKey &key, int value);
    void setValue(const SettingKey &key, double value);
    void setValue(const SettingKey &key, const QString &value);

    void sync();
    QSettings::Status status() const;

    static QString filePath();

private:
    std::unique_ptr<QSettings> m_own;
    QSettings &m_settings;
};
