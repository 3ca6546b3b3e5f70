#ifndef LXFINDBAR_H
#define LXFINDBAR_H

#include <QList>
#include <QWidget>

class LxLibTable;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QToolButton;

// The find bar above a table (Ctrl+F opens it, Escape closes it, F3 and
// Shift+F3 go to the next and previous match, wrapping at the ends).
//
// Two ways of matching:
//   Rows     the texts of the search columns; typing jumps to a row whose text
//            equals the query (ignoring case), else to the next row containing it.
//   Columns  the labels of the columns (the signals of a vector table): the
//            matching column is selected and scrolled into view, staying in the
//            current row. Column 0 and columns without a label never match.
// Every search starts just past the current row (or column) and looks at each
// one at most twice, so it stays linear in the table. "No match" shows in the
// bar itself.
class LxFindBar : public QWidget
{
    Q_OBJECT

public:
    enum Mode { Rows, Columns };

    // Puts itself into the vertical layout above the table (hidden until opened)
    // and the Ctrl+F, F3 and Shift+F3 shortcuts on the table's parent widget.
    LxFindBar(LxLibTable* table, Mode mode, const QList<int>& searchColumns = {0});

    QLineEdit* lineEdit() const { return m_edit; }
    bool hasMatch() const { return m_match; }
    // The label a column matches by: the full signal name where the header shows a picture.
    QString columnLabel(int col) const;

public slots:
    void open();
    void close();
    bool findNext();
    bool findPrevious();

private:
    bool find(int direction, bool preferExact);
    bool matchesAt(int index, const QString& query, bool exact) const;
    void showResult(bool found);
    void insertAboveTable();

    LxLibTable* m_table;
    Mode m_mode;
    QList<int> m_columns;
    QLineEdit* m_edit;
    QLabel* m_status;
    bool m_match = true;
};

#endif
