#ifndef PWVECTORALIGNMENT_H
#define PWVECTORALIGNMENT_H

#include "CSignalSpec.h"

#include <QList>
#include <QString>

class CLogicPart;

// Keeps the vectors of a logic part in step with its signal columns when the
// pin lists change. A column is known by its bit and signal type: a column whose
// signal stays keeps its characters, a new signal's column reads "X", and the
// characters of a removed signal go with it.
namespace PWVectorAlignment {

// The identity of each signal column, highest bit first (the column order).
QList<quint64> columnKeys(const CSignalSpecList& controlBits);

// For each column of the new layout, the old column its characters come from,
// -1 for a new signal.
QList<int> columnSources(const QList<quint64>& before, const QList<quint64>& after);

// The vector laid out over the new columns.
QString realign(const QString& vector, const QList<int>& sources);

// Every vector of every test sequence of the part, repeats included.
void realignTestSequences(CLogicPart& part, const QList<int>& sources);

} // namespace PWVectorAlignment

#endif
