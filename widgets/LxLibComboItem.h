#ifndef LXLIBCOMBOITEM_H
#define LXLIBCOMBOITEM_H

#include "LxLibTableItem.h"

#include <QStringList>

// A choice cell: the cell shows the chosen entry as plain text and the table's
// delegate opens a combo box over the list only while the cell is edited.
class LxLibComboItem : public LxLibTableItem
{
public:
    explicit LxLibComboItem(const QStringList& list = QStringList(), bool editable = false);

    QTableWidgetItem* clone() const override;

    void setStringList(const QStringList& list);
    const QStringList& stringList() const { return m_list; }
    int currentItem() const { return m_current; }
    void setCurrentItem(int index);
    // Chooses the entry with this text; an editable cell appends an unknown text.
    void setCurrentItem(const QString& text);
    QString currentText() const { return m_list.value(m_current); }
    int count() const { return static_cast<int>(m_list.size()); }
    using QTableWidgetItem::text;
    QString text(int index) const { return m_list.value(index); }
    bool isEditable() const { return m_editable; }
    void setEditable(bool editable) { m_editable = editable; }

    void setText(const QString& text) override;
    void setContentFromEditor(QWidget* editor) override;

private:
    QStringList m_list;
    int m_current = -1;
    bool m_editable;
};

#endif
