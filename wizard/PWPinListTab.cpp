#include "PWPinListTab.h"

#include "CLogic.h"
#include "LxFindBar.h"
#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "LxMessages.h"
#include "LxTableHistory.h"
#include "PWEditState.h"
#include "LxListMenu.h"
#include "PWImages.h"
#include "PWListHistory.h"
#include "PWListMoveStep.h"
#include "PWListRenameStep.h"
#include "PWPasteChecks.h"
#include "PWTablePaste.h"
#include "PWVocabulary.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "ui_PWPinListTab.h"

#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>

namespace {

QIcon pinListIcon() { return QIcon(lxImage(QStringLiteral("PWpinlists.png"))); }

// A pin list out of its part. Taking it out prunes the part's enable and
// disable patterns; their set-signals as they were travel along.
struct TakenPinList : PWTakenRecord<CPinList>
{
    std::vector<std::unique_ptr<lxlib::LxLibSetSignalList>> enableSignals;
    std::vector<std::unique_ptr<lxlib::LxLibSetSignalList>> disableSignals;
};

// Moves each pattern's set-signals into `kept`, leaving a copy to be pruned.
template <typename List>
void keepSetSignals(List& patterns, std::vector<std::unique_ptr<lxlib::LxLibSetSignalList>>& kept)
{
    for (auto* pattern : patterns) {
        lxlib::LxLibSetSignalList& signalList = pattern->GetSetSignalList();
        std::unique_ptr<lxlib::LxLibSetSignalList> copy(signalList.clone());
        kept.push_back(std::make_unique<lxlib::LxLibSetSignalList>(std::move(signalList)));
        signalList = std::move(*copy);
    }
}

// Gives the patterns their kept set-signals back while they are the same patterns.
template <typename List>
void restoreSetSignals(List& patterns, std::vector<std::unique_ptr<lxlib::LxLibSetSignalList>>& kept)
{
    if (static_cast<std::size_t>(patterns.count()) != kept.size())
        return;
    std::size_t i = 0;
    for (auto* pattern : patterns)
        pattern->GetSetSignalList() = std::move(*kept[i++]);
    kept.clear();
}

} // namespace

PWPinListTab::PWPinListTab(PWWizardContext* context, QWidget* parent)
    : PWLogicTab(context, parent), m_ui(new Ui::PWPinListTab)
{
    m_ui->setupUi(this);
    LxLibTable* table = m_ui->PinListTable;
    table->setTableKind(LxLibTable::PinListKind);
    table->setNumCols(3);
    table->setHorizontalHeaderLabels({PartwrightDlg::tr("Name"), PartwrightDlg::tr("Type"), PartwrightDlg::tr("Bit")});

    connect(m_ui->AddPinList, &QPushButton::clicked, this, &PWPinListTab::slotAddPinList);
    connect(m_ui->DelPinList, &QPushButton::clicked, this, &PWPinListTab::slotDelPinList);
    connect(m_ui->PinListLBox, &QListWidget::itemSelectionChanged, this,
            &PWPinListTab::slotPinListLBoxSelectionChanged);
    lxConnectListMenu(m_ui->PinListLBox, this, [this](QListWidgetItem* item, const QPoint& pos) { slotPinListListMenuRequested(item, pos); });
    connect(m_ui->AddPinListPinDefinition, &QPushButton::clicked, this, &PWPinListTab::slotAddPinListPinDefinition);
    connect(m_ui->DelPinListPinDefinition, &QPushButton::clicked, this, &PWPinListTab::slotDelPinListPinDefinition);
    connect(table, &LxLibTable::valueChanged, this, &PWPinListTab::slotPinListTableValueChanged);
    connect(table, &LxLibTable::pasteRequested, this, &PWPinListTab::slotPastePins);
    context->pinListMarks.followHistory(table->enableHistory(),
                                        [this] { return std::make_pair(currentPinList(), currentPart()); });
    new LxFindBar(table, LxFindBar::Rows, {0});

    if (PWEditState* state = context->editState()) {
        state->addField(table);
        state->addControl(m_ui->AddPinList);
        state->addControl(m_ui->AddPinListPinDefinition);
        state->addControl(m_ui->DelPinListPinDefinition);
    }
}

PWPinListTab::~PWPinListTab() { delete m_ui; }

