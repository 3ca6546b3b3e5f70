#include "PWModelConverter.h"

#include "CLoopTestSequence.h"
#include "CWaitTestSequence.h"
#include "LxLibInfo.h"
#include "PWDeviceModel.h"
#include "PWPassiveDocument.h"
#include "PWVocabulary.h"

#include <limits>
#include <memory>

using namespace lxlib;

namespace {

// A logic part holds at most this many disable patterns.
constexpr int kMaxDisablePatterns = 21;

void copySetSignals(const LxLibSetSignalList& from, LxLibSetSignalList& to)
{
    // The editor keeps no bit per setting.
    for (const LxLibSetSignal* s : from) {
        auto* copy = new LxLibSetSignal(s->GetSignalType(), s->GetVector());
        copy->copySourcePosition(*s);
        to.append(copy);
    }
}

// The one "-" setting without a vector that a saved enable pattern without
// settings carries, because the file wants at least one.
bool isEnablePlaceholder(const LxLibSetSignalList& settings)
{
    return settings.count() == 1 && settings.first()->GetSignalType() == ST_DASH
           && settings.first()->GetVector().isEmpty();
}

const LxLibSetEnableRelation* relationOf(const LxLibSetEnable* e)
{
    return dynamic_cast<const LxLibSetEnableRelation*>(e);
}

// The one enable specification of kinds 1 to 5 the editor shows, as it stores it.
LxLibSetEnable* editableSpecification(const LxLibSetEnable& e)
{
    const int type = e.GetEnableType();
    if (type == ET_CONNECTION || type == ET_EQUATION) {
        const LxLibSetEnableRelation* r = relationOf(&e);
        const int first = r ? r->GetFirstSignal().GetSignalType() : ST_NONE;
        const int second = r ? r->GetSecondSignal().GetSignalType() : ST_NONE;
        const int invert = r && r->IsInvert() ? 1 : 0;
        if (type == ET_CONNECTION)
            return new LxLibSetEnableConnection(first, second, -1, -1, invert, 0);
        return new LxLibSetEnableEqual(first, second, -1, -1, invert, r && r->IsLatch() ? 1 : 0);
    }
    if (type == ET_OUTPUT_DISABLE) {
        const auto* d = dynamic_cast<const LxLibSetEnableDisable*>(&e);
        return new LxLibSetEnableDisable(d ? d->GetSignal().GetSignalType() : ST_NONE);
    }
    return new LxLibSetEnable(type);
}

// How the statements of a test sequence reach the device model: copied, leaving
// the document as it was.
struct CopyFromDocument
{
    using Lists = const LxLibLogicStatementLists;
    using Vector = const LxLibLogicStatement_testVector;
    using Loop = const LxLibLogicStatement_testLoop;

    static LxLibCompactText text(Vector& v) { return v.GetVectorText(); }
    static void moveRules(Vector& v, CLogicDiagnose& to)
    {
        for (const LxLibDiagnose* from : v.GetDiagnoseList())
            for (const LxLibDiagRuleStuckAt* rule : from->GetRuleList())
                to.AddRule(rule->clone());
    }
    // Calls f with each item until it returns false.
    template <typename T, typename F>
    static bool each(const LxLibList<T>& list, F&& f)
    {
        for (const T* item : list)
            if (!f(*item))
                return false;
        return true;
    }
};

// Or moved out of a document nobody reads afterwards, each statement freed once
// converted: the vectors of a large model are never held twice, and the pool
// hands the freed slots straight to the model's statements and rows.
struct TakeFromDocument
{
    using Lists = LxLibLogicStatementLists;
    using Vector = LxLibLogicStatement_testVector;
    using Loop = LxLibLogicStatement_testLoop;

