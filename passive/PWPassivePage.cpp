#include "PWPassivePage.h"

#include "ui_PWPassivePage.h"

#include "LxLibPassive.h"
#include "LxLibTable.h"
#include "LxPrompter.h"
#include "LxTableHistory.h"
#include "LxUndoBinding.h"
#include "PWPassivePartStep.h"
#include "lxCondition.h"
#include "lxConnection.h"
#include "lxConnector.h"
#include "lxListBox.h"
#include "lxPassiveConditionDlg.h"
#include "lxPassiveTypeDlg.h"
#include "lxResistor.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QUndoStack>

#include <algorithm>

using namespace lxlib;

namespace {

bool isTwoTerminal(int type)
{
    return type == PCT_CAPACITOR || type == PCT_INDUCTOR || type == PCT_RESISTOR || type == PCT_RESONATOR;
}

} // namespace

PWPassivePage::PWPassivePage(QWidget* parent) : QWidget(parent), m_ui(std::make_unique<Ui::PWPassivePage>())
{
    m_ui->setupUi(this);
    setUpHistories();
}

PWPassivePage::~PWPassivePage()
{
    // Steps hold taken parts and point at the parts listed; they go before the lists.
    clearHistory();
    // Condition items share their connection's object; they go first, and no handler sees them go.
    const QSignalBlocker parts(partList());
    const QSignalBlocker conditions(conditionList());
    conditionList()->clear();
    partList()->clear();
}

lxListBox* PWPassivePage::partList() const
{
    return m_ui->lxListBoxDeviceList;
}

lxListBox* PWPassivePage::conditionList() const
{
    return m_ui->lxListBoxConditionalPartList;
}

void PWPassivePage::connectSlots()
{
    const Ui::PWPassivePage& ui = *m_ui;
    connect(ui.AddPassiveParts, &QPushButton::clicked, this, &PWPassivePage::slotAddPassivePart);
    connect(ui.DeletePassiveParts, &QPushButton::clicked, this, &PWPassivePage::slotDeletePassiveParts);
    connect(ui.AddCondition, &QPushButton::clicked, this, &PWPassivePage::slotAddCondition);
    connect(ui.DeleteCondition, &QPushButton::clicked, this, &PWPassivePage::slotDeleteCondition);
    connect(ui.AddConnectionPinDefinition, &QPushButton::clicked, this,
            &PWPassivePage::slotAddConnectionPinDefinition);
    connect(ui.DeleteConnectionPinDefinition, &QPushButton::clicked, this,
            &PWPassivePage::slotDeleteConnectionPinDefinition);
    connect(ui.AddResistorPinDefinition, &QPushButton::clicked, this, &PWPassivePage::slotAddResistorPinDefinition);
    connect(ui.DeleteResistorPinDefinition, &QPushButton::clicked, this,
            &PWPassivePage::slotDeleteResistorPinDefinition);
    connect(ui.AddNonConditionPinDefinition, &QPushButton::clicked, this,
            &PWPassivePage::slotAddNonConditionPinDefinition);
    connect(ui.DeleteNonConditionPinDefinition, &QPushButton::clicked, this,
            &PWPassivePage::slotDeleteNonConditionPinDefinition);
    connect(partList(), &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* current) { slotPartListSelectionChanged(current); });
    connect(conditionList(), &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* current) { slotConditionListSelectionChanged(current); });
    connect(ui.PassiveConnectionTable, &QTableWidget::currentCellChanged, this,
            [this](int row, int col) { slotPassiveConnectionTableCurrentChanged(row, col); });
}

