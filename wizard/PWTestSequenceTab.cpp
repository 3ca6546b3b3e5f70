#include "PWTestSequenceTab.h"

#include "CLogic.h"
#include "CVectorColumns.h"
#include "LxFindBar.h"
#include "LxLibLogicTable.h"
#include "LxListMenu.h"
#include "LxMessages.h"
#include "LxTableHistory.h"
#include "PWDiagnoseEditor.h"
#include "PWEditMarks.h"
#include "PWEditState.h"
#include "PWImages.h"
#include "PWListHistory.h"
#include "PWListMoveStep.h"
#include "PWListRenameStep.h"
#include "PWTablePaste.h"
#include "PWTestSequenceTable.h"
#include "PWVectorDiagnostics.h"
#include "PWVectorPaste.h"
#include "PWVocabulary.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "ui_PWTestSequenceTab.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QUndoStack>

#include <algorithm>

namespace {

QIcon sequenceIcon() { return QIcon(lxImage(QStringLiteral("PWtestSequence.png"))); }

} // namespace

PWTestSequenceTab::PWTestSequenceTab(PWWizardContext* context, QWidget* parent)
    : PWLogicTab(context, parent), m_ui(new Ui::PWTestSequenceTab)
{
    m_ui->setupUi(this);
    LxLibTable* table = m_ui->tbTestSequenceTable;
    m_rows = std::make_unique<PWTestSequenceTable>(table);
    m_diagnose = new PWDiagnoseEditor(context, m_ui->DiagnoseGBox, m_ui->DiagnoseTable, m_ui->AddDiagnoseItem,
                                      m_ui->DeleteDiagnoseItem, this);
    m_diagnostics = std::make_unique<PWVectorDiagnostics>(context, m_rows.get(), m_diagnose);
    table->installEventFilter(this);

    connect(m_ui->AddTestSeq, &QPushButton::clicked, this, &PWTestSequenceTab::slotAddTestSequence);
    connect(m_ui->DelTestSeq, &QPushButton::clicked, this, &PWTestSequenceTab::slotDeleteTestSequence);
    connect(m_ui->lbTestSequenceLBox, &QListWidget::itemSelectionChanged, this,
            &PWTestSequenceTab::slotTestSequenceLBoxSelectionChanged);
    lxConnectListMenu(m_ui->lbTestSequenceLBox, this, [this](QListWidgetItem* item, const QPoint& pos) {
        slotTestSeqListContextMenuRequested(item, pos);
    });
    connect(m_ui->AddTestSeqState, &QPushButton::clicked, this, &PWTestSequenceTab::slotAddVectorVectorTestSequence);
    connect(m_ui->InsertTestSeqState, &QPushButton::clicked, this,
            &PWTestSequenceTab::slotInsertVectorVectorTestSequence);
    connect(m_ui->UpTestSeqState, &QPushButton::clicked, this, &PWTestSequenceTab::slotUpVectorVectorTestSequence);
    connect(m_ui->DownTestSeqState, &QPushButton::clicked, this, &PWTestSequenceTab::slotDownVectorVectorTestSequence);
    connect(m_ui->DeleteTestSeqState, &QPushButton::clicked, this, &PWTestSequenceTab::slotDelTestSeqPinDefinition);
    for (QRadioButton* rb : {m_ui->rbDiagVector, m_ui->rbDiagRepeat, m_ui->rbDiagWait})
        connect(rb, &QRadioButton::toggled, this, &PWTestSequenceTab::slotTestSequenceRadioButtonToggled);
    connect(table, qOverload<int, int>(&LxLibTable::currentChanged), this,
            &PWTestSequenceTab::slotTestSequenceTableCurrentChanged);
    connect(table, qOverload<int, int>(&LxLibTable::currentChanged), this,
            &PWTestSequenceTab::slotVectorTestSequenceTableCurrentChanged);
    connect(table, &LxLibTable::valueChanged, this, &PWTestSequenceTab::slotVectorTestSequenceTableValueChanged);
    connect(table, &LxLibTable::contextMenuRequested, this, &PWTestSequenceTab::slotTestSequencePopupMenu);
    connect(table, &LxLibTable::checkBoxClicked, this, &PWTestSequenceTab::slotDiagnoseCheckBoxClicked);
    connect(table, &LxLibTable::pasteRequested, this, &PWTestSequenceTab::slotPasteVectors);
    connect(m_diagnose, &PWDiagnoseEditor::edited, this, &PWTestSequenceTab::followHistories);
    connect(m_diagnose, &PWDiagnoseEditor::diagnoseCellChosen, this, [this] {
        const int row = m_ui->tbTestSequenceTable->currentRow();
        if (row >= 0 && !m_ui->tbTestSequenceTable->isRowSelected(row))
            selectRow(row);
    });

    if (PWEditState* state = context->editState()) {
        state->addField(table);
        state->addField(m_ui->DiagnoseTable);
        state->addControl(m_ui->AddTestSeq);
        state->addControl(m_ui->AddTestSeqState);
    }
    LxTableHistory* history = table->enableHistory();
    connect(history->stack(), &QUndoStack::cleanChanged, this, &PWTestSequenceTab::followHistories);
    // Rules pending in the diagnostics table go into their vector before rows
    // are put back, which may move that vector; then the current row's show.
    history->setRestoreCheck([this](const QVariant&) {
        takeDiagnostics(false);
        return true;
    });
    connect(history, &LxTableHistory::restored, this,
            [this] { m_diagnostics->show(m_shownPart, m_ui->tbTestSequenceTable->currentRow()); });
    new LxFindBar(table, LxFindBar::Columns);
    clearTab();
}

