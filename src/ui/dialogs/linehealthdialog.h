#pragma once

#include "link/linkstats.h"

#include <QDialog>
#include <QMap>

class NumberText;
class QTableWidget;

// The "Line health" window: one row per inverter and sensor that the polling
// has asked since the program started, with its counts and round trips,
// sortable by any column; devices whose link quality is below 95 % are marked.
// Not modal: it follows every polling cycle while it is open.
class LineHealthDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column {
        DeviceColumn,
        QualityColumn,
        ExchangesColumn,
        FirstTryColumn,
        RetriedColumn,
        TimeoutsColumn,
        CrcColumn,
        ShortColumn,
        WrongColumn,     // address / function / length, sorted by their sum
        RoundTripColumn, // last / mean / 95th percentile in ms, sorted by the percentile
        ColumnCount
    };

    explicit LineHealthDialog(const NumberText &numbers, QWidget *parent = nullptr);

    // Redraws the table, in the sort order the user chose; serials names the
    // inverters by bus address.
    void showReport(const LineHealthReport &report, const QMap<int, QString> &serials);

private:
    void fillRow(int row, const LinkStats &stats, const QMap<int, QString> &serials);

    QString measureText(double value) const;

    const NumberText &m_numbers;
    QTableWidget *m_table;
};