void PWPassivePage::setUpHistories()
{
    m_partHistory = new LxUndoBinding(partList());
    m_conditionHistory = new LxUndoBinding(conditionList(), m_partHistory->stack());
    partList()->setHistory(m_partHistory);
    conditionList()->setHistory(m_conditionHistory);
    for (lxListBox* list : {partList(), conditionList()})
        connect(list, &lxListBox::itemRenamed, this,
                [this, list](QListWidgetItem* item, const QString& oldName) { slotItemRenamed(list, item, oldName); });
    // A step taken back or again is an edit of the item shown, which may have been stored meanwhile.
    for (LxLibTable* table : {m_ui->PassiveResistorTable, m_ui->lxNonConditionalTable})
        connect(table->enableHistory(), &LxTableHistory::restored, this, [this] { partList()->slotIsChanged(-1, -1); });
    connect(m_ui->PassiveConnectionTable->enableHistory(), &LxTableHistory::restored, this, [this] {
        conditionList()->slotIsChanged(-1, -1);
        partList()->slotIsChanged(-1, -1);
    });
    for (LxLibTable* table : {m_ui->PassiveResistorTable, m_ui->lxNonConditionalTable, m_ui->PassiveConnectionTable}) {
        LxTableHistory* history = table->history();
        connect(history->stack(), &QUndoStack::cleanChanged, this, [this, history] {
            if (!history->isResetting())
                followHistories();
        });
    }
    connect(m_ui->PassiveResistorTable->history(), &LxTableHistory::historyReset, this, [this] {
        const lxPassiveItem* part = lxPassiveItem::passiveItem(partList()->currentItem());
        m_partModifiedAtShow = part && part->isModified();
    });
    connect(m_ui->PassiveConnectionTable->history(), &LxTableHistory::historyReset, this, [this] {
        const lxPassiveItem* condition = lxPassiveItem::passiveItem(conditionList()->currentItem());
        m_conditionModifiedAtShow = condition && condition->isModified();
    });
}

void PWPassivePage::followHistories()
{
    const bool conditionEdited = !m_ui->PassiveConnectionTable->history()->stack()->isClean();
    if (lxPassiveItem* condition = lxPassiveItem::passiveItem(conditionList()->currentItem()))
        condition->setModified(m_conditionModifiedAtShow || conditionEdited);
    if (lxPassiveItem* part = lxPassiveItem::passiveItem(partList()->currentItem())) {
        bool edited = conditionEdited && shownConnection();
        for (const LxLibTable* table : {m_ui->PassiveResistorTable, m_ui->lxNonConditionalTable})
            edited = edited || !table->history()->stack()->isClean();
        part->setModified(m_partModifiedAtShow || edited);
    }
}

void PWPassivePage::settleStored()
{
    // Unmodified after an edit means stored since: that is where an undo starts to be an edit again.
    if (const lxPassiveItem* part = lxPassiveItem::passiveItem(partList()->currentItem()); part && !part->isModified()) {
        m_partModifiedAtShow = false;
        m_ui->PassiveResistorTable->history()->setStored();
        m_ui->lxNonConditionalTable->history()->setStored();
    }
    const lxPassiveItem* condition = lxPassiveItem::passiveItem(conditionList()->currentItem());
    if (condition && !condition->isModified()) {
        m_conditionModifiedAtShow = false;
        m_ui->PassiveConnectionTable->history()->setStored();
    }
}

void PWPassivePage::resetTableHistories()
{
    for (LxLibTable* table : {m_ui->PassiveResistorTable, m_ui->PassiveConnectionTable, m_ui->lxNonConditionalTable})
        table->history()->reset();
}

void PWPassivePage::clearHistory()
{
    listHistory()->clear();
    resetTableHistories();
}

QUndoStack* PWPassivePage::listHistory() const
{
    return m_partHistory->stack();
}

void PWPassivePage::prepareTable(LxLibTable* table, int kind)
{
    table->setColumnCount(2);
    const QString pinId = QCoreApplication::translate("PartwrightDlg", "Pin Id");
    table->setHorizontalHeaderLabels({pinId, pinId});
    table->setRowCount(2);
    table->setTableKind(kind);
}