PWTestSequenceTab::~PWTestSequenceTab() { delete m_ui; }

int PWTestSequenceTab::currentPart() const { return context()->currentLogicPart; }

int PWTestSequenceTab::currentTestSequence() const { return m_ui->lbTestSequenceLBox->currentRow(); }

bool PWTestSequenceTab::readOnly() const { return context()->viewOnly || context()->memoryCategory(); }

void PWTestSequenceTab::markEdited()
{
    if (m_shownSequence >= 0)
        m_edited = true;
}

void PWTestSequenceTab::followHistories()
{
    const LxTableHistory* history = m_ui->tbTestSequenceTable->history();
    if (m_shownSequence < 0 || history->isResetting() || m_diagnose->history()->isResetting())
        return;
    m_edited = !history->stack()->isClean() || m_diagnose->isEdited() || m_editedBeyondHistory;
}

int PWTestSequenceTab::statementKind() const
{
    if (m_ui->rbDiagVector->isChecked())
        return PWTestSequenceTable::VectorStatement;
    if (m_ui->rbDiagWait->isChecked())
        return PWTestSequenceTable::WaitStatement;
    if (m_ui->rbDiagRepeat->isChecked())
        return PWTestSequenceTable::RepeatStatement;
    return PWTestSequenceTable::NoStatement;
}

bool PWTestSequenceTab::nameUsed(const QString& name) const
{
    // The list holds every sequence of the part, under the names they will be stored with.
    const QListWidget* list = m_ui->lbTestSequenceLBox;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == name)
            return true;
    return false;
}

void PWTestSequenceTab::selectEntry(int k)
{
    const QSignalBlocker block(m_ui->lbTestSequenceLBox);
    m_ui->lbTestSequenceLBox->setCurrentRow(k);
    if (QListWidgetItem* item = m_ui->lbTestSequenceLBox->item(k))
        item->setSelected(true);
}

void PWTestSequenceTab::selectRow(int row)
{
    LxLibTable* table = m_ui->tbTestSequenceTable;
    {
        const QSignalBlocker block(table);
        table->clearSelection();
        if (row >= 0 && row < table->numRows()) {
            table->setCurrentCell(row, 0);
            table->selectRow(row);
        }
    }
    slotTestSequenceTableCurrentChanged(table->currentRow(), table->currentColumn());
    slotVectorTestSequenceTableCurrentChanged(table->currentRow(), table->currentColumn());
}

