#pragma once

#include "ui/dataexporter.h"

#include <QWidget>
#include <memory>

namespace Ui {
class EventListView;
}
class Prompter;

// The "Event list" page: the readings of one inverter and month whose error
// words were not all zero, and the explanation of a picked row.
class EventListView : public QWidget, public DataExporter
{
    Q_OBJECT

public:
    explicit EventListView(Prompter &prompter, QWidget *parent = nullptr);
    ~EventListView() override;

    // Refills the inverter, year and month choosers.
    void fillEventSelectors();
    void query();
    // Lists the errors and the state of a row below the table.
    void explainRow(int row, int column);

    bool hasRows() const override;
    void exportData() override;

private:
    void clearResult();

    std::unique_ptr<Ui::EventListView> m_ui;
    Prompter &m_prompter;
};
