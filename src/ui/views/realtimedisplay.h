#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>
#include <optional>

class DeviceRecord;
class NumberText;
class QLineEdit;
class QListWidget;
class QTableWidget;

// The "Real time display" page of one inverter: its live values as rows of
// label and value, its state name and the descriptions of its set error bits,
// one list per error word. Rows are rewritten in place, so a refresh keeps the
// table's scroll position.
class RealTimeDisplay
{
    Q_DECLARE_TR_FUNCTIONS(RealTimeDisplay)

public:
    static constexpr int kTableRows = 50;

    RealTimeDisplay(QTableWidget *table, QLineEdit *statusCode, const std::array<QListWidget *, 4> &errorLists,
                    const NumberText &numbers);

    void show(const DeviceRecord &device);
    // Today's energy in kWh that the page shows for the device (its register 217
    // counts tenths); nothing for the three-phase family, which shows no such row.
    static std::optional<double> todayEnergy(const DeviceRecord &device);
    // Empties the table, the state name and the error lists.
    void clear();

    // Appends a row for a register of a monitoring block: "Pac: " with " W" gives
    // "Pac" and "230 W". Register 206 and the unit "C" read the word signed.
    void appendRegister(const quint8 *block, int registerNo, double scale, const QString &label, const QString &unit,
                        const QString &tooltip = QString());
    // Appends a row from "label: value"; a text without a colon adds none.
    void appendText(const QString &text, const QString &tooltip);

    int rowCount() const { return m_rowCounter; }

private:
    void addRow(const QString &label, const QString &value, const QString &tooltip);
    void setRow(int row, const QString &label, const QString &value, const QString &tooltip);
    void showUSA1(const DeviceRecord &device);
    void showClassic(const DeviceRecord &device);
    QString number(double value) const;
    // Two decimals.
    QString fixed(double value) const;

    QTableWidget *m_table;
    QLineEdit *m_statusCode;
    std::array<QListWidget *, 4> m_errorLists;
    const NumberText &m_numbers;
    int m_rowCounter = 0;
};