int PWPinListTab::currentPart() const { return context()->currentLogicPart; }

int PWPinListTab::currentPinList() const { return m_ui->PinListLBox->currentRow(); }

void PWPinListTab::markEdited()
{
    context()->pinListMarks.setMark(currentPinList(), PWEditMarks::Edited, currentPart());
}

bool PWPinListTab::pinListNameUsed(const QString& name) const
{
    for (const CLogicPart* part : context()->logic().logicParts())
        for (const CPinList* list : part->pinLists())
            if (list->name() == name)
                return true;
    // A new pin list is only in the list until it is first stored.
    return !m_ui->PinListLBox->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty();
}

void PWPinListTab::appendEntry(const QString& name)
{
    m_ui->PinListLBox->addItem(new QListWidgetItem(pinListIcon(), name));
}

void PWPinListTab::selectEntry(int k)
{
    const QSignalBlocker block(m_ui->PinListLBox);
    m_ui->PinListLBox->setCurrentRow(k);
    if (QListWidgetItem* item = m_ui->PinListLBox->item(k))
        item->setSelected(true);
}

const QStringList& PWPinListTab::allowedTypes(int pinType)
{
    auto it = m_allowed.find(pinType);
    if (it == m_allowed.end())
        it = m_allowed.insert(pinType, AllowedSignalTypes(pinType, context()->memoryCategory()));
    return it.value();
}

void PWPinListTab::setRow(int row, const QString& pinName, int pinType, const QString& signal, const QString& bit)
{
    LxLibTable* table = m_ui->PinListTable;
    // A pin the file names outside the choices (a supply pin, say) keeps its
    // name and signal type as read instead of being blanked on the next store.
    const int index = context()->pinNameIndex(pinName);
    auto* name = new LxLibComboItem(context()->pinNames(), false);
    if (index == 0 && !pinName.isEmpty())
        name->setStringList(context()->pinNames() + QStringList{pinName});
    name->setCurrentItem(index == 0 && !pinName.isEmpty() ? name->count() - 1 : index);
    table->setItem(row, 0, name);
    const QStringList& types = pinName.isEmpty() ? QStringList{QString()} : allowedTypes(pinType);
    auto* type = new LxLibComboItem(types, false);
    if (!signal.isEmpty() && !types.contains(signal))
        type->setStringList(types + QStringList{signal});
    type->setCurrentItem(signal);
    table->setItem(row, 1, type);
    table->setItem(row, 2, new LxLibTableItem(LxLibTableItem::OnTyping, bit));
}

void PWPinListTab::clearTab()
{
    const QSignalBlocker listBlock(m_ui->PinListLBox);
    const QSignalBlocker tableBlock(m_ui->PinListTable);
    m_ui->PinListLBox->clear();
    m_ui->PinListTable->setNumRows(0);
    m_ui->PinListNameLEdit->clear();
    m_ui->DelPinList->setEnabled(false);
    m_ui->PinListSpecWStack->setCurrentWidget(m_ui->wzpPinListPage1);
    m_shownPart = -1;
    m_ui->PinListTable->history()->reset();
}

void PWPinListTab::showTab(int part)
{
    clearTab();
    m_shownPart = part;
    const CLogicPart* p = context()->logic().logicParts().at(part);
    if (!p)
        return;
    const int count = p->pinLists().count();
    {
        const QSignalBlocker listBlock(m_ui->PinListLBox);
        for (const CPinList* list : p->pinLists())
            appendEntry(list->name());
    }
    if (count == 0)
        return;
    // Showing each entry in turn would leave the last one shown; show only that.
    selectEntry(count - 1);
    showPinList(part, count - 1);
    m_ui->DelPinList->setEnabled(!context()->memoryCategory() && !context()->viewOnly);
    m_ui->PinListSpecWStack->setCurrentWidget(m_ui->wzpPinListPage0);
}

