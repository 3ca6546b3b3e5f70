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
using Rows = QList<QStringList>;

// The items: their pictures, and how they show and store their library objects.
class PassiveItemTest : public QObject
{
    Q_OBJECT

private slots:
    void picturesByType();
    void partShowAndStore();
    void connectionWithTwoConditions();
    void conditionsOutliveTheirConnectionItem();
};

namespace {

void setRows(LxLibTable& table, const Rows& rows)
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

} // namespace

void PassiveItemTest::picturesByType()
{
    lxListBox list;
    const QList<QPair<lxPassiveItem*, QString>> items{
        {new lxResistor(&list, nullptr, PCT_CAPACITOR), "PWCapacitor.png"},
        {new lxResistor(&list, nullptr, PCT_INDUCTOR), "PWInductor.png"},
        {new lxResistor(&list, nullptr, PCT_RESISTOR), "PWResistor.png"},
        {new lxResistor(&list, nullptr, PCT_RESONATOR), "PWResonator.png"},
        {new lxConnector(&list, nullptr, PCT_BOARD_CONTACT), "PWConnector.png"},
        {new lxConnection(&list, nullptr, nullptr, PCT_CONNECTION), "PWConnection.png"},
        {new lxCondition(&list, nullptr, nullptr, PCT_CONNECTION), "PWConditional.png"}};
    for (const auto& [item, image] : items) {
        QVERIFY2(!item->image().isNull() && item->image().toImage() == lxImage(image).toImage(), qPrintable(image));
        QCOMPARE(lxPassiveItem::passiveItem(item), item);
    }
    QVERIFY(lxResistor(nullptr, nullptr, PCT_CONNECTOR).image().isNull());
    QVERIFY(!lxConnection::connectionItem(items[4].first));
    QVERIFY(lxConnection::connectionItem(items[6].first));
}

void PassiveItemTest::partShowAndStore()
{
    lxListBox list;
    LxLibTable table;
    auto* item = new lxResistor(&list, &table, PCT_RESISTOR);
    item->setText(QStringLiteral("R1"));

    // Nothing built yet: the table empties and nothing is shown.
    setRows(table, {{"1", "2"}});
    QVERIFY(!item->showItem());
    QCOMPARE(table.numRows(), 0);

    // Only a modified item is rebuilt; rows with an empty cell are no combinations.
    setRows(table, {{"1", "2"}, {"3", ""}, {"", "4"}, {"5", "6"}});
    item->storeItem();
    QVERIFY(!item->libObject());
    item->setModified(true);
    item->storeItem();
    QVERIFY(!item->isModified());
    QCOMPARE(item->libObject()->GetName(), QStringLiteral("R1"));
    QCOMPARE(item->libObject()->GetType(), int(PCT_RESISTOR));
    QCOMPARE(pins(item->libObject()->GetPinCombinationList()), (QStringList{"1-2", "5-6"}));

    // Showing refills the table quietly and makes the item current.
    list.setCurrentItem(nullptr);
    setRows(table, {{"x", "y"}, {"z", "w"}, {"v", "u"}});
    QSignalSpy edits(&table, &LxLibTable::valueChanged);
    QVERIFY(item->showItem());
    QCOMPARE(table.tableTexts(), (Rows{{"1", "2"}, {"5", "6"}}));
    QCOMPARE(list.currentItem(), item);
    QVERIFY(edits.isEmpty());

    // A board contact keeps name and type only, whatever its table holds.
    auto* contact = new lxConnector(&list, &table, PCT_BOARD_CONTACT);
    contact->setText(QStringLiteral("TP1"));
    contact->setModified(true);
    contact->storeItem();
    QCOMPARE(contact->libObject()->GetType(), int(PCT_BOARD_CONTACT));
    QVERIFY(contact->libObject()->GetPinCombinationList().isEmpty());
}

