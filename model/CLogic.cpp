#include "CLogic.h"

#include "CLogicBuilder.h"
#include "CLogicChecks.h"
#include "CVectorColumns.h"
#include "LxLibInfo.h"

#include <QSet>

using namespace lxlib;

CLogic::CLogic() : m_timeUnits{"ns", "us", "ms", "s", "tck"} {}

void CLogic::deleteLogicPart(int pos)
{
    m_logicParts.remove(pos);
    m_signalIndexes.remove(pos);
}

void CLogic::clear()
{
    m_truthTableTypes.clear();
    m_testSequenceTypes.clear();
    m_latchTypes.clear();
    m_packages.clear();
    m_logicParts.clear();
    m_signalIndexes.clear();
}

void CLogic::rebuildSignalIndex(int pos)
{
    CLogicPart* part = m_logicParts.at(pos);
    if (!part)
        return;
    // Keep the index at the part's position even when earlier ones are missing.
    while (m_signalIndexes.count() <= pos)
        m_signalIndexes.append(new CLogicData);
    CLogicData* index = m_signalIndexes.at(pos);
    const bool built = index->isBuilt();
    const CVectorColumns before(index);
    index->rebuild(*part);
    // The vectors were laid over the columns of the index as it was built last.
    if (built)
        part->realignVectors(before, CVectorColumns(index));
}

namespace {

QList<int> groupsForUsage(int usage)
{
    using D = CLogicData;
    switch (usage) {
    case 0: case 1: case 3:
        return {D::InputControl, D::BidirectionalControl, D::InputData, D::BidirectionalData};
    case 2:
        return {D::BidirectionalControl, D::BidirectionalData};
    case 4: case 5: case 6:
        return {D::OutputControl, D::BidirectionalControl, D::OutputData, D::BidirectionalData};
    case 8:
        return {D::InputControl, D::OutputControl, D::BidirectionalControl, D::InputData,
                D::OutputData, D::BidirectionalData};
    default:
        return {};
    }
}

} // namespace

bool CLogic::getSignalNames(QStringList& names, int usage, int pos) const
{
    const CLogicData* index = m_signalIndexes.at(pos);
    if (!index)
        return false;
    QSet<QString> seen(names.begin(), names.end());
    auto add = [&](const QString& text) {
        if (!seen.contains(text)) {
            seen.insert(text);
            names.append(text);
        }
    };
    for (int g : groupsForUsage(usage))
        for (const CSignalSpec* signal : index->group(g))
            for (const QString& text : signal->signalTexts())
                add(text);
    if (usage == EnableRightHand)
        for (int type = ST_PWR; type <= ST_PWR_SW; ++type)
            add(LxLibSignalTypeBit::ConvertSignalToString(type));
    names.append(QString());
    return true;
}

namespace {

// Deletes the set-signals whose signal type name is not among kept.
void pruneSetSignals(LxLibSetSignalList& list, const QStringList& kept)
{
    const QSet<QString> keep(kept.begin(), kept.end());
    for (int i = list.count() - 1; i >= 0; --i)
        if (!keep.contains(LxLibSignalTypeBit::ConvertSignalToString(list.at(i)->GetSignalType())))
            list.remove(i);
}

} // namespace

void CLogic::prunePatterns(int pos)
{
    CLogicPart* part = m_logicParts.at(pos);
    QStringList enableNames;
    QStringList disableNames;
    if (!part || !getSignalNames(enableNames, PruneEnables, pos) ||
        !getSignalNames(disableNames, PruneDisables, pos))
        return;
    for (LxLibEnablePattern* p : part->enablePatterns())
        pruneSetSignals(p->GetSetSignalList(), enableNames);
    for (LxLibDisablePattern* p : part->disablePatterns())
        pruneSetSignals(p->GetSetSignalList(), disableNames);
}

void CLogic::clearDanglingPinNames(int pos)
{
    CLogicPart* part = m_logicParts.at(pos);
    if (!part)
        return;
    QSet<QString> packagePinNames;
    for (const CPackage* package : m_packages)
        for (const CPackagePin* pin : package->pins())
            packagePinNames.insert(pin->pinName());
    for (CPinList* pinList : part->pinLists())
        for (CPinListPin* pin : pinList->pins())
            if (!packagePinNames.contains(pin->pinName()))
                pin->setPinName(QString());
}

int CLogic::packagePinType(const QString& pinName) const
{
    for (const CPackage* package : m_packages)
        for (const CPackagePin* pin : package->pins())
            if (pin->pinName() == pinName)
                return pin->pinType();
    return 0;
}

bool CLogic::validatePinLists(QString& error) const
{
    return CLogicChecks::validatePinLists(*this, error);
}

bool CLogic::checkPinListsMatch(QString& error) const
{
    return CLogicChecks::checkPinListsMatch(*this, error);
}

bool CLogic::checkPinListsPresent(QString& error) const
{
    return CLogicChecks::checkPinListsPresent(*this, error);
}

bool CLogic::buildLogicComponent(LxLibInfo* document, const QString& deviceId, QString& error)
{
    return CLogicBuilder(*this).build(document, deviceId, error);
}
