#include "device/paramtables.h"

#include <QCoreApplication>

#include <cmath>
#include <memory>
#include <vector>

namespace {

struct ParamCell
{
    double defaultValue;
    double minimum;
    double maximum;
};

// The unit of every type_no, or of the first type_no and of all the others where they differ.
struct ParamUnit
{
    const char *first;
    const char *others = nullptr;
};

// One index of a family: its values for each of the family's type_no, in the order of the type_no list.
template<size_t TypeCount>
struct ParamRow
{
    int index;
    const char *name;
    ParamUnit unit;
    ParamCell cells[TypeCount];
};

// Each cell: {default, minimum, maximum}, display units.
// clang-format off
const int kTypesEUR[] = {0, 1, 2, 3, 5, 6, 8};
const ParamRow<7> kRowsEUR[] = {
    { 1, "FacH_TRIP",                     {"Hz"},          {{0.19, 0.01, 0.2}, {0.3, 0.1, 4.5}, {0.49, 0.01, 1}, {1.5, 0.01, 5}, {1, 0.01, 4.5}, {0.49, 0.01, 4.5}, {1, 0.01, 5}}},
    { 2, "FacH_CYCLES",                   {"Cycle"},       {{5, 1, 10}, {3, 3, 250}, {5, 1, 10}, {5, 1, 300}, {2, 1, 100}, {8, 1, 250}, {90, 1, 100}}},
    { 3, "FacL_TRIP",                     {"Hz"},          {{2.49, 0.01, 2.5}, {0.3, 0.1, 4.5}, {0.69, 0.01, 3}, {1.5, 0.01, 5}, {1, 0.01, 4.5}, {0.69, 0.01, 4.5}, {1, 0.01, 5}}},
    { 4, "FacL_CYCLES",                   {"Cycle"},       {{5, 1, 10}, {3, 3, 250}, {5, 1, 10}, {5, 1, 300}, {2, 1, 100}, {8, 1, 250}, {90, 1, 100}}},
    { 5, "VacH_TRIP",                     {"V"},           {{260, 230, 264}, {262, 230, 300}, {260, 230, 264}, {260, 160, 300}, {253, 230, 300}, {241, 220, 285}, {265, 230, 270}}},
    { 6, "VacH_CYCLES",                   {"Cycle"},       {{8, 1, 10}, {5, 3, 250}, {8, 1, 120}, {8, 1, 300}, {5, 1, 150}, {119, 1, 250}, {90, 1, 100}}},
    { 7, "VacL_TRIP",                     {"V"},           {{198, 198, 230}, {188, 160, 230}, {198, 176.8, 230}, {198, 160, 300}, {196, 160, 230}, {195, 160, 220}, {205, 200, 300}}},
    { 8, "VacL_CYCLES",                   {"Cycle"},       {{8, 1, 10}, {10, 3, 250}, {8, 1, 300}, {8, 1, 300}, {10, 1, 150}, {119, 1, 250}, {90, 1, 100}}},
    { 9, "DELTA_Zac_TRIP",                {"OHM"},         {{0.8, 0.3, 1}, {0.8, 0.3, 20}, {0.8, 0.3, 5}, {0.8, 0.3, 20}, {0.8, 0.3, 20}, {0.8, 0.3, 20}, {0.8, 0.3, 20}}},
    {10, "Zac",                           {"OHM"},         {{2.5, 0.3, 20}, {2.5, 0.3, 20}, {2.5, 0.3, 20}, {2.5, 0.3, 20}, {2.5, 0.3, 20}, {2.5, 0.3, 20}, {2.5, 0.3, 20}}},
    {11, "FastIearth",                    {"mA"},          {{21, 5, 30}, {21, 5, 300}, {21, 5, 30}, {21, 5, 300}, {21, 5, 300}, {21, 5, 300}, {21, 5, 300}}},
    {12, "SlowIearth",                    {"mA"},          {{120, 5, 300}, {120, 5, 300}, {120, 5, 300}, {120, 5, 300}, {120, 5, 300}, {120, 5, 300}, {120, 5, 300}}},
    {13, "Riso_TRIP",                     {"OHM"},         {{0.6, 0.5, 100}, {0.6, 0.5, 100}, {0.6, 0.5, 100}, {0.6, 0.1, 100}, {0.6, 0.5, 100}, {1.1, 0.5, 100}, {0.6, 0.5, 100}}},
    {14, "Vpv_START",                     {"V"},           {{130, 120, 500}, {130, 120, 500}, {130, 120, 500}, {130, 120, 500}, {130, 120, 500}, {130, 100, 500}, {130, 100, 500}}},
    {15, "ONGRID_DELAY",                  {"Sec"},         {{20, 20, 300}, {20, 20, 600}, {20, 20, 300}, {20, 5, 600}, {180, 20, 600}, {20, 20, 600}, {20, 20, 600}}},
    {16, "VacH_LIMIT",                    {"V"},           {{253, 253, 264}, {253, 253, 300}, {253, 253, 264}, {253, 160, 300}, {253, 253, 300}, {240, 220, 285}, {260, 230, 270}}},
    {17, "VacH_LIMIT_TIME",               {"Sec"},         {{300, 30, 600}, {300, 30, 600}, {300, 30, 600}, {300, 30, 600}, {300, 30, 600}, {0, 0, 600}, {0, 0, 600}}},
    {21, "Language (LCD)",                {""},            {{4, 0, 4}, {1, 0, 4}, {2, 0, 4}, {2, 0, 4}, {2, 0, 4}, {0, 0, 4}, {0, 0, 4}}},
};

const int kTypesUSA0[] = {0, 1, 2, 3, 4, 5};
const ParamRow<6> kRowsUSA0[] = {
    { 1, "FacH_PER",                      {"Hz"},          {{0.19, 0.01, 0.2}, {0.3, 0.1, 4.5}, {0.49, 0.4, 1}, {1.5, 0.01, 5}, {0.49, 0.4, 1}, {1, 0.01, 4.5}}},
    { 2, "FacH_CYCLES",                   {"Cycle"},       {{5, 1, 10}, {3, 3, 250}, {9, 9, 12}, {9, 1, 300}, {9, 9, 12}, {5, 1, 100}}},
    { 3, "FacL_PER",                      {"Hz"},          {{2.49, 0.01, 2.5}, {0.3, 0.1, 4.5}, {0.69, 0.2, 3}, {1.5, 0.01, 5}, {0.69, 0.2, 3}, {2, 0.01, 4.5}}},
    { 4, "FacL_CYCLES",                   {"Cycle"},       {{5, 1, 10}, {3, 3, 250}, {9, 9, 18000}, {9, 1, 18000}, {9, 9, 18000}, {5, 1, 100}}},
    { 5, "VacH_PER",                      {"%"},           {{113.04, 100, 114.78}, {113.91, 100, 123.91}, {110, 105.83, 110}, {110, 75, 118.75}, {110, 108.75, 110}, {110, 100, 123.91}}},
    { 6, "VacH_CYCLES",                   {"Cycle"},       {{8, 1, 10}, {4, 3, 250}, {59, 59, 120}, {59, 1, 300}, {59, 59, 120}, {8, 1, 150}}},
    { 7, "VacL_PER",                      {"%"},           {{82.6, 82.6, 100}, {81.73, 69.56, 100}, {82.5, 80, 91.67}, {82.5, 75, 118.75}, {88, 85, 90}, {85.21, 69.56, 100}}},
    { 8, "VacL_CYCLES",                   {"Cycle"},       {{8, 1, 10}, {9, 3, 250}, {119, 119, 300}, {119, 1, 300}, {119, 119, 300}, {8, 1, 150}}},
    { 9, "DELTA_Zac_PER",                 {"OHM"},         {{0.8, 0.3, 1}, {0.8, 0.3, 20}, {0.8, 0.3, 5}, {0.8, 0.3, 20}, {0.8, 0.3, 5}, {0.8, 0.3, 20}}},
    {10, "Zac",                           {"OHM"},         {{2.5, 0.3, 20}, {2.5, 0.3, 20}, {2.5, 0.3, 20}, {2.5, 0.3, 20}, {2.5, 0.3, 20}, {2.5, 0.3, 20}}},
    {11, "VacH_L_PER",                    {"%"},           {{114.78, 100, 114.78}, {123.91, 100, 123.91}, {110, 105.83, 110}, {110, 75, 118.75}, {105.83, 105.83, 110}, {123.91, 100, 123.91}}},
    {12, "VacL_H_PER",                    {"%"},           {{82.6, 82.6, 100}, {69.56, 69.56, 100}, {82.5, 80, 91.67}, {82.5, 75, 118.75}, {91.67, 85, 91.67}, {69.56, 69.56, 100}}},
    {13, "ONGRID_GridFau_It_Delay_COM",   {"OHM"},         {{20, 20, 600}, {20, 20, 600}, {300, 300, 600}, {5, 5, 600}, {300, 300, 600}, {20, 20, 600}}},
    {14, "Vpv_START",                     {"V"},           {{235, 200, 600}, {235, 200, 600}, {235, 200, 600}, {235, 200, 600}, {235, 200, 600}, {235, 200, 600}}},
    {15, "ONGRID_DELAY",                  {"sec", "Sec"},  {{20, 20, 300}, {20, 20, 600}, {20, 10, 600}, {20, 5, 600}, {20, 10, 300}, {180, 20, 600}}},
    {16, "VacH_Limit_PE",                 {"V"},           {{110, 110, 114.78}, {112, 100, 123.91}, {109, 100, 110}, {109, 75, 118.75}, {109, 100, 110}, {109, 100, 123.91}}},
    {17, "VacH_Limit_TIME",               {"sec", "Sec"},  {{300, 30, 600}, {0, 0, 600}, {0, 0, 600}, {0, 0, 600}, {0, 0, 600}, {0, 0, 600}}},
    {21, "Language (LCD)",                {""},            {{4, 0, 4}, {4, 0, 4}, {4, 0, 4}, {4, 0, 4}, {4, 0, 4}, {4, 0, 4}}},
};

const int kTypesUSA1[] = {0, 1, 2, 3, 4, 5};
const ParamRow<6> kRowsUSA1[] = {
    { 1, "FacH_TRIP",                     {"Hz"},          {{50.25, 50.05, 50.25}, {50.15, 50.05, 50.15}, {50.95, 50.05, 50.95}, {50.95, 50.05, 55}, {50.95, 50.05, 54.5}, {50.25, 50.05, 50.25}}},
    { 2, "FacH_CYCLE",                    {"Cycle"},       {{3, 1, 3}, {8, 1, 8}, {8, 1, 8}, {8, 1, 98}, {4, 1, 250}, {3, 1, 3}}},
    { 3, "FacL_TRIP",                     {"Hz"},          {{49.75, 49.75, 49.95}, {47.55, 47.55, 49.95}, {49.05, 49.05, 49.95}, {49.05, 45.5, 49.95}, {49.05, 45.5, 49.95}, {49.75, 49.75, 49.95}}},
    { 4, "FacL_CYCLES",                   {"Cycle"},       {{4, 1, 4}, {8, 1, 8}, {8, 1, 8}, {8, 1, 98}, {4, 1, 250}, {4, 1, 4}}},
    { 5, "VacH_TRIP",                     {"V"},           {{270, 235, 270}, {260, 235, 260}, {249, 235, 249}, {260, 235, 270}, {264, 235, 276}, {270, 235, 270}}},
    { 6, "VacH_CYCLES",                   {"Cycle"},       {{4, 1, 4}, {8, 1, 8}, {8, 1, 8}, {8, 1, 98}, {4, 1, 150}, {4, 1, 4}}},
    { 7, "VacL_TRIP",                     {"V"},           {{188, 188, 225}, {188, 188, 225}, {199, 199, 225}, {207, 200, 225}, {196, 160, 225}, {188, 188, 225}}},
    { 8, "VacL_CYCLE",                    {"Cycle"},       {{8, 1, 8}, {8, 1, 8}, {8, 1, 8}, {8, 1, 98}, {4, 1, 150}, {8, 1, 8}}},
    { 9, "DC_INJ",                        {"A"},           {{0.14, 0.1, 0.14}, {0.8, 0.1, 0.8}, {0.14, 0.1, 0.14}, {0.14, 0.1, 0.14}, {0.8, 0.1, 0.8}, {0.14, 0.1, 0.14}}},
    {10, "DC_INJ_CYCLE",                  {"Cycle"},       {{4, 1, 4}, {8, 1, 8}, {4, 1, 150}, {8, 1, 8}, {4, 1, 150}, {4, 1, 4}}},
    {11, "N/A",                           {"V"},           {{400, 400, 800}, {400, 400, 800}, {400, 400, 800}, {400, 400, 800}, {400, 400, 800}, {400, 400, 800}}},
    {12, "N/A",                           {"sec"},         {{20, 20, 300}, {20, 20, 300}, {20, 20, 300}, {20, 20, 300}, {20, 20, 300}, {20, 20, 300}}},
    {13, "Riso_TRIP",                     {"MOHM"},        {{1, 0.5, 10}, {1, 0.5, 10}, {1, 0.5, 10}, {1, 0.5, 10}, {1, 0.5, 10}, {1, 0.5, 10}}},
    {14, "Vpv_START",                     {"V"},           {{400, 400, 800}, {400, 400, 800}, {400, 400, 800}, {400, 400, 800}, {400, 400, 800}, {400, 400, 800}}},
    {15, "ONGRID_DELAY",                  {"sec"},         {{20, 20, 300}, {30, 20, 300}, {180, 20, 300}, {60, 20, 300}, {20, 20, 600}, {20, 20, 300}}},
    {16, "N/A",                           {""},            {{4, 0, 4}, {4, 0, 4}, {4, 0, 4}, {4, 0, 4}, {4, 0, 4}, {4, 0, 4}}},
    {17, "N/A",                           {""},            {{1, 0, 1}, {1, 0, 1}, {1, 0, 1}, {1, 0, 1}, {1, 0, 1}, {1, 0, 1}}},
    {21, "Language (LCD)",                {""},            {{4, 0, 4}, {4, 0, 4}, {4, 0, 4}, {4, 0, 4}, {4, 0, 4}, {4, 0, 4}}},
    {22, "Alarm",                         {""},            {{1, 0, 1}, {1, 0, 1}, {1, 0, 1}, {1, 0, 1}, {1, 0, 1}, {1, 0, 1}}},
};

// Display scale per index, columns EUR, USA0, USA1 (the order of familyIndex).
// Indices 17 to 22 show the bare word.
struct ScaleRow
{
    int index;
    double scale[3];
};

const ScaleRow kScales[] = {
    { 1, {0.01, 0.01, 0.01}},
    { 2, {1,    1,    1}},
    { 3, {0.01, 0.01, 0.01}},
    { 4, {1,    1,    1}},
    { 5, {0.1,  0.01, 0.1}},
    { 6, {1,    1,    1}},
    { 7, {0.1,  0.01, 0.1}},
    { 8, {1,    1,    1}},
    { 9, {0.01, 0.01, 0.001}},
    {10, {0.01, 0.01, 1}},
    {11, {1,    0.01, 1}},
    {12, {1,    0.01, 1}},
    {13, {0.1,  1,    0.1}},
    {14, {0.1,  0.1,  0.1}},
    {15, {1,    1,    1}},
    {16, {0.1,  0.01, 0.1}},
};
// clang-format on

// Owns the items of one family and indexes them by type_no and index.
class ParamTableStore
{
public:
    template<size_t TypeCount, size_t RowCount>
    ParamTableStore(const int (&types)[TypeCount], const ParamRow<TypeCount> (&rows)[RowCount])
    {
        for (size_t t = 0; t < TypeCount; ++t) {
            ParamItemSet &set = m_table[types[t]];
            for (const ParamRow<TypeCount> &row : rows) {
                const char *unit = t > 0 && row.unit.others ? row.unit.others : row.unit.first;
                const ParamCell &cell = row.cells[t];
                m_items.push_back(std::make_unique<const EEPromSet>(types[t], row.index, QString::fromLatin1(row.name),
                                                                    cell.defaultValue, cell.minimum, cell.maximum,
                                                                    QString::fromLatin1(unit)));
                set.insert(row.index, m_items.back().get());
            }
        }
    }

