#include "PWTestSequenceTable.h"

#include "CLogicData.h"
#include "CLoopTestSequence.h"
#include "CTestSequences.h"
#include "CVectorColumns.h"
#include "CWaitTestSequence.h"
#include "LxLibCheckItem.h"
#include "LxLibComboItem.h"
#include "LxLibTable.h"
#include "PWImages.h"
#include "PartwrightDlg.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include <memory>

using namespace lxlib;

namespace {

constexpr int TimeColumnWidth = 50;
constexpr int OptionColumnWidth = 95;
constexpr int KindRole = Qt::UserRole;
constexpr int RulesRole = Qt::UserRole + 1;

const QStringList& timeUnitNames()
{
    static const QStringList units{QStringLiteral("ns"), QStringLiteral("us"), QStringLiteral("ms"),
                                   QStringLiteral("s"), QStringLiteral("tck")};
    return units;
}

// One shared string per character: a large vector table holds few distinct texts.
const QString& cellText(QChar c)
{
    static QString ascii[128];
    static QString other;
    if (c.unicode() >= 128) {
        other = QString(c);
        return other;
    }
    QString& s = ascii[c.unicode()];
    if (s.isNull())
        s = QString(c);
    return s;
}

struct KindLook
{
    const char* image;
    const char* text;
};

KindLook kindLook(int kind)
{
    switch (kind) {
    case PWTestSequenceTable::VectorRow:
        return {"PWvectors.png", QT_TRANSLATE_NOOP("PartwrightDlg", "Vector")};
    case PWTestSequenceTable::RepeatRow:
        return {"PWrepeat.png", QT_TRANSLATE_NOOP("PartwrightDlg", "Repeat")};
    case PWTestSequenceTable::EndRow:
        return {"PWrepeat.png", QT_TRANSLATE_NOOP("PartwrightDlg", "End")};
    case PWTestSequenceTable::WaitRow:
        return {"PWwait.png", QT_TRANSLATE_NOOP("PartwrightDlg", "Wait")};
    default:
        return {"", ""};
    }
}

const QIcon& kindIcon(int kind)
{
    static QIcon icons[PWTestSequenceTable::WaitRow + 1];
    QIcon& icon = icons[kind];
    if (icon.isNull() && *kindLook(kind).image)
        icon = QIcon(lxImage(QString::fromLatin1(kindLook(kind).image)));
    return icon;
}

CLogicDiagnose* rowDiagnose(int rowKind, bool diagnosed, const PWDiagnoseRules& rules)
{
    auto* d = new CLogicDiagnose(diagnosed ? CLogicDiagnose::Defined : CLogicDiagnose::NotDefined, rowKind);
    if (diagnosed)
        for (const PWDiagnoseRule& r : rules)
            d->AddRule(new LxLibDiagRuleStuckAt(r.signalType, r.bit, r.stuckAt));
    return d;
}

PWDiagnoseRules rulesOf(const CLogicDiagnose* d)
{
    PWDiagnoseRules rules;
    if (!d || d->state() != CLogicDiagnose::Defined)
        return rules;
    for (const LxLibDiagRuleStuckAt* r : d->GetRuleList())
        rules.append({r->GetSignalType(), r->GetSignalBit(), r->GetStuckAtType()});
    return rules;
}

uint32_t numberOf(const QString& text)
{
    bool ok = false;
    const uint value = text.toUInt(&ok);
    return ok ? value : 0;
}

} // namespace

PWTestSequenceTable::PWTestSequenceTable(LxLibTable* table) : m_table(table)
{
    m_table->setTableKind(LxLibTable::TestSequenceKind);
    clearColumns();
}

const QStringList& PWTestSequenceTable::breakModeNames()
{
    static const QStringList names{QString(), PartwrightDlg::tr("Break on No Error"), PartwrightDlg::tr("Break on Error")};
    return names;
}

void PWTestSequenceTable::clearColumns()
{
    const QSignalBlocker block(m_table);
    m_table->setNumRows(0);
    m_table->setNumCols(0);
    m_columns = CVectorColumns();
}

