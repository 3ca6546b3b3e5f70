#include "CLogicChecks.h"

#include "CLogic.h"
#include "CLoopTestSequence.h"
#include "CVectorColumns.h"
#include "CWaitTestSequence.h"
#include "PWVocabulary.h"

#include <QHash>
#include <QSet>

using namespace lxlib;

const QString CLogicChecks::LogicVectorCharacters = QStringLiteral("01DdHhLlNnTtUuXxZz");
const QString CLogicChecks::PatternVectorCharacters = QStringLiteral("01XxZz");

bool CLogicChecks::isValidVector(const QString& vector, const QString& allowed)
{
    for (const QChar c : vector)
        if (!allowed.contains(c))
            return false;
    return true;
}

bool CLogicChecks::isValidVector(const LxLibCompactText& vector, const LxLibCharacterSet& allowed)
{
    return vector.consistsOf(allowed);
}

bool CLogicChecks::checkSignalAgainstPin(int signalType, int packagePinType)
{
    const PackagePinDirection direction = packagePinDirection(packagePinType);
    switch (CVectorColumns::pinDirectionOf(signalType)) {
    case CVectorColumns::Bidirectional:
        return direction == InoutPin;
    case CVectorColumns::Input:
        return direction == InputPin || direction == InoutPin;
    case CVectorColumns::Output:
        return direction == OutputPin || direction == InoutPin;
    default:
        return true;
    }
}

bool CLogicChecks::isPatternSignalType(int signalType)
{
    switch (signalType) {
    case ST_DATA: case ST_DATAI: case ST_ADDR: case ST_DATAA: case ST_DATAB: case ST_DIR: case ST_IN:
    case ST_IO: case ST_WE: case ST_CE: case ST_OE: case ST_LE: case ST_MODUS: case ST_VPP:
    case ST_RESETP: case ST_WPROT:
        return true;
    default:
        return false;
    }
}

namespace {

const LxLibCharacterSet& logicVectorSet()
{
    static const LxLibCharacterSet set(CLogicChecks::LogicVectorCharacters);
    return set;
}

// Tells the caller where the failing record came from.
bool failAt(CSourcePosition* at, const CSourcePosition& where)
{
    if (at)
        *at = where;
    return false;
}

// Library records of the part (patterns, truth table rows) carry their own position.
bool failAt(CSourcePosition* at, const LxLibObject& where)
{
    return failAt(at, CSourcePosition(where));
}

// The package pins carrying each name, in package and pin order.
QHash<QString, QList<const CPackagePin*>> packagePinsByName(const CLogic& logic)
{
    QHash<QString, QList<const CPackagePin*>> pins;
    for (const CPackage* package : logic.packages())
        for (const CPackagePin* pin : package->pins())
            pins[pin->pinName()].append(pin);
    return pins;
}

} // namespace

bool CLogicChecks::validatePinLists(const CLogic& logic, QString& error, CSourcePosition* at)
{
    for (const CLogicPart* part : logic.logicParts()) {
        for (const CPinList* pinList : part->pinLists()) {
            QString text;
            const CPinListPin* pin = nullptr;
            if (!pinList->checkBitSequence(text, &pin)) {
                //: %1 = Name of the part, %2 = the bit sequence problem
                error = tr("Error %1 %2").arg(part->name(), text);
                return failAt(at, *pin);
            }
        }
    }

    const QHash<QString, QList<const CPackagePin*>> packagePins = packagePinsByName(logic);
    for (const CLogicPart* part : logic.logicParts()) {
        for (const CPinList* pinList : part->pinLists()) {
            const QString& partName = part->name();
            const QString listName = pinList->name();
            if (pinList->pins().isEmpty()) {
                //: %1 = Name of the part, %2 = Name of the Pin List
                error = tr("Error %1 %2: There is no pin definition specified").arg(partName, listName);
                return failAt(at, *pinList);
            }
            for (const CPinListPin* pin : pinList->pins()) {
                if (pin->pinName().isEmpty() || pin->pinName() == QLatin1String(" ")) {
                    //: %1 = Name of the part, %2 = Name of the Pin List
                    error = tr("Error %1 %2: Pin names are not correctly specified").arg(partName, listName);
                    return failAt(at, *pin);
                }
                if (pin->signalType() == ST_NONE) {
                    //: %1 = Name of the part, %2 = Name of the Pin List, %3 = Name of the pin
                    error = tr("Error %1 %2: '%3' has an unknown Signal Type")
                                .arg(partName, listName, pin->pinName());
                    return failAt(at, *pin);
                }
                if (pin->bit() < 0) {
                    //: %1 = Name of the part, %2 = Name of the Pin List, %3 = the bit number
                    error = tr("Error %1 %2: Bit number '%3' is not valid")
                                .arg(partName, listName, QString::number(pin->bit()));
                    return failAt(at, *pin);
                }
                for (const CPackagePin* packagePin : packagePins.value(pin->pinName())) {
                    if (checkSignalAgainstPin(pin->signalType(), packagePin->pinType()))
                        continue;
                    //: %1 = package pin type, %2 = signal type
                    const QString detail = tr("\nSignal Type %1 in the package can not be used as %2")
                                               .arg(packagePinTypeKeyword(packagePin->pinType()),
                                                    pin->signalText());
                    //: %1 = Name of the part, %2 = Name of the Pin List, %3 = the problem
                    error = tr("Error : %1 %2 %3").arg(partName, listName, detail);
                    return failAt(at, *pin);
                }
            }
        }
    }
    return true;
}