void PWPinListTab::showPinList(int part, int k)
{
    LxLibTable* table = m_ui->PinListTable;
    const QSignalBlocker block(table);
    table->setUpdatesEnabled(false);
    table->setNumRows(0);
    m_ui->PinListNameLEdit->clear();
    m_allowed.clear();
    const CLogicPart* p = context()->logic().logicParts().at(part);
    if (const CPinList* list = p ? p->pinLists().at(k) : nullptr) {
        const QHash<QString, int> types = context()->logic().packagePinTypes();
        table->setNumRows(list->pins().count());
        int row = 0;
        for (const CPinListPin* pin : list->pins())
            setRow(row++, pin->pinName(), types.value(pin->pinName()), pin->signalText(), QString::number(pin->bit()));
        m_ui->PinListNameLEdit->setText(list->name());
    }
    updateEditable();
    table->setUpdatesEnabled(true);
    if (!table->history()->isRecording())
        table->history()->reset();
}

void PWPinListTab::updateEditable()
{
    if (context()->memoryCategory())
        m_ui->PinListTable->setReadOnly(true);
    else if (!context()->viewOnly)
        m_ui->PinListTable->setReadOnly(false);
}

void PWPinListTab::storePinList(int part, int k)
{
    CLogic& logic = context()->logic();
    if (!logic.logicParts().at(part))
        logic.insertLogicPart(part, new CLogicPart(m_partName ? m_partName() : QString()));
    CLogicPart* p = logic.logicParts().at(part);
    const QListWidgetItem* entry = m_ui->PinListLBox->item(k);
    auto* list = new CPinList(entry ? entry->text() : QString());
    // The description is the file's, not the editor's: it survives the edit.
    if (const CPinList* old = p->pinLists().at(k))
        list->setDescription(old->description());
    const LxLibTable* table = m_ui->PinListTable;
    for (int r = 0; r < table->numRows(); ++r) {
        const LxLibComboItem* name = table->comboItem(r, 0);
        const LxLibComboItem* type = table->comboItem(r, 1);
        const int signal = lxlib::LxLibSignalTypeBit::ConvertSignalToType(type ? type->currentText() : QString());
        list->addPin(name ? name->currentText() : QString(), signal, table->text(r, 2).toInt());
    }
    p->pinLists().remove(k);
    p->insertPinList(k, list);
    slotPinListChanged(part);
}

void PWPinListTab::storeTab(int part)
{
    const int k = currentPinList();
    if (part != m_shownPart || context()->pinListMarks.mark(k, part) != PWEditMarks::Edited)
        return;
    storePinList(part, k);
    context()->pinListMarks.setMark(k, PWEditMarks::Stored, part);
    m_ui->PinListTable->history()->setStored();
}

void PWPinListTab::takeOverEdited()
{
    // Only the part on show can hold edits: leaving a part stores its tab.
    if (m_shownPart < 0)
        return;
    const int k = context()->pinListMarks.firstEdited(m_shownPart);
    if (k < 0)
        return;
    storePinList(m_shownPart, k);
    context()->pinListMarks.setMark(k, PWEditMarks::Stored, m_shownPart);
    m_ui->PinListTable->history()->setStored();
}

QList<int> PWPinListTab::partMarks(int part) const { return context()->pinListMarks.kindMarks(part); }

void PWPinListTab::logicPartInserted(int part, const QList<int>& marks)
{
    context()->pinListMarks.insertKind(part, marks);
    if (m_shownPart >= part)
        ++m_shownPart;
}

void PWPinListTab::logicPartRemoved(int part)
{
    context()->pinListMarks.removeKind(part);
    if (m_shownPart == part)
        m_shownPart = -1;
    else if (m_shownPart > part)
        --m_shownPart;
}

void PWPinListTab::packagesChanged()
{
    LxLibTable* table = m_ui->PinListTable;
    if (table->refreshState() != 1)
        return;
    takeOverEdited();
    context()->logic().clearDanglingPinNames(currentPart());
    if (currentPinList() >= 0)
        showPinList(currentPart(), currentPinList());
    table->setRefreshState(0);
}

void PWPinListTab::slotPinListChanged(int part)
{
    context()->logic().rebuildSignalIndex(part);
    context()->logic().prunePatterns(part);
    emit signalIndexChanged(part);
}

