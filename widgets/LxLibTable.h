#ifndef LXLIBTABLE_H
#define LXLIBTABLE_H

#include <QPersistentModelIndex>
#include <QSet>
#include <QStringList>
#include <QTableWidget>

class LxLibTableItem;
class LxLibComboItem;
class LxTableHistory;
class QValidator;

// The editable grid of every wizard page.
//
// The table knows which grid it is (its kind), and builds for every edited text
// cell a one-line editor whose validator admits only what the cell may hold.
// Choice cells (LxLibComboItem) and check cells (LxLibCheckItem) are plain items
// painted as text; one delegate opens a combo box only while a choice is edited
// and toggles check cells in place, so a table of thousands of rows holds no
// widget per row. Fill large tables with signals and updates blocked.
//
// Row and column API, as the editors use it:
//   numRows/setNumRows, numCols/setNumCols, insertRows, removeRow, removeRows,
//   swapRows, clearContents, clearCell; text/setText (a text set into an empty
//   cell makes an LxLibTableItem first), item/setItem, lxItem, comboItem;
//   currentRow/currentColumn/setCurrentCell, isRowSelected, firstSelection;
//   setReadOnly (whole table, also the property "readOnly"), setRowReadOnly,
//   setColumnReadOnly; isEditing, commitEdit, endEdit.
//
// Signals: valueChanged(row, col) after the user changed a cell (text accepted,
// choice picked, check toggled, cell cleared with Delete), never for cells the
// program fills; currentChanged(row, col); contextMenuRequested(row, col,
// global position), row and column -1 outside the cells; clicked(row, col,
// button, position) on mouse release; checkBoxClicked(state) and
// comboBoxActivated(index) after a check cell or a choice cell was used;
// pasteRequested(text) on Ctrl+V, Ctrl+C copies the selected rows itself.
// currentChanged shares its name with the view's own virtual slot: connect it
// as qOverload<int, int>(&LxLibTable::currentChanged).
class LxLibTable : public QTableWidget
{
    Q_OBJECT
    Q_PROPERTY(bool readOnly READ isReadOnly WRITE setReadOnly)

public:
    // The grids of the wizard; the kind chooses the editor validators.
    enum Kind {
        NoKind = 0,
        PackageKind = 1,
        PinListKind = 2,
        TruthTableKind = 3,
        TestSequenceKind = 4,
        LatchSequenceKind = 5,
        DiagnoseKind = 6,
        EnableKind = 7,
        DisableKind = 8,
        PassiveResistorKind = 9,
        PassiveConnectionKind = 10,
        NonConditionalKind = 11
    };

    explicit LxLibTable(QWidget* parent = nullptr, const char* name = nullptr);

    void setTableKind(int kind) { m_tableKind = kind; }
    int tableKind() const { return m_tableKind; }
    // 0 current, 1 to be rebuilt before it is shown, 2 checked before destructive changes.
    void setRefreshState(int state) { m_refreshState = state; }
    int refreshState() const { return m_refreshState; }

    // Full labels of columns 1.. (index 0 labels column 1), for the pattern tables.
    QStringList& headerNames() { return m_headerNames; }
    bool headersExpanded() const { return m_expandedHeaders; }
    void updateHeaderLabels();
    // The header label that marks the time column of a test sequence table.
    static QString timeColumnLabel();

    // Pin pairs of a two-column table must be distinct and used once; the first
    // offending row is reported in a message box.
    bool checkPinCombinations();

    // Gives the table a history of the user's changes (see LxTableHistory);
    // once made, the same one is returned. Null until then.
    LxTableHistory* enableHistory();
    LxTableHistory* history() const { return m_history; }

    int numRows() const { return rowCount(); }
    void setNumRows(int rows) { setRowCount(rows); }
    int numCols() const { return columnCount(); }
    void setNumCols(int cols) { setColumnCount(cols); }
    void insertRows(int row, int count = 1);
    void removeRows(QList<int> rows);
    void swapRows(int row1, int row2);
    // Empties a text cell, keeping its item (and so its pin-direction class).
    void clearCell(int row, int col);

