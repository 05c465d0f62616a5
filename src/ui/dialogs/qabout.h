#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QAboutClass;
}

// The program's name, version and supported inverter models.
class QAbout : public QDialog
{
    Q_OBJECT

public:
    explicit QAbout(QWidget *parent = nullptr);
    ~QAbout() override;

private:
    std::unique_ptr<Ui::QAboutClass> m_ui;
};
