#include "tst_invertertree.h"

#include "monitor/programstate.h"
#include "plantfixture.h"
#include "support/scriptedprompter.h"
#include "support/tempappdir.h"
#include "ui/views/qmytreewidget.h"
#include "ui/views/realtimeview.h"

#include <QMimeData>
#include <QPushButton>
#include <QtTest>

using namespace PlantFixture;

namespace {

// The tree as text: groups, and their inverters indented.
QStringList shape(const QTreeWidget *tree)
{
    QStringList lines;
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem *group = tree->topLevelItem(g);
        lines << group->text(0);
        for (int i = 0; i < group->childCount(); ++i)
            lines << QStringLiteral("  ") + group->child(i)->text(0);
    }
    return lines;
}

QTreeWidgetItem *itemNamed(const QTreeWidget *tree, const QString &text, int occurrence = 0)
{
    const QList<QTreeWidgetItem *> items = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return items.value(occurrence);
}

void drop(QMyTreeWidget *tree, QTreeWidgetItem *dragged, QTreeWidgetItem *target)
{
    tree->setCurrentItem(dragged);
    QMimeData data;
    data.setData(QStringLiteral("application/x-qabstractitemmodeldatalist"), QByteArray());
    const QPoint at = tree->visualItemRect(target).center();
    // A drop goes to the widget that accepted the drag's entry.
    QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree->viewport(), &enter);
    QDropEvent event(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tree->viewport(), &event);
}

void click(QMyTreeWidget *tree, QTreeWidgetItem *item)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(item).center());
}

QString memberships(int inverterId)
{
    QStringList groups;
    for (const DbRow &row : db_query(QStringLiteral("SELECT group_id FROM orva_group_inverters WHERE inverter_id = ? "
                                                    "ORDER BY group_id"),
                                     {inverterId}))
        groups << row.value(QStringLiteral("group_id"));
    return groups.join(QLatin1Char(','));
}

struct Page
{
    Page() { dir.openDatabase(); }
    // The tab, its tree rebuilt as the window rebuilds it after a cycle with these records.
    void open(const DeviceSnapshot &devices = {})
    {
        tab = std::make_unique<RealTimeTab>();
        view = &tab->view;
        view->refresh(devices);
        view->buildGroupInverter();
        view->resize(900, 600);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        tree = view->tree();
    }
    QPushButton *button(const char *name) const { return view->findChild<QPushButton *>(QLatin1String(name)); }

    TempAppDir dir;
    ScriptedPrompter prompter;
    std::unique_ptr<RealTimeTab> tab;
    RealTimeView *view = nullptr;
    QMyTreeWidget *tree = nullptr;
};

} // namespace