void PWTestSequenceTab::updateEditable()
{
    const bool locked = readOnly();
    m_ui->tbTestSequenceTable->setReadOnly(locked);
    m_ui->AddTestSeq->setEnabled(!locked);
    m_ui->DelTestSeq->setEnabled(!locked && m_ui->lbTestSequenceLBox->count() > 0);
    m_ui->AddTestSeqState->setEnabled(!locked);
    m_ui->DeleteTestSeqState->setEnabled(!locked);
    m_diagnose->updateEditable();
    LxLibTable* table = m_ui->tbTestSequenceTable;
    slotTestSequenceTableCurrentChanged(table->currentRow(), table->currentColumn());
}

bool PWTestSequenceTab::buildColumns(int part)
{
    CLogic& logic = context()->logic();
    return m_rows->buildColumns(logic.signalIndexes().at(part), logic.testSequenceSignalTypes());
}

void PWTestSequenceTab::clearTab()
{
    m_rows->clearColumns();
    resetTab();
}

void PWTestSequenceTab::resetTab()
{
    {
        const QSignalBlocker listBlock(m_ui->lbTestSequenceLBox);
        m_ui->lbTestSequenceLBox->clear();
    }
    m_diagnostics->hide();
    m_ui->ui_col_value_test_seq_label->clear();
    m_ui->wzTestSeq->setCurrentWidget(m_ui->wspTestSeqInValid);
    m_shownPart = -1;
    m_shownSequence = -1;
    m_edited = false;
    m_editedBeyondHistory = false;
    updateEditable();
    m_ui->tbTestSequenceTable->history()->reset();
}

void PWTestSequenceTab::showTab(int part)
{
    takeOverEdited();
    resetTab();
    m_shownPart = part;
    const CLogicPart* p = context()->logic().logicParts().at(part);
    if (!p) {
        m_rows->clearColumns();
        return;
    }
    buildColumns(part);
    const int count = p->testSequences().count();
    {
        const QSignalBlocker block(m_ui->lbTestSequenceLBox);
        for (const CTestSequences* sequence : p->testSequences())
            m_ui->lbTestSequenceLBox->addItem(new QListWidgetItem(sequenceIcon(), sequence->name()));
    }
    if (count > 0) {
        // Showing each entry in turn would leave the last one shown; show only that.
        selectEntry(count - 1);
        showTestSequence(part, count - 1);
        m_ui->wzTestSeq->setCurrentWidget(m_ui->wspTestSeqVector);
    } else {
        const QSignalBlocker block(m_ui->tbTestSequenceTable);
        m_ui->tbTestSequenceTable->setNumRows(0);
    }
    updateEditable();
}

void PWTestSequenceTab::showTestSequence(int part, int k)
{
    m_diagnostics->hide();
    const CLogicPart* p = context()->logic().logicParts().at(part);
    const CTestSequences* sequence = p ? p->testSequences().at(k) : nullptr;
    if (sequence) {
        m_rows->fill(*sequence, p->testSequenceDiagnostics().at(k));
    } else {
        const QSignalBlocker block(m_ui->tbTestSequenceTable);
        m_ui->tbTestSequenceTable->setNumRows(0);
    }
    m_shownPart = part;
    m_shownSequence = sequence ? k : -1;
    m_edited = false;
    m_editedBeyondHistory = false;
    selectRow(0);
    m_ui->tbTestSequenceTable->history()->reset();
}

void PWTestSequenceTab::storeTestSequence(int part, int k)
{
    // The widgets hold the sequences of the part on show only.
    CLogicPart* p = context()->logic().logicParts().at(part);
    const QListWidgetItem* entry = m_ui->lbTestSequenceLBox->item(k);
    if (!p || !entry || part != m_shownPart)
        return;
    m_ui->tbTestSequenceTable->commitEdit();
    takeDiagnostics();
    auto* rows = new CLogicDiagnoseList;
    CTestSequences* sequence = m_rows->read(entry->text(), *rows);
    CTestSequencesList& sequences = p->testSequences();
    if (k < sequences.count())
        sequences.replace(k, sequence);
    else
        p->insertTestSequence(sequences.count(), sequence);
    PWVectorDiagnostics::storeRows(p->testSequenceDiagnostics(), k, rows, *sequence);
}

