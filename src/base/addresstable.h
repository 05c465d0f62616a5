#pragma once

#include <QList>
#include <QMutex>
#include <QSet>
#include <QStringList>

// The bus addresses of the inverters to poll. Written by the window and the
// search while monitoring is stopped, read by the polling thread every cycle;
// every access is locked so that a reader always sees a whole table.
class AddressTable
{
public:
    QList<int> addresses() const; // ascending
    int size() const;
    bool isEmpty() const;
    bool contains(int address) const;

    void insert(int address);
    void remove(int address);
    void clear();
    void assign(const QList<int> &addresses);

    // Fills the table from the INV_ADDR text ("1,2,5"); parts that are not
    // bus addresses (1 to 255) are skipped and returned, trimmed.
    QStringList insertFromText(const QString &text);
    QString toText() const;

private:
    mutable QMutex m_mutex;
    QSet<int> m_addresses;
};