void PWPassivePage::preparePassivePage()
{
    connectSlots();
    prepareTable(m_ui->PassiveResistorTable, 9);
    prepareTable(m_ui->PassiveConnectionTable, 10);
    prepareTable(m_ui->lxNonConditionalTable, 11);
    m_ui->PassiveConnectionTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    clearHistory();
    {
        const QSignalBlocker parts(partList());
        const QSignalBlocker conditions(conditionList());
        conditionList()->clear();
        partList()->clear();
    }
    for (QSplitter* splitter : {m_ui->PassivePartSplitter, m_ui->splitterCondition, m_ui->splitterNonCondition})
        splitter->setSizes({70, 600});
    m_passiveType = 0;
    m_previousCondition = nullptr;
    showPassivePage(0);
}

void PWPassivePage::clearPinTables()
{
    for (LxLibTable* table : {m_ui->PassiveResistorTable, m_ui->PassiveConnectionTable, m_ui->lxNonConditionalTable})
        table->setRowCount(0);
}

void PWPassivePage::resetPassivePage()
{
    clearHistory();
    clearPinTables();
    {
        const QSignalBlocker parts(partList());
        const QSignalBlocker conditions(conditionList());
        conditionList()->clear();
        partList()->clear();
    }
    m_previousCondition = nullptr;
    m_passiveType = 0;
    showPassivePage(0);
}

void PWPassivePage::storeModifiedItems(lxListBox* list)
{
    for (int i = 0; i < list->count(); ++i) {
        lxPassiveItem* item = lxPassiveItem::passiveItem(list->item(i));
        if (item && item->isModified())
            item->storeItem();
    }
    settleStored();
}

void PWPassivePage::storeAllModifiedItems()
{
    storeModifiedItems(partList());
    storeModifiedItems(conditionList());
}

QString PWPassivePage::uniquePassiveName(const lxListBox* list, const QString& stem)
{
    QSet<QString> taken;
    taken.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        taken.insert(list->item(i)->text().toLower());
    for (int n = 1;; ++n) {
        const QString name = stem + QString::number(n);
        if (!taken.contains(name.toLower()))
            return name;
    }
}

bool PWPassivePage::hasName(const lxListBox* list, const QString& name)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void PWPassivePage::information(const QString& text)
{
    lxPrompter().information(this, QCoreApplication::translate("PartwrightDlg", "Partwright"), text);
}

bool PWPassivePage::askYesNo(const QString& question)
{
    return lxPrompter().yesNo(this, QCoreApplication::translate("PartwrightDlg", "Partwright"), question);
}

lxPassiveItem* PWPassivePage::makePartItem(int type, const QString& name, bool loaded)
{
    lxPassiveItem* item = nullptr;
    if (isTwoTerminal(type)) {
        item = new lxResistor(partList(), m_ui->PassiveResistorTable, type);
    } else if (type == PCT_CONNECTOR || type == PCT_BOARD_CONTACT) {
        // A loaded connector is shown through the condition table, which it never reads back.
        item = new lxConnector(partList(), loaded ? m_ui->PassiveConnectionTable : nullptr, type);
    } else if (type == PCT_CONNECTION) {
        auto* connection =
            new lxConnection(partList(), m_ui->PassiveConnectionTable, m_ui->lxNonConditionalTable, type);
        connection->setConditionList(conditionList());
        item = connection;
    }
    if (item)
        item->setText(name);
    return item;
}

void PWPassivePage::slotAddPassivePart()
{
    storeModifiedItems(conditionList());
    int type = m_passiveType;
    lxPassiveTypeDlg dialog(this);
    const QString name = dialog.getPassiveType(uniquePassiveName(partList(), QStringLiteral("Part")), type);
    if (name.isEmpty())
        return;
    if (hasName(partList(), name)) {
        //: %1 = Name of the part
        information(QCoreApplication::translate("PartwrightDlg", "Part name \"%1\" is already used").arg(name));
        return;
    }
    lxPassiveItem* item = makePartItem(type, name, false);
    if (!item)
        return;
    m_passiveType = type;
    if (type == PCT_CONNECTION)
        item->setLibObject(new LxLibPassiveCompConnection(name));
    partList()->setCurrentItem(item);
    item->setModified(true);
    m_partModifiedAtShow = true;
    showPassivePage(m_passiveType);
    listHistory()->push(new PWPassivePartStep(this, PWPassivePartStep::Added, item, partList()->row(item)));
}