void PWTestSequenceTab::storeTab(int part)
{
    // An open cell editor or diagnostics edit counts as an edit of the sequence.
    m_ui->tbTestSequenceTable->commitEdit();
    takeDiagnostics();
    if (part != m_shownPart || !m_edited || m_shownSequence < 0)
        return;
    storeTestSequence(part, m_shownSequence);
    m_edited = false;
    m_editedBeyondHistory = false;
    // The model now holds the table as it stands: undoing from here is an edit again.
    m_ui->tbTestSequenceTable->history()->stack()->setClean();
}

void PWTestSequenceTab::takeOverEdited()
{
    if (m_shownPart >= 0)
        storeTab(m_shownPart);
}

void PWTestSequenceTab::logicPartRemoved(int part)
{
    if (m_shownPart == part) {
        // The deleted part's edits went with it.
        m_shownPart = -1;
        m_shownSequence = -1;
        m_edited = false;
        m_editedBeyondHistory = false;
    } else if (m_shownPart > part) {
        --m_shownPart;
    }
}

void PWTestSequenceTab::logicPartInserted(int part, const QList<int>&)
{
    if (m_shownPart >= part)
        ++m_shownPart;
}

void PWTestSequenceTab::takeDiagnostics(bool asStep)
{
    if (!m_diagnostics->take(asStep))
        return;
    m_editedBeyondHistory = m_editedBeyondHistory || !asStep;
    markEdited();
}

void PWTestSequenceTab::releaseDiagnostics()
{
    m_ui->tbTestSequenceTable->commitEdit();
    takeDiagnostics();
    m_diagnostics->hide();
}

void PWTestSequenceTab::slotAddTestSequence()
{
    const QString proposal =
        firstFreeDefaultName(QStringLiteral("TS"), [this](const QString& n) { return nameUsed(n); });
    const CLogicData* index = context()->logic().signalIndexes().at(currentPart());
    if (!index || index->controlBits().isEmpty()) {
        context()->showInformation(PartwrightDlg::tr("Unable to add Test Sequence\nPlease check your Pin List"));
        return;
    }
    QString answer;
    if (!LxMessages::askName(PartwrightDlg::tr("Please enter the Test Sequence name"), proposal, &answer))
        return;
    const int selectedBefore = currentTestSequence();
    if (addTestSequence(answer.trimmed().isEmpty() ? proposal : answer) && listHistory())
        listHistory()->push(
            new PWListMoveStep(PWListMoveStep::Added, this, currentPart(), currentTestSequence(), selectedBefore));
}

bool PWTestSequenceTab::addTestSequence(const QString& name)
{
    QListWidget* list = m_ui->lbTestSequenceLBox;
    if (list->count() >= MaxTestSequences) {
        context()->showInformation(PartwrightDlg::tr(
            "It is not possible to add a new Test Sequence\nMaximum number of Test Sequences is reached"));
        return false;
    }
    if (list->count() > 0)
        takeOverEdited();
    const QString s = name.isEmpty() ? QStringLiteral("TS") + defaultNameNumber(list->count() + 1) : name;
    if (nameUsed(s)) {
        context()->showInformation(PartwrightDlg::tr("This Test Sequence name is aready used"));
        return false;
    }
    if (isReservedPatternName(s)) {
        context()->showInformation(PartwrightDlg::tr("This Test Sequence name is not allowed!"));
        return false;
    }
    if (m_rows->signalCount() == 0)
        buildColumns(currentPart());
    {
        const QSignalBlocker block(m_ui->tbTestSequenceTable);
        m_ui->tbTestSequenceTable->setNumRows(0);
    }
    {
        const QSignalBlocker block(list);
        list->addItem(new QListWidgetItem(sequenceIcon(), s));
    }
    const int k = list->count() - 1;
    selectEntry(k);
    m_shownPart = currentPart();
    m_shownSequence = k;
    m_edited = true;
    m_ui->wzTestSeq->setCurrentWidget(m_ui->wspTestSeqVector);
    m_diagnostics->hide();
    updateEditable();
    return true;
}