    static LxLibCompactText text(Vector& v) { return v.takeVectorText(); }
    static void moveRules(Vector& v, CLogicDiagnose& to)
    {
        for (LxLibDiagnose* from : v.GetDiagnoseList())
            from->GetRuleList().drain([&to](std::unique_ptr<LxLibDiagRuleStuckAt> rule) {
                if (to.GetRuleList().append(rule.get()))
                    (void)rule.release();
                return true;
            });
    }
    template <typename T, typename F>
    static bool each(LxLibList<T>& list, F&& f)
    {
        bool done = true;
        list.drain([&](std::unique_ptr<T> item) { return done = f(*item); });
        return done;
    }
};

template <class From>
CLogicDiagnose* rowDiagnose(typename From::Vector& vector)
{
    if (vector.GetDiagnoseList().isEmpty())
        return nullptr;
    // A row holds one diagnostic: the rules of all of them are kept together.
    auto* d = new CLogicDiagnose(CLogicDiagnose::Defined, CLogicDiagnose::VectorRow);
    d->copySourcePosition(*vector.GetDiagnoseList().first());
    From::moveRules(vector, *d);
    return d;
}

template <class From>
CVectorTestSequence* convertVector(typename From::Vector& from)
{
    auto* v = new CVectorTestSequence(From::text(from));
    v->setSourcePosition(CSourcePosition(from));
    return v;
}

void setRow(CLogicDiagnoseList& rows, int row, CLogicDiagnose* d)
{
    while (rows.count() < row)
        rows.append(new CLogicDiagnose);
    rows.append(d ? d : new CLogicDiagnose);
}

template <class From>
CTestSequences* convertStatements(typename From::Lists& list, const QString& name, CLogicDiagnoseList& rows,
                                  CSourcePosition* refused)
{
    auto sequence = std::make_unique<CTestSequences>(name);
    sequence->setSourcePosition(CSourcePosition(list));
    sequence->statements().reserve(list.GetStatementList().count());
    rows.reserve(rows.count() + list.GetStatementList().count());
    int row = 0;
    const auto refuse = [refused](const LxLibObject& statement) {
        if (refused)
            *refused = CSourcePosition(statement);
        return false;
    };
    const bool done = From::each(list.GetStatementList(), [&](auto& statement) {
        switch (statement.kind()) {
        case LxLibLogicStatement::TestVector: {
            auto& v = static_cast<typename From::Vector&>(statement);
            sequence->appendStatement(convertVector<From>(v));
            setRow(rows, row++, rowDiagnose<From>(v));
            break;
        }
        case LxLibLogicStatement::TestLoop: {
            auto& l = static_cast<typename From::Loop&>(statement);
            // The editor counts repeats in 32 bits.
            if (l.GetCount() < 0 || l.GetCount() > std::numeric_limits<uint32_t>::max())
                return refuse(l);
            auto* loop = new CLoopTestSequence(uint32_t(l.GetCount()), l.GetBreakMode());
            loop->setSourcePosition(CSourcePosition(l));
            sequence->appendStatement(loop);
            setRow(rows, row, new CLogicDiagnose(CLogicDiagnose::NotDefined, CLogicDiagnose::RepeatRow));
            int inner = row + 1;
            From::each(l.GetTestVectorList(), [&](typename From::Vector& v) {
                loop->appendVector(convertVector<From>(v));
                setRow(rows, inner++, rowDiagnose<From>(v));
                return true;
            });
            setRow(rows, inner, new CLogicDiagnose(CLogicDiagnose::NotDefined, CLogicDiagnose::EndRow));
            row = inner + 1;
            break;
        }
        case LxLibLogicStatement::Wait: {
            const auto& w = static_cast<const LxLibLogicStatement_wait&>(statement);
            auto* wait = new CWaitTestSequence(w.GetWaitTime(), w.GetTimeUnit().GetTimeUnit());
            wait->setSourcePosition(CSourcePosition(w));
            sequence->appendStatement(wait);
            setRow(rows, row++, new CLogicDiagnose(CLogicDiagnose::NotDefined, CLogicDiagnose::WaitRow));
            break;
        }
        default:
            return refuse(statement);
        }
        return true;
    });
    return done ? sequence.release() : nullptr;
}

} // namespace

bool PWModelConverter::takesTestSequences(float formatVersion)
{
    return formatVersion == 1.0f || takesNamedTestSequences(formatVersion);
}

bool PWModelConverter::takesNamedTestSequences(float formatVersion)
{
    return formatVersion == 1.1f || formatVersion >= 1.2f;
}

CPackage* PWModelConverter::convertPackage(const LxLibPackage& package)
{
    auto* p = new CPackage;
    for (const QString& id : package.GetPackageIdList())
        p->addPackageId(id);
    p->setHasTap(package.HasTap());
    for (const LxLibPackagePin* pin : package.GetPackagePinList()) {
        const int type = pin->GetPinType();
        p->addPin(pin->GetPinNumber(), pin->GetPinName(),
                  type >= PPT_INPUT && type < PPT_COUNT ? type : int(PPT_DASH));
        p->pins().last()->setSourcePosition(CSourcePosition(*pin));
    }
    return p;
}

CPinList* PWModelConverter::convertPinList(const LxLibPinList& pinList)
{
    auto* p = new CPinList(pinList.GetPartName());
    p->setSourcePosition(CSourcePosition(pinList));
    for (const LxLibPinListSignalDef* def : pinList.GetSignalDefList()) {
        p->addPin(def->GetPinName(), def->GetSignalType(), def->GetSignalBit());
        p->pins().last()->setSourcePosition(CSourcePosition(*def));
    }
    return p;
}

