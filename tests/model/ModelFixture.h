#ifndef MODELFIXTURE_H
#define MODELFIXTURE_H

#include "CLogic.h"

#include <QList>
#include <QString>

// Short ways to assemble device models in tests.
struct PinSpec { QString name; int type; int bit; };

inline CPackage* addPackage(CLogic& logic, const QString& id, const QList<std::pair<QString, int>>& pins)
{
    auto* package = new CPackage;
    package->addPackageId(id);
    int number = 1;
    for (const auto& [name, type] : pins)
        package->addPin(QString::number(number++), name, type);
    logic.insertPackage(logic.packages().count(), package);
    return package;
}

inline CLogicPart* addPart(CLogic& logic, const QString& name)
{
    auto* part = new CLogicPart(name);
    logic.insertLogicPart(logic.logicParts().count(), part);
    return part;
}

inline CPinList* addPinList(CLogicPart& part, const QString& name, const QList<PinSpec>& pins)
{
    auto* pinList = new CPinList(name);
    for (const PinSpec& p : pins)
        pinList->addPin(p.name, p.type, p.bit);
    part.insertPinList(part.pinLists().count(), pinList);
    return pinList;
}

// A logic with one package (U1..: name, type) and one part "Part1" with pin list "PL1".
inline void fillSimpleLogic(CLogic& logic)
{
    using namespace lxlib;
    addPackage(logic, "DIP8", {{"A0", PPT_INPUT}, {"A1", PPT_INPUT}, {"Y0", PPT_OUTPUT},
                               {"OE", PPT_INPUT}, {"D0", PPT_INOUT}});
    CLogicPart* part = addPart(logic, "Part1");
    addPinList(*part, "PL1", {{"A0", ST_DATAI, 0}, {"A1", ST_DATAI, 1}, {"Y0", ST_DATAO, 0},
                              {"OE", ST_OE, 0}, {"D0", ST_DATA, 0}});
    logic.rebuildSignalIndex(0);
}

#endif
