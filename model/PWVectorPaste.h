#ifndef PWVECTORPASTE_H
#define PWVECTORPASTE_H

#include <QStringList>

// Vectors pasted into a table of signal columns (truth table, test sequence),
// each clipboard row checked against the characters its columns admit.
struct PWVectorPasteResult
{
    QStringList rows;     // accepted vectors, one character per column
    QStringList refused;  // "Row N: reason" for each refused row, N its line in the text
};

// text: clipboard text; either one character per cell (tab/space separated) or one vector
// string per row. columnChars[i] = characters allowed in column i (upper case).
// rows: accepted vectors as strings of exactly columnChars.size() characters;
// refused: one clear line per refused row ("Row 3: ..."), nothing dropped silently.
//
// Cells may also be separated by commas or semicolons, and groups of characters
// ("0101 1100") are joined. Characters are checked without regard to case and
// kept as given. In tab, comma or semicolon separated text an empty cell reads
// "X", as an empty cell of the tables is stored. Blank lines are skipped.
PWVectorPasteResult parseVectorPaste(const QString& text, const QStringList& columnChars);
// The same, naming the columns by their labels (line breaks shown as "/") in the reasons.
PWVectorPasteResult parseVectorPaste(const QString& text, const QStringList& columnChars,
                                     const QStringList& columnLabels);

// The one message that lists the refused rows, at most `shown` of them; empty
// when every row was taken.
QString vectorPasteReport(const PWVectorPasteResult& result, int shown = 20);

#endif
