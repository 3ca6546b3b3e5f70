#include "PWPatternTab.h"

#include "CLogic.h"
#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "LxTableHistory.h"
#include "PWEditState.h"
#include "PWVectorPaste.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace lxlib;

PWPatternTab::PWPatternTab(const Setup& setup, const TableSetup& tableSetup, PWWizardContext* context,
                           QWidget* parent)
    : PWPatternListTab(setup, context, parent), m_tableSetup(tableSetup)
{
    auto* group = new QGroupBox(tableSetup.groupTitle, this);
    group->setObjectName(QLatin1String(tableSetup.group));
    m_table = new LxLibTable(group);
    m_table->setObjectName(QLatin1String(tableSetup.table));
    m_table->setTableKind(tableSetup.tableKind);
    m_addItem = new QPushButton(PartwrightDlg::tr("Add"), group);
    m_addItem->setObjectName(QLatin1String(tableSetup.addItem));
    m_deleteItem = new QPushButton(PartwrightDlg::tr("Delete"), group);
    m_deleteItem->setObjectName(QLatin1String(tableSetup.deleteItem));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_addItem);
    buttons->addWidget(m_deleteItem);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_table);
    layout->addLayout(buttons);
    editorLayout()->addWidget(group, 1);

    connect(m_table, &LxLibTable::pasteRequested, this, &PWPatternTab::slotPasteRows);
    followHistory(m_table->enableHistory());
    if (PWEditState* state = context->editState()) {
        state->addField(m_table);
        state->addControl(m_addItem);
        state->addControl(m_deleteItem);
    }
}

void PWPatternTab::clearEditor()
{
    const QSignalBlocker block(m_table);
    m_table->setNumRows(0);
    m_table->history()->reset();
}

void PWPatternTab::setupPatternColumns(int part)
{
    clearEditor();
    m_columnBits.clear();
    m_bitsOfType.clear();
    m_columnsOfType.clear();
    m_rowChoices.clear();
    CLogic& logic = context()->logic();
    if (!logic.logicParts().at(part))
        return;
    if (!logic.signalIndexes().at(part))
        logic.rebuildSignalIndex(part);
    const CLogicData& index = *logic.signalIndexes().at(part);

    QStringList& names = m_table->headerNames();
    names.clear();
    const CSignalSpecList& bits = index.drivableBits();
    for (int b = bits.count() - 1; b >= 0; --b) {
        if (bits.at(b)->isEmpty())
            continue;
        m_columnBits.append(b);
        names.append(bits.at(b)->label());
    }
    for (int g : {CLogicData::InputControl, CLogicData::BidirectionalControl, CLogicData::InputData,
                  CLogicData::BidirectionalData})
        for (const CSignalSpec* bit : index.group(g))
            m_bitsOfType[bit->signal().GetSignalType()].append(bit->signal().GetSignalBit());
    logic.getSignalNames(m_rowChoices, CLogic::PruneEnables, part);

    m_table->setNumCols(1 + static_cast<int>(m_columnBits.size()));
    m_table->setHorizontalHeaderItem(0, new QTableWidgetItem(PartwrightDlg::tr("Signal Type")));
    m_table->updateHeaderLabels();
}

const QList<bool>& PWPatternTab::columnsOf(const QString& signalTypeName)
{
    auto it = m_columnsOfType.find(signalTypeName);
    if (it != m_columnsOfType.end())
        return *it;
    const QList<int> bits = m_bitsOfType.value(LxLibSignalTypeBit::ConvertSignalToType(signalTypeName));
    QList<bool> columns;
    columns.reserve(m_columnBits.size());
    for (int bit : m_columnBits)
        columns.append(bits.contains(bit));
    return *m_columnsOfType.insert(signalTypeName, columns);
}

void PWPatternTab::setRow(int row, const QString& signalTypeName, const QString& vector)
{
    QStringList choices = m_rowChoices;
    // A type the part does not drive stays visible as it was read.
    if (!choices.contains(signalTypeName))
        choices.insert(qMax(0, static_cast<int>(choices.size()) - 1), signalTypeName);
    auto* type = new LxLibComboItem(choices, false);
    type->setCurrentItem(signalTypeName);
    m_table->setItem(row, 0, type);
    const QList<bool>& columns = columnsOf(signalTypeName);
    int k = 0;
    for (int c = 0; c < columns.size(); ++c) {
        auto* cell = new LxLibTableItem(LxLibTableItem::OnTyping, columns[c] ? vector.mid(k++, 1) : QString());
        cell->setEnabled(columns[c]);
        m_table->setItem(row, c + 1, cell);
    }
}

void PWPatternTab::appendPatternRow()
{
    const QSignalBlocker block(m_table);
    const int row = m_table->numRows();
    m_table->insertRows(row);
    setRow(row, m_rowChoices.value(0), QString());
}