void TestInverterTree::treeOrderAndDrops()
{
    Page page;
    const int obrien = addGroup(QStringLiteral("O'Brien"));
    const int roof = addGroup(QStringLiteral("屋顶"));
    const int a = addInverter(QStringLiteral("S/N 0001"), 1, true);
    const int b = addInverter(QStringLiteral("S/N 0002"), 2, true);
    const int c = addInverter(QStringLiteral("LE44A0012345"), 3, true); // a serial without "S/N"
    const int d = addInverter(QStringLiteral("S/N 0004"), 4, true);
    addMembership(obrien, a);
    addMembership(obrien, b);
    addMembership(roof, a); // left over from an older version: one inverter in two groups
    page.open(snapshot({record(1, QStringLiteral("S/N 0001"), 0), record(3, QStringLiteral("LE44A0012345"), 0)}));
    QMyTreeWidget *tree = page.tree;

    // The newest group first, "UnGrouped" last; black for the inverters the polling knows.
    const QStringList initial = {
        "屋顶",      "  LUMORA S/N 0001",     "O'Brien",          "  LUMORA S/N 0001", "  LUMORA S/N 0002",
        "UnGrouped", "  LUMORA LE44A0012345", "  LUMORA S/N 0004"};
    QCOMPARE(shape(tree), initial);
    QCOMPARE(itemNamed(tree, "LUMORA S/N 0001")->foreground(0).color(), QColor(Qt::black));
    QCOMPARE(itemNamed(tree, "LUMORA S/N 0002")->foreground(0).color(), QColor(Qt::red));

    // Onto an inverter: refused; onto its own group: nothing.
    for (QTreeWidgetItem *target : {itemNamed(tree, "LUMORA S/N 0001", 1), itemNamed(tree, "O'Brien")}) {
        drop(tree, itemNamed(tree, "LUMORA S/N 0002"), target);
        QCOMPARE(shape(tree), initial);
        QCOMPARE(memberships(b), QString::number(obrien));
    }

    // Onto "UnGrouped": out of every group.
    drop(tree, itemNamed(tree, "LUMORA S/N 0001", 1), itemNamed(tree, "UnGrouped"));
    QCOMPARE(memberships(a), QString());
    QCOMPARE(tree->currentItem()->parent()->text(0), QStringLiteral("UnGrouped"));

    // Onto a group: out of every other group; the serial without "S/N" moves as well.
    drop(tree, itemNamed(tree, "LUMORA S/N 0004"), itemNamed(tree, "屋顶"));
    drop(tree, itemNamed(tree, "LUMORA S/N 0004"), itemNamed(tree, "O'Brien"));
    drop(tree, itemNamed(tree, "LUMORA LE44A0012345"), itemNamed(tree, "屋顶"));
    QCOMPARE(memberships(d), QString::number(obrien));
    QCOMPARE(memberships(c), QString::number(roof));
    page.view->buildGroupInverter();
    QCOMPARE(shape(tree), (QStringList{"屋顶", "  LUMORA LE44A0012345", "O'Brien", "  LUMORA S/N 0002",
                                       "  LUMORA S/N 0004", "UnGrouped", "  LUMORA S/N 0001"}));
    // The rebuild kept the current item.
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("LUMORA LE44A0012345"));
}

void TestInverterTree::upAndDownWithinAndAcrossGroups()
{
    Page page;
    const int g1 = addGroup(QStringLiteral("G1"));
    const int g2 = addGroup(QStringLiteral("G2"));
    const int x = addInverter(QStringLiteral("S/N X"), 1, false);
    const int y = addInverter(QStringLiteral("S/N Y"), 2, false);
    const int z = addInverter(QStringLiteral("S/N Z"), 3, false);
    addInverter(QStringLiteral("S/N W"), 4, false);
    addMembership(g2, x);
    addMembership(g1, y);
    addMembership(g1, z);
    page.open();
    QMyTreeWidget *tree = page.tree;
    const QStringList initial = {"G2",        "  LUMORA S/N X", "G1", "  LUMORA S/N Y", "  LUMORA S/N Z",
                                 "UnGrouped", "  LUMORA S/N W"};
    QCOMPARE(shape(tree), initial);
    QVERIFY(!page.button("btnUpGroup")->isEnabled());

    // Nothing above the first group, nothing below "UnGrouped".
    click(tree, itemNamed(tree, "LUMORA S/N X"));
    QTest::mouseClick(page.button("btnUpGroup"), Qt::LeftButton);
    click(tree, itemNamed(tree, "LUMORA S/N W"));
    QTest::mouseClick(page.button("btnDownGroup"), Qt::LeftButton);
    QCOMPARE(shape(tree), initial);

    // Inside a group only the tree changes.
    click(tree, itemNamed(tree, "LUMORA S/N Y"));
    QTest::mouseClick(page.button("btnDownGroup"), Qt::LeftButton);
    QCOMPARE(shape(tree).mid(2, 3), (QStringList{"G1", "  LUMORA S/N Z", "  LUMORA S/N Y"}));
    QCOMPARE(memberships(y), QString::number(g1));

    // Past the end: into the next group, first; past the start: into the one above, last.
    QTest::mouseClick(page.button("btnDownGroup"), Qt::LeftButton);
    click(tree, itemNamed(tree, "LUMORA S/N X"));
    QTest::mouseClick(page.button("btnDownGroup"), Qt::LeftButton);
    QCOMPARE(memberships(y), QString());
    QCOMPARE(memberships(x), QString::number(g1));
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("LUMORA S/N X"));
    QTest::mouseClick(page.button("btnUpGroup"), Qt::LeftButton);
    QCOMPARE(memberships(x), QString::number(g2));
    QCOMPARE(shape(tree), (QStringList{"G2", "  LUMORA S/N X", "G1", "  LUMORA S/N Z", "UnGrouped", "  LUMORA S/N Y",
                                       "  LUMORA S/N W"}));
    QCOMPARE(memberships(z), QString::number(g1));
}

