#include "lxListBoxDelegate.h"

#include "lxListBox.h"
#include "lxPassiveItem.h"

#include <QApplication>
#include <QPainter>

lxListBoxDelegate::lxListBoxDelegate(lxListBox* list)
    : QStyledItemDelegate(list)
    , m_list(list)
{
}

void lxListBoxDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const lxPassiveItem* item = lxPassiveItem::passiveItem(m_list->item(index.row()));
    if (!item) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem background(option);
    initStyleOption(&background, index);
    background.text.clear();
    background.icon = QIcon();
    background.features &= ~(QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

    painter->save();
    painter->setClipRect(option.rect);
    painter->translate(option.rect.topLeft());
    painter->setFont(option.font);
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    item->paint(painter);
    painter->restore();
}

QSize lxListBoxDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const lxPassiveItem* item = lxPassiveItem::passiveItem(m_list->item(index.row()));
    if (!item)
        return QStyledItemDelegate::sizeHint(option, index);
    return QSize(item->width(m_list), item->height(m_list));
}
