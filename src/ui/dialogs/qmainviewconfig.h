#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class QMainViewConfigClass;
}

// The dashboard's fields, their order, the recording interval and the plant factors.
class QMainViewConfig : public QDialog
{
    Q_OBJECT

public:
    explicit QMainViewConfig(QWidget *parent = nullptr);
    ~QMainViewConfig() override;

private:
    std::unique_ptr<Ui::QMainViewConfigClass> m_ui;
};
