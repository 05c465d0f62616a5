#include "tst_errortables.h"

#include "device/devicetables.h"
#include "device/errortables.h"
#include "device/statetables.h"

#include <QtTest>

namespace {

const QString kNA = QStringLiteral("N/A");

QList<QPair<int, int>> decodedPositions(const QVector<DecodedError> &decoded)
{
    QList<QPair<int, int>> positions;
    for (const DecodedError &error : decoded)
        positions.append({error.word, error.info->bit});
    return positions;
}

} // namespace

void TestErrorTables::initTestCase()
{
    buildDeviceTables();
}

void TestErrorTables::completeSets_data()
{
    QTest::addColumn<int>("versionw3");
    QTest::addColumn<QList<int>>("unusedBits"); // word * 100 + bit
    QTest::newRow("EUR") << 0 << QList<int>{208, 209, 210, 213, 404};
    QTest::newRow("USA0") << 3 << QList<int>{};
    QTest::newRow("USA1") << 303
                          << QList<int>{113, 114, 115, 211, 212, 213, 214, 215, 312, 313, 314, 315, 413, 414, 415};
}

void TestErrorTables::completeSets()
{
    QFETCH(int, versionw3);
    QFETCH(QList<int>, unusedBits);
    const ErrorTableSet &table = errorTable(familyOf(versionw3));
    QCOMPARE(table.keys(), (QList<int>{1, 2, 3, 4}));
    QList<int> found;
    for (int word = 1; word <= 4; ++word) {
        QCOMPARE(table[word].size(), 16);
        for (int bit = 0; bit < 16; ++bit) {
            const ErrorBitInfo *info = table[word].value(bit);
            QVERIFY(info);
            QCOMPARE(info->bit, bit);
            QCOMPARE(info->mask, 1 << bit);
            QVERIFY(!info->name.isEmpty() && !info->description.isEmpty());
            QCOMPARE(info->description.trimmed(), info->description);
            QCOMPARE(info->name == kNA, info->description == kNA);
            if (info->name == kNA)
                found.append(word * 100 + bit);
        }
    }
    QCOMPARE(found, unusedBits);
}

void TestErrorTables::familySelection_data()
{
    QTest::addColumn<int>("versionw3");
    QTest::addColumn<QString>("word1bit8");
    QTest::addColumn<QString>("state10");
    QTest::newRow("0") << 0 << "FastEarthCurr"
                       << "LCD Initialize mode";
    QTest::newRow("1") << 1 << "FastEarthCurr"
                       << "LCD Initialize mode";
    QTest::newRow("204") << 204 << "FastEarthCurr"
                         << "LCD Initialize mode";
    QTest::newRow("3") << 3 << "Autotest"
                       << "LCD Initialize mode";
    QTest::newRow("203") << 203 << "Autotest"
                         << "LCD Initialize mode";
    QTest::newRow("303") << 303 << "FastEarthCurrent"
                         << "Program Initialize mode";
    QTest::newRow("400") << 400 << "FastEarthCurrent"
                         << "Program Initialize mode";
}

void TestErrorTables::familySelection()
{
    QFETCH(int, versionw3);
    QFETCH(QString, word1bit8);
    QFETCH(QString, state10);
    QCOMPARE(errorBitInfo(versionw3, 1, 8)->name, word1bit8);
    QCOMPARE(errorBitInfo(versionw3, 4, 15), errorTable(familyOf(versionw3))[4][15]);
    QCOMPARE(stateName(versionw3, 10), state10);
}

void TestErrorTables::lookupBounds()
{
    for (int versionw3 : {0, 3, 303}) {
        QVERIFY(errorBitInfo(versionw3, 1, 0));
        QVERIFY(errorBitInfo(versionw3, 4, 15));
        QVERIFY(!errorBitInfo(versionw3, 0, 0));
        QVERIFY(!errorBitInfo(versionw3, 5, 0));
        QVERIFY(!errorBitInfo(versionw3, 1, -1));
        QVERIFY(!errorBitInfo(versionw3, 1, 16));
    }
}

void TestErrorTables::decodeOrder()
{
    QVERIFY(decodeErrors(0, 0, 0, 0, 0).isEmpty());

    const QVector<DecodedError> grid = decodeErrors(0, 0x8001, 0, 0, 0);
    QCOMPARE(decodedPositions(grid), (QList<QPair<int, int>>{{1, 0}, {1, 15}}));
    QCOMPARE(grid[0].info->description, QStringLiteral("No AC voltage is detected on the grid side"));
    QVERIFY(grid[1].info->description.startsWith(QStringLiteral("The insulation resistance")));

    const QVector<DecodedError> unused = decodeErrors(0, 0, 0x0100, 0, 0);
    QCOMPARE(unused.size(), 1);
    QCOMPARE(unused[0].info->description, kNA);

    // Words in order, low bits first; bits above the 16th are not part of a word.
    const QVector<DecodedError> mixed = decodeErrors(3, 0x8010, 0x0003, 0x10000, 0xC000);
    QCOMPARE(decodedPositions(mixed), (QList<QPair<int, int>>{{1, 4}, {1, 15}, {2, 0}, {2, 1}, {4, 14}, {4, 15}}));
    for (const DecodedError &error : mixed)
        QCOMPARE(error.info, errorBitInfo(3, error.word, error.info->bit));
}

void TestErrorTables::stateNames()
{
    const ClassicStateNames &classic = StateNamesClassic();
    QCOMPARE(QSet<int>(classic.codes.begin(), classic.codes.end()).size(), ClassicStateNames::kCount);
    for (const QString &name : classic.names)
        QVERIFY(!name.isEmpty());
    QCOMPARE(StateNamesExtended().size(), 16);

    QCOMPARE(stateName(0, 20), QStringLiteral("Renew mode"));
    QVERIFY(stateName(303, 20).isEmpty());
    QCOMPARE(stateName(400, 91), QStringLiteral("Setting Parameter mode"));
    QVERIFY(stateName(3, 91).isEmpty());
    for (int versionw3 : {0, 3, 303}) {
        QVERIFY(stateName(versionw3, 0).isEmpty());
        QVERIFY(stateName(versionw3, 99).isEmpty());
        QCOMPARE(stateName(versionw3, 60), QStringLiteral("Fault mode"));
    }
}
