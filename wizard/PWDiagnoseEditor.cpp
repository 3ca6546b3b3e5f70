#include "PWDiagnoseEditor.h"

#include "CLogic.h"
#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "LxListMenu.h"
#include "LxTableHistory.h"
#include "PWVocabulary.h"
#include "PWWizardContext.h"
#include "PartwrightDlg.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUndoStack>

#include <algorithm>

using lxlib::LxLibSignalTypeBit;

PWDiagnoseEditor::PWDiagnoseEditor(PWWizardContext* context, QGroupBox* box, LxLibTable* table, QPushButton* add,
                                   QPushButton* remove, QObject* parent)
    : QObject(parent), m_context(context), m_box(box), m_table(table), m_add(add), m_remove(remove)
{
    m_table->setTableKind(LxLibTable::DiagnoseKind);
    m_table->setNumCols(3);
    m_table->setHorizontalHeaderLabels(
        {PartwrightDlg::tr("Signal Type"), PartwrightDlg::tr("Signal Bit"), PartwrightDlg::tr("Stuck At")});
    // At least the customary widths, and never narrower than the labels.
    const int widths[] = {65, 65, 50};
    for (int c = 0; c < 3; ++c)
        m_table->setColumnWidth(c, qMax(widths[c], m_table->horizontalHeader()->sectionSizeHint(c)));

    // The box comes and goes with the current row; the statement table keeps its width.
    QSizePolicy policy = m_box->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    m_box->setSizePolicy(policy);

    connect(m_table, &LxLibTable::valueChanged, this, &PWDiagnoseEditor::slotDiagnoseTableValueChanged);
    connect(m_table, qOverload<int, int>(&LxLibTable::currentChanged), this,
            &PWDiagnoseEditor::slotDiagnoseTableCurrentChanged);
    connect(m_table, &LxLibTable::contextMenuRequested, this, &PWDiagnoseEditor::slotDiagnoseTableMenu);
    connect(m_add, &QPushButton::clicked, this, &PWDiagnoseEditor::slotAddDiagnoseItem);
    connect(m_remove, &QPushButton::clicked, this, &PWDiagnoseEditor::slotDeleteDiagnoseItem);
    // Choices are recorded by the table; the bit list a signal choice brings
    // is set inside the same step, so undo gives the old list back with it.
    LxTableHistory* history = m_table->enableHistory();
    connect(history->stack(), &QUndoStack::cleanChanged, this, [this, history](bool clean) {
        if (history->isResetting())
            return;
        m_edited = !clean;
        emit edited();
    });
    hide();
}

LxTableHistory* PWDiagnoseEditor::history() const { return m_table->history(); }

void PWDiagnoseEditor::markStored()
{
    m_edited = false;
    history()->stack()->setClean();
}

bool PWDiagnoseEditor::editable() const { return !m_context->viewOnly && !m_context->memoryCategory(); }

void PWDiagnoseEditor::updateEditable()
{
    m_table->setReadOnly(!editable());
    m_add->setEnabled(editable());
    m_remove->setEnabled(editable());
}

QStringList PWDiagnoseEditor::signalNames() const
{
    QStringList names;
    m_context->logic().getSignalNames(names, CLogic::Diagnostics, m_part);
    return names;
}

QStringList PWDiagnoseEditor::signalBits(const QString& signal) const
{
    QList<int> bits;
    if (const CLogicData* index = m_context->logic().signalIndexes().at(m_part)) {
        for (int g = 0; g < CLogicData::GroupCount; ++g)
            for (const CSignalSpec* bit : index->group(g))
                if (bit->signalTexts().contains(signal) && !bits.contains(bit->signal().GetSignalBit()))
                    bits.append(bit->signal().GetSignalBit());
    }
    std::sort(bits.begin(), bits.end());
    QStringList texts{QString()};
    for (int bit : bits)
        texts.append(QString::number(bit));
    return texts;
}

void PWDiagnoseEditor::setRow(int row, const QString& signal, int bit, int stuckAt)
{
    // A rule naming what the pin lists no longer carry is shown as it is, not
    // dropped: the save check then names it.
    QStringList names = signalNames();
    if (!names.contains(signal))
        names.append(signal);
    auto* signalItem = new LxLibComboItem(names, false);
    signalItem->setCurrentItem(signal);
    m_table->setItem(row, 0, signalItem);

    QStringList bits = signal.isEmpty() ? QStringList{QString()} : signalBits(signal);
    const QString bitText = bit >= 0 ? QString::number(bit) : QString();
    if (!bits.contains(bitText))
        bits.append(bitText);
    auto* bitItem = new LxLibComboItem(bits, false);
    bitItem->setCurrentItem(bitText);
    m_table->setItem(row, 1, bitItem);

    auto* stuckItem = new LxLibComboItem(StuckAtTypeNames(), false);
    stuckItem->setCurrentItem(stuckAt >= 0 && stuckAt < StuckAtTypeNames().size() ? stuckAt : 0);
    m_table->setItem(row, 2, stuckItem);
}

