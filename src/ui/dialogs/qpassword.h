#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QPasswordClass;
}

// Asks for the service password.
class QPassword : public QDialog
{
    Q_OBJECT

public:
    explicit QPassword(QWidget *parent = nullptr);
    ~QPassword() override;

private:
    std::unique_ptr<Ui::QPasswordClass> m_ui;
};