void PWTestSequenceTab::slotRenameTestSequence()
{
    QListWidgetItem* item = m_ui->lbTestSequenceLBox->currentItem();
    if (!item || !item->isSelected())
        return;
    QString answer;
    if (!LxMessages::askName(PartwrightDlg::tr("Please enter the new Test Sequence id "), item->text(), &answer))
        return;
    const QString name = answer.trimmed();
    if (name.isEmpty()) {
        context()->showInformation(PartwrightDlg::tr("There is no test sequence id specified"));
        return;
    }
    if (isReservedPatternName(name)) {
        context()->showInformation(PartwrightDlg::tr("This Test Sequence name is not allowed!"));
        return;
    }
    if (name != item->text() && nameUsed(name)) {
        context()->showInformation(PartwrightDlg::tr("This Test Sequence name is aready used"));
        return;
    }
    const int k = m_ui->lbTestSequenceLBox->row(item);
    if (listHistory())
        listHistory()->push(new PWListRenameStep(this, currentPart(), k, item->text(), name));
    else
        renameItem(currentPart(), k, name);
}

QString PWTestSequenceTab::refusal(int part, int k, const QString& name, const PWTakenItem* returning) const
{
    const CLogicPart* p = context()->logic().logicParts().at(part);
    const int count = part == m_shownPart ? m_ui->lbTestSequenceLBox->count() : (p ? p->testSequences().count() : 0);
    if (returning && count >= MaxTestSequences)
        return PartwrightDlg::tr(
            "It is not possible to add a new Test Sequence\nMaximum number of Test Sequences is reached");
    const QString s = returning ? returning->name : name;
    if (isReservedPatternName(s))
        return PartwrightDlg::tr("This Test Sequence name is not allowed!");
    // The list names the sequences of the part on show; an item keeps its own name.
    const QListWidgetItem* item = returning ? nullptr : m_ui->lbTestSequenceLBox->item(k);
    if (part == m_shownPart && (!item || item->text() != s) && nameUsed(s))
        return PartwrightDlg::tr("This Test Sequence name is aready used");
    return QString();
}

void PWTestSequenceTab::renameItem(int part, int k, const QString& name)
{
    if (part == m_shownPart) {
        if (QListWidgetItem* item = m_ui->lbTestSequenceLBox->item(k)) {
            const QSignalBlocker block(m_ui->lbTestSequenceLBox);
            item->setText(name);
            item->setIcon(sequenceIcon());
            item->setSelected(true);
        }
        // The sequence on show is stored under its entry's name.
        if (k == m_shownSequence)
            markEdited();
    }
    CLogicPart* p = context()->logic().logicParts().at(part);
    if (CTestSequences* sequence = p ? p->testSequences().at(k) : nullptr)
        sequence->setName(name);
}

void PWTestSequenceTab::slotDeleteTestSequence()
{
    const QListWidgetItem* item = m_ui->lbTestSequenceLBox->currentItem();
    if (m_ui->lbTestSequenceLBox->count() == 0 || !item)
        return;
    //: %1 = Name of the TestSequence
    if (!context()->askYesNo(PartwrightDlg::tr("Do you want to delete \"%1\"?").arg(item->text())))
        return;
    if (listHistory())
        listHistory()->push(new PWListMoveStep(PWListMoveStep::Deleted, this, currentPart(), currentTestSequence()));
    else
        deleteTestSequence(currentPart(), currentTestSequence());
}

void PWTestSequenceTab::deleteTestSequence(int part, int k)
{
    CLogicPart* p = context()->logic().logicParts().at(part);
    if (!p)
        return;
    p->deleteTestSequence(k);
    removeEntry(part, k);
}

