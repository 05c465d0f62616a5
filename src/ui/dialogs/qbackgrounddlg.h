#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QBackgroundDlgClass;
}

// Chooses the dashboard's background picture.
class QBackgroundDlg : public QDialog
{
    Q_OBJECT

public:
    explicit QBackgroundDlg(QWidget *parent = nullptr);
    ~QBackgroundDlg() override;

private:
    std::unique_ptr<Ui::QBackgroundDlgClass> m_ui;
};
