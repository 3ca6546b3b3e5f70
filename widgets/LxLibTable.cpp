#include "LxLibTable.h"

#include "LxLibComboItem.h"
#include "LxLibTableDelegate.h"
#include "LxLibTableItem.h"
#include "LxListMenu.h"
#include "LxPrompter.h"
#include "PWPinPairs.h"
#include "LxTableHistory.h"
#include "PWTableText.h"

#if __has_include("PWImages.h")
#include "PWImages.h"
#define LX_HAVE_PWIMAGES 1
#endif

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHash>
#include <QHeaderView>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMetaMethod>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {

// The plug-in's image collection; without it the compact headers show no picture.
QPixmap tableImage(const QString& name)
{
#ifdef LX_HAVE_PWIMAGES
    return lxImage(name);
#else
    Q_UNUSED(name);
    return QPixmap();
#endif
}

// Digits only: a sign alone is a text QIntValidator calls incomplete, and a
// cell takes whatever its editor holds when the edit is left.
class DigitValidator : public QIntValidator
{
public:
    DigitValidator(int top, QObject* parent) : QIntValidator(0, top, parent) {}

    State validate(QString& input, int& pos) const override
    {
        for (const QChar c : std::as_const(input)) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        }
        return QIntValidator::validate(input, pos);
    }
};

QValidator* intValidator(int top, QObject* parent)
{
    auto* v = new DigitValidator(top, parent);
    // "1,000" must not pass for a number.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    v->setLocale(c);
    return v;
}

QValidator* charValidator(const char* pattern, QObject* parent)
{
    return new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), parent);
}

const char* logicPattern(int pinDirection)
{
    switch (pinDirection) {
    case LxLibTableItem::Input:
        return "[01UuDdNnZz]{1,1}";
    case LxLibTableItem::Output:
        return "[01LlHhXxTt]{1,1}";
    case LxLibTableItem::Bidirectional:
        return "[UuDdHhLlNnXxZzTt]{1,1}";
    default:
        return "[01UuDdHhLlNnXxZzTt]{1,1}";
    }
}

} // namespace

LxLibTable::LxLibTable(QWidget* parent, const char* name)
    : QTableWidget(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setItemPrototype(new LxLibTableItem(LxLibTableItem::OnTyping));
    setItemDelegate(new LxLibTableDelegate(this));
    setEditTriggers(DoubleClicked | AnyKeyPressed | EditKeyPressed);
    setContextMenuPolicy(Qt::CustomContextMenu);
    horizontalHeader()->setSectionsClickable(true);

    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int col, int, int) { onCurrentCellChanged(row, col); });
    connect(this, &QWidget::customContextMenuRequested, this, &LxLibTable::onContextMenu);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &LxLibTable::columnClicked);

    // Read-only rows and columns follow insertions and removals.
    connect(model(), &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { shiftIndexes(m_readOnlyRows, first, last - first + 1); });
    connect(model(), &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) { shiftIndexes(m_readOnlyRows, first, first - last - 1); });
    connect(model(), &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) { shiftIndexes(m_readOnlyCols, first, last - first + 1); });
    connect(model(), &QAbstractItemModel::columnsRemoved, this,
            [this](const QModelIndex&, int first, int last) { shiftIndexes(m_readOnlyCols, first, first - last - 1); });
}

void LxLibTable::shiftIndexes(QSet<int>& set, int first, int count)
{
    QSet<int> shifted;
    for (int i : std::as_const(set)) {
        if (i < first)
            shifted.insert(i);
        else if (count > 0)
            shifted.insert(i + count);
        else if (i >= first - count)
            shifted.insert(i + count);
    }
    set = shifted;
}

QString LxLibTable::timeColumnLabel()
{
    return tr("Time\\\nCounter");
}

void LxLibTable::updateHeaderLabels()
{
    for (int c = 1; c < columnCount(); ++c) {
        QTableWidgetItem* header = horizontalHeaderItem(c);
        if (!header) {
            header = new QTableWidgetItem;
            setHorizontalHeaderItem(c, header);
        }
        if (m_expandedHeaders) {
            header->setIcon(QIcon());
            header->setText(m_headerNames.value(c - 1));
        } else {
            header->setIcon(QIcon(tableImage(QStringLiteral("PWCompact.png"))));
            header->setText(QStringLiteral(" "));
            horizontalHeader()->resizeSection(c, 5);
        }
        resizeColumnToContents(c);
    }
}