void PWPatternTab::configurePatternRow(int row)
{
    const LxLibComboItem* type = m_table->comboItem(row, 0);
    const QList<bool>& columns = columnsOf(type ? type->currentText() : QString());
    const QSignalBlocker block(m_table);
    for (int c = 0; c < columns.size(); ++c) {
        LxLibTableItem* cell = m_table->lxItem(row, c + 1);
        if (!cell) {
            cell = new LxLibTableItem(LxLibTableItem::OnTyping);
            m_table->setItem(row, c + 1, cell);
        }
        cell->setText(QString());
        cell->setEnabled(columns[c]);
    }
}

void PWPatternTab::fillPatternRow(int row, const QString& signalTypeName, const QString& vector)
{
    const QSignalBlocker block(m_table);
    setRow(row, signalTypeName, vector);
}

void PWPatternTab::readRows(LxLibSetSignalList& rows, bool ask) const
{
    // A cell still being typed into belongs to the pattern too.
    m_table->commitEdit();
    for (int r = 0; r < m_table->numRows(); ++r) {
        const LxLibComboItem* type = m_table->comboItem(r, 0);
        QString vector;
        for (int c = 1; c < m_table->numCols(); ++c) {
            const LxLibTableItem* cell = m_table->lxItem(r, c);
            if (!cell || !cell->isEnabled())
                continue;
            const QString text = cell->text();
            vector += text.isEmpty() ? QStringLiteral("X") : text;
        }
        if (ask && !context()->loading && vector.count(QLatin1Char('X')) == vector.size()
            && context()->askYesNo(m_tableSetup.emptyVector))
            continue;
        rows.append(new LxLibSetSignal(LxLibSignalTypeBit::ConvertSignalToType(type ? type->currentText() : QString()),
                                       vector));
    }
}

void PWPatternTab::showRows(const LxLibSetSignalList& rows)
{
    const QSignalBlocker block(m_table);
    m_table->setUpdatesEnabled(false);
    m_table->setNumRows(static_cast<int>(rows.count()));
    int row = 0;
    for (const LxLibSetSignal* s : rows)
        setRow(row++, LxLibSignalTypeBit::ConvertSignalToString(s->GetSignalType()), s->GetVector());
    m_table->setUpdatesEnabled(true);
    m_table->history()->reset();
}

void PWPatternTab::addRow()
{
    const LxTableHistory::Step step(m_table, m_table->numRows(), 0);
    appendPatternRow();
    markEdited();
}

void PWPatternTab::deleteRows()
{
    removeSelectedRows(m_table);
    markEdited();
}

void PWPatternTab::tableValueChanged(int row, int col)
{
    if (col == 0)
        configurePatternRow(row);
    markEdited();
}

void PWPatternTab::slotPasteRows(const QString& text)
{
    if (readOnly() || list()->count() == 0)
        return;
    static const QRegularExpression typeEnd(QStringLiteral("[\\t\\s]"));
    PWVectorPasteResult pasted;
    QStringList types;
    for (const auto& [n, line] : pastedLines(text)) {
        const QString trimmed = line.trimmed();
        const int end = static_cast<int>(trimmed.indexOf(typeEnd));
        const QString typeText = end < 0 ? trimmed : trimmed.left(end);
        QString rest = end < 0 ? QString() : trimmed.mid(end + 1);
        QString type;
        for (const QString& choice : std::as_const(m_rowChoices))
            if (!choice.isEmpty() && choice.compare(typeText, Qt::CaseInsensitive) == 0)
                type = choice;
        if (type.isEmpty()) {
            //: %1 = Line of the pasted text, %2 = The text where a signal type was expected
            pasted.refused.append(PartwrightDlg::tr("Row %1: \"%2\" is no signal type this part drives")
                                      .arg(n)
                                      .arg(typeText));
            continue;
        }
        const QList<bool>& columns = columnsOf(type);
        // A row copied from a pattern table holds every value column; only the type's count.
        const QStringList cells = rest.split(QLatin1Char('\t'));
        if (rest.contains(QLatin1Char('\t')) && cells.size() == columns.size()) {
            QStringList own;
            for (int c = 0; c < columns.size(); ++c)
                if (columns[c])
                    own.append(cells[c]);
            rest = own.join(QLatin1Char('\t'));
        }
        const PWVectorPasteResult one
            = parseVectorPaste(rest, QStringList(static_cast<int>(columns.count(true)), QStringLiteral("01XZ")));
        if (one.rows.size() == 1) {
            types.append(type);
            pasted.rows.append(one.rows.first());
        } else {
            const QString reason = one.refused.value(0).section(QStringLiteral(": "), 1);
            //: %1 = Line of the pasted text, %2 = Why its levels were refused
            pasted.refused.append(PartwrightDlg::tr("Row %1: %2").arg(n).arg(reason));
        }
    }
    if (!pasted.rows.isEmpty()) {
        const int first = insertionRow(m_table);
        const LxTableHistory::Step step(m_table, first, 0);
        const QSignalBlocker block(m_table);
        m_table->insertRows(first, static_cast<int>(pasted.rows.size()));
        for (int i = 0; i < pasted.rows.size(); ++i)
            setRow(first + i, types[i], pasted.rows[i]);
        markEdited();
    }
    if (!pasted.refused.isEmpty())
        context()->showInformation(vectorPasteReport(pasted));
}
