#ifndef PWPATTERNTAB_H
#define PWPATTERNTAB_H

#include "LxLibTable.h"
#include "PWPatternListTab.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace lxlib {
class LxLibSetSignalList;
}

// The enable and disable tabs: besides the frame of named items, a table of
// signal settings, one row per driven signal type, one column per bit that can
// be driven (highest bit first). A row edits only the cells of its type's bits.
class PWPatternTab : public PWPatternListTab
{
    Q_OBJECT
public:
    struct TableSetup
    {
        // Object names of the table's group, the table and its row buttons.
        const char *group, *table, *addItem, *deleteItem;
        QString groupTitle;
        int tableKind = 0;
        // Asked before a row without any set level is left out.
        QString emptyVector;
    };

    PWPatternTab(const Setup& setup, const TableSetup& tableSetup, PWWizardContext* context, QWidget* parent);

    LxLibTable* table() const { return m_table; }
    QPushButton* addItemButton() const { return m_addItem; }
    QPushButton* deleteItemButton() const { return m_deleteItem; }

    // Columns of the signal bits of part, and the signal types a row may name.
    void setupPatternColumns(int part);
    void appendPatternRow();
    // Enables the cells of the row's signal type and empties them.
    void configurePatternRow(int row);
    // Sets the row's signal type and spreads vector over the cells of its bits.
    void fillPatternRow(int row, const QString& signalTypeName, const QString& vector);

public slots:
    // Ctrl+V: rows of a signal type and its levels, either as copied from a
    // pattern table or as the type followed by the vector of its bits.
    void slotPasteRows(const QString& text);

protected:
    // Connects the row buttons and the table to the tab's slots.
    template <class Tab>
    void connectTable(Tab* tab, void (Tab::*addRow)(), void (Tab::*deleteRows)(), void (Tab::*valueChanged)(int, int),
                      void (Tab::*comboBoxActivated)(int))
    {
        connect(m_addItem, &QPushButton::clicked, tab, addRow);
        connect(m_deleteItem, &QPushButton::clicked, tab, deleteRows);
        connect(m_table, &LxLibTable::valueChanged, tab, valueChanged);
        connect(m_table, &LxLibTable::comboBoxActivated, tab, comboBoxActivated);
    }

    // What the tab's table slots do.
    void addRow();
    void deleteRows();
    void tableValueChanged(int row, int col);

    // The settings of the table's rows; with ask, a row with no level set is
    // left out when the user agrees.
    void readRows(lxlib::LxLibSetSignalList& rows, bool ask) const;
    void showRows(const lxlib::LxLibSetSignalList& rows);
    // Whether the shown part has a bit that a row can drive.
    bool hasDrivableBits() const { return !m_columnBits.isEmpty(); }
    // Whether the shown part drives a signal type a row can name.
    bool hasRowChoices() const { return m_rowChoices.size() > 1; }
    void clearEditor() override;

private:
    // Which value columns carry a bit of the signal type.
    const QList<bool>& columnsOf(const QString& signalTypeName);
    void setRow(int row, const QString& signalTypeName, const QString& vector);

    TableSetup m_tableSetup;
    LxLibTable* m_table;
    QPushButton* m_addItem;
    QPushButton* m_deleteItem;
    QStringList m_rowChoices;
    // Bit of each value column.
    QList<int> m_columnBits;
    QHash<int, QList<int>> m_bitsOfType;
    QHash<QString, QList<bool>> m_columnsOfType;
};

#endif