QListWidgetItem* PWPassivePage::confirmedCurrent(lxListBox* list, const QString& question)
{
    QListWidgetItem* current = list->currentItem();
    return current && askYesNo(question.arg(current->text())) ? current : nullptr;
}

void PWPassivePage::takeQuietly(lxListBox* list, QListWidgetItem* item)
{
    // The item leaves the list before it is destroyed, so no handler sees it half gone.
    const QSignalBlocker blocker(list);
    list->takeItem(list->row(item));
    list->setCurrentItem(nullptr);
}

void PWPassivePage::slotDeletePassiveParts()
{
    //: %1 = Name of the part
    const QString question = QCoreApplication::translate("PartwrightDlg", "Do you want to delete part \"%1\"?");
    lxPassiveItem* part = lxPassiveItem::passiveItem(confirmedCurrent(partList(), question));
    if (part)
        listHistory()->push(new PWPassivePartStep(this, PWPassivePartStep::Deleted, part, partList()->row(part)));
}

std::unique_ptr<lxPassiveItem> PWPassivePage::takePart(lxPassiveItem* item)
{
    // The part leaves complete: its library object holds what its tables and conditions showed.
    storeAllModifiedItems();
    const int row = partList()->row(item);
    {
        const QSignalBlocker blocker(conditionList());
        conditionList()->clear();
    }
    m_previousCondition = nullptr;
    takeQuietly(partList(), item);
    std::unique_ptr<lxPassiveItem> taken(item);
    if (partList()->count() > 0) {
        partList()->setCurrentRow(qMin(row, partList()->count() - 1));
        return taken;
    }
    clearPinTables();
    resetTableHistories();
    m_passiveType = 0;
    showPassivePage(0);
    return taken;
}

void PWPassivePage::putPart(int row, std::unique_ptr<lxPassiveItem> item)
{
    lxPassiveItem* part = item.release();
    {
        const QSignalBlocker blocker(partList());
        partList()->insertItem(row, part);
    }
    m_passiveType = part->passiveType();
    partList()->setCurrentItem(part);
}

void PWPassivePage::renamePart(lxPassiveItem* item, const QString& name)
{
    // Only the part shown may be marked modified: storing reads the tables.
    partList()->setCurrentItem(item);
    item->setText(name);
    item->setModified(true);
    // A new name is no step of the tables: undoing them keeps it to be stored.
    m_partModifiedAtShow = true;
    showPartNameLabel(item);
}

bool PWPassivePage::allowsPart(const lxPassiveItem* item, const QString& name)
{
    for (int i = 0; i < partList()->count(); ++i) {
        const QListWidgetItem* other = partList()->item(i);
        if (other != item && other->text().compare(name, Qt::CaseInsensitive) == 0) {
            //: %1 = Name of the part
            information(QCoreApplication::translate("PartwrightDlg", "Part name \"%1\" is already used").arg(name));
            return false;
        }
    }
    return true;
}

lxConnection* PWPassivePage::shownConnection() const
{
    QListWidgetItem* current = partList()->currentItem();
    return current && current->type() == lxPassiveItem::ConnectionItemType ? lxConnection::connectionItem(current)
                                                                            : nullptr;
}

PWConditionSnapshot PWPassivePage::snapshotConditions(lxConnection* connection)
{
    storeAllModifiedItems();
    PWConditionSnapshot copies;
    if (LxLibPassiveCompConnection* object = connection ? connection->connectionObject() : nullptr) {
        copies.reserve(object->GetConditionList().count());
        for (const LxLibCondition* condition : object->GetConditionList())
            copies.emplace_back(condition->clone());
    }
    return copies;
}

