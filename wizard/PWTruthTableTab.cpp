#include "PWTruthTableTab.h"

#include "CLogic.h"
#include "LxLibLogicTable.h"
#include "LxFindBar.h"
#include "LxLibTableItem.h"
#include "LxTableHistory.h"
#include "PWEditState.h"
#include "PWImages.h"
#include "PWTablePaste.h"
#include "PWVectorPaste.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"
#include "ui_PWTruthTableTab.h"

#include <QHeaderView>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace {

QString truthTableEntryText() { return PartwrightDlg::tr("Truth Table"); }

QString noColumnsMessage()
{
    return PartwrightDlg::tr("Unable to build Function Truth Table\nPlease check your Pin List");
}

// One shared string per logic character, so a large table holds no copy per cell.
QString cellText(QChar c)
{
    static const QList<QString> texts = [] {
        QList<QString> list;
        for (char16_t u = 0; u < 128; ++u)
            list.append(QString(QChar(u)));
        return list;
    }();
    return c.unicode() < texts.size() ? texts.at(c.unicode()) : QString(c);
}

// Runs of neighbouring rows, bottom run first, so each goes in one removal.
QList<std::pair<int, int>> rowRuns(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<std::pair<int, int>> runs;
    for (int i = static_cast<int>(rows.size()) - 1; i >= 0; --i) {
        if (!runs.isEmpty() && runs.last().first == rows[i] + 1) {
            --runs.last().first;
            ++runs.last().second;
        } else {
            runs.append({rows[i], 1});
        }
    }
    return runs;
}

} // namespace

PWTruthTableTab::PWTruthTableTab(PWWizardContext* context, QWidget* parent)
    : PWLogicTab(context, parent), m_ui(new Ui::PWTruthTableTab), m_marks(1)
{
    m_ui->setupUi(this);
    LxLibLogicTable* t = table();
    t->setTableKind(LxLibTable::TruthTableKind);
    t->setSelectionMode(QAbstractItemView::ExtendedSelection);

    connect(m_ui->AddTruthTable, &QPushButton::clicked, this, &PWTruthTableTab::slotAddTruthTable);
    connect(m_ui->DeleteTruthTable, &QPushButton::clicked, this, &PWTruthTableTab::slotDeleteTruthTable);
    connect(m_ui->AddTrueTableState, &QPushButton::clicked, this, &PWTruthTableTab::slotAddTrueTableState);
    connect(m_ui->DelTrueTableState, &QPushButton::clicked, this, &PWTruthTableTab::slotDelTrueTableState);
    connect(m_ui->InsertTrueTableState, &QPushButton::clicked, this, &PWTruthTableTab::slotInsertTrueTableState);
    connect(t, qOverload<int, int>(&LxLibTable::currentChanged), this, &PWTruthTableTab::slotTruthTableCurrentChanged);
    connect(t, &LxLibTable::valueChanged, this, &PWTruthTableTab::slotTrueInputTableValueChanged);
    connect(t, &LxLibTable::pasteRequested, this, &PWTruthTableTab::slotPasteVectors);

    // Adding and deleting the table follow whether there is one; the rest only the lock.
    if (PWEditState* state = context->editState()) {
        state->addField(t);
        state->addControl(m_ui->AddTrueTableState);
        state->addControl(m_ui->InsertTrueTableState);
        state->addControl(m_ui->DelTrueTableState);
    }
    m_marks.followHistory(t->enableHistory(), [this] { return std::make_pair(currentPart(), 0); });
    new LxFindBar(t, LxFindBar::Columns);
    clearTab();
}

PWTruthTableTab::~PWTruthTableTab() { delete m_ui; }

LxLibLogicTable* PWTruthTableTab::table() const { return m_ui->TrueTableTable; }

int PWTruthTableTab::currentPart() const { return context()->currentLogicPart; }

bool PWTruthTableTab::editable() const
{
    return context()->category == PartwrightDlg::Logic && !context()->viewOnly;
}

bool PWTruthTableTab::hasEntry() const { return m_ui->lbTruthTableLBox->count() > 0; }

void PWTruthTableTab::markEdited() { m_marks.setMark(currentPart(), PWEditMarks::Edited); }

void PWTruthTableTab::showEntry(bool present)
{
    QListWidget* box = m_ui->lbTruthTableLBox;
    {
        const QSignalBlocker block(box);
        box->clear();
        if (present) {
            box->addItem(new QListWidgetItem(QIcon(lxImage(QStringLiteral("PWtoggle.png"))), truthTableEntryText()));
            box->setCurrentRow(0);
            box->item(0)->setSelected(true);
        }
    }
    m_ui->wsTrueTable->setCurrentWidget(present ? m_ui->WzPageTrueTable1 : m_ui->WzPageTrueTable0);
    m_ui->AddTruthTable->setEnabled(!present && editable());
    m_ui->DeleteTruthTable->setEnabled(present && editable());
    for (QPushButton* button : {m_ui->AddTrueTableState, m_ui->InsertTrueTableState, m_ui->DelTrueTableState})
        button->setEnabled(editable());
    table()->setReadOnly(!editable());
}