void PassiveItemTest::connectionWithTwoConditions()
{
    lxListBox parts;
    lxListBox conditions;
    LxLibTable conditionTable;
    LxLibTable nonConditional;
    auto* object = new LxLibPassiveCompConnection(QStringLiteral("J1"));
    object->AddPinCombination(QStringLiteral("1"), QStringLiteral("2"));
    for (const char* id : {"C1", "C2"}) {
        auto* c = new LxLibCondition(QString::fromLatin1(id));
        c->AddPinCombination(QStringLiteral("3"), QString::fromLatin1(id));
        object->AddCondition(c);
    }
    LxLibCondition* c2 = object->GetConditionList().at(1);

    auto* connection = new lxConnection(&parts, &conditionTable, &nonConditional, PCT_CONNECTION);
    connection->setText(QStringLiteral("J1"));
    connection->setConditionList(&conditions);
    connection->setLibObject(object);
    QVERIFY(connection->showItem());

    // The conditions in file order, the last one shown.
    QCOMPARE(conditions.count(), 2);
    lxCondition* first = lxCondition::conditionItem(conditions.item(0));
    QCOMPARE(first->text(), QStringLiteral("C1"));
    QCOMPARE(first->libObject(), object);
    QCOMPARE(lxCondition::conditionItem(conditions.item(1))->condition(), c2);
    QCOMPARE(nonConditional.tableTexts(), (Rows{{"1", "2"}}));
    QCOMPARE(conditionTable.tableTexts(), (Rows{{"3", "C2"}}));

    // Edit the first condition and the connection's name and rows: the edited condition moves to the end.
    QVERIFY(first->showItem());
    setRows(conditionTable, {{"9", "10"}, {"11", ""}});
    emit conditionTable.valueChanged(0, 0);
    QVERIFY(first->isModified() && connection->isModified());
    setRows(nonConditional, {{"1", "2"}, {"2", "3"}});
    connection->setText(QStringLiteral("J2"));
    connection->storeItem();
    QCOMPARE(connection->libObject(), object);
    QCOMPARE(object->GetName(), QStringLiteral("J2"));
    QCOMPARE(pins(object->GetPinCombinationList()), (QStringList{"1-2", "2-3"}));
    QCOMPARE(object->GetConditionList().at(0), c2);
    QCOMPARE(object->GetConditionList().at(1)->GetConditionId(), QStringLiteral("C1"));
    QCOMPARE(pins(object->GetConditionList().at(1)->GetPinCombinationList()), (QStringList{"9-10"}));

    // A new condition is appended when first stored.
    auto* third = new lxCondition(&conditions, &conditionTable, &nonConditional, PCT_CONNECTION);
    third->setText(QStringLiteral("C3"));
    third->setLink(connection->sharedLibObject());
    QVERIFY(third->showItem());
    QCOMPARE(conditionTable.numRows(), 0);
    third->setModified(true);
    third->storeItem();
    QCOMPARE(object->GetConditionList().count(), 3);
    QCOMPARE(object->GetConditionList().at(2), third->condition());
}

void PassiveItemTest::conditionsOutliveTheirConnectionItem()
{
    lxListBox parts;
    lxListBox conditions;
    LxLibTable conditionTable;
    LxLibTable nonConditional;
    auto* connection = new lxConnection(&parts, &conditionTable, &nonConditional, PCT_CONNECTION);
    connection->setConditionList(&conditions);
    connection->setModified(true);
    connection->storeItem();
    auto* condition = new lxCondition(&conditions, &conditionTable, &nonConditional, PCT_CONNECTION);
    condition->setLink(connection->sharedLibObject());
    setRows(conditionTable, {{"1", "2"}});
    condition->setModified(true);

    // The part goes first; the condition still has its connection to store into.
    delete connection;
    condition->storeItem();
    auto* object = dynamic_cast<LxLibPassiveCompConnection*>(condition->libObject());
    QVERIFY(object);
    QCOMPARE(object->GetConditionList().count(), 1);
    QCOMPARE(pins(condition->condition()->GetPinCombinationList()), (QStringList{"1-2"}));
}

int runPassiveItemTests(int argc, char** argv)
{
    PassiveItemTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_passiveitems.moc"
