#ifndef LXLIBTABLEITEM_H
#define LXLIBTABLEITEM_H

#include <QTableWidgetItem>

class LxLibTable;
class QLineEdit;

// A text cell of an LxLibTable: a fixed alignment, an edit type and the
// pin-direction class that selects the logic characters its editor admits.
class LxLibTableItem : public QTableWidgetItem
{
public:
    // How a cell may be edited; Never cells are drawn grey.
    enum EditType { Never, OnTyping, WhenCurrent, Always };
    // Pin-direction classes; any other value behaves like Unrestricted.
    enum PinDirection { Input = 0, Output = 1, Bidirectional = 2, Unrestricted = 3 };
    // QTableWidgetItem type ids of the cell classes.
    enum ItemType { TextType = QTableWidgetItem::UserType + 1, ComboType, CheckType };

    explicit LxLibTableItem(EditType editType = OnTyping, const QString& text = QString());
    LxLibTableItem(EditType editType, const QString& text, const QPixmap& pixmap);

    // QTableWidgetItem's own copy drops the type id, and with it the cell's kind.
    LxLibTableItem(const LxLibTableItem& other);
    LxLibTableItem& operator=(const LxLibTableItem& other) = default;

    QTableWidgetItem* clone() const override;

    EditType editType() const { return m_editType; }
    void setEditType(EditType type);
    bool isEnabled() const;
    void setEnabled(bool enabled);

    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    int pinDirection() const { return m_pinDirection; }
    void setPinDirection(int direction) { m_pinDirection = direction; }

    virtual void setText(const QString& text);

    // The one-line editor of this cell in column col of table.
    QLineEdit* createEditor(const LxLibTable* table, int col, QWidget* parent) const;
    // Takes the text of a QLineEdit editor; other widgets are ignored.
    virtual void setContentFromEditor(QWidget* editor);

protected:
    LxLibTableItem(int type, EditType editType);

private:
    EditType m_editType;
    int m_alignment = Qt::AlignCenter;
    int m_pinDirection = Unrestricted;
};

#endif
