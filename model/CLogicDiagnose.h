#ifndef CLOGICDIAGNOSE_H
#define CLOGICDIAGNOSE_H

#include "CList.h"
#include "LxLibStatement.h"

// The diagnostic of one row of a test sequence table.
class CLogicDiagnose : public lxlib::LxLibDiagnose
{
public:
    enum State { NotDefined = 1, Defined = 2 };
    enum RowKind { OtherRow = 0, VectorRow = 1, RepeatRow = 2, EndRow = 3, WaitRow = 4 };

    explicit CLogicDiagnose(int state = NotDefined, int rowKind = OtherRow)
        : m_state(state), m_rowKind(rowKind)
    {
    }

    // From the text of a row's first column: "Vector", "Repeat", "End", "Wait".
    static int rowKindFromText(const QString& text);

    int state() const { return m_state; }
    void setState(int state) { m_state = state; }
    int rowKind() const { return m_rowKind; }
    void setRowKind(int kind) { m_rowKind = kind; }

    CLogicDiagnose* clone() const { return new CLogicDiagnose(*this); }

private:
    int m_state;
    int m_rowKind;
};

using CLogicDiagnoseList = CList<CLogicDiagnose>;

#endif
