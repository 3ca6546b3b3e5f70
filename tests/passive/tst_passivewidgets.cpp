#include "LxLibPassive.h"
#include "LxLibTable.h"
#include "LxLibTypes.h"
#include "PWImages.h"
#include "ScriptedPrompter.h"
#include "lxCondition.h"
#include "lxConnector.h"
#include "lxListBox.h"
#include "lxPassiveConditionDlg.h"
#include "lxPassiveTypeDlg.h"
#include "lxResistor.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using Rows = QList<QStringList>;
using namespace lxlib;

// The list box, its items and the type and condition dialogs.
class PassiveWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void itemsDrawTheirTypesPicture();
    void renameAndContextMenu();
    void partShowAndStore();
    void connectionWithTwoConditions();
    void dialogs();
};

namespace {

// Whether any pixel of the area differs from the list's base colour.
bool drawnIn(const QImage& image, const QRect& area, QRgb base)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != base)
                return true;
    return false;
}

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

void PassiveWidgetTest::itemsDrawTheirTypesPicture()
{
    lxListBox list;
    list.resize(200, 160);
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

    // An item with a name draws image and name, one without a name only its image.
    lxPassiveItem* named = items[0].first;
    lxPassiveItem* unnamed = items[2].first;
    named->setText(QStringLiteral("C100"));
    unnamed->setText(QString());
    list.setCurrentItem(nullptr);
    list.clearSelection();
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QImage shot = list.viewport()->grab().toImage();
    const QRgb base = list.palette().color(QPalette::Base).rgb();
    const int imageWidth = named->image().width();
    for (const lxPassiveItem* item : {named, unnamed}) {
        const QRect row = list.visualItemRect(item);
        QCOMPARE(row.height(), 16);
        QVERIFY(drawnIn(shot, QRect(row.left(), row.top(), imageWidth, 16), base));
        const QRect textArea(row.left() + imageWidth + 5, row.top(), 30, 16);
        QCOMPARE(drawnIn(shot, textArea, base), item == named);
    }
}

void PassiveWidgetTest::renameAndContextMenu()
{
    ScriptedPrompter prompter;
    lxListBox list;
    list.resize(200, 120);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QContextMenuEvent emptyEvent(QContextMenuEvent::Mouse, QPoint(5, 5), list.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(list.viewport(), &emptyEvent);
    QVERIFY(!QApplication::activePopupWidget());

    auto* first = new lxResistor(&list, nullptr, PCT_RESISTOR);
    first->setText(QStringLiteral("Part1"));
    auto* second = new lxConnector(&list, nullptr, PCT_CONNECTOR);
    second->setText(QStringLiteral("Part2"));
    list.setCurrentItem(first);

    // Another entry's name in other case is refused with the typed name.
    prompter.answerText(QStringLiteral("part2"));
    list.renameItem();
    QCOMPARE(first->text(), QStringLiteral("Part1"));
    const ScriptedPrompter::Shown ask = prompter.shown().at(0);
    QCOMPARE(ask.caption + '|' + ask.text + '|' + ask.initial,
             QStringLiteral("Partwright|Please type de name of the item:|Part1"));
    QCOMPARE(prompter.shown().at(1).caption, QStringLiteral("Partwright"));
    QCOMPARE(prompter.lastText(), QStringLiteral("Condition name \"part2\" is already used"));

    // Cancel and an unchanged name do nothing; a new case of its own name is fine.
    prompter.answerText(QStringLiteral("R1"), false);
    list.renameItem();
    prompter.answerText(QStringLiteral("Part1"));
    list.renameItem();
    QVERIFY(!first->isModified());
    prompter.answerText(QStringLiteral("PART1"));
    list.renameItem();
    QCOMPARE(first->text(), QStringLiteral("PART1"));
    QVERIFY(first->isModified());

    // One entry may go without a name, not two.
    prompter.answerText(QString());
    list.renameItem();
    list.setCurrentItem(second);
    prompter.answerText(QString());
    list.renameItem();
    QCOMPARE(first->text() + '|' + second->text(), QStringLiteral("|Part2"));

    // Below the last entry the menu still opens; "Rename ..." acts on the current entry.
    prompter.answerText(QStringLiteral("R2"));
    QStringList entries;
    QTimer::singleShot(0, &list, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            entries << action->text();
            if (action->menu()) {
                for (QAction* sub : action->menu()->actions())
                    entries << sub->text() + (sub->icon().isNull() ? QString() : QStringLiteral("+icon"));
            }
        }
        menu->actions().first()->trigger();
        menu->close();
    });
    const QPoint below(10, 100);
    QContextMenuEvent event(QContextMenuEvent::Mouse, below, list.viewport()->mapToGlobal(below));
    QApplication::sendEvent(list.viewport(), &event);
    QCOMPARE(entries, (QStringList{"Rename ...", "Sort", "Ascending+icon", "Descending+icon"}));
    QCOMPARE(second->text(), QStringLiteral("R2"));
    QVERIFY(prompter.unexpected().isEmpty());
}