CTestSequences* PWModelConverter::convertStatementList(const LxLibLogicStatementLists& list,
                                                       const QString& name, CLogicDiagnoseList& rows,
                                                       CSourcePosition* refused)
{
    return convertStatements<CopyFromDocument>(list, name, rows, refused);
}

LxLibEnablePattern* PWModelConverter::convertEnablePattern(const LxLibEnablePattern& pattern, int n)
{
    const QString name = pattern.GetName().isEmpty() ? tr("Enable") + defaultNameNumber(n) : pattern.GetName();
    auto* e = new LxLibEnablePattern(name);
    e->copySourcePosition(pattern);
    if (!isEnablePlaceholder(pattern.GetSetSignalList()))
        copySetSignals(pattern.GetSetSignalList(), e->GetSetSignalList());
    const LxLibSetEnable* shown = nullptr;
    bool powerControl = false;
    for (const LxLibSetEnable* se : pattern.GetSetEnableList()) {
        const int type = se->GetEnableType();
        if (!shown && type >= ET_CHIP_ENABLE && type <= ET_OUTPUT_DISABLE)
            shown = se;
        powerControl = powerControl || type == ET_POWER_CONTROL;
    }
    // The editor stores power control ahead of the shown specification.
    if (powerControl)
        e->AddSetEnable(new LxLibSetEnable(ET_POWER_CONTROL));
    if (shown)
        e->AddSetEnable(editableSpecification(*shown));
    return e;
}

LxLibDisablePattern* PWModelConverter::convertDisablePattern(const LxLibDisablePattern& pattern, int n)
{
    const QString name = pattern.GetName().isEmpty() ? tr("Disable") + defaultNameNumber(n) : pattern.GetName();
    auto* d = new LxLibDisablePattern(name);
    d->copySourcePosition(pattern);
    copySetSignals(pattern.GetSetSignalList(), d->GetSetSignalList());
    // The editor shows one check box per signal type.
    QList<int> checked;
    for (const LxLibSetDisable* sd : pattern.GetSetDisableList()) {
        if (checked.contains(sd->GetSignalType()))
            continue;
        checked.append(sd->GetSignalType());
        d->AddSetDisable(new LxLibSetDisable(sd->GetSignalType()));
    }
    return d;
}

LxLibLatchSequence* PWModelConverter::convertLatchSequence(const LxLibLatchSequence& sequence)
{
    auto* l = new LxLibLatchSequence(sequence.GetName());
    l->copySourcePosition(sequence);
    if (const LxLibSetEnableRelation* r = relationOf(sequence.GetSetEnableList().first()))
        l->AddSetEnable(new LxLibSetEnableEqual(r->GetFirstSignal().GetSignalType(),
                                                r->GetSecondSignal().GetSignalType(), r->GetFirstSignal().GetSignalBit(),
                                                r->GetSecondSignal().GetSignalBit(), r->IsInvert() ? 1 : 0));
    for (const LxLibSetSignalList* vector : sequence.GetSetSignalListList()) {
        auto* copy = new LxLibSetSignalList;
        copySetSignals(*vector, *copy);
        l->AddSetSignalList(copy);
    }
    return l;
}

QString PWModelConverter::disableAddRefusal(const LxLibDisablePattern& pattern, int n)
{
    if (n > kMaxDisablePatterns)
        return tr("It is not possible to add a new Disable Pattern\nMaximum number of Disables is reached");
    if (!pattern.GetName().isEmpty() && isReservedPatternName(pattern.GetName()))
        return tr("This Disable Pattern name is not allowed!");
    return QString();
}

bool PWModelConverter::convertTestSequences(const LxLibLogic& logic, float formatVersion, CLogicPart& part,
                                            CSourcePosition& refused, bool take)
{
    part.testSequences().clear();
    part.testSequenceDiagnostics().clear();
    if (!takesTestSequences(formatVersion))
        return true;
    const bool named = takesNamedTestSequences(formatVersion);
    // Taking, the lists are reached through the document the caller handed over to change.
    for (LxLibLogicStatementLists* list : logic.GetStatementListsList()) {
        auto* rows = new CLogicDiagnoseList;
        part.testSequenceDiagnostics().append(rows);
        const QString name = named ? list->GetName() : QString();
        CTestSequences* sequence = take ? convertStatements<TakeFromDocument>(*list, name, *rows, &refused)
                                        : convertStatementList(*list, name, *rows, &refused);
        if (!sequence)
            return false;
        part.testSequences().append(sequence);
        if (!named)
            break;
    }
    return true;
}

