#ifndef CLOGIC_H
#define CLOGIC_H

#include "CLogicData.h"
#include "CLogicPart.h"
#include "CPackage.h"

#include <QHash>
#include <QList>
#include <QStringList>

namespace lxlib {
class LxLibComponent;
class LxLibInfo;
class LxLibLogic;
} // namespace lxlib

// The root of the device model that the wizard edits.
class CLogic
{
public:
    // What the signal-name query collects the names for.
    enum Usage {
        PruneEnables = 0, PruneDisables = 1, EnableConnection = 2, EnableRightHand = 3,
        EnableLeftHand = 4, LatchFirst = 4, DisableEditor = 6, NoSignals = 7, Diagnostics = 8
    };

    CLogic();
    CLogic(const CLogic&) = delete;
    CLogic& operator=(const CLogic&) = delete;

    const QStringList& timeUnits() const { return m_timeUnits; }
    // Signal type per column, kept by the editors that show signal columns.
    QList<int>& truthTableSignalTypes() { return m_truthTableTypes; }
    QList<int>& testSequenceSignalTypes() { return m_testSequenceTypes; }
    QList<int>& latchSignalTypes() { return m_latchTypes; }

    const CPackageList& packages() const { return m_packages; }
    CPackageList& packages() { return m_packages; }
    const CLogicPartList& logicParts() const { return m_logicParts; }
    CLogicPartList& logicParts() { return m_logicParts; }
    const CLogicDataList& signalIndexes() const { return m_signalIndexes; }
    CLogicDataList& signalIndexes() { return m_signalIndexes; }

    // Each takes the item; false for a null item.
    bool insertPackage(int pos, CPackage* p) { return m_packages.insert(pos, p); }
    bool insertLogicPart(int pos, CLogicPart* p) { return m_logicParts.insert(pos, p); }
    bool insertSignalIndex(int pos, CLogicData* d) { return m_signalIndexes.insert(pos, d); }
    // Removes the part and the signal index at its position.
    void deleteLogicPart(int pos);
    void clear();

    // Rebuilds (or creates) the signal index of part pos from its pin lists.
    void rebuildSignalIndex(int pos);
    // Appends the signal texts of the groups the usage selects, each once, then
    // one empty string. False only when part pos has no signal index.
    bool getSignalNames(QStringList& names, int usage, int pos) const;
    // Drops the set-signals of the part's enable and disable patterns whose
    // signal the pin lists no longer carry.
    void prunePatterns(int pos);
    // Empties the pin names of the part's pin lists that no package pin has.
    void clearDanglingPinNames(int pos);
    // The type of the first package pin with that name, 0 when there is none.
    int packagePinType(const QString& pinName) const;
    // packagePinType of every pin name at once, for lookups per row.
    QHash<QString, int> packagePinTypes() const;

    bool validatePinLists(QString& error) const;
    bool checkPinListsMatch(QString& error) const;
    bool checkPinListsPresent(QString& error) const;
    // Builds the component of a logic model into the document.
    bool buildLogicComponent(lxlib::LxLibInfo* document, const QString& deviceId, QString& error);

    // Set only while buildLogicComponent runs.
    lxlib::LxLibComponent* componentUnderConstruction() const { return m_component; }
    lxlib::LxLibLogic* logicUnderConstruction() const { return m_logic; }
    void setUnderConstruction(lxlib::LxLibComponent* component, lxlib::LxLibLogic* logic)
    {
        m_component = component;
        m_logic = logic;
    }

private:
    QStringList m_timeUnits;
    QList<int> m_truthTableTypes;
    QList<int> m_testSequenceTypes;
    QList<int> m_latchTypes;
    CPackageList m_packages;
    CLogicPartList m_logicParts;
    CLogicDataList m_signalIndexes;
    lxlib::LxLibComponent* m_component = nullptr;
    lxlib::LxLibLogic* m_logic = nullptr;
};

#endif
