#include "PWLatchTab.h"

#include "CLogic.h"
#include "LxLibLogicTable.h"
#include "LxLibPattern.h"
#include "LxLibTableItem.h"
#include "LxListMenu.h"
#include "LxTableHistory.h"
#include "PWEditState.h"
#include "PWImages.h"
#include "PWVectorPaste.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace lxlib;

namespace {

PWPatternListTab::Setup latchSetup()
{
    PWPatternListTab::Setup s;
    s.kind = PWPatternListTab::Setup::Latches;
    s.names = {"lbLatchLBox", "AddLatch", "DeleteLatch", "wsLatch", "wsLatchPage", "wspLatchInvalid"};
    s.emptyText = PartwrightDlg::tr("There is no Latch Sequence available");
    s.icon = QStringLiteral("PWlatch.png");
    s.defaultBase = PartwrightDlg::tr("Latch");
    s.limit = PWLatchTab::MaxLatches;
    s.cannotAdd = PartwrightDlg::tr("Unable to add Latch Sequence\nPlease check your Pin List");
    s.askAdd = PartwrightDlg::tr("Please enter the Latch sequence name");
    s.limitReached = PartwrightDlg::tr(
        "It is not possible to add a new Latch Sequence\nMaximum number of Latch Sequences is reached");
    s.notAllowed = PartwrightDlg::tr("This Latch Sequence name is not allowed!");
    s.askRename = PartwrightDlg::tr("Please enter the new latch id");
    s.noRenameName = PartwrightDlg::tr("There is no latch id specified");
    //: %1 = Name of the latch
    s.askDelete = PartwrightDlg::tr("Do you want to delete \"%1\"?");
    s.stripRename = true;
    s.defaultsAcrossParts = false;
    return s;
}

// Spreads the settings of one vector over its row: each setting fills the
// columns of its signal type. Settings written by the editor follow the
// columns; others are found by their type.
void spreadRow(LxLibTable* table, const QList<int>& columnTypes, int row, const LxLibSetSignalList& settings)
{
    const int cols = static_cast<int>(columnTypes.size());
    int cursor = 1;
    for (const LxLibSetSignal* s : settings) {
        const int type = s->GetSignalType();
        int c = cursor;
        while (c < cols && columnTypes[c] != type)
            ++c;
        if (c == cols) {
            c = static_cast<int>(columnTypes.indexOf(type, 1));
            if (c < 0)
                continue;
        }
        const QString text = s->GetVector();
        for (int k = 0; c < cols && columnTypes[c] == type; ++c, ++k)
            if (k < text.size())
                table->lxItem(row, c)->setText(text.mid(k, 1));
        cursor = c;
    }
}

// One setting per run of neighbouring columns of one signal type, the cells'
// texts in column order.
LxLibSetSignalList* rowSettings(const LxLibTable* table, const QList<int>& columnTypes, int row)
{
    auto* settings = new LxLibSetSignalList;
    const int cols = static_cast<int>(columnTypes.size());
    for (int c = 1; c < cols;) {
        const int type = columnTypes[c];
        QString text;
        for (; c < cols && columnTypes[c] == type; ++c)
            text += table->text(row, c);
        // Gaps in the bits carry no signal.
        if (type != ST_NONE)
            settings->append(new LxLibSetSignal(type, text));
    }
    return settings;
}

} // namespace