void PWPassivePage::restoreConditions(lxConnection* connection, const PWConditionSnapshot& conditions, int row)
{
    storeAllModifiedItems();
    LxLibPassiveCompConnection* object = connection->connectionObject();
    if (!object)
        return;
    {
        // The condition items point into the list replaced.
        const QSignalBlocker blocker(conditionList());
        conditionList()->clear();
    }
    m_previousCondition = nullptr;
    LxLibConditionList& list = object->GetConditionList();
    list.clear();
    for (const std::unique_ptr<LxLibCondition>& condition : conditions)
        list.append(condition->clone());
    if (partList()->currentItem() == connection)
        showCurrentPart();
    else
        partList()->setCurrentItem(connection);
    if (row >= 0 && row < conditionList()->count())
        conditionList()->setCurrentRow(row);
}

void PWPassivePage::slotItemRenamed(lxListBox* list, QListWidgetItem* item, const QString& oldName)
{
    if (list == partList()) {
        if (lxPassiveItem* part = lxPassiveItem::passiveItem(item)) {
            m_partModifiedAtShow = true;
            showPartNameLabel(part);
            listHistory()->push(
                new PWPassivePartStep(this, PWPassivePartStep::Renamed, part, partList()->row(part), oldName));
        }
        return;
    }
    lxCondition* condition = lxCondition::conditionItem(item);
    lxConnection* connection = shownConnection();
    if (!condition || !connection || !connection->connectionObject())
        return;
    const QString newName = condition->text();
    const LxLibConditionList& stored = connection->connectionObject()->GetConditionList();
    const int oldRow = stored.indexOf(condition->condition());
    // What the connection held under the old name, pending edits included; storing
    // the renamed condition moved it to the end, but before the rename it stood at oldRow.
    condition->setText(oldName);
    PWConditionSnapshot before = snapshotConditions(connection);
    const int storedRow = stored.indexOf(condition->condition());
    if (oldRow >= 0 && storedRow > oldRow)
        std::rotate(before.begin() + oldRow, before.begin() + storedRow, before.begin() + storedRow + 1);
    condition->setText(newName);
    condition->setModified(true);
    PWConditionSnapshot after = snapshotConditions(connection);
    const int row = connection->connectionObject()->GetConditionList().indexOf(condition->condition());
    setConditionNameLabel(newName);
    listHistory()->push(new PWPassiveConditionStep(this, connection, std::move(before), std::move(after), row));
}

void PWPassivePage::setConditionNameLabel(const QString& name)
{
    //: %1 = Name of the condition
    m_ui->ConditionNameLabel->setText(QCoreApplication::translate("PartwrightDlg", "Condition name : %1").arg(name));
}

void PWPassivePage::slotPartListSelectionChanged(QListWidgetItem* item)
{
    storeModifiedItems(partList());
    storeModifiedItems(conditionList());
    lxPassiveItem* part = lxPassiveItem::passiveItem(item);
    if (!part) {
        resetTableHistories();
        return;
    }
    {
        // A connection makes its condition items current one by one while it shows them.
        const QSignalBlocker blocker(conditionList());
        conditionList()->clear();
        m_previousCondition = nullptr;
        clearPinTables();
        part->showItem();
        m_previousCondition = conditionList()->currentItem();
    }
    resetTableHistories();
    setConditionNameLabel(QString());
    showPartNameLabel(part);
    showPassivePage(part->passiveType());
}

void PWPassivePage::showPartNameLabel(const lxPassiveItem* item)
{
    if (!item)
        return;
    //: %1 = Name of the part
    const QString text = QCoreApplication::translate("PartwrightDlg", "Part name : %1").arg(item->text());
    if (isTwoTerminal(item->passiveType()))
        m_ui->ResitorPartNameLabel->setText(text);
    else if (item->passiveType() == PCT_CONNECTION)
        m_ui->ConnectionPartNameLabel->setText(text);
}

