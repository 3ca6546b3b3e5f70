#include "LxLibPassive.h"
#include "LxLibTable.h"
#include "PWImages.h"
#include "lxCondition.h"
#include "lxConnector.h"
#include "lxListBox.h"
#include "lxResistor.h"

#include <QSignalSpy>
#include <QTest>

using namespace lxlib;

// The items: their kinds and pictures, and how they show and store their library objects.
class PassiveItemTest : public QObject
{
    Q_OBJECT

private slots:
    void itemOfEveryType();
    void twoTerminalShowAndStore();
    void connectorStoresNameAndTypeOnly();
    void connectionWithTwoConditions();
    void conditionsOutliveTheirConnectionItem();
};

namespace {

void setRows(LxLibTable& table, const QList<QStringList>& rows)
{
    table.setNumCols(2);
    table.setNumRows(0);
    table.setNumRows(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 2; ++c)
            table.setText(r, c, rows[r][c]);
}

QStringList pins(const LxLibPinCombinationList& list)
{
    QStringList result;
    for (const LxLibPinCombination* c : list)
        result << c->GetPinA() + QLatin1Char('-') + c->GetPinB();
    return result;
}

bool sameImage(const QPixmap& a, const QString& name)
{
    return !a.isNull() && a.toImage() == lxImage(name).toImage();
}

} // namespace

void PassiveItemTest::itemOfEveryType()
{
    lxListBox list;
    LxLibTable table;
    const struct
    {
        int type;
        const char* image;
    } twoTerminal[] = {{PCT_CAPACITOR, "PWCapacitor.png"},
                       {PCT_INDUCTOR, "PWInductor.png"},
                       {PCT_RESISTOR, "PWResistor.png"},
                       {PCT_RESONATOR, "PWResonator.png"}};
    for (const auto& t : twoTerminal) {
        auto* item = new lxResistor(&list, &table, t.type);
        QCOMPARE(item->type(), int(lxPassiveItem::ResistorItemType));
        QCOMPARE(item->passiveType(), t.type);
        QVERIFY2(sameImage(item->image(), QString::fromLatin1(t.image)), t.image);
    }
    QVERIFY(lxResistor(nullptr, &table, PCT_CONNECTOR).image().isNull());

    auto* connector = new lxConnector(&list, nullptr, PCT_BOARD_CONTACT);
    QVERIFY(sameImage(connector->image(), QStringLiteral("PWConnector.png")));
    auto* connection = new lxConnection(&list, &table, &table, PCT_CONNECTION);
    QVERIFY(sameImage(connection->image(), QStringLiteral("PWConnection.png")));
    auto* condition = new lxCondition(&list, &table, &table, PCT_CONNECTION);
    QVERIFY(sameImage(condition->image(), QStringLiteral("PWConditional.png")));
    QCOMPARE(condition->conditionList(), &list);

    QCOMPARE(list.count(), 7);
    for (int i = 0; i < list.count(); ++i) {
        QVERIFY(lxPassiveItem::passiveItem(list.item(i)));
        QCOMPARE(lxPassiveItem::passiveItem(list.item(i))->height(&list), 16);
        QVERIFY(!lxPassiveItem::passiveItem(list.item(i))->libObject());
    }
    QCOMPARE(lxConnection::connectionItem(connection), connection);
    QCOMPARE(lxConnection::connectionItem(condition), condition);
    QVERIFY(!lxConnection::connectionItem(connector));
    QVERIFY(!lxCondition::conditionItem(connection));
}

void PassiveItemTest::twoTerminalShowAndStore()
{
    lxListBox list;
    LxLibTable table;
    auto* item = new lxResistor(&list, &table, PCT_RESISTOR);
    item->setText(QStringLiteral("R1"));

    // Nothing built yet: the table empties and nothing is shown.
    setRows(table, {{"1", "2"}});
    QVERIFY(!item->showItem());
    QCOMPARE(table.numRows(), 0);
    QVERIFY(!lxResistor(nullptr, nullptr, PCT_RESISTOR).showItem());

    // Rows with an empty cell are no combinations.
    setRows(table, {{"1", "2"}, {"3", ""}, {"", "4"}, {"5", "6"}});
    item->storeItem();
    QVERIFY(!item->libObject());
    item->setModified(true);
    item->storeItem();
    QVERIFY(!item->isModified());
    LxLibPassiveComponent* stored = item->libObject();
    QVERIFY(stored);
    QCOMPARE(stored->GetName(), QStringLiteral("R1"));
    QCOMPARE(stored->GetType(), int(PCT_RESISTOR));
    QCOMPARE(pins(stored->GetPinCombinationList()), (QStringList{"1-2", "5-6"}));

    // Showing refills the table quietly and makes the item current.
    list.setCurrentItem(nullptr);
    setRows(table, {{"x", "y"}, {"z", "w"}, {"v", "u"}});
    QSignalSpy edits(&table, &LxLibTable::valueChanged);
    QVERIFY(item->showItem());
    QCOMPARE(table.tableTexts(), (QList<QStringList>{{"1", "2"}, {"5", "6"}}));
    QCOMPARE(list.currentItem(), item);
    QVERIFY(edits.isEmpty());
    QVERIFY(!item->isModified());
}

void PassiveItemTest::connectorStoresNameAndTypeOnly()
{
    lxListBox list;
    LxLibTable table;
    setRows(table, {{"1", "2"}});
    auto* item = new lxConnector(&list, &table, PCT_BOARD_CONTACT);
    item->setText(QStringLiteral("TP1"));
    item->setModified(true);
    item->storeItem();
    QCOMPARE(item->libObject()->GetName(), QStringLiteral("TP1"));
    QCOMPARE(item->libObject()->GetType(), int(PCT_BOARD_CONTACT));
    QVERIFY(item->libObject()->GetPinCombinationList().isEmpty());
}

