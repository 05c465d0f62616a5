#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QalarmConfigClass;
}

// The alarm-mail settings: mail server, account, recipients and the errors that raise an alarm.
class QalarmConfig : public QDialog
{
    Q_OBJECT

public:
    explicit QalarmConfig(QWidget *parent = nullptr);
    ~QalarmConfig() override;

private:
    std::unique_ptr<Ui::QalarmConfigClass> m_ui;
};
