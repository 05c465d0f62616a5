#include "tst_paramtables.h"

#include "device/devicetables.h"
#include "device/paramtables.h"

#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(DeviceFamily)

namespace {

const int kNominalFac = 50;

const QList<DeviceFamily> kFamilies = {DeviceFamily::EUR, DeviceFamily::USA0, DeviceFamily::USA1};

} // namespace

void TestParamTables::initTestCase()
{
    buildDeviceTables();
}

void TestParamTables::familyShapes_data()
{
    const QList<int> classicIndices = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 21};
    QTest::addColumn<DeviceFamily>("family");
    QTest::addColumn<QList<int>>("typeNos");
    QTest::addColumn<QList<int>>("indices");
    QTest::addColumn<QList<int>>("naIndices");
    QTest::newRow("EUR") << DeviceFamily::EUR << QList<int>{0, 1, 2, 3, 5, 6, 8} << classicIndices << QList<int>{};
    QTest::newRow("USA0") << DeviceFamily::USA0 << QList<int>{0, 1, 2, 3, 4, 5} << classicIndices << QList<int>{};
    QTest::newRow("USA1") << DeviceFamily::USA1 << QList<int>{0, 1, 2, 3, 4, 5} << classicIndices + QList<int>{22}
                          << QList<int>{11, 12, 16, 17};
}

void TestParamTables::familyShapes()
{
    QFETCH(DeviceFamily, family);
    QFETCH(QList<int>, typeNos);
    QFETCH(QList<int>, indices);
    QFETCH(QList<int>, naIndices);
    const ParamFamilyTable &table = paramTables(family);
    QCOMPARE(table.keys(), typeNos);
    const ParamItemSet &first = table.first();
    for (int type_no : typeNos) {
        const ParamItemSet &set = table[type_no];
        QCOMPARE(set.keys(), indices);
        QList<int> na;
        for (int row = 0; row < set.size(); ++row) {
            const EEPromSet *item = paramItem(set, paramRowToIndex(row));
            QVERIFY(item);
            QCOMPARE(item->type_no, type_no);
            QCOMPARE(item->index, indices[row]);
            QCOMPARE(item->name, first[item->index]->name);
            if (item->name == QStringLiteral("N/A"))
                na.append(item->index);
            // Units agree across type_no, except the "sec"/"Sec" of USA0.
            const bool usa0Seconds = family == DeviceFamily::USA0 && (item->index == 15 || item->index == 17);
            QCOMPARE(item->unit, usa0Seconds && type_no != 0 ? QStringLiteral("Sec") : first[item->index]->unit);
        }
        QCOMPARE(na, naIndices);
        QVERIFY(!paramItem(set, paramRowToIndex(set.size())));
    }
}

// Every default and range end lies in its range, survives the trip to a register word
// and back, and 0.01 beyond either end is refused.
void TestParamTables::itemRanges()
{
    for (DeviceFamily family : kFamilies) {
        for (const ParamItemSet &set : paramTables(family)) {
            for (const EEPromSet *item : set) {
                const QByteArray where = QStringLiteral("%1 type_no %2 index %3")
                                             .arg(familyLabel(family))
                                             .arg(item->type_no)
                                             .arg(item->index)
                                             .toLatin1();
                QVERIFY2(item->minimum <= item->defaultValue && item->defaultValue <= item->maximum, where);
                QVERIFY2(paramValueValid(*item, item->minimum) && paramValueValid(*item, item->maximum), where);
                QVERIFY2(!paramValueValid(*item, item->minimum - 0.01), where);
                QVERIFY2(!paramValueValid(*item, item->maximum + 0.01), where);
                for (double value : {item->defaultValue, item->minimum, item->maximum}) {
                    const std::optional<quint16> word = paramWordFor(family, item->index, value, kNominalFac);
                    QVERIFY2(word, where);
                    QVERIFY2(std::abs(paramShownValue(family, item->index, *word, kNominalFac) - value) < 1e-9, where);
                }
            }
        }
    }
}

void TestParamTables::emptySets()
{
    QVERIFY(paramSetFor(0, 4).isEmpty());
    QVERIFY(paramSetFor(204, 7).isEmpty());
    QVERIFY(paramSetFor(0, 9).isEmpty());
    QVERIFY(paramSetFor(3, 6).isEmpty());
    QVERIFY(paramSetFor(303, -1).isEmpty());
    QVERIFY(!paramItem(paramSetFor(0, 4), 1));
    QCOMPARE(paramRowToIndex(-1), -1);
    QCOMPARE(paramRowToIndex(19), -1);
}

void TestParamTables::conversions()
{
    using F = DeviceFamily;
    QCOMPARE(paramWordFor(F::EUR, 5, 253.0, 0), std::optional<quint16>(2530));
    QCOMPARE(paramShownValue(F::EUR, 5, 2530, 0), 253.0);
    QCOMPARE(paramWordFor(F::USA0, 5, 110, 0), std::optional<quint16>(11000));
    QCOMPARE(paramWordFor(F::USA1, 9, 0.14, 50), std::optional<quint16>(140));
    QCOMPARE(paramShownValue(F::EUR, 2, 0xFFFF, 0), 65535.0); // words are unsigned

    // USA1 keeps the trip frequencies as distances from the nominal frequency.
    QCOMPARE(paramWordFor(F::USA1, 1, 50.25, 50), std::optional<quint16>(25));
    QCOMPARE(paramWordFor(F::USA1, 3, 49.75, 50), std::optional<quint16>(25));
    QCOMPARE(paramShownValue(F::USA1, 1, 50, 60), 60.5);
    QCOMPARE(paramShownValue(F::USA1, 3, 25, 50), 49.75);

    // Products like 0.29 x 100 land just below the integer: the word is rounded, not truncated.
    QCOMPARE(paramWordFor(F::USA1, 1, 50.29, 50), std::optional<quint16>(29));
    QCOMPARE(paramWordFor(F::EUR, 1, 0.29, 0), std::optional<quint16>(29));
    QCOMPARE(paramWordFor(F::USA1, 3, 49.95, 50), std::optional<quint16>(5));

    // A result that does not fit a register word is not written.
    QCOMPARE(paramWordFor(F::USA1, 1, 50.15, 60), std::nullopt);
    QCOMPARE(paramWordFor(F::USA0, 4, 70000, 0), std::nullopt);
    QCOMPARE(paramWordFor(F::EUR, 4, 65535, 0), std::optional<quint16>(65535));
}