void PWPinListTab::slotAddPinList()
{
    if (context()->pinNames().size() < 2) {
        context()->showInformation(PartwrightDlg::tr("Unable to add a Pin List\nPlease check your Packages"));
        return;
    }
    // New pin lists go to the part on show, the one the user sees them land in.
    const CLogicPart* part = context()->logic().logicParts().at(currentPart());
    const QString base = part && !part->name().isEmpty() ? part->name() : PartwrightDlg::tr("Pin List");
    const QString proposal = firstFreeDefaultName(base, [this](const QString& n) { return pinListNameUsed(n); });
    QString answer;
    if (!LxMessages::askName(PartwrightDlg::tr("Please enter the Pin List name"), proposal, &answer))
        return;
    const int selectedBefore = currentPinList();
    if (addPinList(answer.trimmed().isEmpty() ? proposal : answer, false) && listHistory())
        listHistory()->push(
            new PWListMoveStep(PWListMoveStep::Added, this, currentPart(), currentPinList(), selectedBefore));
}

bool PWPinListTab::addPinList(const QString& name, bool makeUnique)
{
    if (m_ui->PinListLBox->count() >= MaxPinLists) {
        context()->showInformation(
            PartwrightDlg::tr("It is not possible to add a new Pin List\nMaximum number of Pin Lists is reached"));
        return false;
    }
    takeOverEdited();
    QString s = name;
    if (pinListNameUsed(s)) {
        if (!makeUnique || s.isEmpty()) {
            //: %1 = Name of the PinList
            context()->showInformation(PartwrightDlg::tr("Pin List name \"%1\" is already used").arg(s));
            return false;
        }
        s = firstFreeDefaultName(name, [this](const QString& n) { return pinListNameUsed(n); });
    }
    {
        const QSignalBlocker block(m_ui->PinListTable);
        m_ui->PinListTable->setNumRows(0);
    }
    m_ui->PinListNameLEdit->clear();
    {
        const QSignalBlocker block(m_ui->PinListLBox);
        appendEntry(s);
    }
    m_ui->PinListNameLEdit->setText(s);
    const int k = m_ui->PinListLBox->count() - 1;
    m_shownPart = currentPart();
    context()->pinListMarks.setMark(k, PWEditMarks::Edited, currentPart());
    selectEntry(k);
    if (!context()->memoryCategory() && !context()->viewOnly)
        m_ui->DelPinList->setEnabled(true);
    m_ui->PinListSpecWStack->setCurrentWidget(m_ui->wzpPinListPage0);
    updateEditable();
    m_ui->PinListTable->history()->reset();
    return true;
}

void PWPinListTab::slotRenamePinList()
{
    QListWidgetItem* item = m_ui->PinListLBox->currentItem();
    if (!item || !item->isSelected())
        return;
    QString answer;
    if (!LxMessages::askName(PartwrightDlg::tr("Please enter the new Pin List name"), item->text(), &answer))
        return;
    if (answer.trimmed().isEmpty()) {
        context()->showInformation(PartwrightDlg::tr("There is no Pin List name specified"));
        return;
    }
    const QString used = usedNameMessage(answer);
    if (!used.isEmpty()) {
        context()->showInformation(used);
        return;
    }
    if (listHistory())
        listHistory()->push(new PWListRenameStep(this, currentPart(), currentPinList(), item->text(), answer));
    else
        renameItem(currentPart(), currentPinList(), answer);
}

QString PWPinListTab::usedNameMessage(const QString& name) const
{
    if (!pinListNameUsed(name))
        return QString();
    //: %1 = Name of the Pin List
    return PartwrightDlg::tr("Pin List name \"%1\" is already used").arg(name);
}

QString PWPinListTab::refusal(int part, int, const QString& name, const PWTakenItem* returning) const
{
    const CLogicPart* p = context()->logic().logicParts().at(part);
    const int count = part == m_shownPart ? m_ui->PinListLBox->count() : (p ? p->pinLists().count() : 0);
    if (returning && count >= MaxPinLists)
        return PartwrightDlg::tr("It is not possible to add a new Pin List\nMaximum number of Pin Lists is reached");
    return usedNameMessage(returning ? returning->name : name);
}

void PWPinListTab::renameItem(int part, int k, const QString& name)
{
    if (part == m_shownPart) {
        if (QListWidgetItem* item = m_ui->PinListLBox->item(k)) {
            item->setText(name);
            if (k == currentPinList())
                m_ui->PinListNameLEdit->setText(name);
            selectEntry(k);
        }
    }
    CLogicPart* p = context()->logic().logicParts().at(part);
    if (CPinList* list = p ? p->pinLists().at(k) : nullptr)
        list->setName(name);
}

