#include "LxLibTableItem.h"

#include "LxLibTable.h"

#include <QLineEdit>

LxLibTableItem::LxLibTableItem(EditType editType, const QString& text)
    : LxLibTableItem(TextType, editType)
{
    QTableWidgetItem::setText(text);
}

LxLibTableItem::LxLibTableItem(EditType editType, const QString& text, const QPixmap& pixmap)
    : LxLibTableItem(editType, text)
{
    setIcon(QIcon(pixmap));
}

LxLibTableItem::LxLibTableItem(int type, EditType editType)
    : QTableWidgetItem(type), m_editType(editType)
{
    setTextAlignment(Qt::Alignment(m_alignment));
    setEditType(editType);
}

LxLibTableItem::LxLibTableItem(const LxLibTableItem& other)
    : QTableWidgetItem(other.type()), m_editType(other.m_editType), m_alignment(other.m_alignment),
      m_pinDirection(other.m_pinDirection)
{
    QTableWidgetItem::operator=(other);
}

QTableWidgetItem* LxLibTableItem::clone() const
{
    return new LxLibTableItem(*this);
}

void LxLibTableItem::setEditType(EditType type)
{
    m_editType = type;
    setFlags(type == Never ? flags() & ~Qt::ItemIsEditable : flags() | Qt::ItemIsEditable);
}

bool LxLibTableItem::isEnabled() const
{
    return flags().testFlag(Qt::ItemIsEnabled);
}

void LxLibTableItem::setEnabled(bool enabled)
{
    setFlags(enabled ? flags() | Qt::ItemIsEnabled : flags() & ~Qt::ItemIsEnabled);
}

void LxLibTableItem::setAlignment(int alignment)
{
    m_alignment = alignment;
    setTextAlignment(Qt::Alignment(alignment));
}

void LxLibTableItem::setText(const QString& text)
{
    QTableWidgetItem::setText(text);
}

QLineEdit* LxLibTableItem::createEditor(const LxLibTable* table, int col, QWidget* parent) const
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("LxLibLineEditor"));
    if (table)
        edit->setValidator(table->cellValidator(col, m_pinDirection, edit));
    edit->setFrame(false);
    edit->setAlignment(Qt::Alignment(m_alignment));
    edit->setText(text());
    edit->selectAll();
    return edit;
}

void LxLibTableItem::setContentFromEditor(QWidget* editor)
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        setText(edit->text());
}
