#include "device/tripvalues.h"

#include "device/devicerecord.h"

#include <initializer_list>

namespace {

struct TripRow
{
    DeviceFamily family;
    int word;
    std::initializer_list<int> bits;
    std::initializer_list<int> registers; // each printed and followed by the unit
    double scale;
    const char *unit;
};

using F = DeviceFamily;
// clang-format off
const TripRow kTripRows[] = {
    {F::EUR,  1, {1, 2},   {214},           0.1,  " V"},
    {F::EUR,  1, {3, 4},   {215},           0.01, " Hz"},
    {F::EUR,  1, {5, 6},   {207},           0.01, " OHM"},
    {F::EUR,  1, {8},      {245},           1,    " mA"},
    {F::EUR,  1, {9},      {246},           1,    " mA"},
    {F::EUR,  1, {10},     {252},           0.01, " A"},
    {F::EUR,  1, {12},     {206},           0.1,  " C"},
    {F::EUR,  1, {13, 14}, {228, 229, 230}, 0.1,  " V  "},
    {F::EUR,  1, {15},     {233},           0.01, " MOHM"},
    {F::EUR,  2, {0, 1},   {248},           0.1,  " V"},
    {F::EUR,  2, {2},      {206},           0.1,  " C"},
    {F::EUR,  3, {6},      {206},           0.1,  " C"},
    {F::USA0, 1, {1, 2},   {214},           0.1,  " V"},
    {F::USA0, 1, {3, 4},   {215},           0.01, " Hz"},
    {F::USA0, 1, {5, 6},   {207},           0.01, " OHM"},
    {F::USA0, 1, {10},     {252},           0.01, " A"},
    {F::USA0, 1, {12},     {206},           0.1,  " C"},
    {F::USA0, 1, {13, 14}, {228},           0.1,  " V"},
    {F::USA0, 2, {0, 1},   {248},           0.1,  " V"},
    {F::USA0, 2, {8},      {258},           0.1,  " A"},
    {F::USA0, 3, {0, 2},   {187},           0.1,  " V"},
    {F::USA0, 3, {3, 7},   {188},           0.1,  " V"},
};
// clang-format on

bool contains(std::initializer_list<int> list, int value)
{
    for (int item : list)
        if (item == value)
            return true;
    return false;
}

} // namespace

QString tripValueText(int word, int bit, const DeviceRecord &device)
{
    for (const TripRow &row : kTripRows) {
        if (row.family != device.family() || row.word != word || !contains(row.bits, bit))
            continue;
        QString text;
        for (int reg : row.registers)
            text += QString::asprintf("%.2f", device.word(reg) * row.scale) + QLatin1String(row.unit);
        return text;
    }
    return QString();
}
