#include "ui/dialogs/linechoice.h"

#include "base/baudtable.h"
#include "base/portlist.h"

#include <QComboBox>

#include <algorithm>

namespace LineChoice {

bool fillPorts(QComboBox *ports, const QString &selectedName)
{
    ports->clear();
    QList<int> numbers;
    for (const QString &name : PortList::enumerate()) {
        const int number = PortList::portNumber(name);
        if (number > 0)
            numbers << number;
    }
    if (numbers.isEmpty())
        return false;
    std::sort(numbers.begin(), numbers.end());
    for (int number : numbers)
        ports->addItem(PortList::portName(number));
    ports->setCurrentIndex(std::max(0, ports->findText(selectedName)));
    return true;
}

void fillBauds(QComboBox *bauds, int index)
{
    bauds->clear();
    for (int rate : BaudTable::kRates)
        bauds->addItem(QString::number(rate));
    const bool inTable = index >= 0 && index < bauds->count();
    bauds->setCurrentIndex(inTable ? index : BaudTable::kDefaultIndex);
}

int portNumber(const QComboBox *ports)
{
    return PortList::portNumber(ports->currentText());
}

int baudRate(const QComboBox *bauds)
{
    return bauds->currentIndex() < 0 ? 0 : BaudTable::rate(bauds->currentIndex());
}

} // namespace LineChoice