bool PWTestSequenceTable::buildColumns(const CLogicData* index, QList<int>& signalTypes)
{
    const CVectorColumns columns(index);
    signalTypes = columns.signalTypesByBit();
    // Rows of the same width are kept for the next fill to write over.
    if (columns.isEmpty() || columns.count() != m_columns.count())
        clearColumns();
    m_columns = columns;
    if (m_columns.isEmpty())
        return false;
    const int n = m_columns.count();
    const QStringList labels = QStringList{QStringLiteral(" ")} + m_columns.labels()
                               + QStringList{LxLibTable::timeColumnLabel(), PartwrightDlg::tr("Option")};
    const QSignalBlocker block(m_table);
    m_table->setNumCols(static_cast<int>(labels.size()));
    m_table->setHorizontalHeaderLabels(labels);
    // The cells hold one character: the labels decide the widths.
    QHeaderView* header = m_table->horizontalHeader();
    for (int c = 1; c <= n; ++c)
        m_table->setColumnWidth(c, header->sectionSizeHint(c));
    m_table->setColumnWidth(timeColumn(), TimeColumnWidth);
    m_table->setColumnWidth(optionColumn(), OptionColumnWidth);
    return true;
}

int PWTestSequenceTable::rowKind(int row) const
{
    const QTableWidgetItem* cell = m_table->item(row, 0);
    return cell ? cell->data(KindRole).toInt() : OtherRow;
}

void PWTestSequenceTable::setKindCell(int row, int kind)
{
    auto* cell = new LxLibTableItem(LxLibTableItem::Never, PartwrightDlg::tr(kindLook(kind).text));
    cell->setIcon(kindIcon(kind));
    cell->setData(KindRole, kind);
    m_table->setItem(row, 0, cell);
}

void PWTestSequenceTable::setNeverCells(int row, int fromCol, int toCol)
{
    for (int c = fromCol; c <= toCol; ++c)
        m_table->setItem(row, c, new LxLibTableItem(LxLibTableItem::Never));
}

bool PWTestSequenceTable::refillVectorRow(int row, const QString& vector, bool diagnosed, const PWDiagnoseRules& rules)
{
    QTableWidgetItem* option = m_table->item(row, optionColumn());
    if (rowKind(row) != VectorRow || !option || option->type() != LxLibTableItem::CheckType)
        return false;
    for (int c = 0; c < signalCount(); ++c) {
        LxLibTableItem* cell = m_table->lxItem(row, c + 1);
        if (!cell || cell->type() != LxLibTableItem::TextType)
            return false;
        cell->setText(c < vector.size() ? cellText(vector[c]) : QString());
        cell->setPinDirection(m_columns.pinDirection(c));
    }
    option->setCheckState(diagnosed ? Qt::Checked : Qt::Unchecked);
    option->setData(RulesRole, rules.isEmpty() ? QVariant() : QVariant::fromValue(rules));
    return true;
}

void PWTestSequenceTable::setVectorRow(int row, const QString& vector, bool diagnosed, const PWDiagnoseRules& rules)
{
    // A vector row already there takes the new characters: no cell is made anew.
    if (refillVectorRow(row, vector, diagnosed, rules))
        return;
    setKindCell(row, VectorRow);
    const int n = signalCount();
    for (int c = 0; c < n; ++c) {
        auto* cell = new LxLibTableItem(LxLibTableItem::OnTyping, c < vector.size() ? cellText(vector[c]) : QString());
        cell->setPinDirection(m_columns.pinDirection(c));
        m_table->setItem(row, c + 1, cell);
    }
    setNeverCells(row, timeColumn(), timeColumn());
    auto* option = new LxLibCheckItem(QString(), diagnosed);
    if (!rules.isEmpty())
        option->setData(RulesRole, QVariant::fromValue(rules));
    m_table->setItem(row, optionColumn(), option);
}

void PWTestSequenceTable::setWaitRow(int row, const QString& time, const QString& unit)
{
    setKindCell(row, WaitRow);
    setNeverCells(row, 1, signalCount());
    m_table->setItem(row, timeColumn(), new LxLibTableItem(LxLibTableItem::OnTyping, time));
    auto* units = new LxLibComboItem(timeUnitNames(), false);
    // A wait without a valid unit shows none, so the check names it rather than a guess.
    units->setCurrentItem(timeUnitNames().contains(unit) ? int(timeUnitNames().indexOf(unit)) : -1);
    m_table->setItem(row, optionColumn(), units);
}

void PWTestSequenceTable::setRepeatRow(int row, const QString& count, int breakMode)
{
    setKindCell(row, RepeatRow);
    setNeverCells(row, 1, signalCount());
    m_table->setItem(row, timeColumn(), new LxLibTableItem(LxLibTableItem::OnTyping, count));
    auto* modes = new LxLibComboItem(breakModeNames(), false);
    modes->setCurrentItem(breakMode);
    m_table->setItem(row, optionColumn(), modes);
}

void PWTestSequenceTable::setEndRow(int row)
{
    setKindCell(row, EndRow);
    setNeverCells(row, 1, optionColumn());
}

