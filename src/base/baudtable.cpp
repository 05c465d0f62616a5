#include "base/baudtable.h"

#include <iterator>

int BaudTable::rate(int index)
{
    if (index < 0 || index >= int(std::size(kRates)))
        index = kDefaultIndex;
    return kRates[index];
}