void TestInverterTree::groupNamesAreBoundAndKeptAsTyped()
{
    Page page;
    const int member = addInverter(QStringLiteral("S/N 0001"), 1, false);
    page.open();
    QPushButton *add = page.button("btnAddGroup");
    for (const char *typed : {" O'Brien ", "O'Brien", "屋顶", "x'); DELETE FROM orva_group; --"}) {
        page.prompter.setInputText(QString::fromUtf8(typed));
        QTest::mouseClick(add, Qt::LeftButton);
    }
    page.prompter.setInputText(std::nullopt);
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(
        db_query(QStringLiteral("SELECT group_concat(name, '|') AS names FROM orva_group")).value(0).value("names"),
        QStringLiteral("O'Brien|屋顶|x'); DELETE FROM orva_group; --"));
    QCOMPARE(db_query(QStringLiteral("SELECT hex(name) AS h FROM orva_group WHERE id = 2")).value(0).value("h"),
             QStringLiteral("E5B18BE9A1B6")); // UTF-8
    QCOMPARE(page.prompter.messages().size(), 1);
    QCOMPARE(page.prompter.messages().value(0).text, QStringLiteral("This group name existed!"));
    QCOMPARE(page.tree->topLevelItemCount(), 4);

    // A deleted group leaves its inverters ungrouped.
    addMembership(1, member);
    page.view->buildGroupInverter();
    click(page.tree, itemNamed(page.tree, "O'Brien"));
    QVERIFY(page.button("btnGroupDel")->isEnabled());
    QTest::mouseClick(page.button("btnGroupDel"), Qt::LeftButton);
    QCOMPARE(page.prompter.questions(), QStringList{"Confirm|Delete this group and all children?"});
    QCOMPARE(count("orva_group"), 2);
    QCOMPARE(count("orva_group_inverters"), 0);
    QCOMPARE(shape(page.tree).mid(1), (QStringList{"屋顶", "UnGrouped", "  LUMORA S/N 0001"}));
}

void TestInverterTree::deletingAnInverterMatchesItsExactSerial()
{
    Page page;
    const int group = addGroup(QStringLiteral("Roof"));
    const int shortId = addInverter(QStringLiteral("S/N 1111"), 1, false);
    const int longId = addInverter(QStringLiteral("S/N 11110001"), 2, false);
    for (int id : {shortId, longId}) {
        addMembership(group, id);
        for (int n = 0; n < 2; ++n)
            db_exec(QStringLiteral("INSERT INTO orva_monitor_log (inverter_id) VALUES (?)"), {id});
        db_exec(QStringLiteral("INSERT INTO orva_debug (inverter_id) VALUES (?)"), {id});
    }
    page.open();
    auto rowsOf = [](int id) {
        const QString where = QStringLiteral("inverter_id = %1").arg(id);
        return QList<int>{count("orva_group_inverters", where), count("orva_monitor_log", where),
                          count("orva_debug", where), count("orva_inverter", QStringLiteral("id = %1").arg(id))};
    };

    click(page.tree, itemNamed(page.tree, "LUMORA S/N 1111"));
    QTest::mouseClick(page.button("btnInverterDel"), Qt::LeftButton);
    QCOMPARE(rowsOf(shortId), (QList<int>{0, 0, 0, 0}));
    QCOMPARE(rowsOf(longId), (QList<int>{1, 2, 1, 1}));
    QVERIFY(!itemNamed(page.tree, "LUMORA S/N 1111"));

    // All four deletions or none.
    db_exec(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON orva_inverter BEGIN SELECT RAISE(ABORT, 'kept'); "
                           "END"));
    click(page.tree, itemNamed(page.tree, "LUMORA S/N 11110001"));
    QTest::mouseClick(page.button("btnInverterDel"), Qt::LeftButton);
    QCOMPARE(rowsOf(longId), (QList<int>{1, 2, 1, 1}));
}
