#include "LxLibComboItem.h"

#include <QComboBox>

LxLibComboItem::LxLibComboItem(const QStringList& list, bool editable)
    : LxLibTableItem(ComboType, WhenCurrent), m_editable(editable)
{
    setStringList(list);
}

QTableWidgetItem* LxLibComboItem::clone() const
{
    return new LxLibComboItem(*this);
}

void LxLibComboItem::setStringList(const QStringList& list)
{
    m_list = list;
    m_current = -1;
    setCurrentItem(0);
}

void LxLibComboItem::setCurrentItem(int index)
{
    if (index < 0 || index >= count())
        index = -1;
    m_current = index;
    // The display text is what the table paints and sorts by.
    QTableWidgetItem::setText(currentText());
}

void LxLibComboItem::setCurrentItem(const QString& text)
{
    int index = static_cast<int>(m_list.indexOf(text));
    if (index < 0) {
        if (!m_editable)
            return;
        m_list << text;
        index = count() - 1;
    }
    setCurrentItem(index);
}

void LxLibComboItem::setText(const QString& text)
{
    setCurrentItem(text);
}

void LxLibComboItem::setContentFromEditor(QWidget* editor)
{
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo)
        return;
    if (m_editable)
        setCurrentItem(combo->currentText());
    else
        setCurrentItem(combo->currentIndex());
}