bool LxLibTable::checkPinCombinations()
{
    QList<std::pair<QString, QString>> rows;
    rows.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        rows.append({text(row, 0), text(row, 1)});
    const PWPinPairFault fault = findPinPairFault(rows);
    QString message;
    if (fault.kind == PWPinPairFault::WithItself)
        //: %1 = Name of a pin
        message = tr("Pin  \"%1\" should not combine with itself").arg(fault.first);
    else if (fault.kind == PWPinPairFault::UsedTwice)
        //: %1 = Name of a pin, %2 = Name of a pin
        message = tr("Pin combination \"%1 - %2\" is already used").arg(fault.first, fault.second);
    if (message.isEmpty())
        return true;
    lxPrompter().information(this, tr("Partwright"), message);
    return false;
}

LxTableHistory* LxLibTable::enableHistory()
{
    if (!m_history)
        m_history = new LxTableHistory(this);
    return m_history;
}

void LxLibTable::insertRows(int row, int count)
{
    for (int i = 0; i < count; ++i)
        insertRow(row);
}

void LxLibTable::removeRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : std::as_const(rows))
        removeRow(row);
}

void LxLibTable::swapRows(int row1, int row2)
{
    if (row1 == row2 || row1 < 0 || row2 < 0 || row1 >= rowCount() || row2 >= rowCount())
        return;
    for (int c = 0; c < columnCount(); ++c) {
        QTableWidgetItem* a = takeItem(row1, c);
        QTableWidgetItem* b = takeItem(row2, c);
        if (b)
            setItem(row1, c, b);
        if (a)
            setItem(row2, c, a);
    }
}

void LxLibTable::clearCell(int row, int col)
{
    removeCellWidget(row, col);
    if (QTableWidgetItem* cell = item(row, col))
        cell->setText(QString());
}

