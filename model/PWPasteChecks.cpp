#include "PWPasteChecks.h"

#include "CLogic.h"
#include "PWVocabulary.h"

#include <QCoreApplication>
#include <QSet>

namespace PWPasteChecks {

namespace {

// The entry of choices equal to t without regard to case, null when none is.
QString canonicalChoice(const QStringList& choices, const QString& t)
{
    for (const QString& choice : choices) {
        if (choice.compare(t, Qt::CaseInsensitive) == 0)
            return choice;
    }
    return QString();
}

} // namespace

bool isUniquePackageText(const QStringList& column, int row, int col, const QString& t)
{
    if (col != 0 && col != 1)
        return true;
    const QString upper = t.toUpper();
    if (col == 0 && (upper == QLatin1String("TIE0") || upper == QLatin1String("TIE1") || upper == QLatin1String("OPEN")))
        return true;
    const bool caseless = col == 0 && upper == QLatin1String("PAD");
    for (int r = 0; r < column.size(); ++r) {
        if (r == row)
            continue;
        if (caseless ? column[r].toUpper() == upper : column[r] == t)
            return false;
    }
    return true;
}

PWTableText::RowCheck pinListRow(const CLogic& logic, const QStringList& pinNames, bool memoryCategory)
{
    QSet<QString> names;
    for (const QString& name : pinNames) {
        if (!name.isEmpty())
            names.insert(name);
    }
    return [types = logic.packagePinTypes(), names, memoryCategory](QStringList& cells, int,
                                                                     const QList<QStringList>&) -> QString {
        if (cells[0].isEmpty())
            return QCoreApplication::translate("PartwrightDlg", "the pin name is empty");
        if (!names.contains(cells[0]))
            //: %1 = Name of the pin
            return QCoreApplication::translate("PartwrightDlg", "\"%1\" is not a signal pin of every package")
                .arg(cells[0]);
        if (!cells[1].isEmpty()) {
            const QStringList allowed = AllowedSignalTypes(types.value(cells[0]), memoryCategory);
            const QString type = canonicalChoice(allowed, cells[1]);
            if (type.isEmpty())
                //: %1 = Name of the pin, %2 = The signal type given for it
                return QCoreApplication::translate("PartwrightDlg", "pin \"%1\" cannot carry signal type \"%2\"")
                    .arg(cells[0], cells[1]);
            cells[1] = type;
        }
        if (!cells[2].isEmpty()) {
            bool ok = false;
            const int bit = cells[2].toInt(&ok);
            if (!ok || bit < 0 || bit > 9999)
                //: %1 = The text given as bit number
                return QCoreApplication::translate("PartwrightDlg", "bit \"%1\" is not a number from 0 to 9999")
                    .arg(cells[2]);
            cells[2] = QString::number(bit);
        }
        return QString();
    };
}

} // namespace PWPasteChecks