bool PWModelConverter::convertLogic(const LxLibLogic& logic, float formatVersion, PWDeviceModel& model,
                                    CSourcePosition& refused, bool take)
{
    CLogic& root = model.logic();
    const int pos = root.logicParts().count();
    auto* part = new CLogicPart(logic.GetName());
    part->setSourcePosition(CSourcePosition(logic));
    root.insertLogicPart(pos, part);
    part->properties() = logic.GetPropertyList();
    for (const LxLibPinList* pinList : logic.GetPinListList())
        part->pinLists().append(convertPinList(*pinList));
    root.rebuildSignalIndex(pos);
    if (logic.kind() == DK_LOGIC) {
        if (!convertTestSequences(logic, formatVersion, *part, refused, take))
            return false;
        for (const LxLibTruthTableRecord* record : logic.GetTruthTable())
            part->truthTable().append(record->clone());
    }
    int n = 0;
    for (const LxLibEnablePattern* pattern : logic.GetEnablePatternList())
        part->enablePatterns().append(convertEnablePattern(*pattern, ++n));
    n = 0;
    for (const LxLibDisablePattern* pattern : logic.GetDisablePatternList()) {
        // Each pattern is added as the editor adds one; its first refusal ends
        // the disables of this part, and the user is told.
        const QString refusal = disableAddRefusal(*pattern, ++n);
        if (!refusal.isEmpty()) {
            model.addNotice(refusal, *pattern);
            break;
        }
        part->disablePatterns().append(convertDisablePattern(*pattern, n));
    }
    if (logic.kind() == DK_LOGIC)
        for (const LxLibLatchSequence* sequence : logic.GetLatchSequenceList())
            part->latchSequences().append(convertLatchSequence(*sequence));
    return true;
}

bool PWModelConverter::convert(const LxLibInfo& document, PWDeviceModel& model, QString& error,
                               CSourcePosition* at)
{
    return convertAndPlace(document, model, error, at, false);
}

bool PWModelConverter::convertTaking(LxLibInfo& document, PWDeviceModel& model, QString& error, CSourcePosition* at)
{
    return convertAndPlace(document, model, error, at, true);
}

bool PWModelConverter::convertAndPlace(const LxLibInfo& document, PWDeviceModel& model, QString& error,
                                       CSourcePosition* at, bool take)
{
    error.clear();
    CSourcePosition refused;
    const bool done = convertInto(document, model, error, refused, take);
    if (at)
        *at = refused;
    return done;
}

bool PWModelConverter::convertInto(const LxLibInfo& document, PWDeviceModel& model, QString& error,
                                   CSourcePosition& refused, bool take)
{
    const LxLibComponentList& components = document.GetComponentList();
    if (components.count() != 1) {
        // The second cluster is the first one too many.
        refused = components.isEmpty() ? CSourcePosition(document.sourceEndLine(), 1)
                                       : CSourcePosition(*components.at(1));
        return false;
    }
    model.readHeader(document);
    model.setSourceFormatVersion(document.GetFormatVersion());

    const LxLibComponent* component = document.GetComponent();
    model.setDeviceId(component->GetName());
    for (const LxLibPackage* package : component->GetPackageList())
        model.logic().packages().append(convertPackage(*package));

    model.setCategory(PWDeviceModel::Logic);
    for (const LxLibDescriptor* descriptor : component->GetDescriptorList()) {
        const int kind = descriptor->kind();
        if (kind == DK_PASSIVE) {
            if (const auto* passive = dynamic_cast<const LxLibPassiveComponent*>(descriptor)) {
                model.passiveComponents().append(passive->clone());
                model.setCategory(PWDeviceModel::Passive);
                model.setEditMode(PWDeviceModel::EditExisting);
            }
            continue;
        }
        if (kind < DK_MEMORY_PROGRAM || kind > DK_LOGIC) {
            error = tr("This file is not a correct model");
            refused = CSourcePosition(*descriptor);
            return false;
        }
        model.setCategory(kind == DK_LOGIC ? PWDeviceModel::Logic
                          : kind == DK_MEMORY_TEST ? PWDeviceModel::MemoryTest
                                                   : PWDeviceModel::MemoryProgram);
        const auto* logic = dynamic_cast<const LxLibLogic*>(descriptor);
        if (!logic) {
            refused = CSourcePosition(*descriptor);
            return false;
        }
        if (logic->GetPinListList().isEmpty())
            continue;
        if (!convertLogic(*logic, document.GetFormatVersion(), model, refused, take))
            return false;
    }
    if (model.category() == PWDeviceModel::Passive)
        for (const PWPassiveDocument::Loss& loss : PWPassiveDocument::lossesOnLoad(*component))
            model.addNotice(loss.text, *loss.at);
    model.setEditMode(PWDeviceModel::EditExisting);
    return true;
}