void PWTruthTableTab::clearTab()
{
    {
        const QSignalBlocker block(table());
        table()->setNumRows(0);
        table()->setNumCols(0);
    }
    m_columns = CVectorColumns();
    m_ui->ui_col_value_truth_table_label->clear();
    showEntry(false);
    m_shownPart = -1;
}

bool PWTruthTableTab::buildColumns(int part)
{
    LxLibLogicTable* t = table();
    CLogic& logic = context()->logic();
    const QSignalBlocker block(t);
    t->setNumRows(0);
    t->setNumCols(0);
    logic.truthTableSignalTypes().clear();
    m_columns = CVectorColumns(logic.signalIndexes().at(part));
    if (m_columns.isEmpty())
        return false;
    t->setNumCols(m_columns.count());
    t->setHorizontalHeaderLabels(m_columns.labels());
    for (int c = 0; c < m_columns.count(); ++c) {
        t->resizeColumnToContents(c);
        t->setColumnWidth(c, t->columnWidth(c) + 2);
    }
    logic.truthTableSignalTypes() = m_columns.signalTypesByBit();
    return true;
}

void PWTruthTableTab::setRowVector(int row, const QString& vector)
{
    LxLibLogicTable* t = table();
    for (int c = 0; c < m_columns.count(); ++c) {
        auto* cell = new LxLibTableItem(LxLibTableItem::OnTyping, c < vector.size() ? cellText(vector.at(c)) : QString());
        cell->setPinDirection(m_columns.pinDirection(c));
        t->setItem(row, c, cell);
    }
}

QString PWTruthTableTab::rowVector(int row) const
{
    QString vector;
    vector.reserve(m_columns.count());
    for (int c = 0; c < table()->numCols(); ++c) {
        const QString text = table()->text(row, c);
        vector += text.isEmpty() ? QStringLiteral("X") : text;
    }
    return vector;
}

void PWTruthTableTab::insertStateRows(int row, int count)
{
    LxLibLogicTable* t = table();
    const LxTableHistory::Step step(t, row, 0);
    const QSignalBlocker block(t);
    t->model()->insertRows(row, count);
    for (int r = row; r < row + count; ++r)
        setRowVector(r, QString());
}

bool PWTruthTableTab::showTruthTable(int part)
{
    const CLogicPart* p = context()->logic().logicParts().at(part);
    if (!buildColumns(part) || !p)
        return false;
    LxLibLogicTable* t = table();
    const QSignalBlocker block(t);
    t->setUpdatesEnabled(false);
    t->setNumRows(p->truthTable().count());
    {
        // The view repaints once it is updated again; it needs no word per cell.
        const QSignalBlocker cells(t->model());
        int row = 0;
        for (const lxlib::LxLibTruthTableRecord* record : p->truthTable())
            setRowVector(row++, record->GetVector());
    }
    t->setUpdatesEnabled(true);
    return true;
}

void PWTruthTableTab::showTab(int part)
{
    clearTab();
    m_shownPart = part;
    const CLogicPart* p = context()->logic().logicParts().at(part);
    const bool present = p && p->truthTable().count() > 0;
    if (present)
        showTruthTable(part);
    showEntry(present);
    table()->history()->reset();
}

void PWTruthTableTab::storeTruthTable(int part)
{
    CLogicPart* p = context()->logic().logicParts().at(part);
    // Rows without columns to read them from stay as the model has them.
    if (!p || (hasEntry() && m_columns.isEmpty()))
        return;
    LxLibLogicTable* t = table();
    lxlib::LxLibTruthTableRecordList& records = p->truthTable();
    records.clear();
    const QString empty(m_columns.count(), QLatin1Char('X'));
    QList<int> dropped;
    for (int r = 0; r < t->numRows(); ++r) {
        const QString vector = rowVector(r);
        if (!context()->loading && vector == empty
            && context()->askYesNo(PartwrightDlg::tr("Truth Table Vector is empty. Delete it?"))) {
            dropped.append(r);
            continue;
        }
        records.append(new lxlib::LxLibTruthTableRecord(vector));
    }
    // What the model left out goes from the table too, so both say the same.
    const QSignalBlocker block(t);
    for (const auto& [first, count] : rowRuns(dropped))
        t->model()->removeRows(first, count);
}

void PWTruthTableTab::storeTab(int part)
{
    if (part != m_shownPart || m_marks.mark(part) != PWEditMarks::Edited)
        return;
    table()->commitEdit();
    storeTruthTable(part);
    m_marks.setMark(part, PWEditMarks::Stored);
    table()->history()->setStored();
}

void PWTruthTableTab::logicPartRemoved(int part)
{
    m_marks.removePosition(part);
    if (m_shownPart == part)
        m_shownPart = -1;
    else if (m_shownPart > part)
        --m_shownPart;
}

