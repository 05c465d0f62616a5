#pragma once

#include "ui/dataexporter.h"

#include <QWidget>
#include <memory>

namespace Ui {
class DataLogView;
}
class Prompter;
class QLogData;

// The "Data logging" page: every recorded reading of one inverter and month.
class DataLogView : public QWidget, public DataExporter
{
    Q_OBJECT

public:
    explicit DataLogView(Prompter &prompter, QWidget *parent = nullptr);
    ~DataLogView() override;

    // Refills the inverter, month and year choosers.
    void fillSelectors();
    void query();

    QLogData *model() const { return m_model; }

    bool hasRows() const override;
    // Writes every reading of the last query, also those not shown yet.
    void exportData() override;

private:
    std::unique_ptr<Ui::DataLogView> m_ui;
    Prompter &m_prompter;
    QLogData *m_model;
};
