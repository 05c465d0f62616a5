#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QFontSettingsClass;
}

// Fonts and text colours of the dashboard's title, fields and message.
class QFontSettings : public QDialog
{
    Q_OBJECT

public:
    explicit QFontSettings(QWidget *parent = nullptr);
    ~QFontSettings() override;

private:
    std::unique_ptr<Ui::QFontSettingsClass> m_ui;
};
