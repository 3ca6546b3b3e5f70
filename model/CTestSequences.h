#ifndef CTESTSEQUENCES_H
#define CTESTSEQUENCES_H

#include "CSourcePosition.h"
#include "CTestSequence.h"

#include <QList>
#include <QString>

// One test sequence: a name and its statements, which it owns.
class CTestSequences : public CSourcePosition
{
public:
    explicit CTestSequences(const QString& name = QString()) : m_name(name) {}

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    const CTestSequenceList& statements() const { return m_statements; }
    CTestSequenceList& statements() { return m_statements; }
    bool appendStatement(CTestSequence* statement) { return m_statements.append(statement); }

    int rowCount() const;
    // The row kind (CLogicDiagnose::RowKind) of every table row, in order.
    QList<int> rowKinds() const;

private:
    QString m_name;
    CTestSequenceList m_statements;
};

using CTestSequencesList = CList<CTestSequences>;

#endif
