#include "CLogicBuilder.h"

#include "CLogic.h"
#include "CLoopTestSequence.h"
#include "CWaitTestSequence.h"
#include "LxLibInfo.h"

#include <memory>

using namespace lxlib;

namespace {

// Copies the row's diagnostic into the vector when it is defined.
void attachRow(CVectorTestSequence& vector, const CLogicDiagnose* d)
{
    if (d && d->state() == CLogicDiagnose::Defined)
        vector.diagnostics().append(d->clone());
}

void attachSequence(CTestSequences& sequence, const CLogicDiagnoseList* rows)
{
    int row = 0;
    for (CTestSequence* statement : sequence.statements()) {
        if (statement->kind() == CTestSequence::Vector) {
            auto* vector = static_cast<CVectorTestSequence*>(statement);
            vector->diagnostics().clear();
            attachRow(*vector, rows ? rows->at(row) : nullptr);
        } else if (statement->kind() == CTestSequence::Repeat) {
            auto* loop = static_cast<CLoopTestSequence*>(statement);
            // Rows after the repeat row belong to its vectors while they are vector rows.
            bool inStep = true;
            for (int i = 0; i < loop->vectors().count(); ++i) {
                CVectorTestSequence* vector = loop->vectors().at(i);
                vector->diagnostics().clear();
                const CLogicDiagnose* d = rows ? rows->at(row + 1 + i) : nullptr;
                if (d && d->rowKind() != CLogicDiagnose::VectorRow)
                    inStep = false;
                if (inStep)
                    attachRow(*vector, d);
            }
        }
        row += statement->rowCount();
    }
}

} // namespace

void CLogicBuilder::attachDiagnostics()
{
    for (CLogicPart* part : m_logic.logicParts()) {
        const CTestSequencesList& sequences = part->testSequences();
        for (int k = 0; k < sequences.count(); ++k)
            attachSequence(*sequences.at(k), part->testSequenceDiagnostics().at(k));
    }
}

int CLogicBuilder::diePinTypeOf(const QString& pinNumber)
{
    const QString upper = pinNumber.toUpper();
    if (upper == QLatin1String("TIE0"))
        return DPT_TIE0;
    if (upper == QLatin1String("TIE1"))
        return DPT_TIE1;
    if (upper == QLatin1String("OPEN"))
        return DPT_OPEN;
    if (upper == QLatin1String("PAD"))
        return DPT_PAD;
    return DPT_EXTERN;
}

LxLibPackage* CLogicBuilder::buildPackage(const CPackage& package)
{
    auto* p = new LxLibPackage;
    for (const CPackagePin* pin : package.pins()) {
        const int die = diePinTypeOf(pin->pinNumber());
        const QString number = die == DPT_EXTERN ? pin->pinNumber() : pin->pinNumber().toUpper();
        p->AddPackagePin(new LxLibPackagePin(pin->pinName(), number, die, pin->pinType()));
    }
    for (const QString& id : package.packageIds())
        p->AddPackageAlias(id);
    p->SetHasTap(package.hasTap());
    return p;
}

