#ifndef LXLIBTABLEDELEGATE_H
#define LXLIBTABLEDELEGATE_H

#include <QStyledItemDelegate>

class LxLibTable;

// Paints and edits the cells of one LxLibTable: grey cells that cannot be
// edited, the blue focus frame, choice cells as text with a combo box only
// while edited, check cells toggled in place.
class LxLibTableDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit LxLibTableDelegate(LxLibTable* table);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    static QColor readOnlyColor() { return QColor(224, 224, 224); }

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // Whether a focus-out takes the focus away from the editor for good.
    static bool leavesEditor(const QWidget* editor);

    LxLibTable* m_table;
};

#endif