void PWPassivePage::showPassivePage(int type)
{
    QWidget* page = m_ui->WSPassiveUnknown;
    if (isTwoTerminal(type))
        page = m_ui->WSPassiveResistor;
    else if (type == PCT_CONNECTOR)
        page = m_ui->WSPassiveConnector;
    else if (type == PCT_CONNECTION)
        page = m_ui->WSPassiveConnection;
    else if (type == PCT_BOARD_CONTACT)
        page = m_ui->WSPassiveBoardContact;
    m_ui->wsPinDefinitions->setCurrentWidget(page);
}

void PWPassivePage::slotAddCondition()
{
    storeModifiedItems(conditionList());
    addConditionItem();
}

bool PWPassivePage::addConditionItem()
{
    lxPassiveConditionDlg dialog(this);
    const QString name = dialog.getConditionName(uniquePassiveName(conditionList(), QStringLiteral("Condition")));
    if (name.isEmpty())
        return false;
    if (hasName(conditionList(), name)) {
        //: %1 = Name of the condition
        information(
            QCoreApplication::translate("PartwrightDlg", "Condition name \"%1\" is already used").arg(name));
        return false;
    }
    lxConnection* shown = shownConnection();
    PWConditionSnapshot before = snapshotConditions(shown);
    auto* condition =
        new lxCondition(conditionList(), m_ui->PassiveConnectionTable, m_ui->lxNonConditionalTable, m_passiveType);
    condition->setText(name);
    if (lxPassiveItem* part = lxPassiveItem::passiveItem(partList()->currentItem()))
        condition->setLink(part->sharedLibObject());
    conditionList()->setCurrentItem(condition);
    if (conditionList()->currentItem() == condition) {
        condition->setModified(true);
    } else if (LxLibPassiveCompConnection* connection = condition->connectionObject()) {
        // Refused by the pin pair rule of the condition shown: the table is not
        // the new condition's, so it starts empty in its connection instead.
        auto* own = new LxLibCondition(name);
        connection->AddCondition(own);
        condition->setCondition(own);
    }
    if (shown) {
        PWConditionSnapshot after = snapshotConditions(shown);
        const int row = int(after.size()) - 1;
        listHistory()->push(new PWPassiveConditionStep(this, shown, std::move(before), std::move(after), row));
    }
    if (shown) {
        PWConditionSnapshot after = snapshotConditions(shown);
        const int row = int(after.size()) - 1;
        listHistory()->push(new PWPassiveConditionStep(this, shown, std::move(before), std::move(after), row));
    }
    return true;
}

void PWPassivePage::slotDeleteCondition()
{
    //: %1 = Name of the condition
    const QString question =
        QCoreApplication::translate("PartwrightDlg", "Do you want to delete condition \"%1\"?");
    QListWidgetItem* current = confirmedCurrent(conditionList(), question);
    if (!current)
        return;
    lxConnection* shown = shownConnection();
    PWConditionSnapshot before = snapshotConditions(shown);
    int row = -1;
    if (lxCondition* condition = lxCondition::conditionItem(current)) {
        LxLibPassiveCompConnection* connection = condition->connectionObject();
        if (connection && condition->condition()) {
            row = connection->GetConditionList().indexOf(condition->condition());
            connection->GetConditionList().remove(condition->condition());
        }
        condition->setCondition(nullptr);
    }
    takeQuietly(conditionList(), current);
    delete current;
    // The rows shown were the deleted condition's.
    m_previousCondition = nullptr;
    m_ui->PassiveConnectionTable->setRowCount(0);
    setConditionNameLabel(QString());
    if (conditionList()->count() > 0)
        conditionList()->setCurrentRow(0);
    if (shown)
        listHistory()->push(
            new PWPassiveConditionStep(this, shown, std::move(before), snapshotConditions(shown), row));
}

void PWPassivePage::slotConditionListSelectionChanged(QListWidgetItem* item)
{
    if (!m_ui->PassiveConnectionTable->checkPinCombinations()) {
        const QSignalBlocker blocker(conditionList());
        conditionList()->setCurrentItem(m_previousCondition);
        emit nextAllowed(false);
        return;
    }
    emit nextAllowed(true);
    m_previousCondition = item;
    storeModifiedItems(conditionList());
    if (lxCondition* condition = lxCondition::conditionItem(item)) {
        setConditionNameLabel(condition->text());
        condition->showItem();
    }
    m_ui->PassiveConnectionTable->history()->reset();
}

