#include "PWVectorAlignment.h"

#include "CLogicPart.h"
#include "CLoopTestSequence.h"

namespace PWVectorAlignment {

QList<quint64> columnKeys(const CSignalSpecList& controlBits)
{
    QList<quint64> keys;
    const int n = controlBits.count();
    keys.reserve(n);
    for (int column = 0; column < n; ++column) {
        const int bit = n - 1 - column;
        const CSignalSpec* entry = controlBits.at(bit);
        // A gap has no signal; it is the same column as long as the bit stays a gap.
        const int type = entry->isEmpty() ? 0 : entry->signal().GetSignalType();
        keys.append((quint64(quint32(bit)) << 32) | quint32(type));
    }
    return keys;
}

QList<int> columnSources(const QList<quint64>& before, const QList<quint64>& after)
{
    QList<int> sources;
    sources.reserve(after.size());
    const qsizetype oldCount = before.size();
    for (qsizetype column = 0; column < after.size(); ++column) {
        // Columns run from the highest bit down, so a bit's column moves when the width changes.
        const qsizetype bit = after.size() - 1 - column;
        const qsizetype oldColumn = oldCount - 1 - bit;
        sources.append(oldColumn >= 0 && before[oldColumn] == after[column] ? int(oldColumn) : -1);
    }
    return sources;
}

QString realign(const QString& vector, const QList<int>& sources)
{
    QString result(sources.size(), QLatin1Char('X'));
    for (qsizetype column = 0; column < sources.size(); ++column) {
        const int from = sources[column];
        if (from >= 0 && from < vector.size())
            result[column] = vector[from];
    }
    return result;
}

void realignTestSequences(CLogicPart& part, const QList<int>& sources)
{
    auto align = [&sources](CVectorTestSequence* v) { v->setVector(realign(v->vector(), sources)); };
    for (CTestSequences* sequence : part.testSequences()) {
        for (CTestSequence* statement : sequence->statements()) {
            if (statement->kind() == CTestSequence::Vector)
                align(static_cast<CVectorTestSequence*>(statement));
            else if (statement->kind() == CTestSequence::Repeat)
                for (CVectorTestSequence* v : static_cast<CLoopTestSequence*>(statement)->vectors())
                    align(v);
        }
    }
}

} // namespace PWVectorAlignment
