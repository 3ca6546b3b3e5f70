#ifndef LXLISTBOXDELEGATE_H
#define LXLISTBOXDELEGATE_H

#include <QStyledItemDelegate>

class lxListBox;

// Lets the passive items of an lxListBox draw and size themselves; the
// delegate only paints the selection behind them.
class lxListBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit lxListBoxDelegate(lxListBox* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    lxListBox* m_list;
};

#endif
