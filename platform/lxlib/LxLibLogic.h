#ifndef LXLIBLOGIC_H
#define LXLIBLOGIC_H

#include "LxLibCompactText.h"
#include "LxLibDescriptor.h"
#include "LxLibPattern.h"
#include "LxLibPinList.h"
#include "LxLibStatement.h"

#include <utility>

namespace lxlib {

class LxLibTruthTableRecord : public LxLibObject
{
public:
    explicit LxLibTruthTableRecord(const QString& vector) : m_vector(vector) {}
    QString GetVector() const { return m_vector.toString(); }
    const LxLibCompactText& GetVectorText() const { return m_vector; }
    LxLibTruthTableRecord* clone() const { return new LxLibTruthTableRecord(*this); }

private:
    LxLibCompactText m_vector;
};

using LxLibTruthTableRecordList = LxLibList<LxLibTruthTableRecord>;

// A logic part: pin lists, truth table, test sequences (named statement lists),
// enable and disable patterns and latch sequences.
class LxLibLogic : public LxLibDescriptor
{
public:
    explicit LxLibLogic(const QString& name = QString()) : LxLibDescriptor(name) {}

    int kind() const override { return DK_LOGIC; }
    LxLibLogic* clone() const override
    {
        auto* l = new LxLibLogic(GetName());
        copyContentTo(*l);
        return l;
    }

    void AddPinList(LxLibPinList* p) { m_pinLists.append(p); }
    const LxLibPinListList& GetPinListList() const { return m_pinLists; }
    void AddTruthTableRecord(LxLibTruthTableRecord* r) { m_truthTable.append(r); }
    const LxLibTruthTableRecordList& GetTruthTable() const { return m_truthTable; }
    void AddStatementLists(LxLibLogicStatementLists* s) { m_statementLists.append(s); }
    const LxLibLogicStatementListsList& GetStatementListsList() const { return m_statementLists; }
    void AddEnablePattern(LxLibEnablePattern* e) { m_enables.append(e); }
    const LxLibEnablePatternList& GetEnablePatternList() const { return m_enables; }
    void AddDisablePattern(LxLibDisablePattern* d) { m_disables.append(d); }
    const LxLibDisablePatternList& GetDisablePatternList() const { return m_disables; }
    void AddLatchSequence(LxLibLatchSequence* l) { m_latches.append(l); }
    const LxLibLatchSequenceList& GetLatchSequenceList() const { return m_latches; }

    // Further named values of the part (memory organisation and the like),
    // kept in file order so that they survive a round trip.
    void AddProperty(const QString& key, const QString& value) { m_properties.append({key, value}); }
    const QList<std::pair<QString, QString>>& GetPropertyList() const { return m_properties; }

protected:
    void copyContentTo(LxLibLogic& l) const
    {
        l.copySourcePosition(*this);
        for (const LxLibPinList* p : m_pinLists)
            l.m_pinLists.append(p->clone());
        for (const LxLibTruthTableRecord* r : m_truthTable)
            l.m_truthTable.append(r->clone());
        for (const LxLibLogicStatementLists* s : m_statementLists)
            l.m_statementLists.append(s->clone());
        for (const LxLibEnablePattern* e : m_enables)
            l.m_enables.append(e->clone());
        for (const LxLibDisablePattern* d : m_disables)
            l.m_disables.append(d->clone());
        for (const LxLibLatchSequence* s : m_latches)
            l.m_latches.append(s->clone());
        l.m_properties = m_properties;
    }

private:
    LxLibPinListList m_pinLists;
    LxLibTruthTableRecordList m_truthTable;
    LxLibLogicStatementListsList m_statementLists;
    LxLibEnablePatternList m_enables;
    LxLibDisablePatternList m_disables;
    LxLibLatchSequenceList m_latches;
    QList<std::pair<QString, QString>> m_properties;
};

// A memory part described for a memory test; read-only in the wizard.
class LxLibMemoryTest : public LxLibLogic
{
public:
    explicit LxLibMemoryTest(const QString& name = QString()) : LxLibLogic(name) {}
    int kind() const override { return DK_MEMORY_TEST; }
    LxLibMemoryTest* clone() const override
    {
        auto* l = new LxLibMemoryTest(GetName());
        copyContentTo(*l);
        return l;
    }
};

// A memory part described for in-system programming; read-only in the wizard.
class LxLibMemoryProgram : public LxLibLogic
{
public:
    explicit LxLibMemoryProgram(const QString& name = QString()) : LxLibLogic(name) {}
    int kind() const override { return DK_MEMORY_PROGRAM; }
    LxLibMemoryProgram* clone() const override
    {
        auto* l = new LxLibMemoryProgram(GetName());
        copyContentTo(*l);
        return l;
    }
};

} // namespace lxlib

#endif
