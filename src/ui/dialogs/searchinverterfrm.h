#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class SearchInverterFrmClass;
}

// Searches the line for inverters, by request or on the automatic-search timer.
class SearchInverterFrm : public QDialog
{
    Q_OBJECT

public:
    explicit SearchInverterFrm(QWidget *parent = nullptr);
    ~SearchInverterFrm() override;

private:
    std::unique_ptr<Ui::SearchInverterFrmClass> m_ui;
};
