#pragma once

#include <QCoreApplication>
#include <QSet>
#include <QString>
#include <QVector>

// The thirteen dashboard fields and where they stand in the 7 x 4 grid.
// VIEW_SEQ holds one cell index per field, in field order; a cell index is
// row + 7 x column.
class DashboardFields
{
    Q_DECLARE_TR_FUNCTIONS(DashboardFields)

public:
    enum Field {
        TotalYield,
        Efficiency,
        Earning,
        Co2Reduction,
        DcPower,
        AcPower,
        DcAvgPower,
        AcAvgPower,
        PowerGeneration,
        Sensor1,
        Sensor2,
        Sensor3,
        Sensor4,
        Count
    };
    static constexpr int kRows = 7;
    static constexpr int kColumns = 4;
    static constexpr int kNoCell = -1;
    static const char *const kDefaultSequence;
    // Heights of the title and message lines when TitlePixel, MsgPixel are not set.
    static constexpr int kDefaultTitlePixel = 40;
    static constexpr int kDefaultMsgPixel = 30;

    // The translated name and the unit of a field (sensors: their own, from the sensor list).
    static QString name(int field);
    static QString unit(int field);

    static int cellIndex(int row, int column) { return row + kRows * column; }
    static int rowOf(int cell) { return cell % kRows; }
    static int columnOf(int cell) { return cell / kRows; }

    // The parts of a VIEW_SEQ text that are integers, in order, at most one per field.
    static QVector<int> parseSequence(const QString &text);
    // The cell of every field (kNoCell: not shown). Each grid cell goes to the first
    // field whose entry names it; a later field with the same entry, an entry
    // outside the grid and a field without entry get no cell.
    static QVector<int> placement(const QString &sequenceText);
    // The field indices listed in a ShowField text.
    static QSet<int> shownFields(const QString &text);

    // The stored heights of the title and message lines; a missing or
    // non-positive value gives the default, so that neither line vanishes.
    static int storedTitlePixel();
    static int storedMsgPixel();
};