namespace {

quint64 signalKey(const LxLibSignalTypeBit& s)
{
    return (static_cast<quint64>(static_cast<quint32>(s.GetSignalType())) << 32) |
           static_cast<quint32>(s.GetSignalBit());
}

bool pinListsMatch(const CPinList& first, const CPinList& other)
{
    if (first.pins().count() != other.pins().count())
        return false;
    QSet<quint64> carried;
    for (const CPinListPin* pin : other.pins())
        carried.insert(signalKey(pin->signal()));
    for (const CPinListPin* pin : first.pins())
        if (!carried.contains(signalKey(pin->signal())))
            return false;
    return true;
}

} // namespace

bool CLogicChecks::checkPinListsMatch(const CLogic& logic, QString& error, CSourcePosition* at)
{
    for (const CLogicPart* part : logic.logicParts()) {
        const CPinList* first = part->pinLists().first();
        for (int i = 1; i < part->pinLists().count(); ++i) {
            const CPinList* other = part->pinLists().at(i);
            if (!pinListsMatch(*first, *other)) {
                //: %1 = Name of the first Pin List, %2 = Name of the other Pin List
                error = tr("Pin List \"%1\" does not match with Pin List \"%2\"\nSignal Types and the "
                           "Bit Numbers for both Pin Lists have to match")
                            .arg(first->name(), other->name());
                return failAt(at, *other);
            }
        }
    }
    return true;
}

bool CLogicChecks::checkPinListsPresent(const CLogic& logic, QString& error, CSourcePosition* at)
{
    for (const CLogicPart* part : logic.logicParts()) {
        if (part->pinLists().isEmpty()) {
            //: %1 = Name of the part
            error = tr("Error '%1': There is no Pin List specified\n").arg(part->name());
            return failAt(at, *part);
        }
    }
    return true;
}

bool CLogicChecks::checkPackages(const CLogic& logic, QString& error, CSourcePosition* at)
{
    for (const CPackage* package : logic.packages()) {
        for (const CPackagePin* pin : package->pins()) {
            if (pin->pinNumber().isEmpty() || pin->pinName().isEmpty() || pin->pinType() == 0) {
                // Shown as it stands, without translation.
                error = QStringLiteral("Incorrect package specification");
                return failAt(at, *pin);
            }
        }
    }
    return true;
}

bool CLogicChecks::checkTruthTables(const CLogic& logic, QString& error, CSourcePosition* at)
{
    for (const CLogicPart* part : logic.logicParts()) {
        for (const LxLibTruthTableRecord* record : part->truthTable()) {
            if (!isValidVector(record->GetVectorText(), logicVectorSet())) {
                //: %1 = Name of the part, %2 = the vector
                error = tr("Error %1 Function Truth Table: This vector '%2' is not valid")
                            .arg(part->name(), record->GetVector());
                return failAt(at, *record);
            }
        }
    }
    return true;
}

