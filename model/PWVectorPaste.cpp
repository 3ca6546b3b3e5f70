#include "PWVectorPaste.h"

#include "PWTableText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QString unquoted(QString field)
{
    field = field.trimmed();
    if (field.size() >= 2 && field.startsWith(QLatin1Char('"')) && field.endsWith(QLatin1Char('"')))
        field = field.mid(1, field.size() - 2);
    QString cell;
    for (QChar c : std::as_const(field))
        if (!c.isSpace())
            cell += c;
    return cell;
}

// One clipboard line, cell after cell: its characters, and for each of them
// whether it was given ('+') or stands for an empty cell ('-').
struct LineCells
{
    QString vector;
    QString given;
};

LineCells splitLine(const QString& line)
{
    LineCells cells;
    QChar separator;
    for (QChar c : {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')}) {
        if (line.contains(c)) {
            separator = c;
            break;
        }
    }
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList fields = separator.isNull() ? line.split(blanks, Qt::SkipEmptyParts) : line.split(separator);
    for (const QString& field : fields) {
        const QString cell = unquoted(field);
        if (cell.isEmpty()) {
            cells.vector += QLatin1Char('X');
            cells.given += QLatin1Char('-');
        } else {
            cells.vector += cell;
            cells.given += QString(cell.size(), QLatin1Char('+'));
        }
    }
    return cells;
}

QString columnName(int col, const QStringList& labels)
{
    QString label = labels.value(col);
    label.replace(QLatin1Char('\n'), QLatin1Char('/'));
    if (label.isEmpty())
        //: %1 = Number of a column, counted from 1
        return QCoreApplication::translate("PartwrightDlg", "column %1").arg(col + 1);
    //: %1 = Number of a column, counted from 1, %2 = Names of its pins
    return QCoreApplication::translate("PartwrightDlg", "column %1 (%2)").arg(QString::number(col + 1), label);
}

QString spaced(const QString& chars)
{
    QStringList list;
    for (QChar c : chars)
        list.append(QString(c));
    return list.join(QLatin1Char(' '));
}

// Empty when the vector fits the columns, else the reason it does not.
QString refusal(const LineCells& cells, const QStringList& columnChars, const QStringList& labels)
{
    const QString& vector = cells.vector;
    const int columns = static_cast<int>(columnChars.size());
    if (columns == 0)
        return QCoreApplication::translate("PartwrightDlg", "the table has no signal columns");
    if (vector.size() != columns)
        //: %1 = Number of characters in the row, %2 = Number of signal columns
        return QCoreApplication::translate("PartwrightDlg", "%1 characters, but the table has %2 signal columns")
            .arg(vector.size())
            .arg(columns);
    for (int i = 0; i < columns; ++i) {
        const QChar c = vector.at(i);
        // An empty cell was given as empty; it is stored as "X" whatever the column.
        if (cells.given.at(i) == QLatin1Char('-'))
            continue;
        if (!columnChars[i].contains(c.toUpper()))
            //: %1 = Column name, %2 = The refused character, %3 = The characters the column takes
            return QCoreApplication::translate("PartwrightDlg", "%1 does not take \"%2\"; it takes %3")
                .arg(columnName(i, labels), QString(c), spaced(columnChars[i]));
    }
    return QString();
}

} // namespace

PWVectorPasteResult parseVectorPaste(const QString& text, const QStringList& columnChars)
{
    return parseVectorPaste(text, columnChars, QStringList());
}

PWVectorPasteResult parseVectorPaste(const QString& text, const QStringList& columnChars,
                                     const QStringList& columnLabels)
{
    PWVectorPasteResult result;
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = unified.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.trimmed().isEmpty())
            continue;
        const LineCells cells = splitLine(line);
        const QString reason = refusal(cells, columnChars, columnLabels);
        if (reason.isEmpty())
            result.rows.append(cells.vector);
        else
            //: %1 = Line of the pasted text, %2 = Why the row was not taken
            result.refused.append(QCoreApplication::translate("PartwrightDlg", "Row %1: %2").arg(i + 1).arg(reason));
    }
    return result;
}

QString vectorPasteReport(const PWVectorPasteResult& result, int shown)
{
    PWTableText::Plan plan;
    plan.problems = result.refused;
    plan.pastedRows = static_cast<int>(result.refused.size() + result.rows.size());
    return PWTableText::problemReport(plan, shown);
}
