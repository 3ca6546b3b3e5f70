#include "PWTableText.h"

#include <QCoreApplication>

namespace PWTableText {

namespace {

// One line of comma-separated fields with optional quotes.
QStringList splitQuoted(const QString& line, QChar separator)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
        } else if (c == separator) {
            fields.append(field.trimmed());
            field.clear();
        } else {
            field += c;
        }
    }
    fields.append(field.trimmed());
    return fields;
}

// Splits into lines, keeping line breaks inside quoted fields; quotes count
// only where splitQuoted honours them, so a stray inch mark joins no lines.
QStringList splitLines(const QString& text, QChar separator)
{
    QStringList lines;
    QString line;
    bool quoted = false;
    bool fieldBlank = true;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                line += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            }
            line += c;
            continue;
        }
        if (c == QLatin1Char('\n')) {
            lines.append(line);
            line.clear();
            fieldBlank = true;
            continue;
        }
        if (c == QLatin1Char('"') && fieldBlank)
            quoted = true;
        if (c == separator)
            fieldBlank = true;
        else if (!c.isSpace())
            fieldBlank = false;
        line += c;
    }
    lines.append(line);
    return lines;
}

bool isHeader(const QStringList& fields, const QStringList& labels, int startCol)
{
    if (fields.isEmpty())
        return false;
    for (int i = 0; i < fields.size(); ++i) {
        if (startCol + i >= labels.size() || fields[i].compare(labels[startCol + i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

} // namespace

QList<Row> parse(const QString& text)
{
    const QChar separator = text.contains(QLatin1Char('\t')) ? QLatin1Char('\t') : QLatin1Char(',');
    QList<Row> rows;
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = splitLines(unified, separator);
    for (int i = 0; i < lines.size(); ++i) {
        if (!lines[i].trimmed().isEmpty())
            rows.append(Row{i + 1, splitQuoted(lines[i], separator)});
    }
    return rows;
}

QString format(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (QString field : row) {
            if (field.contains(QLatin1Char('\t')) || field.contains(QLatin1Char('\n'))
                || field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('"')))
                field = QLatin1Char('"') + field.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
            fields.append(field);
        }
        text += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

Plan planPaste(const QList<QStringList>& table, int columns, int startRow, int startCol, const QString& text,
               const QStringList& labels, const RowCheck& check)
{
    Plan plan;
    QList<Row> rows = parse(text);
    if (!rows.isEmpty() && isHeader(rows.first().fields, labels, startCol))
        rows.removeFirst();
    plan.pastedRows = static_cast<int>(rows.size());
    startRow = qBound(0, startRow, static_cast<int>(table.size()));
    startCol = qBound(0, startCol, qMax(0, columns - 1));

    QList<QStringList> work = table;
    int target = startRow;
    for (const Row& row : rows) {
        const bool inside = target < work.size();
        const int at = inside ? target : static_cast<int>(work.size());
        // Inside the table a refused row keeps its place, so the rows after it
        // still land beside the rows they were copied next to.
        if (inside)
            ++target;
        if (startCol + row.fields.size() > columns) {
            //: %1 = Line of the pasted text, %2 = Number of its fields, %3 = Number of columns from the pasted cell on
            plan.problems.append(
                QCoreApplication::translate("PartwrightDlg", "Row %1: %2 fields, but only %3 columns from here")
                    .arg(row.line)
                    .arg(row.fields.size())
                    .arg(columns - startCol));
            continue;
        }
        QStringList cells = inside ? work[at] : QStringList();
        while (cells.size() < columns)
            cells.append(QString());
        for (int i = 0; i < row.fields.size(); ++i)
            cells[startCol + i] = row.fields[i];
        const QString reason = check ? check(cells, at, work) : QString();
        if (!reason.isEmpty()) {
            //: %1 = Line of the pasted text, %2 = Why the row was not taken
            plan.problems.append(QCoreApplication::translate("PartwrightDlg", "Row %1: %2").arg(row.line).arg(reason));
            continue;
        }
        if (inside)
            work[at] = cells;
        else
            work.append(cells);
        if (!inside)
            target = static_cast<int>(work.size());
        plan.rows.append(at);
        plan.cells.append(cells);
    }
    return plan;
}

QString problemReport(const Plan& plan, int shown)
{
    if (plan.problems.isEmpty())
        return QString();
    QStringList lines = plan.problems.mid(0, shown);
    if (plan.problems.size() > shown)
        //: %1 = Number of further rows not taken
        lines.append(QCoreApplication::translate("PartwrightDlg", "... and %1 more").arg(plan.problems.size() - shown));
    //: %1 = Number of rows not taken, %2 = Number of pasted rows, %3 = The reasons, one per line
    return QCoreApplication::translate("PartwrightDlg", "%1 of %2 pasted rows were not taken:\n%3")
        .arg(plan.problems.size())
        .arg(plan.pastedRows)
        .arg(lines.join(QLatin1Char('\n')));
}

} // namespace PWTableText
