#include "LxLibTableDelegate.h"

#include "LxLibTable.h"
#include "LxLibTableItem.h"
#include "LxTableHistory.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

LxLibTableDelegate::LxLibTableDelegate(LxLibTable* table)
    : QStyledItemDelegate(table), m_table(table)
{
}

QWidget* LxLibTableDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex& index) const
{
    QWidget* editor = m_table->createEditor(index.row(), index.column(), !m_table->isReplacing(), parent);
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        auto* self = const_cast<LxLibTableDelegate*>(this);
        LxLibTable* table = m_table;
        connect(combo, &QComboBox::activated, self, [self, table, combo](int chosen) {
            emit self->commitData(combo);
            emit self->closeEditor(combo, NoHint);
            table->slotComboBoxItemActivated(chosen);
        });
    }
    return editor;
}

void LxLibTableDelegate::setEditorData(QWidget*, const QModelIndex&) const
{
    // The table fills its editors when it builds them.
}

void LxLibTableDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    m_table->setCellContentFromEditor(index.row(), index.column(), editor);
}

void LxLibTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QTableWidgetItem* cell = m_table->item(index.row(), index.column());
    const LxLibTableItem* lx = m_table->lxItem(index.row(), index.column());
    if (cell && (!cell->flags().testFlag(Qt::ItemIsEnabled) || (lx && lx->editType() == LxLibTableItem::Never)))
        opt.backgroundBrush = readOnlyColor();
    const bool focusCell = opt.state.testFlag(QStyle::State_HasFocus);
    opt.state &= ~QStyle::State_HasFocus;
    const QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    if (focusCell && (m_table->hasFocus() || m_table->viewport()->hasFocus())) {
        const QRect r = option.rect;
        painter->save();
        painter->setPen(QPen(Qt::blue, 1, Qt::SolidLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r.x(), r.y(), r.width() - 1, r.height() - 1);
        painter->drawRect(r.x() - 1, r.y() - 1, r.width() + 1, r.height() + 1);
        painter->restore();
    }
}

bool LxLibTableDelegate::editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                                     const QModelIndex& index)
{
    const QTableWidgetItem* cell = m_table->item(index.row(), index.column());
    if (!cell || cell->type() != LxLibTableItem::CheckType)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const bool toggling = event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick
                          || event->type() == QEvent::KeyPress;
    if (toggling && !m_table->isCellEditable(index.row(), index.column()))
        return true;
    // Only a toggle can change the row; other events need no step.
    const LxTableHistory::Step step(m_table, toggling ? index.row() : m_table->rowCount(), toggling ? 1 : 0);
    const Qt::CheckState before = cell->checkState();
    const bool handled = QStyledItemDelegate::editorEvent(event, model, option, index);
    if (cell->checkState() != before)
        m_table->checkCellToggled(index.row(), index.column(), cell->checkState());
    return handled;
}

bool LxLibTableDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* editor = qobject_cast<QWidget*>(object);
    auto* line = qobject_cast<QLineEdit*>(object);
    if (!editor)
        return QStyledItemDelegate::eventFilter(object, event);
    // Qt commits a line edit only when its validator calls the text complete,
    // which loses a cleared cell. Every way out of a text cell except Escape
    // takes what the editor holds; its validator has already refused anything
    // the cell may not hold.
    if (event->type() == QEvent::FocusOut && line && leavesEditor(line)) {
        emit commitData(editor);
        emit closeEditor(editor, NoHint);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(object, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Typing over a cell is kept even when the edit is left with Escape.
    const bool keptOnEscape = key == Qt::Key_Escape && m_table->isReplacing();
    const bool leavingLine = line && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab
                                      || key == Qt::Key_Backtab);
    if (!keptOnEscape && !leavingLine)
        return QStyledItemDelegate::eventFilter(object, event);
    emit commitData(editor);
    emit closeEditor(editor, key == Qt::Key_Tab       ? EditNextItem
                             : key == Qt::Key_Backtab ? EditPreviousItem
                                                      : NoHint);
    return true;
}

bool LxLibTableDelegate::leavesEditor(const QWidget* editor)
{
    // A popup (a context menu, a combo list) takes the focus only for a while.
    QWidget* focus = QApplication::focusWidget();
    if (editor->isActiveWindow() && focus == editor)
        return false;
    return !focus || (focus != editor && !editor->isAncestorOf(focus));
}