void PWPinListTab::slotDelPinList()
{
    QListWidgetItem* item = m_ui->PinListLBox->currentItem();
    if (!item || !item->isSelected() || m_ui->PinListLBox->count() == 0)
        return;
    //: %1 = Name of the PinList
    if (!context()->askYesNo(PartwrightDlg::tr("Do you want to delete \"%1\"?").arg(item->text())))
        return;
    if (listHistory())
        listHistory()->push(new PWListMoveStep(PWListMoveStep::Deleted, this, currentPart(), currentPinList()));
    else
        deletePinList(currentPart(), currentPinList());
}

void PWPinListTab::deletePinList(int part, int k)
{
    CLogicPart* p = context()->logic().logicParts().at(part);
    if (!p)
        return;
    p->pinLists().remove(k);
    removeEntry(part, k);
}

std::unique_ptr<PWTakenItem> PWPinListTab::takeItem(int part, int k)
{
    auto taken = std::make_unique<TakenPinList>();
    taken->mark = context()->pinListMarks.mark(k, part);
    // A pin list never stored is only in the widgets until now.
    CLogicPart* p = revealStored(part);
    if (!p)
        return taken;
    keepSetSignals(p->enablePatterns(), taken->enableSignals);
    keepSetSignals(p->disablePatterns(), taken->disableSignals);
    taken->record.reset(p->pinLists().take(k));
    if (taken->record)
        taken->name = taken->record->name();
    removeEntry(part, k);
    return taken;
}

void PWPinListTab::putItem(int part, int k, std::unique_ptr<PWTakenItem> item)
{
    CLogicPart* p = revealStored(part);
    if (!p)
        return;
    auto& taken = static_cast<TakenPinList&>(*item);
    p->insertPinList(k, taken.record ? taken.record.release() : new CPinList(item->name));
    // Edited only means something for the pin list the widgets show.
    const bool edited = item->mark == PWEditMarks::Edited;
    context()->pinListMarks.insertPosition(k, edited ? PWEditMarks::Stored : item->mark, part);
    slotPinListChanged(part);
    restoreSetSignals(p->enablePatterns(), taken.enableSignals);
    restoreSetSignals(p->disablePatterns(), taken.disableSignals);
    if (part != m_shownPart)
        return;
    showTab(part);
    selectItem(part, k);
    if (edited)
        context()->pinListMarks.setMark(k, PWEditMarks::Edited, part);
}

void PWPinListTab::selectItem(int part, int k)
{
    revealStored(part);
    if (part != m_shownPart || !m_ui->PinListLBox->item(k))
        return;
    selectEntry(k);
    showPinList(part, k);
    if (!context()->memoryCategory() && !context()->viewOnly)
        m_ui->DelPinList->setEnabled(true);
    m_ui->PinListSpecWStack->setCurrentWidget(m_ui->wzpPinListPage0);
}

void PWPinListTab::removeEntry(int part, int k)
{
    if (part == m_shownPart) {
        const QSignalBlocker block(m_ui->PinListLBox);
        delete m_ui->PinListLBox->takeItem(k);
    }
    context()->pinListMarks.removePosition(k, part);
    slotPinListChanged(part);
    if (part != m_shownPart)
        return;
    if (m_ui->PinListLBox->count() == 0) {
        const QSignalBlocker block(m_ui->PinListTable);
        m_ui->PinListTable->setNumRows(0);
        m_ui->PinListNameLEdit->clear();
        m_ui->DelPinList->setEnabled(false);
        m_ui->PinListSpecWStack->setCurrentWidget(m_ui->wzpPinListPage1);
        m_ui->PinListTable->history()->reset();
        return;
    }
    const int now = qBound(0, m_ui->PinListLBox->currentRow(), m_ui->PinListLBox->count() - 1);
    selectEntry(now);
    showPinList(part, now);
}

void PWPinListTab::slotPinListLBoxSelectionChanged()
{
    if (context()->logic().logicParts().count() > 0)
        takeOverEdited();
    m_shownPart = currentPart();
    showPinList(currentPart(), currentPinList());
}

