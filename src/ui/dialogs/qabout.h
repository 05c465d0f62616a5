#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QAboutClass;
}

// The program's name and version, the inverters it supports, the libraries it
// is built on, the application directory in use and the credits of its icons.
class QAbout : public QDialog
{
    Q_OBJECT

public:
    explicit QAbout(QWidget *parent = nullptr);
    ~QAbout() override;

private:
    std::unique_ptr<Ui::QAboutClass> m_ui;
};