void PWTruthTableTab::logicPartInserted(int part, const QList<int>& marks)
{
    m_marks.insertPosition(part, marks.value(0), 0);
    if (m_shownPart >= part)
        ++m_shownPart;
}

void PWTruthTableTab::slotAddTruthTable()
{
    const CLogicData* index = context()->logic().signalIndexes().at(currentPart());
    if (!index || index->controlBits().isEmpty()) {
        context()->showInformation(noColumnsMessage());
        return;
    }
    // A part has one truth table; the button is off while it is there.
    if (hasEntry())
        return;
    m_shownPart = currentPart();
    showEntry(true);
    markEdited();
    buildColumns(currentPart());
    table()->history()->reset();
}

void PWTruthTableTab::slotDeleteTruthTable()
{
    if (!context()->askYesNo(PartwrightDlg::tr("Do you want to delete this Truth Table?")))
        return;
    markEdited();
    CLogicPart* p = context()->logic().logicParts().at(currentPart());
    if (!p)
        return;
    p->truthTable().clear();
    if (!hasEntry() || !m_ui->lbTruthTableLBox->item(0)->isSelected())
        return;
    {
        const QSignalBlocker block(table());
        table()->setNumRows(0);
    }
    showEntry(false);
    table()->history()->reset();
}

bool PWTruthTableTab::addRowAllowed()
{
    if (!m_columns.isEmpty())
        return true;
    context()->showInformation(noColumnsMessage());
    return false;
}

void PWTruthTableTab::slotAddTrueTableState()
{
    if (!addRowAllowed())
        return;
    const int row = table()->numRows();
    insertStateRows(row, 1);
    table()->setCurrentCell(row, 0);
    table()->scrollToItem(table()->item(row, 0));
    table()->setFocus();
    markEdited();
}

void PWTruthTableTab::slotInsertTrueTableState()
{
    if (!addRowAllowed())
        return;
    const int current = table()->currentRow();
    const int row = current < 0 ? table()->numRows() : current;
    insertStateRows(row, 1);
    table()->setCurrentCell(row, qMax(0, table()->currentColumn()));
    table()->setFocus();
    markEdited();
}

void PWTruthTableTab::slotDelTrueTableState()
{
    LxLibLogicTable* t = table();
    const QList<int> rows = t->selectedRowNumbers();
    if (rows.isEmpty())
        return;
    t->commitEdit();
    {
        const LxTableHistory::Step step(t, rows.first(), rows.last() - rows.first() + 1);
        const QSignalBlocker block(t);
        for (const auto& [first, count] : rowRuns(rows))
            t->model()->removeRows(first, count);
    }
    t->clearSelection();
    if (t->numRows() > 0)
        t->setCurrentCell(qMin(rows.first(), t->numRows() - 1), qMax(0, t->currentColumn()));
    markEdited();
}

void PWTruthTableTab::slotTruthTableCurrentChanged(int row, int col)
{
    if (col < 0 || col >= m_columns.count()) {
        m_ui->ui_col_value_truth_table_label->clear();
        return;
    }
    const int direction = m_columns.pinDirection(col);
    m_ui->ui_col_value_truth_table_label->setText(CVectorColumns::directionText(direction));
    if (LxLibTableItem* cell = table()->lxItem(row, col))
        cell->setPinDirection(direction);
}

void PWTruthTableTab::slotTrueInputTableValueChanged(int, int) { markEdited(); }

void PWTruthTableTab::slotPasteVectors(const QString& text)
{
    if (!hasEntry() || !editable() || !addRowAllowed())
        return;
    const PWVectorPasteResult pasted = parseVectorPaste(text, m_columns.allowedChars(), m_columns.labels());
    if (!PWTablePaste::hasRows(*context(), !pasted.rows.isEmpty() || !pasted.refused.isEmpty()))
        return;
    LxLibLogicTable* t = table();
    const int start = t->currentRow() < 0 ? t->numRows() : t->currentRow();
    const int count = static_cast<int>(pasted.rows.size());
    int overwritten = 0;
    const QString blank(m_columns.count(), QLatin1Char('X'));
    for (int i = 0; i < count && start + i < t->numRows(); ++i) {
        const QString before = rowVector(start + i);
        if (before != blank && before != pasted.rows[i])
            ++overwritten;
    }
    if (!PWTablePaste::mayOverwrite(*context(), overwritten, start))
        return;
    if (count > 0) {
        const LxTableHistory::Step step(t, start, count);
        const int appended = qMax(0, start + count - t->numRows());
        insertStateRows(t->numRows(), appended);
        {
            const QSignalBlocker block(t);
            t->setUpdatesEnabled(false);
            for (int i = 0; i < count; ++i)
                setRowVector(start + i, pasted.rows[i]);
            t->setUpdatesEnabled(true);
        }
        t->setCurrentCell(start + count - 1, 0);
        markEdited();
    }
    if (!pasted.refused.isEmpty())
        context()->showInformation(vectorPasteReport(pasted));
}