int PWTestSequenceTable::insertStatement(int row, int kind)
{
    const QSignalBlocker block(m_table);
    switch (kind) {
    case VectorStatement:
        m_table->insertRows(row);
        setVectorRow(row, QString());
        return 1;
    case WaitStatement:
        m_table->insertRows(row);
        setWaitRow(row, QString(), QStringLiteral("ms"));
        return 1;
    case RepeatStatement:
        // A repeat comes with its first vector inside it.
        m_table->insertRows(row, 3);
        setRepeatRow(row, QString(), 0);
        setVectorRow(row + 1, QString());
        setEndRow(row + 2);
        return 3;
    default:
        return 0;
    }
}

void PWTestSequenceTable::fill(const CTestSequences& sequence, const CLogicDiagnoseList* diagnostics)
{
    const QSignalBlocker block(m_table);
    m_table->setUpdatesEnabled(false);
    m_table->setNumRows(sequence.rowCount());
    // The view learnt of the rows; a change signal per cell would only ask it
    // to repaint what it repaints once updates are back on.
    const QSignalBlocker modelBlock(m_table->model());
    int row = 0;
    auto vectorRow = [&](const CVectorTestSequence* v) {
        const CLogicDiagnose* d = diagnostics ? diagnostics->at(row) : nullptr;
        const bool diagnosed = d && d->state() == CLogicDiagnose::Defined;
        setVectorRow(row++, v->vector(), diagnosed, rulesOf(d));
    };
    for (const CTestSequence* statement : sequence.statements()) {
        switch (statement->kind()) {
        case CTestSequence::Vector:
            vectorRow(static_cast<const CVectorTestSequence*>(statement));
            break;
        case CTestSequence::Wait: {
            const auto* wait = static_cast<const CWaitTestSequence*>(statement);
            setWaitRow(row++, QString::number(wait->time()), wait->unit().GetTimeUnitAsStr());
            break;
        }
        case CTestSequence::Repeat: {
            const auto* loop = static_cast<const CLoopTestSequence*>(statement);
            setRepeatRow(row++, QString::number(loop->count()), loop->breakMode());
            for (const CVectorTestSequence* v : loop->vectors())
                vectorRow(v);
            setEndRow(row++);
            break;
        }
        default:
            setKindCell(row, OtherRow);
            setNeverCells(row++, 1, optionColumn());
            break;
        }
    }
    m_table->resizeColumnToContents(0);
    m_table->setUpdatesEnabled(true);
}

QString PWTestSequenceTable::vectorText(int row) const
{
    QString vector;
    vector.reserve(signalCount());
    for (int c = 1; c <= signalCount(); ++c) {
        const QTableWidgetItem* cell = m_table->item(row, c);
        const QString text = cell ? cell->text() : QString();
        if (text.isEmpty())
            vector += QLatin1Char('X');
        else
            vector += text;
    }
    return vector;
}

CTestSequences* PWTestSequenceTable::read(const QString& name, CLogicDiagnoseList& rows) const
{
    auto sequence = std::make_unique<CTestSequences>(name);
    CLoopTestSequence* loop = nullptr;
    // A repeat without its "End" row ends where its vectors do; the model adds the row.
    auto closeLoop = [&] {
        if (loop)
            rows.append(new CLogicDiagnose(CLogicDiagnose::NotDefined, EndRow));
        loop = nullptr;
    };
    for (int row = 0; row < m_table->numRows(); ++row) {
        const int kind = rowKind(row);
        switch (kind) {
        case VectorRow: {
            auto* vector = new CVectorTestSequence(vectorText(row));
            if (loop)
                loop->appendVector(vector);
            else
                sequence->appendStatement(vector);
            rows.append(rowDiagnose(VectorRow, isDiagnosed(row), rules(row)));
            break;
        }
        case RepeatRow: {
            closeLoop();
            const LxLibComboItem* mode = m_table->comboItem(row, optionColumn());
            loop = new CLoopTestSequence(numberOf(m_table->text(row, timeColumn())), mode ? qMax(0, mode->currentItem()) : 0);
            sequence->appendStatement(loop);
            rows.append(new CLogicDiagnose(CLogicDiagnose::NotDefined, RepeatRow));
            break;
        }
        case EndRow:
            closeLoop();
            break;
        case WaitRow: {
            closeLoop();
            const LxLibComboItem* unit = m_table->comboItem(row, optionColumn());
            auto* wait = new CWaitTestSequence(numberOf(m_table->text(row, timeColumn())));
            wait->unit().SetTimeUnit(unit ? unit->currentText() : QString());
            sequence->appendStatement(wait);
            rows.append(new CLogicDiagnose(CLogicDiagnose::NotDefined, WaitRow));
            break;
        }
        default:
            break;
        }
    }
    closeLoop();
    return sequence.release();
}