void PWPassivePage::slotPassiveConnectionTableCurrentChanged(int, int)
{
    emit nextAllowed(m_ui->PassiveConnectionTable->checkPinCombinations());
}

void PWPassivePage::addPinRow(LxLibTable* table)
{
    const LxTableHistory::Step step(table, table->rowCount(), 0);
    table->insertRow(table->rowCount());
    table->setFocus();
}

void PWPassivePage::deletePinRows(LxLibTable* table)
{
    removeSelectedRows(table);
    table->setFocus();
}

void PWPassivePage::slotAddResistorPinDefinition()
{
    addPinRow(m_ui->PassiveResistorTable);
}

void PWPassivePage::slotAddNonConditionPinDefinition()
{
    addPinRow(m_ui->lxNonConditionalTable);
}

void PWPassivePage::slotAddConnectionPinDefinition()
{
    if (conditionList()->count() == 0 && !addConditionItem())
        return;
    addPinRow(m_ui->PassiveConnectionTable);
}

// A removed row is an edit of the item shown, like a changed cell.
void PWPassivePage::slotDeleteResistorPinDefinition()
{
    deletePinRows(m_ui->PassiveResistorTable);
    partList()->slotIsChanged(-1, -1);
}

void PWPassivePage::slotDeleteNonConditionPinDefinition()
{
    deletePinRows(m_ui->lxNonConditionalTable);
    partList()->slotIsChanged(-1, -1);
}

void PWPassivePage::slotDeleteConnectionPinDefinition()
{
    deletePinRows(m_ui->PassiveConnectionTable);
    conditionList()->slotIsChanged(-1, -1);
    partList()->slotIsChanged(-1, -1);
}

void PWPassivePage::loadPassiveComponent(const LxLibPassiveComponent& component)
{
    const int type = component.GetType();
    m_passiveType = type;
    {
        const QSignalBlocker parts(partList());
        const QSignalBlocker conditions(conditionList());
        lxPassiveItem* item = makePartItem(type, component.GetName(), true);
        if (!item)
            return;
        // A copy of the same class, as the document's builder makes it.
        item->setLibObject(component.clone());
        item->showItem();
        item->setModified(true);
        item->storeItem();
        partList()->setCurrentRow(0);
    }
    showPassivePage(type);
}

void PWPassivePage::loadPassiveComponents(const QList<const LxLibPassiveComponent*>& components)
{
    // Each part makes itself current and fills its tables while it is loaded; on
    // screen the list would lay out all its entries and the tables redo their
    // geometry each time.
    clearHistory();
    QWidget* const busy[] = {partList(), m_ui->wsPinDefinitions};
    const bool shown = isVisible();
    for (QWidget* w : busy)
        w->setVisible(!shown);
    for (const LxLibPassiveComponent* component : components)
        loadPassiveComponent(*component);
    for (QWidget* w : busy)
        w->setVisible(true);
    showCurrentPart();
}

void PWPassivePage::showCurrentPart()
{
    m_previousCondition = nullptr;
    slotPartListSelectionChanged(partList()->currentItem());
}

QList<const LxLibPassiveComponent*> PWPassivePage::libraryObjects() const
{
    QList<const LxLibPassiveComponent*> objects;
    objects.reserve(partList()->count());
    for (int i = 0; i < partList()->count(); ++i)
        if (const lxPassiveItem* item = lxPassiveItem::passiveItem(partList()->item(i)))
            if (item->libObject())
                objects.append(item->libObject());
    return objects;
}

void PWPassivePage::setViewOnly(bool viewOnly)
{
    const Qt::ContextMenuPolicy policy = viewOnly ? Qt::NoContextMenu : Qt::DefaultContextMenu;
    partList()->setContextMenuPolicy(policy);
    conditionList()->setContextMenuPolicy(policy);
}
