#ifndef CLOGICPART_H
#define CLOGICPART_H

#include "CPinList.h"
#include "CSourcePosition.h"
#include "CTestSequenceDiagnoseList.h"
#include "CTestSequences.h"
#include "LxLibLogic.h"

#include <QList>
#include <QString>

#include <memory>

#include <utility>

class CVectorColumns;

// One logic part. Patterns, latch sequences and truth table rows are kept as
// model library objects.
class CLogicPart : public CSourcePosition
{
public:
    explicit CLogicPart(const QString& name = QString()) : m_name(name) {}

    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }

    const CPinListList& pinLists() const { return m_pinLists; }
    CPinListList& pinLists() { return m_pinLists; }
    const lxlib::LxLibEnablePatternList& enablePatterns() const { return m_enables; }
    lxlib::LxLibEnablePatternList& enablePatterns() { return m_enables; }
    const CTestSequencesList& testSequences() const { return m_testSequences; }
    CTestSequencesList& testSequences() { return m_testSequences; }
    const lxlib::LxLibLatchSequenceList& latchSequences() const { return m_latches; }
    lxlib::LxLibLatchSequenceList& latchSequences() { return m_latches; }
    const lxlib::LxLibDisablePatternList& disablePatterns() const { return m_disables; }
    lxlib::LxLibDisablePatternList& disablePatterns() { return m_disables; }
    const lxlib::LxLibTruthTableRecordList& truthTable() const { return m_truthTable; }
    lxlib::LxLibTruthTableRecordList& truthTable() { return m_truthTable; }
    const CTestSequenceDiagnoseList& testSequenceDiagnostics() const { return m_diagnostics; }
    CTestSequenceDiagnoseList& testSequenceDiagnostics() { return m_diagnostics; }
    // Named values of the part that no editor shows (name, value), in file
    // order; they travel with the part from the file it came from to the saved one.
    using Properties = QList<std::pair<QString, QString>>;
    const Properties& properties() const { return m_properties; }
    Properties& properties() { return m_properties; }

    // Each takes the item; false for a null item.
    bool insertPinList(int pos, CPinList* p) { return m_pinLists.insert(pos, p); }
    bool insertTestSequence(int pos, CTestSequences* t) { return m_testSequences.insert(pos, t); }
    bool insertLatchSequence(int pos, lxlib::LxLibLatchSequence* l) { return m_latches.insert(pos, l); }
    bool insertEnablePattern(int pos, lxlib::LxLibEnablePattern* e) { return m_enables.insert(pos, e); }
    bool insertDisablePattern(int pos, lxlib::LxLibDisablePattern* d) { return m_disables.insert(pos, d); }

    // Removes a test sequence together with its row diagnostics, so that later
    // sequences keep theirs.
    void deleteTestSequence(int pos);
    // A test sequence out of its part, with its row diagnostics (null when it has none).
    struct TakenTestSequence
    {
        std::unique_ptr<CTestSequences> sequence;
        std::unique_ptr<CLogicDiagnoseList> diagnostics;
    };
    TakenTestSequence takeTestSequence(int pos);
    // Puts a taken sequence back at pos; the diagnostics of later sequences move with them.
    void restoreTestSequence(int pos, TakenTestSequence taken);

    // Lays the vectors that fit the columns `from` over the columns `to`: the
    // cells of a signal that is gone go, a new signal's cells read "X". A part
    // without pin lists has no columns to fit and keeps its vectors as they are.
    void realignVectors(const CVectorColumns& from, const CVectorColumns& to);

    // Whether the part goes into a saved model: it has pin lists, none empty.
    bool hasCompletePinLists() const;

private:
    QString m_name;
    CPinListList m_pinLists;
    lxlib::LxLibEnablePatternList m_enables;
    CTestSequencesList m_testSequences;
    lxlib::LxLibLatchSequenceList m_latches;
    lxlib::LxLibDisablePatternList m_disables;
    lxlib::LxLibTruthTableRecordList m_truthTable;
    CTestSequenceDiagnoseList m_diagnostics;
    Properties m_properties;
};

using CLogicPartList = CList<CLogicPart>;

#endif