    const ParamFamilyTable &table() const { return m_table; }

private:
    std::vector<std::unique_ptr<const EEPromSet>> m_items;
    ParamFamilyTable m_table;
};

} // namespace

const ParamFamilyTable &ParamTablesEUR()
{
    static const ParamTableStore store(kTypesEUR, kRowsEUR);
    return store.table();
}

const ParamFamilyTable &ParamTablesUSA0()
{
    static const ParamTableStore store(kTypesUSA0, kRowsUSA0);
    return store.table();
}

const ParamFamilyTable &ParamTablesUSA1()
{
    static const ParamTableStore store(kTypesUSA1, kRowsUSA1);
    return store.table();
}

const ParamFamilyTable &paramTables(DeviceFamily family)
{
    switch (family) {
    case DeviceFamily::USA0:
        return ParamTablesUSA0();
    case DeviceFamily::USA1:
        return ParamTablesUSA1();
    case DeviceFamily::EUR:
        break;
    }
    return ParamTablesEUR();
}

ParamItemSet paramSetFor(int versionw3, int type_no)
{
    return paramTables(familyOf(versionw3)).value(type_no);
}

const EEPromSet *paramItem(const ParamItemSet &set, int index)
{
    return set.value(index, nullptr);
}

int paramRowToIndex(int row)
{
    if (row >= 0 && row <= 16)
        return row + 1;
    if (row == 17)
        return 21;
    if (row == 18)
        return 22;
    return -1;
}