std::unique_ptr<PWTakenItem> PWTestSequenceTab::takeItem(int part, int k)
{
    auto taken = std::make_unique<PWTakenRecord<CLogicPart::TakenTestSequence>>();
    taken->mark = part == m_shownPart && k == m_shownSequence && m_edited ? PWEditMarks::Edited : PWEditMarks::Clean;
    // A sequence never stored is only in the widgets until now.
    CLogicPart* p = revealStored(part);
    if (!p)
        return taken;
    taken->record = std::make_unique<CLogicPart::TakenTestSequence>(p->takeTestSequence(k));
    taken->name = taken->record->sequence ? taken->record->sequence->name() : QString();
    removeEntry(part, k);
    return taken;
}

void PWTestSequenceTab::putItem(int part, int k, std::unique_ptr<PWTakenItem> item)
{
    CLogicPart* p = revealStored(part);
    auto& taken = static_cast<PWTakenRecord<CLogicPart::TakenTestSequence>&>(*item);
    if (!p || !taken.record || !taken.record->sequence)
        return;
    p->restoreTestSequence(k, std::move(*taken.record));
    if (part != m_shownPart)
        return;
    showTab(part);
    selectItem(part, k);
    m_edited = item->mark == PWEditMarks::Edited;
    m_editedBeyondHistory = m_edited;
}

void PWTestSequenceTab::selectItem(int part, int k)
{
    revealStored(part);
    if (part != m_shownPart || !m_ui->lbTestSequenceLBox->item(k))
        return;
    selectEntry(k);
    showTestSequence(part, k);
    m_ui->wzTestSeq->setCurrentWidget(m_ui->wspTestSeqVector);
    updateEditable();
}

void PWTestSequenceTab::removeEntry(int part, int k)
{
    if (part != m_shownPart)
        return;
    QListWidget* list = m_ui->lbTestSequenceLBox;
    {
        const QSignalBlocker block(list);
        delete list->takeItem(k);
    }
    if (k == m_shownSequence) {
        m_shownSequence = -1;
        m_edited = false;
        m_editedBeyondHistory = false;
    } else if (k < m_shownSequence) {
        --m_shownSequence;
    }
    if (list->count() == 0) {
        {
            const QSignalBlocker block(m_ui->tbTestSequenceTable);
            m_ui->tbTestSequenceTable->setNumRows(0);
        }
        m_diagnostics->hide();
        m_ui->wzTestSeq->setCurrentWidget(m_ui->wspTestSeqInValid);
        updateEditable();
        return;
    }
    const int now = qBound(0, list->currentRow(), list->count() - 1);
    takeOverEdited();
    selectEntry(now);
    showTestSequence(part, now);
}

QMenu* PWTestSequenceTab::createListMenu(QListWidgetItem* item)
{
    if (context()->memoryCategory())
        return nullptr;
    const bool onEntry = item && m_ui->lbTestSequenceLBox->count() > 0 && !readOnly();
    auto* menu = new QMenu(this);
    menu->addAction(sequenceIcon(), PartwrightDlg::tr("New ..."), this, &PWTestSequenceTab::slotAddTestSequence)
        ->setEnabled(!readOnly());
    menu->addAction(sequenceIcon(), PartwrightDlg::tr("Rename ..."), this, &PWTestSequenceTab::slotRenameTestSequence)
        ->setEnabled(onEntry);
    menu->addAction(sequenceIcon(), PartwrightDlg::tr("Delete "), this, &PWTestSequenceTab::slotDeleteTestSequence)
        ->setEnabled(onEntry);
    if (!readOnly() && listHistory())
        listHistory()->appendTo(menu);
    return menu;
}

void PWTestSequenceTab::slotTestSeqListContextMenuRequested(QListWidgetItem* item, const QPoint& pos)
{
    lxExecPopup(createListMenu(item), pos);
}

void PWTestSequenceTab::slotTestSequenceLBoxSelectionChanged()
{
    takeOverEdited();
    const int k = currentTestSequence();
    if (k >= 0)
        showTestSequence(currentPart(), k);
}