PWLatchTab::PWLatchTab(PWWizardContext* context, QWidget* parent)
    : PWPatternListTab(latchSetup(), context, parent)
{
    auto* condition = new QGroupBox(PartwrightDlg::tr("Latch Condition"), this);
    condition->setObjectName(QStringLiteral("gbLatchCondition"));
    m_first = new QComboBox(condition);
    m_first->setObjectName(QStringLiteral("LatchSignalComboBox1"));
    m_relation = new QComboBox(condition);
    m_relation->setObjectName(QStringLiteral("LatchEqualComboBox"));
    m_relation->addItems({PartwrightDlg::tr("Normal"), PartwrightDlg::tr("Invert")});
    m_second = new QComboBox(condition);
    m_second->setObjectName(QStringLiteral("LatchSignalComboBox2"));
    auto* grid = new QGridLayout(condition);
    const QString labels[3] = {PartwrightDlg::tr("Signal Type"), PartwrightDlg::tr("Equal to"),
                               PartwrightDlg::tr("Signal Type")};
    QComboBox* boxes[3] = {m_first, m_relation, m_second};
    for (int i = 0; i < 3; ++i) {
        boxes[i]->setMinimumContentsLength(8);
        grid->addWidget(new QLabel(labels[i], condition), 0, i);
        grid->addWidget(boxes[i], 1, i);
        connect(boxes[i], &QComboBox::activated, this, &PWLatchTab::slotLatchSequenceConnectionBoxActivated);
    }
    grid->setColumnStretch(3, 1);

    m_table = new LxLibLogicTable(this);
    m_table->setObjectName(QStringLiteral("LatchSequenceTable"));
    m_table->setTableKind(LxLibTable::LatchSequenceKind);
    m_table->setColumnReadOnly(0, true);
    // The row buttons of the other vector tables.
    auto* add = new QPushButton(PartwrightDlg::tr("Add Vector"), this);
    add->setObjectName(QStringLiteral("AddLatchVector"));
    add->setToolTip(PartwrightDlg::tr("Add a vector above the selected row, or at the end"));
    auto* insert = new QPushButton(PartwrightDlg::tr("Insert Vector"), this);
    insert->setObjectName(QStringLiteral("InsertLatchVector"));
    insert->setToolTip(PartwrightDlg::tr("Insert a vector before the current row"));
    auto* del = new QPushButton(PartwrightDlg::tr("Delete Vectors"), this);
    del->setObjectName(QStringLiteral("DeleteLatchVector"));
    del->setToolTip(PartwrightDlg::tr("Delete the selected rows"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(insert);
    buttons->addWidget(del);
    editorLayout()->addWidget(condition);
    editorLayout()->addWidget(m_table, 1);
    editorLayout()->addLayout(buttons);

    connectList(this, &PWLatchTab::slotAddLatch, &PWLatchTab::slotRenameLatch, &PWLatchTab::slotDeleteLatch,
                &PWLatchTab::slotLatchSequenceLBoxSelectionChanged, &PWLatchTab::slotLatchLBoxContextMenuRequested);
    connect(add, &QPushButton::clicked, this, &PWLatchTab::slotAddLatchVector);
    connect(insert, &QPushButton::clicked, this, &PWLatchTab::slotInsertLatchVector);
    connect(del, &QPushButton::clicked, this, &PWLatchTab::slotDeleteLatchVector);
    connect(m_table, &LxLibTable::valueChanged, this, &PWLatchTab::slotLatchSequenceTableValueChanged);
    connect(m_table, &LxLibTable::contextMenuRequested, this, &PWLatchTab::slotLatchSequenceTableContextMenuRequested);
    connect(m_table, &LxLibTable::pasteRequested, this, &PWLatchTab::slotPasteVectors);
    setUpHistory(condition);
    if (PWEditState* state = context->editState()) {
        state->addField(m_table);
        for (QWidget* w : {static_cast<QWidget*>(add), static_cast<QWidget*>(insert), static_cast<QWidget*>(del),
                           static_cast<QWidget*>(m_first),
                           static_cast<QWidget*>(m_relation), static_cast<QWidget*>(m_second)})
            state->addControl(w);
    }
}

void PWLatchTab::setUpHistory(QWidget* condition)
{
    LxTableHistory* history = m_table->enableHistory();
    // The condition belongs to the sequence as much as its vectors do.
    history->setExtraState(
        [this] { return QVariantList{m_first->currentText(), m_relation->currentIndex(), m_second->currentText()}; },
        [this](const QVariant& state) {
            const QVariantList values = state.toList();
            showSignal(m_first, values.value(0).toString());
            m_relation->setCurrentIndex(values.value(1).toInt());
            showSignal(m_second, values.value(2).toString());
        });
    history->bind(condition);
    followHistory(history);
}

void PWLatchTab::clearEditor()
{
    const QSignalBlocker block(m_table);
    m_table->setNumRows(0);
    m_table->history()->reset();
}

void PWLatchTab::setupColumns()
{
    clearEditor();
    m_columnTypes = {ST_NONE};
    CLogic& logic = context()->logic();
    QList<int>& types = logic.latchSignalTypes();
    types.clear();
    QStringList labels{QStringLiteral(" ")};
    if (logic.logicParts().at(shownPart())) {
        if (!logic.signalIndexes().at(shownPart()))
            logic.rebuildSignalIndex(shownPart());
        const CSignalSpecList& bits = logic.signalIndexes().at(shownPart())->controlBits();
        for (int b = bits.count() - 1; b >= 0; --b) {
            const int type = bits.at(b)->signal().GetSignalType();
            m_columnTypes.append(type);
            labels.append(bits.at(b)->label());
            types.prepend(type);
        }
    }
    m_table->setNumCols(static_cast<int>(labels.size()));
    m_table->setHorizontalHeaderLabels(labels);
    for (int c = 1; c < m_table->numCols(); ++c)
        m_table->resizeColumnToContents(c);
}

void PWLatchTab::fillConditionChoices()
{
    const CLogic& logic = context()->logic();
    QStringList names;
    logic.getSignalNames(names, CLogic::LatchFirst, shownPart());
    setChoices(m_first, names);
    names.clear();
    logic.getSignalNames(names, CLogic::EnableRightHand, shownPart());
    setChoices(m_second, names);
    m_first->setCurrentIndex(m_first->count() - 1);
    m_second->setCurrentIndex(m_second->count() - 1);
    m_relation->setCurrentIndex(0);
}

void PWLatchTab::prepareEditor()
{
    setupColumns();
    setAddable(m_columnTypes.size() > 1);
    fillConditionChoices();
    m_table->history()->reset();
}

void PWLatchTab::setVectorRow(int row)
{
    m_table->setItem(row, 0, new LxLibTableItem(LxLibTableItem::OnTyping, PartwrightDlg::tr("Vector"),
                                                lxImage(QStringLiteral("PWvectors.png"))));
    for (int c = 1; c < m_table->numCols(); ++c)
        m_table->setItem(row, c, new LxLibTableItem(LxLibTableItem::OnTyping));
}


void PWLatchTab::showPattern(int index)
{
    const CLogicPart* record = shownRecord();
    const LxLibLatchSequence* sequence = record ? record->latchSequences().at(index) : nullptr;
    clearEditor();
    fillConditionChoices();
    if (!sequence) {
        m_table->history()->reset();
        return;
    }
    if (const auto* condition = dynamic_cast<const LxLibSetEnableRelation*>(sequence->GetSetEnableList().first())) {
        showSignal(m_first, LxLibSignalTypeBit::ConvertSignalToString(condition->GetFirstSignal().GetSignalType()));
        showSignal(m_second, LxLibSignalTypeBit::ConvertSignalToString(condition->GetSecondSignal().GetSignalType()));
        m_relation->setCurrentIndex(condition->IsInvert() ? 1 : 0);
    }
    const QSignalBlocker block(m_table);
    m_table->setUpdatesEnabled(false);
    const LxLibSetSignalListList& vectors = sequence->GetSetSignalListList();
    m_table->setNumRows(vectors.count());
    int row = 0;
    for (const LxLibSetSignalList* settings : vectors) {
        setVectorRow(row);
        spreadRow(m_table, m_columnTypes, row++, *settings);
    }
    m_table->resizeColumnToContents(0);
    m_table->setUpdatesEnabled(true);
    // The history starts from the condition shown.
    m_table->history()->reset();
}

void PWLatchTab::storePattern(int part, int index)
{
    // A cell still being typed into belongs to the sequence too.
    m_table->commitEdit();
    CLogicPart& rec = record(part);
    const QListWidgetItem* entry = list()->item(index);
    auto* sequence = new LxLibLatchSequence(entry ? entry->text() : QString());
    sequence->AddSetEnable(new LxLibSetEnableEqual(LxLibSignalTypeBit::ConvertSignalToType(m_first->currentText()),
                                                   LxLibSignalTypeBit::ConvertSignalToType(m_second->currentText()), -1,
                                                   -1, m_relation->currentIndex() == 1 ? 1 : 0));
    for (int row = 0; row < m_table->numRows(); ++row)
        sequence->AddSetSignalList(rowSettings(m_table, m_columnTypes, row));
    rec.latchSequences().remove(index);
    rec.insertLatchSequence(index, sequence);
}

void PWLatchTab::insertVector(int row)
{
    {
        const LxTableHistory::Step step(m_table, row, 0);
        const QSignalBlocker block(m_table);
        m_table->insertRows(row);
        setVectorRow(row);
    }
    m_table->resizeColumnToContents(0);
    markEdited();
}

void PWLatchTab::slotAddLatchVector()
{
    const int row = insertionRow(m_table);
    const bool before = row < m_table->numRows();
    insertVector(row);
    if (before)
        m_table->selectRow(row);
}

void PWLatchTab::slotInsertLatchVector()
{
    const int current = m_table->currentRow();
    const int row = current < 0 ? m_table->numRows() : current;
    insertVector(row);
    m_table->setCurrentCell(row, qMax(1, m_table->currentColumn()));
}

void PWLatchTab::slotDeleteLatchVector()
{
    removeSelectedRows(m_table);
    markEdited();
}

bool PWLatchTab::addLatchSequence(const QString& name) { return addPattern(name); }

void PWLatchTab::slotAddLatch()
{
    addItem([this](const QString& name) { return addLatchSequence(name); });
}

void PWLatchTab::slotDeleteLatch() { deleteCurrent(); }

void PWLatchTab::slotRenameLatch() { renameCurrent(); }

void PWLatchTab::slotLatchSequenceLBoxSelectionChanged() { selectionChanged(); }

void PWLatchTab::slotLatchLBoxContextMenuRequested(QListWidgetItem* item, const QPoint& pos) { execListMenu(item, pos); }

void PWLatchTab::slotLatchSequenceTableValueChanged(int, int) { markEdited(); }

void PWLatchTab::slotLatchSequenceConnectionBoxActivated(int)
{
    m_table->history()->recordExtra();
    markEdited();
}

void PWLatchTab::slotPasteVectors(const QString& text)
{
    if (readOnly() || list()->count() == 0)
        return;
    const QString label = PartwrightDlg::tr("Vector") + QLatin1Char('\t');
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.startsWith(label))
            line.remove(0, label.size());
    const PWVectorPasteResult pasted
        = parseVectorPaste(lines.join(QLatin1Char('\n')), QStringList(m_table->numCols() - 1, QStringLiteral("01XZ")));
    if (!pasted.rows.isEmpty()) {
        const int first = insertionRow(m_table);
        const LxTableHistory::Step step(m_table, first, 0);
        const QSignalBlocker block(m_table);
        m_table->insertRows(first, static_cast<int>(pasted.rows.size()));
        for (int i = 0; i < pasted.rows.size(); ++i) {
            setVectorRow(first + i);
            for (int c = 1; c < m_table->numCols(); ++c)
                m_table->lxItem(first + i, c)->setText(pasted.rows[i].mid(c - 1, 1));
        }
        m_table->resizeColumnToContents(0);
        markEdited();
    }
    if (!pasted.refused.isEmpty())
        context()->showInformation(vectorPasteReport(pasted));
}

QMenu* PWLatchTab::createTableMenu()
{
    const bool changeable = editable() && list()->count() > 0;
    const QIcon icon(lxImage(QStringLiteral("PWvectors.png")));
    auto* menu = new QMenu(this);
    menu->addAction(icon, PartwrightDlg::tr("Add Vector"), this, &PWLatchTab::slotAddLatchVector)->setEnabled(changeable);
    menu->addAction(icon, PartwrightDlg::tr("Insert Vector"), this, &PWLatchTab::slotInsertLatchVector)
        ->setEnabled(changeable);
    menu->addAction(icon, PartwrightDlg::tr("Delete Vectors"), this, &PWLatchTab::slotDeleteLatchVector)
        ->setEnabled(changeable && m_table->firstSelection().rowCount() > 0);
    menu->addSeparator();
    menu->addAction(PartwrightDlg::tr("Copy"), this, [this] {
          QApplication::clipboard()->setText(m_table->selectedRowsText());
      })->setEnabled(m_table->numRows() > 0);
    menu->addAction(PartwrightDlg::tr("Paste"), this, [this] {
          slotPasteVectors(QApplication::clipboard()->text());
      })->setEnabled(changeable && !QApplication::clipboard()->text().isEmpty());
    m_table->history()->appendTo(menu);
    return menu;
}

void PWLatchTab::slotLatchSequenceTableContextMenuRequested(int, int, const QPoint& pos)
{
    lxExecPopup(createTableMenu(), pos);
}