double paramScale(DeviceFamily family, int index)
{
    for (const ScaleRow &row : kScales) {
        if (row.index == index)
            return row.scale[familyIndex(family)];
    }
    return 1;
}

int paramWriteFactor(DeviceFamily family, int index)
{
    const double scale = paramScale(family, index);
    if (scale * 100 == 1)
        return 100;
    if (scale * 10 == 1)
        return 10;
    if (scale * 1000 == 1)
        return 1000;
    return 1;
}

double paramShownValue(DeviceFamily family, int index, quint16 word, int nominalFac)
{
    const double value = word * paramScale(family, index);
    if (family == DeviceFamily::USA1 && index == 1)
        return nominalFac + value;
    if (family == DeviceFamily::USA1 && index == 3)
        return nominalFac - value;
    return value;
}

std::optional<quint16> paramWordFor(DeviceFamily family, int index, double value, int nominalFac)
{
    double stored = value;
    if (family == DeviceFamily::USA1 && index == 1)
        stored = value - nominalFac;
    else if (family == DeviceFamily::USA1 && index == 3)
        stored = nominalFac - value;
    // Rounded, not truncated: 0.29 x 100 is 28.999999999999996 in binary floating point.
    const double word = std::round(stored * paramWriteFactor(family, index));
    if (!(word >= 0 && word <= 0xFFFF))
        return std::nullopt;
    return quint16(word);
}

bool paramValueValid(const EEPromSet &item, double value)
{
    return item.minimum <= value && value <= item.maximum;
}

QString translatedName(const EEPromSet &item)
{
    // The names are register names, the same in every language, except for these words.
    static const char *const kWords[] = {QT_TRANSLATE_NOOP("ParamTables", "Language (LCD)"),
                                         QT_TRANSLATE_NOOP("ParamTables", "Alarm"),
                                         QT_TRANSLATE_NOOP("ParamTables", "N/A")};
    for (const char *word : kWords) {
        if (item.name == QLatin1String(word))
            return QCoreApplication::translate("ParamTables", word);
    }
    return item.name;
}
