#include "base/addresstable.h"

#include <algorithm>

QList<int> AddressTable::addresses() const
{
    QMutexLocker locker(&m_mutex);
    QList<int> sorted = m_addresses.values();
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

int AddressTable::size() const
{
    QMutexLocker locker(&m_mutex);
    return m_addresses.size();
}

bool AddressTable::isEmpty() const
{
    return size() == 0;
}

bool AddressTable::contains(int address) const
{
    QMutexLocker locker(&m_mutex);
    return m_addresses.contains(address);
}

void AddressTable::insert(int address)
{
    QMutexLocker locker(&m_mutex);
    m_addresses.insert(address);
}

void AddressTable::remove(int address)
{
    QMutexLocker locker(&m_mutex);
    m_addresses.remove(address);
}

void AddressTable::clear()
{
    QMutexLocker locker(&m_mutex);
    m_addresses.clear();
}

void AddressTable::assign(const QList<int> &addresses)
{
    QMutexLocker locker(&m_mutex);
    m_addresses = QSet<int>(addresses.begin(), addresses.end());
}

QStringList AddressTable::insertFromText(const QString &text)
{
    QStringList skipped;
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        bool ok = false;
        const int address = part.trimmed().toInt(&ok);
        if (ok && address >= 1 && address <= 255)
            insert(address);
        else
            skipped << part.trimmed();
    }
    return skipped;
}

QString AddressTable::toText() const
{
    QStringList parts;
    for (int address : addresses())
        parts << QString::number(address);
    return parts.join(QLatin1Char(','));
}