void PassiveItemTest::connectionWithTwoConditions()
{
    lxListBox parts;
    lxListBox conditions;
    LxLibTable conditionTable;
    LxLibTable nonConditional;
    auto* object = new LxLibPassiveCompConnection(QStringLiteral("J1"));
    object->AddPinCombination(QStringLiteral("1"), QStringLiteral("2"));
    auto* c1 = new LxLibCondition(QStringLiteral("C1"));
    c1->AddPinCombination(QStringLiteral("3"), QStringLiteral("4"));
    auto* c2 = new LxLibCondition(QStringLiteral("C2"));
    c2->AddPinCombination(QStringLiteral("5"), QStringLiteral("6"));
    c2->AddPinCombination(QStringLiteral("7"), QStringLiteral("8"));
    object->AddCondition(c1);
    object->AddCondition(c2);

    auto* connection = new lxConnection(&parts, &conditionTable, &nonConditional, PCT_CONNECTION);
    connection->setText(QStringLiteral("J1"));
    connection->setConditionList(&conditions);
    connection->setLibObject(object);
    QVERIFY(connection->showItem());

    // The conditions in file order, the last one shown.
    QCOMPARE(conditions.count(), 2);
    lxCondition* first = lxCondition::conditionItem(conditions.item(0));
    lxCondition* second = lxCondition::conditionItem(conditions.item(1));
    QVERIFY(first && second);
    QCOMPARE(first->text(), QStringLiteral("C1"));
    QCOMPARE(second->condition(), c2);
    QCOMPARE(first->libObject(), object);
    QCOMPARE(nonConditional.tableTexts(), (QList<QStringList>{{"1", "2"}}));
    QCOMPARE(conditionTable.tableTexts(), (QList<QStringList>{{"5", "6"}, {"7", "8"}}));
    QCOMPARE(conditions.currentItem(), second);

    // Edit the first condition and the connection, then store: the condition keeps its place.
    QVERIFY(first->showItem());
    QCOMPARE(conditionTable.tableTexts(), (QList<QStringList>{{"3", "4"}}));
    setRows(conditionTable, {{"9", "10"}, {"11", ""}});
    emit conditionTable.valueChanged(0, 0);
    QVERIFY(first->isModified());
    QVERIFY(connection->isModified());
    setRows(nonConditional, {{"1", "2"}, {"2", "3"}});
    connection->setText(QStringLiteral("J2"));
    connection->storeItem();
    QCOMPARE(connection->libObject(), object);
    QCOMPARE(object->GetName(), QStringLiteral("J2"));
    QCOMPARE(pins(object->GetPinCombinationList()), (QStringList{"1-2", "2-3"}));
    QCOMPARE(object->GetConditionList().count(), 2);
    QCOMPARE(object->GetConditionList().at(0)->GetConditionId(), QStringLiteral("C1"));
    QCOMPARE(pins(object->GetConditionList().at(0)->GetPinCombinationList()), (QStringList{"9-10"}));
    QCOMPARE(object->GetConditionList().at(1), c2);
    QVERIFY(!first->isModified());

    // A new condition is appended when first stored; showing again lists all three.
    auto* third = new lxCondition(&conditions, &conditionTable, &nonConditional, PCT_CONNECTION);
    third->setText(QStringLiteral("C3"));
    third->setLink(connection->sharedLibObject());
    QVERIFY(third->showItem());
    QCOMPARE(conditionTable.numRows(), 0);
    setRows(conditionTable, {{"A", "B"}});
    third->setModified(true);
    connection->setModified(true);
    connection->storeItem();
    QCOMPARE(object->GetConditionList().count(), 3);
    QCOMPARE(object->GetConditionList().at(2), third->condition());
    QVERIFY(connection->showItem());
    QCOMPARE(conditions.count(), 3);
    QCOMPARE(conditions.item(2)->text(), QStringLiteral("C3"));
    QVERIFY(!lxCondition(nullptr, &conditionTable, nullptr, PCT_CONNECTION).showItem());
}

void PassiveItemTest::conditionsOutliveTheirConnectionItem()
{
    lxListBox parts;
    lxListBox conditions;
    LxLibTable conditionTable;
    LxLibTable nonConditional;
    auto* connection = new lxConnection(&parts, &conditionTable, &nonConditional, PCT_CONNECTION);
    connection->setConditionList(&conditions);
    connection->setText(QStringLiteral("J1"));
    connection->setModified(true);
    connection->storeItem();
    QVERIFY(connection->connectionObject());

    auto* condition = new lxCondition(&conditions, &conditionTable, &nonConditional, PCT_CONNECTION);
    condition->setText(QStringLiteral("C1"));
    condition->setLink(connection->sharedLibObject());
    setRows(conditionTable, {{"1", "2"}});
    condition->setModified(true);

    // Deleting the part first leaves the condition something valid to store into.
    delete connection;
    QCOMPARE(parts.count(), 0);
    condition->storeItem();
    auto* object = dynamic_cast<LxLibPassiveCompConnection*>(condition->libObject());
    QVERIFY(object);
    QCOMPARE(object->GetConditionList().count(), 1);
    QCOMPARE(pins(condition->condition()->GetPinCombinationList()), (QStringList{"1-2"}));
    conditions.clear();
}

int runPassiveItemTests(int argc, char** argv)
{
    PassiveItemTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_passiveitems.moc"