    QString text(int row, int col) const;
    virtual void setText(int row, int col, const QString& text);
    // The cell's item if it is one of ours, else null.
    LxLibTableItem* lxItem(int row, int col) const;
    LxLibComboItem* comboItem(int row, int col) const;

    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    void setRowReadOnly(int row, bool readOnly);
    bool isRowReadOnly(int row) const { return m_readOnlyRows.contains(row); }
    void setColumnReadOnly(int col, bool readOnly);
    bool isColumnReadOnly(int col) const { return m_readOnlyCols.contains(col); }
    // Whether the user may change this cell at all.
    bool isCellEditable(int row, int col) const;

    // With full, every cell of the row must be selected; otherwise any one.
    bool isRowSelected(int row, bool full = false) const;
    // Invalid (rowCount() 0) when nothing is selected.
    QTableWidgetSelectionRange firstSelection() const;

    void setSorting(bool enabled) { m_sorting = enabled; }
    bool sorting() const { return m_sorting; }
    // Sorts whole rows by one column, then clears the selection.
    virtual void sortColumn(int col, bool ascending = true, bool wholeRows = true);

    bool isEditing() const { return state() == EditingState; }
    // Ends a running edit and keeps its text; does nothing when no cell is edited.
    void commitEdit();
    // An edit begun by typing over a cell (replace) is always accepted.
    virtual void endEdit(int row, int col, bool accept, bool replace);
    bool isReplacing() const { return m_replacing; }

    // The editor of a cell, or null where the cell may not be edited.
    virtual QWidget* createEditor(int row, int col, bool initFromCell, QWidget* parent);
    virtual void setCellContentFromEditor(int row, int col, QWidget* editor);
    // The validator of a text cell's editor in column col; null where any text goes.
    QValidator* cellValidator(int col, int pinDirection, QObject* parent) const;

    // Sets the width of a column to fit its label and the texts of all its
    // cells, at most maxWidth; without mayShrink it only ever grows.
    void fitColumnToTexts(int col, int maxWidth, bool mayShrink);

    // The shown texts of a row (a choice cell gives its chosen entry), and of all rows.
    QStringList rowTexts(int row) const;
    QList<QStringList> tableTexts() const;
    // Rows with a selected cell, ascending; the current row when none is selected.
    QList<int> selectedRowNumbers() const;
    // What Ctrl+C puts on the clipboard: the selected rows, tab-separated.
    QString selectedRowsText() const;

    // Reports a check cell toggled by the user.
    void checkCellToggled(int row, int col, int state);

public slots:
    virtual void columnClicked(int col);
    void slotStateChanged(int state);
    void slotComboBoxItemActivated(int index);

signals:
    void valueChanged(int row, int col);
    void currentChanged(int row, int col);
    void contextMenuRequested(int row, int col, const QPoint& pos);
    void clicked(int row, int col, int button, const QPoint& pos);
    void checkBoxClicked(int state);
    void comboBoxActivated(int index);
    // Ctrl+V in an editable table; the page checks the rows and fills them in.
    void pasteRequested(const QString& text);

protected:
    using QTableWidget::currentChanged;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void onCurrentCellChanged(int row, int col);
    void onContextMenu(const QPoint& pos);
    static void shiftIndexes(QSet<int>& set, int first, int count);

    int m_tableKind = NoKind;
    int m_refreshState = 0;
    bool m_expandedHeaders = true;
    QStringList m_headerNames;
    bool m_readOnly = false;
    bool m_sorting = false;
    int m_sortColumn = -1;
    bool m_sortAscending = true;
    QSet<int> m_readOnlyRows;
    QSet<int> m_readOnlyCols;
    bool m_replacing = false;
    bool m_pendingReplace = false;
    QPersistentModelIndex m_editIndex;
    LxTableHistory* m_history = nullptr;
};

// Removes the rows of the table's first selection, bottom row first, as one step
// of its history; false and nothing changed when there is no table or no
// selection with rows.
bool removeSelectedRows(LxLibTable* table);

#endif
