#include "ui/dialogs/linechoice.h"

#include "base/baudtable.h"
#include "base/portlist.h"

#include <QComboBox>
#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace LineChoice {

QString portLabel(int number, bool present)
{
    const QString name = PortList::portName(number);
    if (!present)
        return QCoreApplication::translate("LineChoice", "%1 (not present)").arg(name);
    const QString stable = PortList::stableName(number);
    return stable.isEmpty() ? name : QStringLiteral("%1 \u2014 %2").arg(name, stable);
}

bool fillPorts(QComboBox *ports, const QString &selectedName)
{
    ports->clear();
    QList<int> present;
    for (const QString &name : PortList::enumerate()) {
        const int number = PortList::portNumber(name);
        if (number > 0)
            present << number;
    }
    QList<int> numbers = present;
    const int selected = PortList::portNumber(selectedName);
    if (selected > 0 && !present.contains(selected))
        numbers << selected;
    if (numbers.isEmpty())
        return false;
    std::sort(numbers.begin(), numbers.end());
    for (int number : numbers)
        ports->addItem(portLabel(number, present.contains(number)), PortList::portName(number));
    ports->setCurrentIndex(std::max(0, ports->findData(PortList::portName(selected))));
    return true;
}

void fillBauds(QComboBox *bauds, int index)
{
    bauds->clear();
    for (int rate : BaudTable::kRates)
        bauds->addItem(QString::number(rate));
    bauds->setCurrentIndex(shownBaudIndex(index));
}

int shownBaudIndex(int storedIndex)
{
    const bool inTable = storedIndex >= 0 && storedIndex < int(std::size(BaudTable::kRates));
    return inTable ? storedIndex : BaudTable::kDefaultIndex;
}

QString portName(const QComboBox *ports)
{
    return ports->currentData().toString();
}

int portNumber(const QComboBox *ports)
{
    return PortList::portNumber(portName(ports));
}

int baudRate(const QComboBox *bauds)
{
    return bauds->currentIndex() < 0 ? 0 : BaudTable::rate(bauds->currentIndex());
}

} // namespace LineChoice