void PWDiagnoseEditor::showRules(int part, const PWDiagnoseRules& rules)
{
    m_part = part;
    {
        const QSignalBlocker block(m_table);
        m_table->setNumRows(0);
        m_table->setNumRows(static_cast<int>(rules.size()));
        for (int row = 0; row < rules.size(); ++row) {
            const PWDiagnoseRule& r = rules[row];
            setRow(row, r.signalType > 0 ? LxLibSignalTypeBit::ConvertSignalToString(r.signalType) : QString(), r.bit,
                   r.stuckAt);
        }
    }
    m_edited = false;
    history()->reset();
    updateEditable();
    m_box->show();
}

void PWDiagnoseEditor::hide()
{
    {
        const QSignalBlocker block(m_table);
        m_table->setNumRows(0);
    }
    m_edited = false;
    history()->reset();
    m_box->hide();
}

bool PWDiagnoseEditor::isShown() const { return !m_box->isHidden(); }

PWDiagnoseRules PWDiagnoseEditor::rules() const
{
    m_table->commitEdit();
    PWDiagnoseRules rules;
    for (int row = 0; row < m_table->numRows(); ++row) {
        const LxLibComboItem* signal = m_table->comboItem(row, 0);
        const LxLibComboItem* bit = m_table->comboItem(row, 1);
        const LxLibComboItem* stuck = m_table->comboItem(row, 2);
        const QString signalText = signal ? signal->currentText() : QString();
        const QString bitText = bit ? bit->currentText() : QString();
        const int stuckAt = stuck ? qMax(0, stuck->currentItem()) : 0;
        if (signalText.isEmpty() && bitText.isEmpty() && stuckAt == 0)
            continue;
        rules.append({LxLibSignalTypeBit::ConvertSignalToType(signalText), bitText.isEmpty() ? -1 : bitText.toInt(),
                      stuckAt});
    }
    return rules;
}

void PWDiagnoseEditor::markEdited()
{
    m_edited = true;
    emit edited();
}

void PWDiagnoseEditor::slotDiagnoseTableValueChanged(int row, int col)
{
    if (col == 0) {
        const LxLibComboItem* signal = m_table->comboItem(row, 0);
        const QString text = signal ? signal->currentText() : QString();
        const QSignalBlocker block(m_table);
        m_table->setItem(row, 1, new LxLibComboItem(text.isEmpty() ? QStringList{QString()} : signalBits(text), false));
    }
    markEdited();
}

void PWDiagnoseEditor::slotDiagnoseTableCurrentChanged(int, int)
{
    emit diagnoseCellChosen();
}

void PWDiagnoseEditor::slotAddRowToDiagnoseTable()
{
    if (!editable())
        return;
    const int row = m_table->numRows();
    {
        const LxTableHistory::Step step(m_table, row, 0);
        const QSignalBlocker block(m_table);
        m_table->insertRows(row);
        setRow(row, QString(), -1, 0);
    }
    m_table->setCurrentCell(row, 0);
    markEdited();
}

void PWDiagnoseEditor::slotDeleteRowToDiagnoseTable()
{
    if (editable() && removeSelectedRows(m_table))
        markEdited();
}

void PWDiagnoseEditor::slotAddDiagnoseItem() { slotAddRowToDiagnoseTable(); }

void PWDiagnoseEditor::slotDeleteDiagnoseItem() { slotDeleteRowToDiagnoseTable(); }

QMenu* PWDiagnoseEditor::createMenu()
{
    if (m_context->memoryCategory())
        return nullptr;
    auto* menu = new QMenu(m_table);
    menu->addAction(PartwrightDlg::tr("New"), this, &PWDiagnoseEditor::slotAddRowToDiagnoseTable)->setEnabled(editable());
    menu->addAction(PartwrightDlg::tr("Delete "), this, &PWDiagnoseEditor::slotDeleteRowToDiagnoseTable)
        ->setEnabled(editable() && m_table->firstSelection().rowCount() > 0);
    history()->appendTo(menu);
    return menu;
}

void PWDiagnoseEditor::slotDiagnoseTableMenu(int, int, const QPoint& pos)
{
    lxExecPopup(createMenu(), pos);
}