QString LxLibTable::text(int row, int col) const
{
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void LxLibTable::setText(int row, int col, const QString& text)
{
    if (row < 0 || col < 0 || row >= rowCount() || col >= columnCount())
        return;
    if (!item(row, col))
        setItem(row, col, new LxLibTableItem(LxLibTableItem::OnTyping));
    if (LxLibTableItem* cell = lxItem(row, col))
        cell->setText(text);
    else
        item(row, col)->setText(text);
}

LxLibTableItem* LxLibTable::lxItem(int row, int col) const
{
    QTableWidgetItem* cell = item(row, col);
    if (!cell || cell->type() < LxLibTableItem::TextType || cell->type() > LxLibTableItem::CheckType)
        return nullptr;
    return static_cast<LxLibTableItem*>(cell);
}

LxLibComboItem* LxLibTable::comboItem(int row, int col) const
{
    QTableWidgetItem* cell = item(row, col);
    return cell && cell->type() == LxLibTableItem::ComboType ? static_cast<LxLibComboItem*>(cell) : nullptr;
}

void LxLibTable::setReadOnly(bool readOnly)
{
    if (readOnly)
        commitEdit();
    m_readOnly = readOnly;
}

void LxLibTable::setRowReadOnly(int row, bool readOnly)
{
    if (readOnly)
        m_readOnlyRows.insert(row);
    else
        m_readOnlyRows.remove(row);
}

void LxLibTable::setColumnReadOnly(int col, bool readOnly)
{
    if (readOnly)
        m_readOnlyCols.insert(col);
    else
        m_readOnlyCols.remove(col);
}

bool LxLibTable::isCellEditable(int row, int col) const
{
    if (m_readOnly || isRowReadOnly(row) || isColumnReadOnly(col))
        return false;
    const QTableWidgetItem* cell = item(row, col);
    if (!cell)
        return true;
    if (!cell->flags().testFlag(Qt::ItemIsEnabled))
        return false;
    const LxLibTableItem* lx = lxItem(row, col);
    return !lx || lx->editType() != LxLibTableItem::Never;
}

bool LxLibTable::isRowSelected(int row, bool full) const
{
    if (full)
        return selectionModel()->isRowSelected(row, QModelIndex());
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return std::any_of(ranges.begin(), ranges.end(),
                       [row](const QTableWidgetSelectionRange& r) { return row >= r.topRow() && row <= r.bottomRow(); });
}

QTableWidgetSelectionRange LxLibTable::firstSelection() const
{
    const QList<QTableWidgetSelectionRange> ranges = selectedRanges();
    return ranges.isEmpty() ? QTableWidgetSelectionRange() : ranges.first();
}

void LxLibTable::sortColumn(int col, bool ascending, bool wholeRows)
{
    Q_UNUSED(wholeRows); // rows are never torn apart
    if (col < 0 || col >= columnCount())
        return;
    commitEdit();
    sortItems(col, ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    clearSelection();
}

void LxLibTable::columnClicked(int col)
{
    if (m_tableKind == EnableKind || m_tableKind == DisableKind) {
        m_expandedHeaders = !m_expandedHeaders;
        updateHeaderLabels();
        return;
    }
    if (!m_sorting)
        return;
    m_sortAscending = col == m_sortColumn ? !m_sortAscending : true;
    m_sortColumn = col;
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(col, m_sortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    const LxTableHistory::Step step(this, 0, -1);
    sortColumn(col, m_sortAscending, true);
}

void LxLibTable::slotStateChanged(int state)
{
    emit checkBoxClicked(state);
}

void LxLibTable::slotComboBoxItemActivated(int index)
{
    emit comboBoxActivated(index);
}

void LxLibTable::commitEdit()
{
    if (isEditing() && m_editIndex.isValid())
        endEdit(m_editIndex.row(), m_editIndex.column(), true, false);
}

void LxLibTable::endEdit(int row, int col, bool accept, bool replace)
{
    QWidget* editor = indexWidget(model()->index(row, col));
    if (!editor || !isEditing())
        return;
    if (replace)
        accept = true;
    if (accept)
        commitData(editor);
    closeEditor(editor, accept ? QAbstractItemDelegate::NoHint : QAbstractItemDelegate::RevertModelCache);
}

QWidget* LxLibTable::createEditor(int row, int col, bool initFromCell, QWidget* parent)
{
    if (!isCellEditable(row, col))
        return nullptr;
    QTableWidgetItem* cell = item(row, col);
    if (LxLibComboItem* choice = comboItem(row, col)) {
        auto* combo = new QComboBox(parent);
        combo->setFrame(false);
        combo->setEditable(choice->isEditable());
        combo->addItems(choice->stringList());
        combo->setCurrentIndex(choice->currentItem());
        return combo;
    }
    if (cell && cell->type() == LxLibTableItem::CheckType)
        return nullptr;
    if (LxLibTableItem* lx = lxItem(row, col))
        return lx->createEditor(this, col, parent);
    // An empty or foreign cell edits through a temporary default item.
    const LxLibTableItem temporary(LxLibTableItem::OnTyping, cell && initFromCell ? cell->text() : QString());
    return temporary.createEditor(this, col, parent);
}

void LxLibTable::setCellContentFromEditor(int row, int col, QWidget* editor)
{
    if (!editor)
        return;
    const LxTableHistory::Step step(this, row);
    const QString before = text(row, col);
    QTableWidgetItem* cell = item(row, col);
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (LxLibTableItem* lx = lxItem(row, col))
        lx->setContentFromEditor(editor);
    else if (cell && edit)
        cell->setText(edit->text());
    else if (edit && !edit->text().isEmpty())
        setText(row, col, edit->text());
    if (text(row, col) != before)
        emit valueChanged(row, col);
}

QValidator* LxLibTable::cellValidator(int col, int pinDirection, QObject* parent) const
{
    switch (m_tableKind) {
    case PinListKind:
        return col == 2 ? intValidator(9999, parent) : nullptr;
    case DiagnoseKind:
        return col == 1 ? intValidator(9999, parent) : nullptr;
    case TestSequenceKind: {
        const QTableWidgetItem* header = horizontalHeaderItem(col);
        if (header && header->text() == timeColumnLabel())
            return intValidator(99999999, parent);
        return charValidator(logicPattern(pinDirection), parent);
    }
    case TruthTableKind:
        return charValidator(logicPattern(pinDirection), parent);
    case LatchSequenceKind:
    case EnableKind:
    case DisableKind:
        return charValidator("[10XxZz]{1,1}", parent);
    default:
        return nullptr;
    }
}

void LxLibTable::checkCellToggled(int row, int col, int state)
{
    emit valueChanged(row, col);
    slotStateChanged(state);
}

bool LxLibTable::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool wasEditing = isEditing();
    m_pendingReplace = trigger == AnyKeyPressed;
    const bool handled = QTableWidget::edit(index, trigger, event);
    if (handled && !wasEditing && isEditing() && indexWidget(index)) {
        m_editIndex = index;
        m_replacing = m_pendingReplace;
    }
    m_pendingReplace = false;
    return handled;
}

void LxLibTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    m_replacing = false;
    m_editIndex = QPersistentModelIndex();
    QTableWidget::closeEditor(editor, hint);
}

void LxLibTable::fitColumnToTexts(int col, int maxWidth, bool mayShrink)
{
    if (col < 0 || col >= columnCount())
        return;
    // Measuring only the longest texts keeps a fill of thousands of rows cheap;
    // a text of fewer than half the characters is hardly the widest.
    qsizetype longest = 0;
    for (int r = 0; r < rowCount(); ++r)
        longest = qMax(longest, text(r, col).size());
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (int r = 0; r < rowCount(); ++r) {
        const QString t = text(r, col);
        if (2 * t.size() >= longest)
            widest = qMax(widest, metrics.horizontalAdvance(t));
    }
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 4;
    const QHeaderView* header = horizontalHeader();
    int width = std::max({header->sectionSizeHint(col), header->defaultSectionSize(), widest + margin});
    width = qMin(width, qMax(maxWidth, header->defaultSectionSize()));
    if (!mayShrink)
        width = qMax(width, columnWidth(col));
    setColumnWidth(col, width);
}

QStringList LxLibTable::rowTexts(int row) const
{
    QStringList texts;
    for (int c = 0; c < columnCount(); ++c)
        texts.append(text(row, c));
    return texts;
}

QList<QStringList> LxLibTable::tableTexts() const
{
    QList<QStringList> rows;
    rows.reserve(rowCount());
    for (int r = 0; r < rowCount(); ++r)
        rows.append(rowTexts(r));
    return rows;
}

QList<int> LxLibTable::selectedRowNumbers() const
{
    QList<int> rows;
    for (const QTableWidgetSelectionRange& range : selectedRanges()) {
        for (int r = range.topRow(); r <= range.bottomRow(); ++r)
            rows.append(r);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.isEmpty() && currentRow() >= 0)
        rows.append(currentRow());
    return rows;
}

QString LxLibTable::selectedRowsText() const
{
    QList<QStringList> rows;
    for (int r : selectedRowNumbers())
        rows.append(rowTexts(r));
    return PWTableText::format(rows);
}

void LxLibTable::keyPressEvent(QKeyEvent* event)
{
    if (!isEditing() && event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(selectedRowsText());
        event->accept();
        return;
    }
    if (!isEditing() && event->matches(QKeySequence::Paste)) {
        if (!m_readOnly)
            emit pasteRequested(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && !m_readOnly && !isEditing()) {
        const int row = currentRow();
        const int col = currentColumn();
        const LxLibTableItem* lx = lxItem(row, col);
        const bool textCell = !lx || lx->type() == LxLibTableItem::TextType;
        if (row >= 0 && col >= 0 && textCell && isCellEditable(row, col) && !text(row, col).isEmpty()) {
            const LxTableHistory::Step step(this, row);
            clearCell(row, col);
            emit valueChanged(row, col);
        }
    }
    QTableWidget::keyPressEvent(event);
}

void LxLibTable::focusOutEvent(QFocusEvent* event)
{
    // Focus passing into the cell's own editor is not leaving the table.
    QWidget* editor = m_editIndex.isValid() ? indexWidget(m_editIndex) : nullptr;
    QWidget* focus = QApplication::focusWidget();
    if (isEditing() && editor && focus && focus != editor && !editor->isAncestorOf(focus))
        commitEdit();
    QTableWidget::focusOutEvent(event);
}

void LxLibTable::mouseReleaseEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    QTableWidget::mouseReleaseEvent(event);
    if (!index.isValid())
        return;
    emit clicked(index.row(), index.column(), static_cast<int>(event->button()), event->globalPosition().toPoint());
    // A choice cell opens its list at the first click.
    if (event->button() == Qt::LeftButton && comboItem(index.row(), index.column()) && !isEditing()
        && edit(index, AllEditTriggers, nullptr)) {
        if (auto* combo = qobject_cast<QComboBox*>(indexWidget(index)))
            QTimer::singleShot(0, combo, &QComboBox::showPopup);
    }
}

void LxLibTable::onCurrentCellChanged(int row, int col)
{
    emit currentChanged(row, col);
    const LxLibTableItem* lx = lxItem(row, col);
    const bool opensWhenCurrent =
        lx && (lx->editType() == LxLibTableItem::WhenCurrent || lx->editType() == LxLibTableItem::Always);
    // Only when the user moves there; filling the table must not open editors.
    if (opensWhenCurrent && hasFocus() && !isEditing() && lx->type() == LxLibTableItem::TextType)
        edit(model()->index(row, col), AllEditTriggers, nullptr);
}

void LxLibTable::onContextMenu(const QPoint& pos)
{
    const QModelIndex index = indexAt(pos);
    // A table whose editor offers no menu of its own still offers its history.
    if (m_history && !isSignalConnected(QMetaMethod::fromSignal(&LxLibTable::contextMenuRequested))) {
        auto* menu = new QMenu(this);
        m_history->appendTo(menu);
        lxExecPopup(menu, viewport()->mapToGlobal(pos));
        return;
    }
    emit contextMenuRequested(index.isValid() ? index.row() : -1, index.isValid() ? index.column() : -1,
                              viewport()->mapToGlobal(pos));
}

bool removeSelectedRows(LxLibTable* table)
{
    if (!table)
        return false;
    const QTableWidgetSelectionRange range = table->firstSelection();
    if (range.rowCount() <= 0)
        return false;
    const LxTableHistory::Step step(table, range.topRow(), range.rowCount());
    for (int row = range.bottomRow(); row >= range.topRow(); --row)
        table->removeRow(row);
    return true;
}
