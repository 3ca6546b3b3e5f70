#include "lxPassiveItem.h"

#include "LxLibPassive.h"
#include "LxLibTable.h"
#include "lxListBox.h"
#include "lxPinRows.h"

#include <QPainter>

namespace {
constexpr int ItemHeight = 16;
constexpr int TextGap = 5;
}

lxPassiveItem::lxPassiveItem(lxListBox* list, LxLibTable* table, int passiveType)
    : lxPassiveItem(list, table, passiveType, PassiveItemType)
{
}

lxPassiveItem::lxPassiveItem(lxListBox* list, LxLibTable* table, int passiveType, int itemType)
    : QListWidgetItem(nullptr, itemType)
    , m_pinTable(table)
    , m_passiveType(passiveType)
{
    if (list) {
        list->addItem(this);
        if (table)
            QObject::connect(table, &LxLibTable::valueChanged, list, &lxListBox::slotIsChanged, Qt::UniqueConnection);
    }
}

lxPassiveItem::~lxPassiveItem() = default;

lxPassiveItem* lxPassiveItem::passiveItem(QListWidgetItem* item)
{
    return item && item->type() >= PassiveItemType && item->type() <= ConditionItemType
               ? static_cast<lxPassiveItem*>(item)
               : nullptr;
}

const lxPassiveItem* lxPassiveItem::passiveItem(const QListWidgetItem* item)
{
    return passiveItem(const_cast<QListWidgetItem*>(item));
}

void lxPassiveItem::setLibObject(lxlib::LxLibPassiveComponent* object)
{
    m_libObject.reset(object);
}

int lxPassiveItem::height(const QListWidget*) const
{
    return ItemHeight;
}

int lxPassiveItem::width(const QListWidget* list) const
{
    const int image = qRound(m_image.deviceIndependentSize().width());
    if (text().isEmpty() || !list)
        return qMax(image, ItemHeight);
    return image + TextGap + list->fontMetrics().horizontalAdvance(text());
}

void lxPassiveItem::paint(QPainter* painter) const
{
    const QSizeF image = m_image.deviceIndependentSize();
    if (!m_image.isNull())
        painter->drawPixmap(QPointF(0, (ItemHeight - image.height()) / 2), m_image);
    if (text().isEmpty())
        return;
    const QFontMetrics metrics = painter->fontMetrics();
    painter->drawText(qRound(image.width()) + TextGap, (ItemHeight - metrics.height()) / 2 + metrics.ascent(),
                      text());
}

bool lxPassiveItem::showItem()
{
    if (!m_pinTable)
        return false;
    if (!m_libObject) {
        m_pinTable->setNumRows(0);
        return false;
    }
    lxFillPinRows(m_pinTable, m_libObject->GetPinCombinationList());
    select();
    return true;
}

void lxPassiveItem::storeItem()
{
    if (!m_modified)
        return;
    m_libObject.reset(m_pinTable ? buildComponent(true) : nullptr);
    m_modified = false;
}

lxlib::LxLibPassiveComponent* lxPassiveItem::buildComponent(bool withPins) const
{
    auto* component = new lxlib::LxLibPassiveComponent(text(), m_passiveType);
    if (withPins && m_pinTable)
        lxReadPinRows(m_pinTable, component->GetPinCombinationList());
    return component;
}

void lxPassiveItem::select()
{
    if (QListWidget* list = listWidget())
        list->setCurrentItem(this);
}

bool lxPassiveItem::operator<(const QListWidgetItem& other) const
{
    return text() < other.text();
}