void PWPinListTab::slotAddPinListPinDefinition()
{
    if (context()->pinNames().size() < 2) {
        context()->showInformation(
            PartwrightDlg::tr("It is not possible to add a pin definition, because there is no package pin specified"));
        return;
    }
    LxLibTable* table = m_ui->PinListTable;
    const int row = table->numRows();
    {
        const LxTableHistory::Step step(table, row, 0);
        const QSignalBlocker block(table);
        table->insertRows(row);
        setRow(row, QString(), 0, QString(), QString());
    }
    table->setCurrentCell(row, 0);
    markEdited();
}

void PWPinListTab::slotDelPinListPinDefinition()
{
    if (removeSelectedRows(m_ui->PinListTable))
        markEdited();
}

void PWPinListTab::slotPinListTableValueChanged(int row, int col)
{
    if (col == 0) {
        LxLibTable* table = m_ui->PinListTable;
        const LxLibComboItem* name = table->comboItem(row, 0);
        const QString pinName = name ? name->currentText() : QString();
        const QSignalBlocker block(table);
        table->setItem(row, 1,
                       new LxLibComboItem(AllowedSignalTypes(context()->logic().packagePinType(pinName),
                                                             context()->memoryCategory()),
                                          false));
    }
    markEdited();
}

void PWPinListTab::slotPastePins(const QString& text)
{
    if (m_ui->PinListLBox->count() == 0 || context()->memoryCategory() || context()->viewOnly)
        return;
    const CLogic& logic = context()->logic();
    m_allowed.clear();
    const bool changed = PWTablePaste::paste(
        m_ui->PinListTable, *context(), text,
        PWPasteChecks::pinListRow(logic, context()->pinNames(), context()->memoryCategory()),
        [this, types = logic.packagePinTypes()](int row, const QStringList& cells) {
            setRow(row, cells[0], types.value(cells[0]), cells[1], cells[2]);
        });
    if (changed)
        markEdited();
}

QMenu* PWPinListTab::createPinListMenu(QListWidgetItem* item)
{
    if (context()->memoryCategory())
        return nullptr;
    // Viewing only, the menu offers no more than the disabled buttons.
    const bool editable = !context()->viewOnly;
    const bool onEntry = editable && item && m_ui->PinListLBox->count() > 0;
    auto* menu = new QMenu(this);
    menu->addAction(pinListIcon(), PartwrightDlg::tr("New ..."), this, &PWPinListTab::slotAddPinList)
        ->setEnabled(editable);
    menu->addAction(pinListIcon(), PartwrightDlg::tr("Rename ..."), this, &PWPinListTab::slotRenamePinList)
        ->setEnabled(onEntry);
    menu->addAction(pinListIcon(), PartwrightDlg::tr("Delete"), this, &PWPinListTab::slotDelPinList)
        ->setEnabled(onEntry);
    menu->addSeparator();
    QMenu* copy = menu->addMenu(QIcon(lxImage(QStringLiteral("PWpartwright.png"))), PartwrightDlg::tr("Copy From..."));
    if (editable && listHistory())
        listHistory()->appendTo(menu);
    bool anything = false;
    const CLogicPartList& parts = context()->logic().logicParts();
    for (int p = 0; p < parts.count(); ++p) {
        const CPinListList& lists = parts.at(p)->pinLists();
        if (lists.count() == 0)
            continue;
        QMenu* sub = copy->addMenu(QIcon(lxImage(QStringLiteral("PWlogic.png"))), parts.at(p)->name());
        const bool current = p == currentPart();
        sub->setEnabled(!current || lists.count() > 1);
        for (int k = 0; k < lists.count(); ++k) {
            if (current && k == currentPinList())
                continue;
            anything = anything || sub->isEnabled();
            const int value = p * 65536 + k;
            sub->addAction(pinListIcon(), lists.at(k)->name(), this, [this, value] { slotInsertPinList(value); });
        }
    }
    copy->setEnabled(onEntry && anything);
    return menu;
}

void PWPinListTab::slotPinListListMenuRequested(QListWidgetItem* item, const QPoint& pos)
{
    lxExecPopup(createPinListMenu(item), pos);
}

void PWPinListTab::slotInsertPinList(int value)
{
    const QString kept = m_ui->PinListNameLEdit->text();
    // Copying another pin list in is one step of this one's history.
    const LxTableHistory::Step step(m_ui->PinListTable, 0, -1);
    showPinList(value / 65536, value % 65536);
    m_ui->PinListNameLEdit->setText(kept);
    markEdited();
}