void PWTestSequenceTab::addStatement(int kind, int row)
{
    LxLibTable* table = m_ui->tbTestSequenceTable;
    if (readOnly() || m_shownSequence < 0 || kind == PWTestSequenceTable::NoStatement)
        return;
    releaseDiagnostics();
    const int at = row < 0 ? table->numRows() : row;
    const LxTableHistory::Step step(table, at, 0);
    const int added = m_rows->insertStatement(at, kind);
    markEdited();
    selectRow(row < 0 ? at + added - 1 : at);
}

void PWTestSequenceTab::slotAddVectorVectorTestSequence()
{
    m_ui->tbTestSequenceTable->clearSelection();
    addStatement(statementKind(), -1);
}

void PWTestSequenceTab::slotInsertVectorVectorTestSequence()
{
    const int row = m_ui->tbTestSequenceTable->currentRow();
    if (!m_ui->InsertTestSeqState->isEnabled() || row < 0)
        return;
    addStatement(statementKind(), row);
}

void PWTestSequenceTab::slotTestSequenceMenu(int kind)
{
    LxLibTable* table = m_ui->tbTestSequenceTable;
    const int row = table->currentRow();
    const bool before = row >= 0 && table->isRowSelected(row);
    // A vector goes in before the selected row; inside a repeat only a vector may.
    if (kind != PWTestSequenceTable::VectorStatement && before
        && (m_rows->isInsideRepeat(row) || m_rows->rowKind(row) == PWTestSequenceTable::EndRow))
        return;
    addStatement(kind, before ? row : -1);
}

bool PWTestSequenceTab::moveRow(int from, int to)
{
    LxLibTable* table = m_ui->tbTestSequenceTable;
    if (readOnly() || from < 0 || to < 0 || to >= table->numRows())
        return false;
    const int neighbour = m_rows->rowKind(to);
    if (neighbour != PWTestSequenceTable::VectorRow && neighbour != PWTestSequenceTable::OtherRow)
        return false;
    releaseDiagnostics();
    {
        const LxTableHistory::Step step(table, qMin(from, to), 2);
        const QSignalBlocker block(table);
        table->swapRows(from, to);
    }
    markEdited();
    selectRow(to);
    return true;
}

void PWTestSequenceTab::slotUpVectorVectorTestSequence()
{
    const int row = m_ui->tbTestSequenceTable->currentRow();
    moveRow(row, row - 1);
}

void PWTestSequenceTab::slotDownVectorVectorTestSequence()
{
    const int row = m_ui->tbTestSequenceTable->currentRow();
    moveRow(row, row + 1);
}

void PWTestSequenceTab::slotDelTestSeqPinDefinition()
{
    LxLibTable* table = m_ui->tbTestSequenceTable;
    const QTableWidgetSelectionRange range = table->firstSelection();
    if (readOnly() || range.rowCount() <= 0)
        return;
    releaseDiagnostics();
    const QList<int> rows = m_rows->withPartners(range.topRow(), range.bottomRow());
    {
        const auto [low, high] = std::minmax_element(rows.cbegin(), rows.cend());
        const LxTableHistory::Step step(table, *low, *high - *low + 1);
        const QSignalBlocker block(table);
        table->removeRows(rows);
    }
    markEdited();
    selectRow(qMin(range.topRow(), table->numRows() - 1));
}

void PWTestSequenceTab::slotTestSequenceRadioButtonToggled(bool)
{
    LxLibTable* table = m_ui->tbTestSequenceTable;
    slotTestSequenceTableCurrentChanged(table->currentRow(), table->currentColumn());
}

void PWTestSequenceTab::slotTestSequenceTableCurrentChanged(int row, int)
{
    const LxLibTable* table = m_ui->tbTestSequenceTable;
    const bool locked = readOnly();
    const bool vectorOnly = !m_ui->rbDiagWait->isChecked() && !m_ui->rbDiagRepeat->isChecked() && !locked;
    const bool insert = m_rows->mayInsertBefore(row, vectorOnly);
    m_ui->InsertTestSeqState->setEnabled(insert && table->numRows() > 0 && row >= 0 && !locked);
    auto isVector = [this, table](int r) {
        return r >= 0 && r < table->numRows() && m_rows->rowKind(r) == PWTestSequenceTable::VectorRow;
    };
    m_ui->UpTestSeqState->setEnabled(row >= 0 && isVector(row - 1) && !locked);
    m_ui->DownTestSeqState->setEnabled(row >= 0 && isVector(row + 1) && !locked);
}

