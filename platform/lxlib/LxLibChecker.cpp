#include "LxLibChecker.h"

#include "LxLibInfo.h"
#include "LxLibLogic.h"
#include "LxLibPassive.h"

#include <cstring>

namespace lxlib {

namespace {

const char kStatementChars[] = "01DdHhLlNnTtUuXxZz";
const char kPatternChars[] = "01XxZz";

bool isControlSignal(int type)
{
    switch (type) {
    case ST_OUT: case ST_RYBY: case ST_DIR: case ST_IN: case ST_WE: case ST_CE: case ST_OE: case ST_LE:
    case ST_MODUS: case ST_VPP: case ST_RESETP: case ST_WPROT: case ST_IO:
        return true;
    default:
        return false;
    }
}

QString signalName(int type)
{
    const QString k = signalTypeKeyword(type);
    return k.isEmpty() ? QStringLiteral("code %1").arg(type) : k;
}

QString quoted(const QString& s) { return QLatin1Char('"') + s + QLatin1Char('"'); }

// Most vectors are fine; their messages are only made for those that are not.
bool vectorFits(const LxLibCompactText& vector, int columns)
{
    static const LxLibCharacterSet allowed(QString::fromLatin1(kStatementChars));
    return vector.size() == columns && vector.consistsOf(allowed);
}

} // namespace

bool LxLibChecker::SignalIndex::carries(int type, int bit) const
{
    const auto it = bitsByType.constFind(type);
    return it != bitsByType.constEnd() && (bit < 0 || it->contains(bit));
}

LxLibChecker::LxLibChecker(LxLibInfo& info)
    : m_info(info), m_source(info.GetFileName().isEmpty() ? QStringLiteral("<data>") : info.GetFileName())
{
}

void LxLibChecker::problem(const LxLibObject* at, const QString& text)
{
    ++m_problems;
    Message m;
    m.kind = Message::Error;
    if (at && at->sourceLine() > 0)
        m.text = QStringLiteral("%1:%2:%3: %4").arg(m_source).arg(at->sourceLine()).arg(at->sourceColumn()).arg(text);
    else
        m.text = QStringLiteral("%1: %2").arg(m_source, text);
    if (m_first.isEmpty())
        m_first = m.text;
    emit m_info.message(m);
}

int LxLibChecker::run(QString* errorText)
{
    for (const LxLibHeader* h : m_info.GetHeaderList()) {
        ++m_count;
        if (h->GetHeaderType() < HT_GENERAL || h->GetHeaderType() > HT_NOTE)
            problem(h, QStringLiteral("header of unknown type %1").arg(h->GetHeaderType()));
    }
    for (const LxLibAlias* a : m_info.GetAliasList()) {
        ++m_count;
        if (a->GetAliasId().isEmpty())
            problem(a, QStringLiteral("alias without alias id"));
    }
    if (m_info.GetComponentList().isEmpty()) {
        // Nothing to point at but the place where the component is missing.
        LxLibObject end;
        end.setSourcePosition(m_info.sourceEndLine(), 1);
        problem(&end, QStringLiteral("the model has no component"));
    }
    for (const LxLibComponent* c : m_info.GetComponentList())
        checkComponent(*c);
    if (errorText)
        *errorText = m_first;
    return m_problems == 0 ? m_count : 0;
}

void LxLibChecker::checkComponent(const LxLibComponent& component)
{
    ++m_count;
    if (component.GetName().isEmpty())
        problem(&component, QStringLiteral("the component has no device id"));
    QHash<QString, const LxLibPackage*> ids;
    QSet<QString> pinNames;
    for (const LxLibPackage* p : component.GetPackageList()) {
        checkPackage(*p, ids);
        for (const LxLibPackagePin* pin : p->GetPackagePinList())
            pinNames.insert(pin->GetPinName());
    }
    const bool havePackages = !component.GetPackageList().isEmpty();
    bool reportedNoPackage = false;
    QHash<QString, const LxLibDescriptor*> names;
    for (const LxLibDescriptor* d : component.GetDescriptorList()) {
        const QString key = d->GetName().toLower();
        if (!key.isEmpty()) {
            if (const LxLibDescriptor* other = names.value(key))
                problem(d, QStringLiteral("part name %1 is used twice (also at line %2)")
                               .arg(quoted(d->GetName()))
                               .arg(other->sourceLine()));
            else
                names.insert(key, d);
        }
        if (const auto* logic = dynamic_cast<const LxLibLogic*>(d)) {
            bool usesPins = false;
            for (const LxLibPinList* list : logic->GetPinListList())
                usesPins = usesPins || !list->GetSignalDefList().isEmpty();
            if (usesPins && !havePackages && !reportedNoPackage) {
                problem(&component, QStringLiteral("the component has logic or memory parts with pins but no package"));
                reportedNoPackage = true;
            }
            checkLogic(*logic, pinNames, havePackages);
        } else if (const auto* passive = dynamic_cast<const LxLibPassiveComponent*>(d)) {
            checkPassive(*passive);
        }
    }
}

void LxLibChecker::checkPackage(const LxLibPackage& package, QHash<QString, const LxLibPackage*>& ids)
{
    ++m_count;
    if (package.GetPackageIdList().isEmpty())
        problem(&package, QStringLiteral("the package has no id"));
    for (const QString& id : package.GetPackageIdList()) {
        if (id.isEmpty()) {
            problem(&package, QStringLiteral("the package has an empty id"));
        } else if (const LxLibPackage* other = ids.value(id)) {
            if (other != &package)
                problem(&package, QStringLiteral("package id %1 is used twice (also at line %2)")
                                      .arg(quoted(id))
                                      .arg(other->sourceLine()));
        } else {
            ids.insert(id, &package);
        }
    }
    const QString packageName = package.GetPackageIdList().value(0);
    QHash<QString, const LxLibPackagePin*> numbers;
    numbers.reserve(package.GetPackagePinList().count());
    for (const LxLibPackagePin* pin : package.GetPackagePinList()) {
        ++m_count;
        const QString label = pin->GetPinNumber().isEmpty() ? quoted(pin->GetPinName()) : pin->GetPinNumber();
        if (pin->GetPinNumber().isEmpty())
            problem(pin, QStringLiteral("pin %1 has no pin number").arg(label));
        if (pin->GetPinName().isEmpty())
            problem(pin, QStringLiteral("pin %1 has no pin name").arg(label));
        if (pin->GetPinType() == PPT_NONE)
            problem(pin, QStringLiteral("pin %1 has no pin type").arg(label));
        else if (pin->GetPinType() < 0 || pin->GetPinType() >= PPT_COUNT)
            problem(pin, QStringLiteral("pin %1 has the unknown pin type code %2").arg(label).arg(pin->GetPinType()));
        const int die = pin->GetDiePinType();
        if (die <= DPT_NONE || die >= DPT_COUNT)
            problem(pin, QStringLiteral("pin %1 has the unknown die pin type code %2").arg(label).arg(die));
        const QString upper = pin->GetPinNumber().toUpper();
        const bool mayRepeat = die == DPT_TIE0 || die == DPT_TIE1 || die == DPT_OPEN ||
                               upper == QLatin1String("TIE0") || upper == QLatin1String("TIE1") ||
                               upper == QLatin1String("OPEN");
        if (!mayRepeat && !pin->GetPinNumber().isEmpty()) {
            if (const LxLibPackagePin* other = numbers.value(pin->GetPinNumber()))
                problem(pin, QStringLiteral("pin number %1 is used twice in package %2 (also at line %3)")
                                 .arg(quoted(pin->GetPinNumber()), quoted(packageName))
                                 .arg(other->sourceLine()));
            else
                numbers.insert(pin->GetPinNumber(), pin);
        }
    }
    for (const LxLibPackagePin* pin : package.GetPackagePinList()) {
        const QString partner = pin->GetDifferentialPartner();
        if (!partner.isEmpty() && !numbers.contains(partner))
            problem(pin, QStringLiteral("the differential partner %1 of pin %2 is no pin number of package %3")
                             .arg(quoted(partner), pin->GetPinNumber(), quoted(packageName)));
    }
}

LxLibChecker::SignalIndex LxLibChecker::indexPinLists(const LxLibLogic& logic, const QSet<QString>& pinNames,
                                                      bool checkPins)
{
    SignalIndex index;
    int maxControlBit = -1;
    for (const LxLibPinList* list : logic.GetPinListList()) {
        ++m_count;
        for (const LxLibPinListSignalDef* def : list->GetSignalDefList()) {
            ++m_count;
            const int type = def->GetSignalType();
            if (type <= ST_NONE || type >= ST_COUNT)
                problem(def, QStringLiteral("pin %1 in pin list %2 has the unknown signal type code %3")
                                 .arg(quoted(def->GetPinName()), quoted(list->GetPartName()))
                                 .arg(type));
            if (def->GetSignalBit() < 0)
                problem(def, QStringLiteral("signal %1 of pin %2 has no valid bit number (%3)")
                                 .arg(signalName(type), quoted(def->GetPinName()))
                                 .arg(def->GetSignalBit()));
            if (def->GetPinName().isEmpty())
                problem(def, QStringLiteral("a signal in pin list %1 has no pin name").arg(quoted(list->GetPartName())));
            else if (checkPins && !pinNames.contains(def->GetPinName()))
                problem(def, QStringLiteral("pin list %1 names the pin %2, which no package has")
                                 .arg(quoted(list->GetPartName()), quoted(def->GetPinName())));
            if (def->GetSignalBit() >= 0) {
                index.bitsByType[type].insert(def->GetSignalBit());
                if (isControlSignal(type))
                    maxControlBit = qMax(maxControlBit, def->GetSignalBit());
            } else {
                index.bitsByType[type];
            }
        }
    }
    index.controlColumns = maxControlBit + 1;
    return index;
}

void LxLibChecker::checkLogic(const LxLibLogic& logic, const QSet<QString>& pinNames, bool checkPins)
{
    ++m_count;
    const SignalIndex index = indexPinLists(logic, pinNames, checkPins);
    const QString part = quoted(logic.GetName());
    for (const LxLibTruthTableRecord* r : logic.GetTruthTable()) {
        ++m_count;
        if (!vectorFits(r->GetVectorText(), index.controlColumns))
            checkVector(r, r->GetVector(),
                        QStringLiteral("truth table row %1 of part %2").arg(quoted(r->GetVector()), part),
                        index.controlColumns);
    }
    checkSequences(logic, index);
    for (const LxLibEnablePattern* e : logic.GetEnablePatternList()) {
        ++m_count;
        const QString where = QStringLiteral("enable pattern %1").arg(quoted(e->GetName()));
        for (const LxLibSetSignal* s : e->GetSetSignalList())
            checkSetSignal(*s, where, index, false);
        for (const LxLibSetEnable* s : e->GetSetEnableList())
            checkSetEnable(*s, where, index);
    }
    for (const LxLibDisablePattern* d : logic.GetDisablePatternList()) {
        ++m_count;
        const QString where = QStringLiteral("disable pattern %1").arg(quoted(d->GetName()));
        for (const LxLibSetSignal* s : d->GetSetSignalList())
            checkSetSignal(*s, where, index, false);
        for (const LxLibSetDisable* s : d->GetSetDisableList()) {
            ++m_count;
            checkSignalUse(s, s->GetSignalType(), s->GetSignalBit(), where, index);
        }
    }
    for (const LxLibLatchSequence* l : logic.GetLatchSequenceList()) {
        ++m_count;
        const QString where = QStringLiteral("latch sequence %1").arg(quoted(l->GetName()));
        for (const LxLibSetEnable* s : l->GetSetEnableList())
            checkSetEnable(*s, where, index);
        for (const LxLibSetSignalList* step : l->GetSetSignalListList())
            for (const LxLibSetSignal* s : *step)
                checkSetSignal(*s, where, index, true);
    }
}

void LxLibChecker::checkSequences(const LxLibLogic& logic, const SignalIndex& index)
{
    const LxLibLogicStatementListsList& lists = logic.GetStatementListsList();
    if (m_info.GetFormatVersion() == 1.0f && (lists.count() > 1 || (lists.count() == 1 && !lists.first()->GetName().isEmpty())))
        problem(lists.first(), QStringLiteral("a version 1.0 model holds one unnamed test sequence per part, "
                                              "part %1 has %2")
                                   .arg(quoted(logic.GetName()))
                                   .arg(lists.count() > 1 ? QStringLiteral("%1").arg(lists.count())
                                                          : QStringLiteral("a named one")));
    for (const LxLibLogicStatementLists* list : lists) {
        ++m_count;
        const QString where = QStringLiteral("test sequence %1").arg(quoted(list->GetName()));
        for (const LxLibLogicStatement* s : list->GetStatementList()) {
            ++m_count;
            if (s->kind() == LxLibLogicStatement::TestVector) {
                checkTestVector(*static_cast<const LxLibLogicStatement_testVector*>(s), where, index);
            } else if (const auto* w = dynamic_cast<const LxLibLogicStatement_wait*>(s)) {
                const int unit = w->GetTimeUnit().GetTimeUnit();
                if (unit <= TU_NONE || unit >= TU_COUNT)
                    problem(w, QStringLiteral("wait in %1 has no valid time unit (code %2)").arg(where).arg(unit));
            } else if (const auto* loop = dynamic_cast<const LxLibLogicStatement_testLoop*>(s)) {
                if (loop->GetCount() < 1)
                    problem(loop, QStringLiteral("loop in %1 repeats %2 times; a loop repeats at least once")
                                      .arg(where)
                                      .arg(loop->GetCount()));
                if (loop->GetBreakMode() < BM_NONE || loop->GetBreakMode() > BM_ON_ERROR)
                    problem(loop, QStringLiteral("loop in %1 has the unknown break mode %2").arg(where).arg(loop->GetBreakMode()));
                for (const LxLibLogicStatement_testVector* v : loop->GetTestVectorList())
                    checkTestVector(*v, where, index);
            }
        }
    }
}

void LxLibChecker::checkTestVector(const LxLibLogicStatement_testVector& v, const QString& where,
                                   const SignalIndex& index)
{
    ++m_count;
    if (!vectorFits(v.GetVectorText(), index.controlColumns))
        checkVector(&v, v.GetVector(), QStringLiteral("vector %1 in %2").arg(quoted(v.GetVector()), where),
                    index.controlColumns);
    for (const LxLibDiagnose* d : v.GetDiagnoseList()) {
        for (const LxLibDiagRuleStuckAt* r : d->GetRuleList()) {
            ++m_count;
            if (r->GetStuckAtType() <= SA_NONE || r->GetStuckAtType() >= SA_COUNT)
                problem(r, QStringLiteral("stuck-at rule in %1 has the unknown stuck-at code %2")
                               .arg(where)
                               .arg(r->GetStuckAtType()));
            if (!index.carries(r->GetSignalType(), r->GetSignalBit()) || r->GetSignalBit() < 0)
                problem(r, QStringLiteral("stuck-at rule in %1 names %2 bit %3, which no pin list of the part carries")
                               .arg(where, signalName(r->GetSignalType()))
                               .arg(r->GetSignalBit()));
        }
    }
}

void LxLibChecker::checkVector(const LxLibObject* at, const QString& vector, const QString& where, int columns)
{
    if (vector.size() != columns)
        problem(at, QStringLiteral("%1 has %2 characters, but the pin lists give %3 control signal columns")
                        .arg(where)
                        .arg(vector.size())
                        .arg(columns));
    for (QChar c : vector) {
        if (c.unicode() > 0x7F || !std::strchr(kStatementChars, static_cast<char>(c.unicode())) || c.isNull()) {
            problem(at, QStringLiteral("%1 holds the character '%2'; allowed are 0 1 D H L N T U X Z")
                            .arg(where, QString(c)));
            break;
        }
    }
}

void LxLibChecker::checkSetSignal(const LxLibSetSignal& s, const QString& where, const SignalIndex& index, bool atMost)
{
    ++m_count;
    const int type = s.GetSignalType();
    const QString label = QStringLiteral("set %1 %2 in %3").arg(signalName(type), quoted(s.GetVector()), where);
    if (type <= ST_NONE || type >= ST_COUNT) {
        problem(&s, QStringLiteral("%1 has an unknown signal type").arg(label));
        return;
    }
    for (QChar c : s.GetVector()) {
        if (c.unicode() > 0x7F || c.isNull() || !std::strchr(kPatternChars, static_cast<char>(c.unicode()))) {
            problem(&s, QStringLiteral("%1 holds the character '%2'; allowed are 0 1 X Z").arg(label, QString(c)));
            break;
        }
    }
    int expected = 0;
    if (s.HasBitValue()) {
        expected = 1;
        if (!index.carries(type, s.GetSignalBit()))
            problem(&s, QStringLiteral("%1 sets bit %2, which no pin list of the part carries").arg(label).arg(s.GetSignalBit()));
    } else if (type != ST_DASH) {
        expected = static_cast<int>(index.bitsByType.value(type).size());
    }
    const int length = static_cast<int>(s.GetVector().size());
    if (atMost ? length > expected : length != expected)
        problem(&s, QStringLiteral("%1 has %2 characters, but the part has %3 %4 bits")
                        .arg(label)
                        .arg(length)
                        .arg(atMost ? QStringLiteral("at most %1").arg(expected) : QString::number(expected))
                        .arg(signalName(type)));
}

void LxLibChecker::checkSignalUse(const LxLibObject* at, int type, int bit, const QString& where,
                                  const SignalIndex& index)
{
    if (type <= ST_NONE || type >= ST_COUNT)
        problem(at, QStringLiteral("%1 names the unknown signal type code %2").arg(where).arg(type));
    else if (!index.carries(type, bit))
        problem(at, bit < 0 ? QStringLiteral("%1 names %2, which no pin list of the part carries").arg(where, signalName(type))
                            : QStringLiteral("%1 names %2 bit %3, which no pin list of the part carries")
                                  .arg(where, signalName(type))
                                  .arg(bit));
}

void LxLibChecker::checkSetEnable(const LxLibSetEnable& e, const QString& where, const SignalIndex& index)
{
    ++m_count;
    if (const auto* r = dynamic_cast<const LxLibSetEnableRelation*>(&e)) {
        checkSignalUse(&e, r->GetFirstSignal().GetSignalType(), r->GetFirstSignal().GetSignalBit(), where, index);
        checkSignalUse(&e, r->GetSecondSignal().GetSignalType(), r->GetSecondSignal().GetSignalBit(), where, index);
        for (int d : {r->GetFirstDifferential(), r->GetSecondDifferential()})
            if (d >= 0 && (d <= ST_NONE || d >= ST_COUNT))
                problem(&e, QStringLiteral("%1 names the unknown differential signal type code %2").arg(where).arg(d));
    } else if (const auto* off = dynamic_cast<const LxLibSetEnableDisable*>(&e)) {
        checkSignalUse(&e, off->GetSignal().GetSignalType(), off->GetSignal().GetSignalBit(), where, index);
    } else if (e.GetEnableType() != ET_CHIP_ENABLE && e.GetEnableType() != ET_OUTPUT_ENABLE &&
               e.GetEnableType() != ET_POWER_CONTROL) {
        problem(&e, QStringLiteral("%1 holds an enable entry of unknown or incomplete type %2").arg(where).arg(e.GetEnableType()));
    }
}

void LxLibChecker::checkPassive(const LxLibPassiveComponent& part)
{
    ++m_count;
    const QString name = quoted(part.GetName());
    if (part.GetType() <= PCT_NONE || part.GetType() >= PCT_COUNT)
        problem(&part, QStringLiteral("passive part %1 has the unknown type code %2").arg(name).arg(part.GetType()));
    auto pins = [&](const LxLibPinCombinationList& list, const QString& where) {
        for (const LxLibPinCombination* c : list) {
            ++m_count;
            if (c->GetPinA().isEmpty() || c->GetPinB().isEmpty())
                problem(c, QStringLiteral("pin combination of %1 has an empty pin").arg(where));
        }
    };
    pins(part.GetPinCombinationList(), QStringLiteral("part %1").arg(name));
    const auto* connection = dynamic_cast<const LxLibPassiveCompConnection*>(&part);
    if (!connection)
        return;
    QHash<QString, const LxLibCondition*> ids;
    for (const LxLibCondition* c : connection->GetConditionList()) {
        ++m_count;
        const QString key = c->GetConditionId().toLower();
        if (key.isEmpty())
            problem(c, QStringLiteral("a condition of connection %1 has no name").arg(name));
        else if (const LxLibCondition* other = ids.value(key))
            problem(c, QStringLiteral("condition %1 of connection %2 is used twice (also at line %3)")
                           .arg(quoted(c->GetConditionId()), name)
                           .arg(other->sourceLine()));
        else
            ids.insert(key, c);
        pins(c->GetPinCombinationList(), QStringLiteral("condition %1").arg(quoted(c->GetConditionId())));
    }
}

} // namespace lxlib