namespace {

LxLibLogicStatement_testVector* buildVector(const CVectorTestSequence& vector)
{
    auto* v = new LxLibLogicStatement_testVector(vector.vector());
    for (const CLogicDiagnose* d : vector.diagnostics())
        v->AddDiagnose(d->cloneDiagnose());
    return v;
}

LxLibLogicStatement* buildStatement(const CTestSequence& statement)
{
    switch (statement.kind()) {
    case CTestSequence::Vector:
        return buildVector(static_cast<const CVectorTestSequence&>(statement));
    case CTestSequence::Repeat: {
        const auto& loop = static_cast<const CLoopTestSequence&>(statement);
        auto* l = new LxLibLogicStatement_testLoop(static_cast<int64_t>(loop.count()), loop.breakMode());
        for (const CVectorTestSequence* v : loop.vectors())
            l->AddTestVector(buildVector(*v));
        return l;
    }
    case CTestSequence::Wait: {
        const auto& wait = static_cast<const CWaitTestSequence&>(statement);
        auto* w = new LxLibLogicStatement_wait;
        w->SetWaitTime(wait.time(), wait.unit().GetTimeUnitAsStr());
        return w;
    }
    default:
        return nullptr;
    }
}

const LxLibSetEnableRelation* relationOf(const LxLibSetEnable& e)
{
    return dynamic_cast<const LxLibSetEnableRelation*>(&e);
}

// The copy the file keeps: relations lose their bits, disables their bit.
LxLibSetEnable* copySetEnable(const LxLibSetEnable& e)
{
    const LxLibSetEnableRelation* relation = relationOf(e);
    const int type = e.GetEnableType();
    if (relation && (type == ET_CONNECTION || type == ET_EQUATION)) {
        const int first = relation->GetFirstSignal().GetSignalType();
        const int second = relation->GetSecondSignal().GetSignalType();
        LxLibSetEnableRelation* copy = nullptr;
        if (type == ET_CONNECTION)
            copy = new LxLibSetEnableConnection(first, second);
        else
            copy = new LxLibSetEnableEqual(first, second);
        copy->SetFlags(relation->GetFlags());
        return copy;
    }
    if (type == ET_OUTPUT_DISABLE) {
        const auto* disable = dynamic_cast<const LxLibSetEnableDisable*>(&e);
        return new LxLibSetEnableDisable(disable ? disable->GetSignal().GetSignalType() : ST_NONE);
    }
    return new LxLibSetEnable(type);
}

void copySetSignals(const LxLibSetSignalList& from, LxLibSetSignalList& to)
{
    for (const LxLibSetSignal* s : from)
        to.append(new LxLibSetSignal(s->GetSignalType(), s->GetVector()));
}

LxLibEnablePattern* buildEnable(const LxLibEnablePattern& pattern)
{
    auto* e = new LxLibEnablePattern(pattern.GetName());
    for (const LxLibSetEnable* se : pattern.GetSetEnableList())
        e->AddSetEnable(copySetEnable(*se));
    copySetSignals(pattern.GetSetSignalList(), e->GetSetSignalList());
    // The file needs at least one setting per enable pattern.
    if (pattern.GetSetSignalList().isEmpty())
        e->AddSetSignal(new LxLibSetSignal(ST_DASH, QString()));
    return e;
}

LxLibDisablePattern* buildDisable(const LxLibDisablePattern& pattern)
{
    auto* d = new LxLibDisablePattern(pattern.GetName());
    for (const LxLibSetDisable* sd : pattern.GetSetDisableList())
        d->AddSetDisable(new LxLibSetDisable(sd->GetSignalType(), sd->GetSignalBit()));
    copySetSignals(pattern.GetSetSignalList(), d->GetSetSignalList());
    return d;
}

LxLibLatchSequence* buildLatch(const LxLibLatchSequence& sequence)
{
    auto* l = new LxLibLatchSequence(sequence.GetName());
    const LxLibSetEnable* condition = sequence.GetSetEnableList().first();
    if (const LxLibSetEnableRelation* relation = condition ? relationOf(*condition) : nullptr)
        l->AddSetEnable(new LxLibSetEnableEqual(relation->GetFirstSignal().GetSignalType(),
                                                relation->GetSecondSignal().GetSignalType(), -1, -1,
                                                relation->IsInvert() ? 1 : 0));
    for (const LxLibSetSignalList* vector : sequence.GetSetSignalListList()) {
        auto* copy = new LxLibSetSignalList;
        copySetSignals(*vector, *copy);
        l->AddSetSignalList(copy);
    }
    return l;
}

} // namespace

LxLibLogicStatementLists* CLogicBuilder::buildTestSequence(const CTestSequences& sequence)
{
    auto* lists = new LxLibLogicStatementLists(sequence.name());
    for (const CTestSequence* statement : sequence.statements())
        if (LxLibLogicStatement* s = buildStatement(*statement))
            lists->AddStatement(s);
    return lists;
}

LxLibLogic* CLogicBuilder::buildLogic(const CLogicPart& part)
{
    auto* logic = new LxLibLogic(part.name());
    for (const auto& [name, value] : part.properties())
        logic->AddProperty(name, value);
    for (const CPinList* pinList : part.pinLists()) {
        auto* p = new LxLibPinList;
        for (const CPinListPin* pin : pinList->pins())
            p->AddPinListSignalDef(new LxLibPinListSignalDef(pin->signalType(), pin->bit(), pin->pinName()));
        p->SetPartName(pinList->name());
        logic->AddPinList(p);
    }
    for (const LxLibTruthTableRecord* record : part.truthTable())
        logic->AddTruthTableRecord(new LxLibTruthTableRecord(record->GetVector()));
    for (const CTestSequences* sequence : part.testSequences())
        logic->AddStatementLists(buildTestSequence(*sequence));
    for (const LxLibEnablePattern* pattern : part.enablePatterns())
        logic->AddEnablePattern(buildEnable(*pattern));
    for (const LxLibDisablePattern* pattern : part.disablePatterns())
        logic->AddDisablePattern(buildDisable(*pattern));
    for (const LxLibLatchSequence* sequence : part.latchSequences())
        logic->AddLatchSequence(buildLatch(*sequence));
    return logic;
}

bool CLogicBuilder::build(LxLibInfo* document, const QString& deviceId, QString& error)
{
    if (!document)
        return false;
    attachDiagnostics();

    auto component = std::make_unique<LxLibComponent>(deviceId);
    m_logic.setUnderConstruction(component.get(), nullptr);
    if (m_logic.packages().isEmpty()) {
        m_logic.setUnderConstruction(nullptr, nullptr);
        error = tr("Unable to save this model\nPackage information is required");
        return false;
    }
    for (const CPackage* package : m_logic.packages())
        component->AddPackage(buildPackage(*package));

    if (m_logic.logicParts().isEmpty()) {
        component->AddDescriptor(new LxLibLogic);
    } else {
        for (const CLogicPart* part : m_logic.logicParts()) {
            // Parts without a usable pin list cannot be described in the file.
            if (!part->hasCompletePinLists())
                continue;
            LxLibLogic* logic = buildLogic(*part);
            m_logic.setUnderConstruction(component.get(), logic);
            component->AddDescriptor(logic);
        }
    }
    m_logic.setUnderConstruction(nullptr, nullptr);
    document->AddComponent(component.release());
    return true;
}