void PWTestSequenceTab::slotVectorTestSequenceTableCurrentChanged(int row, int col)
{
    const int direction = m_rows->columnDirection(col);
    m_ui->ui_col_value_test_seq_label->setText(direction < 0 ? QString() : CVectorColumns::directionText(direction));
    if (row == m_diagnostics->shownRow())
        return;
    takeDiagnostics();
    m_diagnostics->show(m_shownPart, row);
}

void PWTestSequenceTab::slotVectorTestSequenceTableValueChanged(int, int)
{
    markEdited();
}

void PWTestSequenceTab::slotDiagnoseCheckBoxClicked(int state)
{
    const int row = m_ui->tbTestSequenceTable->currentRow();
    if (m_rows->rowKind(row) != PWTestSequenceTable::VectorRow)
        return;
    markEdited();
    if (state == Qt::Checked)
        takeDiagnostics();
    m_diagnostics->switchRow(m_shownPart, row, state == Qt::Checked);
}

QMenu* PWTestSequenceTab::createTableMenu()
{
    if (context()->memoryCategory())
        return nullptr;
    auto* menu = new QMenu(this);
    menu->addAction(QIcon(lxImage(QStringLiteral("Delete.jpg"))), PartwrightDlg::tr("Delete"), this,
                    &PWTestSequenceTab::slotDelTestSeqPinDefinition)
        ->setEnabled(!readOnly());
    menu->addSeparator();
    QMenu* insert = menu->addMenu(PartwrightDlg::tr("Insert..."));
    insert->addAction(QIcon(lxImage(QStringLiteral("Vector.jpg"))), PartwrightDlg::tr("Vector"), this,
                      [this] { slotTestSequenceMenu(PWTestSequenceTable::VectorStatement); });
    insert->setEnabled(!readOnly() && m_shownSequence >= 0);
    m_ui->tbTestSequenceTable->history()->appendTo(menu);
    return menu;
}

void PWTestSequenceTab::slotTestSequencePopupMenu(int, int, const QPoint& pos)
{
    lxExecPopup(createTableMenu(), pos);
}

void PWTestSequenceTab::slotPasteVectors(const QString& text)
{
    LxLibTable* table = m_ui->tbTestSequenceTable;
    if (readOnly() || m_shownSequence < 0)
        return;
    const CVectorColumns& columns = m_rows->columns();
    const PWVectorPasteResult pasted = parseVectorPaste(text, columns.allowedChars(), columns.labels());
    if (!PWTablePaste::hasRows(*context(), !pasted.rows.isEmpty() || !pasted.refused.isEmpty()))
        return;
    // The vector rows from the current one on take the vectors; the others go
    // in as new vector rows before the next repeat, end or wait row.
    const int count = static_cast<int>(pasted.rows.size());
    const int start = table->currentRow() < 0 ? table->numRows() : table->currentRow();
    int overwritten = 0;
    const int end = m_rows->pasteEnd(start, pasted.rows, &overwritten);
    if (!PWTablePaste::mayOverwrite(*context(), overwritten, start))
        return;
    if (count > 0) {
        releaseDiagnostics();
        {
            const LxTableHistory::Step step(table, start, end - start);
            m_rows->pasteVectors(start, end, pasted.rows);
        }
        markEdited();
        selectRow(start + count - 1);
    }
    if (!pasted.refused.isEmpty())
        context()->showInformation(vectorPasteReport(pasted));
}

bool PWTestSequenceTab::eventFilter(QObject* watched, QEvent* event)
{
    auto* table = m_ui->tbTestSequenceTable;
    if (watched == table && event->type() == QEvent::KeyPress && !table->isEditing()
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        // Only the vectors, in the form a paste takes them back.
        QGuiApplication::clipboard()->setText(m_rows->copyText());
        return true;
    }
    return PWLogicTab::eventFilter(watched, event);
}
