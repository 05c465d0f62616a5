#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QStringList>
#include <QVector>
#include <functional>

class MonitorData;

// The data log's table: the readings of one inverter over one period, one row a
// reading, 100 columns (time, serial, state, error words, the monitoring
// registers 186 to 270, then the sensors). Rows are read a page at a time as
// the view scrolls, so that a month of one-minute readings shows at once and
// only the pages looked at are held.
class QLogData : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kColumns = 100;
    static constexpr int kPageRows = 500;

    // One reading as stored; the columns' texts are made when shown.
    struct Reading
    {
        int versionw3 = 0;
        qint64 id = 0;
        QByteArray time;
        QByteArray state;
        qint64 errors[4] = {};
        QByteArray monitorData;
        QByteArray sensorValues;
    };

    explicit QLogData(QObject *parent = nullptr);

    // Replaces the rows with the first page of the inverter's readings from
    // start to end (texts compared as text); the later pages follow on demand.
    void query(const QString &serial, const QString &start, const QString &end);
    // Empties the table.
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    QString headerText(int column) const;
    QString cellText(const Reading &reading, int column) const;
    // Every reading of the last query from its first, also those not fetched yet,
    // one at a time. False when the query failed part way.
    bool forEachReading(const std::function<void(const Reading &)> &visit) const;

private:
    // Reads up to limit readings after the given one (id -1: from the start).
    bool readPage(const QByteArray &afterTime, qint64 afterId, int limit,
                  const std::function<void(const Reading &)> &visit) const;
    void loadSensorTexts();
    const MonitorData *columnRegister(int column) const;
    QString monitorCell(const Reading &reading, int column) const;
    QString sensorCell(const Reading &reading, int column) const;

    bool m_usa1 = false;         // the register table: USA1, else EUR
    bool m_singleString = false; // USA0: strings 2 and 3 show 0
    QString m_serial;
    QString m_start;
    QString m_end;
    QVector<Reading> m_rows;
    bool m_more = false;
    QStringList m_sensorHeaders;
    QStringList m_sensorUnits;
};