bool PWTestSequenceTable::isDiagnosed(int row) const
{
    const QTableWidgetItem* cell = m_table->item(row, optionColumn());
    return rowKind(row) == VectorRow && cell && cell->checkState() == Qt::Checked;
}

void PWTestSequenceTable::setDiagnosed(int row, bool on)
{
    if (QTableWidgetItem* cell = rowKind(row) == VectorRow ? m_table->item(row, optionColumn()) : nullptr) {
        const QSignalBlocker block(m_table);
        cell->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

PWDiagnoseRules PWTestSequenceTable::rules(int row) const
{
    const QTableWidgetItem* cell = rowKind(row) == VectorRow ? m_table->item(row, optionColumn()) : nullptr;
    return cell ? cell->data(RulesRole).value<PWDiagnoseRules>() : PWDiagnoseRules();
}

void PWTestSequenceTable::setRules(int row, const PWDiagnoseRules& rules)
{
    if (QTableWidgetItem* cell = rowKind(row) == VectorRow ? m_table->item(row, optionColumn()) : nullptr) {
        const QSignalBlocker block(m_table);
        cell->setData(RulesRole, rules.isEmpty() ? QVariant() : QVariant::fromValue(rules));
    }
}

int PWTestSequenceTable::partnerRow(int row) const
{
    const int kind = rowKind(row);
    if (kind == RepeatRow) {
        for (int r = row + 1; r < m_table->numRows(); ++r) {
            const int k = rowKind(r);
            if (k == EndRow)
                return r;
            if (k != VectorRow)
                return -1;
        }
    } else if (kind == EndRow) {
        for (int r = row - 1; r >= 0; --r) {
            const int k = rowKind(r);
            if (k == RepeatRow)
                return r;
            if (k != VectorRow)
                return -1;
        }
    }
    return -1;
}

bool PWTestSequenceTable::isInsideRepeat(int row) const
{
    for (int r = row - 1; r >= 0; --r) {
        const int k = rowKind(r);
        if (k == RepeatRow)
            return true;
        if (k == EndRow || k == WaitRow)
            return false;
    }
    return false;
}

bool PWTestSequenceTable::mayInsertBefore(int row, bool vectorOnly) const
{
    switch (rowKind(row)) {
    case VectorRow:
    case WaitRow:
        return !isInsideRepeat(row) || vectorOnly;
    case EndRow:
        return vectorOnly;
    default:
        return true;
    }
}

QList<int> PWTestSequenceTable::withPartners(int first, int last) const
{
    QList<int> rows;
    for (int row = first; row <= last; ++row) {
        rows.append(row);
        const int partner = partnerRow(row);
        if (partner >= 0)
            rows.append(partner);
    }
    return rows;
}

int PWTestSequenceTable::pasteEnd(int start, const QStringList& vectors, int* overwritten) const
{
    const QString blank(signalCount(), QLatin1Char('X'));
    const int count = static_cast<int>(vectors.size());
    int end = start;
    *overwritten = 0;
    for (; end < m_table->numRows() && end - start < count && rowKind(end) == VectorRow; ++end) {
        const QString before = vectorText(end);
        if (before != blank && before != vectors[end - start])
            ++*overwritten;
    }
    return end;
}

void PWTestSequenceTable::pasteVectors(int start, int end, const QStringList& vectors)
{
    const int count = static_cast<int>(vectors.size());
    const QSignalBlocker block(m_table);
    m_table->setUpdatesEnabled(false);
    for (int row = start; row < end; ++row)
        setVectorRow(row, vectors[row - start], isDiagnosed(row), rules(row));
    m_table->model()->insertRows(end, count - (end - start));
    for (int i = end - start; i < count; ++i)
        setVectorRow(start + i, vectors[i]);
    m_table->setUpdatesEnabled(true);
}

QString PWTestSequenceTable::copyText() const
{
    QString text;
    for (int row : m_table->selectedRowNumbers()) {
        if (rowKind(row) != VectorRow)
            continue;
        const QString vector = vectorText(row);
        for (int i = 0; i < vector.size(); ++i) {
            if (i > 0)
                text += QLatin1Char('\t');
            text += vector[i];
        }
        text += QLatin1Char('\n');
    }
    return text;
}