void PassiveWidgetTest::partShowAndStore()
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

    // An edit in the table marks the current item only; a plain entry carries no mark.
    list.setCurrentItem(contact);
    emit table.valueChanged(0, 0);
    QVERIFY(contact->isModified() && !item->isModified());
    list.setCurrentItem(new QListWidgetItem(QStringLiteral("plain"), &list));
    emit table.valueChanged(1, 1);
    QVERIFY(!item->isModified());
}

void PassiveWidgetTest::connectionWithTwoConditions()
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

    // The part goes first; a condition still has its connection to store into.
    setRows(conditionTable, {{"1", "2"}});
    third->setModified(true);
    delete connection;
    third->storeItem();
    QCOMPARE(dynamic_cast<LxLibPassiveCompConnection*>(third->libObject()), object);
    QCOMPARE(object->GetConditionList().count(), 3);
    QCOMPARE(pins(third->condition()->GetPinCombinationList()), (QStringList{"1-2"}));
}

void PassiveWidgetTest::dialogs()
{
    ScriptedPrompter prompter;
    QStringList seen;
    // A fixed type is the only choice; a free one proposes "Connection".
    const auto answer = [&](int entry, const QString& name) {
        prompter.answerDialog([&seen, entry, name](QDialog* dialog) {
            auto* d = static_cast<lxPassiveTypeDlg*>(dialog);
            seen << d->cbPassiveType->currentText() + (d->cbPassiveType->isEnabled() ? "" : " fixed")
                 << d->PartNameLineEdit->text();
            if (entry >= 0)
                d->cbPassiveType->setCurrentIndex(entry);
            d->PartNameLineEdit->setText(name);
            d->OkButton->click();
            return d->result();
        });
    };
    answer(-1, QStringLiteral("C7"));
    int type = PCT_CAPACITOR;
    QCOMPARE(lxPassiveTypeDlg().getPassiveType(QStringLiteral("Part3"), type), QStringLiteral("C7"));
    QCOMPARE(type, int(PCT_CAPACITOR));
    answer(5, QStringLiteral("Y1"));
    type = 0;
    QCOMPARE(lxPassiveTypeDlg().getPassiveType(QStringLiteral("Part1"), type), QStringLiteral("Y1"));
    QCOMPARE(type, int(PCT_RESONATOR));
    QCOMPARE(seen, (QStringList{"Capacitor fixed", "Part3", "Connection", "Part1"}));

    // Cancel leaves the type alone.
    prompter.answerDialog([](QDialog* d) {
        static_cast<lxPassiveTypeDlg*>(d)->CancelButton->click();
        return d->result();
    });
    QCOMPARE(lxPassiveTypeDlg().getPassiveType(QStringLiteral("Part1"), type), QString());
    QCOMPARE(type, int(PCT_RESONATOR));
    QVERIFY(prompter.unexpected().isEmpty());
    QCOMPARE(lxPassiveTypeDlg::passiveTypeCode(QStringLiteral("boardcontact")), int(PCT_BOARD_CONTACT));
    QCOMPARE(lxPassiveTypeDlg::passiveTypeCode(QStringLiteral("Board Contact")), 0);

    // Ok needs a name in both dialogs.
    lxPassiveTypeDlg dialog;
    dialog.show();
    dialog.PartNameLineEdit->clear();
    dialog.OkButton->click();
    QVERIFY(dialog.isVisible());
    dialog.PartNameLineEdit->setText(QStringLiteral("R1"));
    dialog.cbPassiveType->setCurrentIndex(3);
    dialog.OkButton->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.passiveType(), int(PCT_RESISTOR));

    lxPassiveConditionDlg condition;
    condition.show();
    condition.ConditionalLEdit->clear();
    condition.OkButton->click();
    QVERIFY(condition.isVisible());
    prompter.clearShown();
    prompter.answerText(QStringLiteral("Enabled"));
    QCOMPARE(condition.getConditionName(QStringLiteral("Condition2")), QStringLiteral("Enabled"));
    QCOMPARE(prompter.shown().first().text, QStringLiteral("PassiveConditionForm"));
    prompter.answerText(QStringLiteral("Enabled"), false);
    QCOMPARE(condition.getConditionName(QStringLiteral("Condition2")), QString());
}

QTEST_MAIN(PassiveWidgetTest)
#include "tst_passivewidgets.moc"
