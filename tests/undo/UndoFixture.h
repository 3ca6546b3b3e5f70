#ifndef UNDOFIXTURE_H
#define UNDOFIXTURE_H

#include "LxLibComboItem.h"
#include "LxLibTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

// What a table shows, as the user sees it: every cell's text, a choice cell's
// entry and a check cell's state.
inline QList<QStringList> shownRows(const LxLibTable* table)
{
    QList<QStringList> rows = table->tableTexts();
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* cell = table->item(r, c);
            if (cell && cell->data(Qt::CheckStateRole).isValid())
                rows[r][c] += cell->checkState() == Qt::Checked ? QStringLiteral("[x]") : QStringLiteral("[ ]");
            if (const LxLibComboItem* choice = table->comboItem(r, c))
                rows[r][c] += QLatin1Char('#') + QString::number(choice->currentItem());
        }
    }
    return rows;
}

// A cell edited the way the delegate hands an editor's text to the table.
inline void typeInto(LxLibTable* table, int row, int col, const QString& text)
{
    QLineEdit editor(text);
    table->setCellContentFromEditor(row, col, &editor);
}

inline void chooseIn(LxLibTable* table, int row, int col, int index)
{
    QComboBox editor;
    editor.addItems(table->comboItem(row, col)->stringList());
    editor.setCurrentIndex(index);
    table->setCellContentFromEditor(row, col, &editor);
}

#endif