namespace {

// The names come from the caller, once per sequence: a sequence holds many statements.
bool checkStatement(const QString& partName, const QString& name, const CTestSequence& statement, QString& error,
                    CSourcePosition* at)
{
    switch (statement.kind()) {
    case CTestSequence::Repeat: {
        const auto& loop = static_cast<const CLoopTestSequence&>(statement);
        if (loop.count() == 0) {
            //: %1 = Name of the part, %2 = Name of the Test Sequence
            error = CLogicChecks::tr("Error %1 %2: Number of times to repeat is not valid").arg(partName, name);
            return failAt(at, loop);
        }
        for (const CVectorTestSequence* v : loop.vectors()) {
            if (!CLogicChecks::isValidVector(v->vectorText(), logicVectorSet())) {
                //: %1 = Name of the part, %2 = Name of the Test Sequence, %3 = the vector
                error = CLogicChecks::tr("Error %1 %2: vector '%3' is not valid")
                            .arg(partName, name, v->vector());
                return failAt(at, *v);
            }
        }
        return true;
    }
    case CTestSequence::Wait:
        if (!static_cast<const CWaitTestSequence&>(statement).hasValidUnit()) {
            //: %1 = Name of the part, %2 = Name of the Test Sequence
            error = CLogicChecks::tr("Error %1 %2: Unit of the wait time is not specified").arg(partName, name);
            return failAt(at, statement);
        }
        return true;
    case CTestSequence::Vector: {
        const auto& vector = static_cast<const CVectorTestSequence&>(statement);
        if (!CLogicChecks::isValidVector(vector.vectorText(), logicVectorSet())) {
            //: %1 = Name of the part, %2 = Name of the Test Sequence, %3 = the vector
            error = CLogicChecks::tr("Error %1 %2: This vector %3 is not valid").arg(partName, name, vector.vector());
            return failAt(at, statement);
        }
        return true;
    }
    default:
        return true;
    }
}

// Both pattern kinds set signals under the same rules.
bool checkSetSignals(const QString& partName, const QString& patternName,
                     const LxLibSetSignalList& setSignals, QString& error, CSourcePosition* at)
{
    for (const LxLibSetSignal* s : setSignals) {
        if (!CLogicChecks::isValidVector(s->GetVector(), CLogicChecks::PatternVectorCharacters)) {
            //: %1 = Name of the part, %2 = Name of the pattern, %3 = the vector
            error = CLogicChecks::tr("Error %1 %2: This vector '%3' is not valid")
                        .arg(partName, patternName, s->GetVector());
            return failAt(at, *s);
        }
        if (!CLogicChecks::isPatternSignalType(s->GetSignalType())) {
            //: %1 = Name of the part, %2 = Name of the pattern, %3 = the signal type
            error = CLogicChecks::tr("Error %1 %2: This signal type '%3' is not valid")
                        .arg(partName, patternName, signalTypeKeyword(s->GetSignalType()));
            return failAt(at, *s);
        }
    }
    return true;
}

// A rule the diagnostics table left without its signal, bit or stuck-at type.
bool checkDiagnostics(const CLogicPart& part, const CTestSequences& sequence, const CLogicDiagnoseList* rows,
                      QString& error)
{
    for (int row = 0; rows && row < rows->count(); ++row) {
        const CLogicDiagnose* d = rows->at(row);
        if (d->state() != CLogicDiagnose::Defined)
            continue;
        for (const LxLibDiagRuleStuckAt* rule : d->GetRuleList()) {
            if (rule->GetSignalType() > ST_NONE && rule->GetSignalBit() >= 0 && rule->GetStuckAtType() > SA_NONE)
                continue;
            //: %1 = Name of the part, %2 = Name of the Test Sequence, %3 = Number of the row
            error = CLogicChecks::tr("Error %1 %2: A diagnostic rule of row %3 has no signal, bit or stuck-at type")
                        .arg(part.name(), sequence.name())
                        .arg(row + 1);
            return false;
        }
    }
    return true;
}

} // namespace

bool CLogicChecks::checkTestSequences(const CLogic& logic, QString& error, CSourcePosition* at)
{
    for (const CLogicPart* part : logic.logicParts()) {
        const QString partName = part->name();
        for (int k = 0; k < part->testSequences().count(); ++k) {
            const CTestSequences* sequence = part->testSequences().at(k);
            const QString name = sequence->name();
            if (name.isEmpty()) {
                error = tr("This Test Sequence has no name");
                return failAt(at, *sequence);
            }
            for (const CTestSequence* statement : sequence->statements())
                if (!checkStatement(partName, name, *statement, error, at))
                    return false;
            if (!checkDiagnostics(*part, *sequence, part->testSequenceDiagnostics().at(k), error))
                return failAt(at, *sequence);
        }
    }
    return true;
}

bool CLogicChecks::checkEnablePatterns(const CLogic& logic, QString& error, CSourcePosition* at)
{
    for (const CLogicPart* part : logic.logicParts())
        for (const LxLibEnablePattern* pattern : part->enablePatterns())
            if (!checkSetSignals(part->name(), pattern->GetName(), pattern->GetSetSignalList(), error, at))
                return false;
    return true;
}

bool CLogicChecks::checkDisablePatterns(const CLogic& logic, QString& error, CSourcePosition* at)
{
    for (const CLogicPart* part : logic.logicParts()) {
        for (const LxLibDisablePattern* pattern : part->disablePatterns()) {
            if (pattern->GetSetSignalList().isEmpty()) {
                //: %1 = Name of the part, %2 = Name of the pattern
                error = tr("Error %1 %2: There is no Disable Pattern defined").arg(part->name(), pattern->GetName());
                return failAt(at, *pattern);
            }
            if (!checkSetSignals(part->name(), pattern->GetName(), pattern->GetSetSignalList(), error, at))
                return false;
        }
    }
    return true;
}

bool CLogicChecks::validateLogicPage(const CLogic& logic, QString& error, CSourcePosition* at)
{
    return checkPackages(logic, error, at) && checkTruthTables(logic, error, at) &&
           checkTestSequences(logic, error, at) && checkEnablePatterns(logic, error, at) &&
           checkDisablePatterns(logic, error, at) && checkPinListsMatch(logic, error, at);
}
